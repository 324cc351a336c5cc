// The ring tables and the one key procedure that reads them.
#include "key_rings.h"
#include <commctrl.h>
#include "control_ids.h"
#include "main_window.h"
#include "page_controls.h"
#include "settings_store.h"
#include "sound_page.h"

namespace {

// The settings value a target depends on.
enum RingValue : uint8_t {
    VALUE_FIXED,  // always ids[0]
    VALUE_CURSOR_MODE,
    VALUE_RADIO_LANGUAGE,
    VALUE_SCREEN_MODE,
    VALUE_SOUND_3D,
    VALUE_OMIT_DISTANT,     // scenery flags bit 0
    VALUE_SCENERY_MINIMUM,  // scenery flags bit 1
    VALUE_PAGE,             // the tab control's selection
};

// Ids below 100 name one of the shared targets below instead of a control.
enum SharedTarget : uint16_t {
    RADIO_OF_LANGUAGE = 1,  // the aviation-radio radio of the language
    CURSOR_OF_MODE,         // the cursor control of the cursor mode
    FIRST_OF_PAGE,          // the first member of the current page
    SCREEN_MODE_RADIO,
    SOUND_3D_RADIO,
    SHARED_TARGETS,
};

// A move's target: ids[value - first] for the value read, otherwise for any other value; 0 keeps
// the focus where it is. When the control named does not exist or is disabled, fallback is taken.
struct RingTarget {
    uint8_t value;  // RingValue
    uint8_t first;
    uint16_t ids[5];
    uint16_t otherwise;
    uint16_t fallback;
};

constexpr RingTarget to(uint16_t id) { return {VALUE_FIXED, 0, {id}, 0, 0}; }

const RingTarget shared_targets[SHARED_TARGETS] = {
    {},
    // The English interface has no radio 2201, though its radio language is 2: radio 2200 stands in.
    {VALUE_RADIO_LANGUAGE, 1, {ID_RADIO_ENGLISH}, ID_RADIO_JAPANESE, ID_RADIO_ENGLISH},
    {VALUE_CURSOR_MODE, 1, {ID_SOFTWARE_CURSOR_CHECK, ID_SOFTWARE_CURSOR, ID_GENERAL_CURSOR}, 0, 0},
    {VALUE_PAGE, 0, {ID_INFO_BAR_HIDE, SCREEN_MODE_RADIO, ID_CUSTOMIZE, SOUND_3D_RADIO, ID_USER_SUPPORT}, 0, 0},
    {VALUE_SCREEN_MODE, 1, {ID_FULL_SCREEN, ID_WINDOW, ID_POPUP}, 0, 0},
    // Without hardware 3D sound radio 4000 is disabled and software sound is the only choice.
    {VALUE_SOUND_3D, 1, {ID_SOUND_HARDWARE, ID_SOUND_SOFTWARE}, 0, ID_SOUND_SOFTWARE},
};

struct RingMember {
    uint16_t id;
    uint8_t arrows;  // Down and Up move as well (check boxes and radios)
    RingTarget forward;
    RingTarget backward;
};

// Each member's procedure name in the comment; the bottom buttons react to Tab only.
const RingMember ring_members[] = {
    // Game System
    {ID_INFO_BAR_HIDE, 1, to(ID_CAMERA_BAR_HIDE), to(ID_CANCEL)},                 // info_bar_check_key_proc
    {ID_CAMERA_BAR_HIDE, 1, to(ID_SMOOTH_CAMERA), to(ID_INFO_BAR_HIDE)},          // camera_bar_check_key_proc
    {ID_SMOOTH_CAMERA, 1, to(ID_SOFTWARE_CURSOR_CHECK), to(ID_CAMERA_BAR_HIDE)},  // smooth_camera_check_key_proc
    {ID_SOFTWARE_CURSOR_CHECK,
     1,  // soft_cursor_check_key_proc
     {VALUE_CURSOR_MODE, 1, {RADIO_OF_LANGUAGE, ID_SOFTWARE_CURSOR, ID_GENERAL_CURSOR}, 0, 0},
     to(ID_SMOOTH_CAMERA)},
    {ID_SOFTWARE_CURSOR, 1, to(RADIO_OF_LANGUAGE), to(ID_SOFTWARE_CURSOR_CHECK)},  // software_cursor_radio_key_proc
    {ID_GENERAL_CURSOR, 1, to(RADIO_OF_LANGUAGE), to(ID_SOFTWARE_CURSOR_CHECK)},   // general_cursor_radio_key_proc
    {ID_BUTTON_TIPS, 1, to(RADIO_OF_LANGUAGE), to(CURSOR_OF_MODE)},      // explanation_check_key_proc (hidden)
    {ID_RADIO_ENGLISH, 1, to(ID_MENU_FRAME_RATE), to(CURSOR_OF_MODE)},   // radio_english_key_proc
    {ID_RADIO_JAPANESE, 1, to(ID_MENU_FRAME_RATE), to(CURSOR_OF_MODE)},  // radio_japanese_key_proc
    {ID_MENU_FRAME_RATE,
     1,
     to(ID_RESET),  // frame_rate_check_key_proc
     {VALUE_RADIO_LANGUAGE, 1, {ID_RADIO_ENGLISH, ID_RADIO_JAPANESE}, 0, ID_RADIO_ENGLISH}},
    // Display
    {ID_FULL_SCREEN, 1, to(ID_RESOLUTION), to(ID_CANCEL)},    // full_screen_radio_key_proc
    {ID_WINDOW, 1, to(ID_RESOLUTION), to(ID_CANCEL)},         // window_radio_key_proc
    {ID_POPUP, 1, to(ID_RESOLUTION), to(ID_CANCEL)},          // popup_radio_key_proc
    {ID_RESOLUTION, 0, to(ID_RESET), to(SCREEN_MODE_RADIO)},  // resolution_combo_key_proc
    // Graphics: minimum mode steps over 6000, 6001 and 6007; omit distant scenery over 6001
    {ID_CUSTOMIZE,
     1,  // customize_radio_key_proc
     {VALUE_SCENERY_MINIMUM, 0, {ID_TEXTURE, ID_SCENERY_MINIMUM}, 0, 0},
     to(ID_CANCEL)},
    {ID_TEXTURE,
     0,  // texture_combo_key_proc
     {VALUE_OMIT_DISTANT, 0, {ID_MODEL, ID_OMIT_DISTANT}, 0, 0},
     to(ID_CUSTOMIZE)},
    {ID_MODEL, 0, to(ID_OMIT_DISTANT), to(ID_TEXTURE)},  // model_combo_key_proc
    {ID_OMIT_DISTANT,
     1,
     to(ID_SCENERY_MINIMUM),  // distance_omit_check_key_proc
     {VALUE_OMIT_DISTANT, 0, {ID_MODEL, ID_TEXTURE}, 0, 0}},
    {ID_SCENERY_MINIMUM,
     1,
     to(ID_SHADOW),  // scenery_minimum_radio_key_proc
     {VALUE_SCENERY_MINIMUM, 0, {ID_OMIT_DISTANT, ID_CUSTOMIZE}, 0, 0}},
    {ID_SHADOW, 0, to(ID_OMIT_GROUND_SERVICE), to(ID_SCENERY_MINIMUM)},  // shadow_combo_key_proc
    {ID_OMIT_GROUND_SERVICE, 1, to(ID_STROBE_LIGHT), to(ID_SHADOW)},     // ground_service_check_key_proc
    {ID_STROBE_LIGHT, 1, to(ID_MIPMAP), to(ID_OMIT_GROUND_SERVICE)},     // strobe_check_key_proc
    {ID_MIPMAP, 1, to(ID_ANISOTROPY), to(ID_STROBE_LIGHT)},              // mipmap_check_key_proc
    {ID_ANISOTROPY, 0, to(ID_ANTI_ALIAS), to(ID_MIPMAP)},                // anisotropy_combo_key_proc
    {ID_ANTI_ALIAS, 0, to(ID_RESET), to(ID_ANISOTROPY)},                 // antialias_combo_key_proc
    // Sound: the test buttons are in no ring
    {ID_SOUND_HARDWARE, 1, to(ID_FIRST_TRACKBAR), to(ID_CANCEL)},                      // hardware_sound_radio_key_proc
    {ID_SOUND_SOFTWARE, 1, to(ID_FIRST_TRACKBAR), to(ID_CANCEL)},                      // software_sound_radio_key_proc
    {ID_FIRST_TRACKBAR, 0, to(ID_FIRST_TRACKBAR + 1), to(SOUND_3D_RADIO)},             // bgm_volume_key_proc
    {ID_FIRST_TRACKBAR + 1, 0, to(ID_FIRST_TRACKBAR + 2), to(ID_FIRST_TRACKBAR)},      // airband_volume_key_proc
    {ID_FIRST_TRACKBAR + 2, 0, to(ID_FIRST_TRACKBAR + 3), to(ID_FIRST_TRACKBAR + 1)},  // ambient_volume_key_proc
    {ID_FIRST_TRACKBAR + 3, 0, to(ID_FIRST_TRACKBAR + 4), to(ID_FIRST_TRACKBAR + 2)},  // effect_volume_key_proc
    {ID_FIRST_TRACKBAR + 4, 0, to(ID_RESET), to(ID_FIRST_TRACKBAR + 3)},               // announcement_volume_key_proc
    // Bottom buttons
    {ID_RESET,
     0,
     to(ID_SAVE),  // reset_button_key_proc
     {VALUE_PAGE, 0, {ID_MENU_FRAME_RATE, ID_RESOLUTION, ID_ANTI_ALIAS, ID_FIRST_TRACKBAR + 4, ID_USER_SUPPORT}, 0, 0}},
    {ID_SAVE,
     0,
     to(ID_CANCEL),  // save_button_key_proc
     {VALUE_PAGE, 0, {ID_RESET, ID_RESET, ID_RESET, ID_RESET, ID_DXDIAG}, 0, 0}},
    {ID_CANCEL, 0, to(FIRST_OF_PAGE), to(ID_SAVE)},      // cancel_button_key_proc
    {ID_USER_SUPPORT, 0, to(ID_DXDIAG), to(ID_CANCEL)},  // support_button_key_proc
    {ID_DXDIAG, 0, to(ID_SAVE), to(ID_USER_SUPPORT)},    // dxdiag_button_key_proc
};

constexpr int RING_MEMBERS = (int)(sizeof ring_members / sizeof ring_members[0]);
static_assert(RING_MEMBERS == 37, "one key procedure per focusable control");

// Per member: the window that carries the key procedure and the procedure it had before.
HWND member_windows[RING_MEMBERS];
WNDPROC previous_procs[RING_MEMBERS];

uint32_t read_value(int value) {
    const GameSettings& s = game_settings;
    switch (value) {
        case VALUE_CURSOR_MODE:
            return s.cursor_mode;
        case VALUE_RADIO_LANGUAGE:
            return s.radio_language;
        case VALUE_SCREEN_MODE:
            return s.screen_mode;
        case VALUE_SOUND_3D:
            return s.sound_3d;
        case VALUE_OMIT_DISTANT:
            return s.scenery_flags & 1;
        case VALUE_SCENERY_MINIMUM:
            return (s.scenery_flags >> 1) & 1;
        case VALUE_PAGE:
            return (uint32_t)SendMessageW(tab_control, TCM_GETCURSEL, 0, 0);
        default:
            return 0;
    }
}

HWND ring_control(int id) {
    if (id >= ID_SAVE && id <= ID_DXDIAG) return bottom_buttons[id - ID_SAVE];
    if (id >= ID_FIRST_TRACKBAR && id < ID_FIRST_TRACKBAR + VOLUME_ROWS)
        return volume_trackbars[id - ID_FIRST_TRACKBAR];
    return page_control(id);
}

HWND resolve(const RingTarget& target);

HWND resolve_id(int id) {
    if (id > 0 && id < SHARED_TARGETS) return resolve(shared_targets[id]);
    return id ? ring_control(id) : nullptr;
}

HWND resolve(const RingTarget& target) {
    uint32_t index = target.value == VALUE_FIXED ? 0 : read_value(target.value) - target.first;
    int id = index < 5 && target.ids[index] ? target.ids[index] : target.otherwise;
    if (!id) return nullptr;
    HWND window = resolve_id(id);
    if (target.fallback && (!window || !IsWindowEnabled(window))) window = resolve_id(target.fallback);
    return window;
}

int member_of(HWND window) {
    for (int i = 0; i < RING_MEMBERS; ++i)
        if (member_windows[i] == window) return i;
    return -1;
}

void move_focus(const RingMember& member, WPARAM key) {
    const RingTarget* target = nullptr;
    if (key == VK_TAB)
        target = (GetAsyncKeyState(VK_SHIFT) & 0x8000) ? &member.backward : &member.forward;
    else if (member.arrows && key == VK_DOWN)
        target = &member.forward;
    else if (member.arrows && key == VK_UP)
        target = &member.backward;
    if (!target) return;
    HWND window = resolve(*target);
    if (window) SetFocus(window);
}

LRESULT CALLBACK ring_key_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    int member = member_of(window);
    if (member < 0) return DefWindowProcW(window, message, wparam, lparam);
    WNDPROC previous = previous_procs[member];
    if (message == WM_KEYDOWN) move_focus(ring_members[member], wparam);
    // A destroyed window's handle may come back for another window.
    if (message == WM_NCDESTROY) member_windows[member] = nullptr;
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

// The window that receives a control's keys: a combo box's item window when it has one.
HWND key_window(HWND control) {
    wchar_t window_class[16];
    if (!GetClassNameW(control, window_class, 16) || lstrcmpiW(window_class, L"COMBOBOX") != 0) return control;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(control, &info) && info.hwndItem ? info.hwndItem : control;
}

}  // namespace

void install_ring_key_proc(HWND control, int id) {
    if (!control) return;
    for (int i = 0; i < RING_MEMBERS; ++i) {
        if (ring_members[i].id != id) continue;
        HWND window = key_window(control);
        member_windows[i] = window;
        previous_procs[i] = (WNDPROC)SetWindowLongPtrW(window, GWLP_WNDPROC, (LONG_PTR)ring_key_proc);
        return;
    }
}

HWND first_ring_member(int page) {
    if (page < 0 || page >= PAGE_COUNT) return nullptr;
    return resolve_id(shared_targets[FIRST_OF_PAGE].ids[page]);
}
