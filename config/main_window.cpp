// The window classes tovisetup, STATIC_SP and STATIC_GR, the settings window with its tab
// control, pages and bottom buttons, the install-mode wait window and the message pump.
#include "main_window.h"
#include <commctrl.h>
#include "aspect_preview.h"
#include "control_ids.h"
#include "files.h"
#include "key_rings.h"
#include "libraries.h"
#include "moxel20.h"
#include "page_builders.h"
#include "page_controls.h"
#include "reset_defaults.h"
#include "settings_page_proc.h"
#include "settings_store.h"
#include "shell_open.h"
#include "sound_page.h"
#include "string_ids.h"
#include "string_table.h"
#include "support_report.h"
#include "system_metrics.h"
#include "test_sounds.h"

HWND main_window;
wchar_t title_text[TEXT_CAPACITY];
wchar_t warning_title[TEXT_CAPACITY];
int32_t current_page;
HWND bottom_buttons[BOTTOM_BUTTONS];

namespace {

constexpr DWORD SETUP_WINDOW_STYLE = 0x90C80000;  // pop-up, visible, caption, system menu
constexpr int CLIENT_WIDTH = 500;
constexpr int CLIENT_HEIGHT = 400;

HICON load_program_icon(int size) {
    wchar_t path[TEXT_CAPACITY];
    if (!join_path(path, TEXT_CAPACITY, program_folder, L"tovi.ico")) return nullptr;
    return (HICON)LoadImageW(nullptr, path, IMAGE_ICON, size, size, LR_LOADFROMFILE);
}

// Registers tovisetup, the class by which a second start finds the running program.
int register_setup_class(HINSTANCE instance) {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = 0;
    window_class.lpfnWndProc = main_window_proc;
    window_class.hInstance = instance;
    window_class.hIcon = load_program_icon(32);
    window_class.hIconSm = load_program_icon(16);
    window_class.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"tovisetup";
    return RegisterClassExW(&window_class) != 0;
}

// A copy of the system class STATIC under another name and procedure; the STATIC procedure is
// kept for chaining. The copy belongs to the program, so that its windows find it.
int register_static_copy(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof window_class;
    if (!GetClassInfoExW(nullptr, L"STATIC", &window_class)) return 0;
    static_window_proc = window_class.lpfnWndProc;
    window_class.lpfnWndProc = procedure;
    window_class.lpszClassName = name;
    window_class.hInstance = instance;
    return RegisterClassExW(&window_class) != 0;
}

// Centre of the primary screen for a window of the given client size, halved as unsigned numbers.
int centred(int screen, int frame, int extra, int client) {
    return (int)((unsigned)(screen - 2 * frame - extra - client) / 2u);
}

struct BottomButton {
    uint16_t id;
    uint16_t text;
    int16_t x;
    int16_t width;
    uint8_t shown;  // at start
};

const BottomButton bottom_button_rows[BOTTOM_BUTTONS] = {
    {ID_SAVE, STR_SAVE, 280, 100, 1},
    {ID_CANCEL, STR_CANCEL, 390, 100, 1},
    {ID_USER_SUPPORT, STR_USER_SUPPORT, 10, 100, 0},  // overlaps Reset: never shown together
    {ID_RESET, STR_RESET, 50, 150, 1},
    {ID_DXDIAG, STR_DXDIAG, 120, 150, 0},
};

const UINT tab_texts[PAGE_COUNT] = {STR_TAB_GAME_SYSTEM, STR_TAB_DISPLAY, STR_TAB_GRAPHICS, STR_TAB_SOUND,
                                    STR_TAB_SYSTEM_INFO};

void (*const page_builders[PAGE_COUNT])(const RECT*) = {
    build_game_system_page, build_display_page, build_graphics_page, build_sound_page, build_system_info_page,
};

void create_tab_control(HINSTANCE instance) {
    tab_control = CreateWindowExW(0, L"SysTabControl32", L"", 0x54000000, 0, 0, 500, 350, main_window,
                                  (HMENU)(INT_PTR)ID_TAB_CONTROL, instance, nullptr);
    if (!tab_control) return;
    SendMessageW(tab_control, WM_SETFONT, (WPARAM)dialog_font, FALSE);
    for (int page = 0; page < PAGE_COUNT; ++page) {
        load_text(tab_texts[page], message_buffer, TEXT_CAPACITY);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = message_buffer;
        SendMessageW(tab_control, TCM_INSERTITEMW, page, (LPARAM)&item);
    }
    for (HWND& page : page_windows) page = nullptr;
}

void create_bottom_buttons(HINSTANCE instance) {
    for (int i = 0; i < BOTTOM_BUTTONS; ++i) {
        const BottomButton& row = bottom_button_rows[i];
        load_text(row.text, message_buffer, TEXT_CAPACITY);
        HWND button = CreateWindowExW(0, L"BUTTON", message_buffer, 0x50010000, row.x, 360, row.width, 30, main_window,
                                      (HMENU)(INT_PTR)row.id, instance, nullptr);
        if (button && dialog_font) SendMessageW(button, WM_SETFONT, (WPARAM)dialog_font, FALSE);
        if (button && !row.shown) ShowWindow(button, SW_HIDE);
        install_ring_key_proc(button, row.id);
        bottom_buttons[i] = button;
    }
}

HWND bottom_button(int id) { return bottom_buttons[id - ID_SAVE]; }

void focus_on(HWND window) {
    if (window) SetFocus(window);
}

void on_button(int id) {
    switch (id) {
        case ID_SAVE:
            save_settings();
            running = 0;
            break;
        case ID_CANCEL:
            running = 0;
            break;
        case ID_USER_SUPPORT:
            run_user_support();
            break;
        case ID_RESET:
            reset_to_defaults();
            break;
        case ID_DXDIAG:
            shell_open_routine(main_window, nullptr, L"dxdiag.exe", nullptr, nullptr, SW_SHOWNORMAL);
            break;
    }
}

}  // namespace

