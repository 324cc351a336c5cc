// Creation of page panels and their controls from table rows, and the control registries.
#include "page_controls.h"
#include "control_ids.h"
#include "key_rings.h"
#include "program_state.h"
#include "settings_store.h"
#include "string_table.h"

HWND tab_control;
HWND page_windows[PAGE_WINDOW_SLOTS];
HWND check_boxes[CHECK_BOX_SLOTS];
int check_box_count;
HWND radios[RADIO_SLOTS];
int radio_count;
HWND combo_boxes[COMBO_BOX_SLOTS];
int combo_box_count;
HWND group_boxes[GROUP_BOX_SLOTS];
int group_box_count;
HWND graphics_labels[GRAPHICS_LABEL_SLOTS];
int graphics_label_count;

namespace {

struct KindInfo {
    const wchar_t* window_class;
    DWORD style;
};

const KindInfo kind_info[] = {
    {L"BUTTON", 0x50000007},    // KIND_GROUP
    {L"BUTTON", 0x50000003},    // KIND_CHECK
    {L"BUTTON", 0x50000004},    // KIND_RADIO
    {L"BUTTON", 0x50000009},    // KIND_AUTO_RADIO
    {L"STATIC", 0x50000000},    // KIND_LABEL
    {L"STATIC", 0x50000001},    // KIND_CENTRED_LABEL
    {L"COMBOBOX", 0x50200003},  // KIND_COMBO
};

// The radio registry has a fixed slot per radio; 2201 keeps its slot when it is not created.
const uint16_t radio_slot_ids[RADIO_SLOTS] = {
    ID_RADIO_ENGLISH,  ID_RADIO_JAPANESE, ID_FULL_SCREEN,     ID_WINDOW,         ID_POPUP,
    ID_SOUND_HARDWARE, ID_SOUND_SOFTWARE, ID_SOFTWARE_CURSOR, ID_GENERAL_CURSOR,
};

void append(HWND* registry, int* count, int capacity, HWND window) {
    if (*count < capacity) registry[(*count)++] = window;
}

void register_radio(int id, HWND window) {
    for (int slot = 0; slot < RADIO_SLOTS; ++slot) {
        if (radio_slot_ids[slot] != id) continue;
        radios[slot] = window;
        if (radio_count < slot + 1) radio_count = slot + 1;
    }
}

void register_control(const ControlRow& row, HWND window) {
    switch (row.kind) {
        case KIND_GROUP:
            if (!(row.flags & ROW_UNREGISTERED)) append(group_boxes, &group_box_count, GROUP_BOX_SLOTS, window);
            break;
        case KIND_CHECK:
        case KIND_AUTO_RADIO:
            append(check_boxes, &check_box_count, CHECK_BOX_SLOTS, window);
            break;
        case KIND_RADIO:
            register_radio(row.id, window);
            break;
        case KIND_COMBO:
            append(combo_boxes, &combo_box_count, COMBO_BOX_SLOTS, window);
            break;
        default:
            if (row.flags & ROW_GRAPHICS_LABEL)
                append(graphics_labels, &graphics_label_count, GRAPHICS_LABEL_SLOTS, window);
            break;
    }
}

HWND find_in(HWND* registry, int count, int id) {
    for (int i = 0; i < count; ++i)
        if (registry[i] && GetDlgCtrlID(registry[i]) == id) return registry[i];
    return nullptr;
}

}  // namespace

void clear_control_registries() {
    check_box_count = radio_count = combo_box_count = group_box_count = graphics_label_count = 0;
    for (HWND& window : radios) window = nullptr;
}

HWND create_page_panel(const RECT* display, int index) {
    HWND page =
        CreateWindowExW(0, L"STATIC_SP", L"", 0x40000000, display->left, display->top, display->right - display->left,
                        display->bottom - display->top, tab_control, nullptr, program_instance, nullptr);
    if (index >= 0 && index < PAGE_WINDOW_SLOTS) page_windows[index] = page;
    return page;
}

HWND create_page_control(HWND page, int kind, UINT text, int x, int y, int width, int height, int id) {
    message_buffer[0] = 0;
    if (text) load_text(text, message_buffer, TEXT_CAPACITY);
    const KindInfo& info = kind_info[kind];
    HWND window = CreateWindowExW(0, info.window_class, message_buffer, info.style, x, y, width, height, page,
                                  (HMENU)(INT_PTR)id, program_instance, nullptr);
    if (window && dialog_font) SendMessageW(window, WM_SETFONT, (WPARAM)dialog_font, FALSE);
    return window;
}

void create_page_controls(HWND page, const ControlRow* rows, int count) {
    for (int i = 0; i < count; ++i) {
        const ControlRow& row = rows[i];
        if ((row.flags & ROW_NOT_ENGLISH) && game_settings.language == 1) continue;
        HWND window = create_page_control(page, row.kind, row.text, row.x, row.y, row.width, row.height, row.id);
        if (row.flags & ROW_HIDDEN) ShowWindow(window, SW_HIDE);
        if (row.flags & ROW_RING) install_ring_key_proc(window, row.id);
        register_control(row, window);
    }
}

HWND page_control(int id) {
    HWND window = find_in(check_boxes, check_box_count, id);
    if (!window) window = find_in(radios, radio_count, id);
    if (!window) window = find_in(combo_boxes, combo_box_count, id);
    return window;
}

int is_checked(int id) {
    HWND window = page_control(id);
    return window && SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void set_checked(int id, int checked) {
    HWND window = page_control(id);
    if (window) SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void enable_control(int id, int enabled) {
    HWND window = page_control(id);
    if (window) EnableWindow(window, enabled ? TRUE : FALSE);
}

void select_item(int id, int index) {
    HWND window = page_control(id);
    if (window) SendMessageW(window, CB_SETCURSEL, (WPARAM)index, 0);
}

void add_text_item(int id, UINT text) {
    HWND window = page_control(id);
    if (!window) return;
    load_text(text, message_buffer, TEXT_CAPACITY);
    SendMessageW(window, CB_ADDSTRING, 0, (LPARAM)message_buffer);
}