void focus_first_control(int page) { focus_on(first_ring_member(page)); }

void show_tab_page(int page) {
    for (int i = 0; i < PAGE_WINDOW_SLOTS && page_windows[i]; ++i)
        if (i != page) ShowWindow(page_windows[i], SW_HIDE);
    if (page >= 0 && page < PAGE_WINDOW_SLOTS && page_windows[page]) ShowWindow(page_windows[page], SW_SHOW);

    if (current_page == PAGE_SOUND && page != PAGE_SOUND) stop_test_sounds();

    int info_page = page == PAGE_SYSTEM_INFO;
    if (info_page || current_page == PAGE_SYSTEM_INFO) {
        ShowWindow(bottom_button(ID_RESET), info_page ? SW_HIDE : SW_SHOW);
        ShowWindow(bottom_button(ID_USER_SUPPORT), info_page ? SW_SHOW : SW_HIDE);
        ShowWindow(bottom_button(ID_DXDIAG), info_page ? SW_SHOW : SW_HIDE);
    }
    focus_first_control(page);
    current_page = page;
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            running = 0;  // the loop in WinMain ends; the window is left to the end of the process
            return 0;
        case WM_NOTIFY:
            // Any sender's selection change is taken as the tab control's.
            if (((NMHDR*)lparam)->code == TCN_SELCHANGE)
                show_tab_page((int)SendMessageW(tab_control, TCM_GETCURSEL, 0, 0));
            return 0;
        case WM_KEYDOWN:
            if (wparam == VK_TAB) focus_first_control((int)SendMessageW(tab_control, TCM_GETCURSEL, 0, 0));
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) >= ID_SAVE && LOWORD(wparam) <= ID_DXDIAG) on_button(LOWORD(wparam));
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

int create_main_window(HINSTANCE instance) {
    if (!register_setup_class(instance)) return 0;
    if (!register_static_copy(instance, L"STATIC_SP", settings_page_proc)) return 0;
    if (!register_static_copy(instance, L"STATIC_GR", aspect_preview_proc)) return 0;
    load_text(STR_TITLE, title_text, TEXT_CAPACITY);
    load_text(STR_WARNING_TITLE, warning_title, TEXT_CAPACITY);

    const SystemMetrics& m = system_metrics;
    int width = CLIENT_WIDTH + 2 * m.dialog_frame_width;
    int height = CLIENT_HEIGHT + 2 * m.dialog_frame_height + m.caption_height;
    int x = centred(m.screen_width, m.dialog_frame_width, 0, CLIENT_WIDTH);
    int y = centred(m.screen_height, m.dialog_frame_height, m.caption_height, CLIENT_HEIGHT);
    main_window = CreateWindowExW(0, L"tovisetup", title_text, SETUP_WINDOW_STYLE, x, y, width, height, nullptr,
                                  nullptr, instance, nullptr);

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t panel[TEXT_CAPACITY];
    MOXEL_SetMode(1);
    MOXEL_Start(instance, join_path(panel, TEXT_CAPACITY, program_folder, L"common\\play_panel.bmp") ? panel : nullptr);
    start_engine(main_window);

    create_tab_control(instance);
    clear_control_registries();
    RECT display = {0, 0, 0, 0};
    if (tab_control) {
        GetClientRect(tab_control, &display);
        SendMessageW(tab_control, TCM_ADJUSTRECT, FALSE, (LPARAM)&display);
    }
    current_page = PAGE_GAME_SYSTEM;
    for (auto build : page_builders) build(&display);
    show_tab_page(PAGE_GAME_SYSTEM);

    create_bottom_buttons(instance);
    focus_on(bottom_button(ID_SAVE));
    return 1;
}

int show_wait_window(HINSTANCE instance) {
    if (!register_setup_class(instance)) return 0;
    load_text(STR_TITLE, title_text, TEXT_CAPACITY);
    load_text(STR_WARNING_TITLE, warning_title, TEXT_CAPACITY);
    load_text(STR_WAIT, message_buffer, TEXT_CAPACITY);

    SIZE text_size = {0, 0};
    HDC screen = GetDC(nullptr);
    GetTextExtentPoint32W(screen, message_buffer, lstrlenW(message_buffer), &text_size);
    ReleaseDC(nullptr, screen);

    // The corner is that of a 250 x 200 client area, whatever the text's size.
    const SystemMetrics& m = system_metrics;
    int width = text_size.cx + 2 * m.dialog_frame_width + 20;
    int height = text_size.cy + 2 * m.dialog_frame_height + m.caption_height + 20;
    int x = centred(m.screen_width, m.dialog_frame_width, 0, 250);
    int y = centred(m.screen_height, m.dialog_frame_height, m.caption_height, 200);
    main_window = CreateWindowExW(0, L"tovisetup", title_text, SETUP_WINDOW_STYLE, x, y, width, height, nullptr,
                                  nullptr, instance, nullptr);
    HWND text = CreateWindowExW(0, L"STATIC", message_buffer, 0x50000001, 10, 10, text_size.cx, text_size.cy,
                                main_window, nullptr, instance, nullptr);
    if (text && dialog_font) SendMessageW(text, WM_SETFONT, (WPARAM)dialog_font, 0);

    while (!pump_one_message()) {
    }
    return 1;
}

int pump_one_message() {
    running = 1;
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return 1;
    if (message.message == WM_QUIT) running = 0;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return 0;
}
