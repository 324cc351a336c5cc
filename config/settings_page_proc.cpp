// The page procedure: trackbar moves, combo selections and clicks of the page controls.
#include "settings_page_proc.h"
#include <commctrl.h>
#include "aspect_preview.h"
#include "control_ids.h"
#include "display_modes.h"
#include "libraries.h"
#include "page_builders.h"
#include "page_controls.h"
#include "program_state.h"
#include "setting_controls.h"
#include "settings_store.h"
#include "sound_page.h"
#include "test_sounds.h"

namespace {

GameSettings& s = game_settings;

void on_volume_scroll(HWND trackbar) {
    for (int row = 0; row < VOLUME_ROWS; ++row) {
        if (trackbar != volume_trackbars[row]) continue;
        uint32_t volume = (uint32_t)SendMessageW(trackbar, TBM_GETPOS, 0, 0);
        s.volumes[row] = volume;
        show_volume(row, volume);
        if (sound_entries.wave_set_local_vol) sound_entries.wave_set_local_vol(row, (int32_t)volume);
        return;
    }
}

void choose_resolution(int index) {
    if ((uint32_t)index >= resolution_count) return;
    const DisplayMode& mode = resolution_list[index];
    s.screen_width = mode.width;
    s.screen_height = mode.height;
    s.refresh_rate = mode.refresh_rate;
    selected_mode_index = index;
    repaint_aspect_preview();
}

// The factor named by the selected item of combo 6003 or 6004, or -1 when none can be read.
int64_t selected_level(HWND combo, int index) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (length == CB_ERR || length >= TEXT_CAPACITY) return -1;
    wchar_t text[TEXT_CAPACITY];
    if (SendMessageW(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)text) == CB_ERR) return -1;
    return parse_level_item(text);
}

void on_selection_change(int id, HWND combo) {
    LRESULT selection = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return;
    int index = (int)selection;
    int64_t level;
    switch (id) {
        case ID_RESOLUTION:
            choose_resolution(index);
            break;
        case ID_TEXTURE:
            // The texture level takes bits 0-3; the old level (1 or 2) goes first.
            s.scenery_word = (s.scenery_word & ~0x3u) | (uint32_t)(superlow_listed ? index : index + 1);
            break;
        case ID_MODEL:
            s.scenery_word = (s.scenery_word & ~0x30000u) | ((uint32_t)(index + 1) << 16);
            break;
        case ID_SHADOW:
            s.shadow_quality = (uint32_t)index + 1;
            break;
        case ID_ANISOTROPY:
            if ((level = selected_level(combo, index)) >= 0) s.anisotropy = (uint32_t)level;
            break;
        case ID_ANTI_ALIAS:
            if ((level = selected_level(combo, index)) >= 0) s.anti_alias = (uint32_t)level;
            break;
    }
}

// The desktop's refresh rate from the first display device, 0 when it cannot be had.
uint32_t desktop_refresh_rate() {
    typedef BOOL(WINAPI * EnumDevices)(LPCWSTR, DWORD, DISPLAY_DEVICEW*, DWORD);
    typedef BOOL(WINAPI * EnumSettings)(LPCWSTR, DWORD, DEVMODEW*, DWORD);
    HMODULE user32 = LoadLibraryW(L"user32.DLL");
    if (!user32) return 0;
    EnumDevices enum_devices = (EnumDevices)(void*)GetProcAddress(user32, "EnumDisplayDevicesW");
    EnumSettings enum_settings = (EnumSettings)(void*)GetProcAddress(user32, "EnumDisplaySettingsExW");
    uint32_t rate = 0;
    DISPLAY_DEVICEW device = {};
    device.cb = sizeof device;
    if (enum_devices && enum_settings && enum_devices(nullptr, 0, &device, 0) && device.DeviceName[0]) {
        DEVMODEW mode = {};
        mode.dmSize = sizeof mode;
        if (enum_settings(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode, 0)) rate = mode.dmDisplayFrequency;
    }
    FreeLibrary(user32);
    return rate;
}

// Pop-up mode runs at the desktop's resolution: the combo shows it and is locked; the saved
// resolution is kept for the other modes.
void lock_desktop_resolution() {
    uint32_t width = (uint32_t)GetSystemMetrics(SM_CXSCREEN);
    uint32_t height = (uint32_t)GetSystemMetrics(SM_CYSCREEN);
    uint32_t rate = desktop_refresh_rate();
    for (uint32_t i = 0; i < resolution_count; ++i) {
        const DisplayMode& mode = resolution_list[i];
        if (mode.width == width && mode.height == height && (rate == 0 || mode.refresh_rate == rate))
            selected_mode_index = (int32_t)i;
    }
    select_item(ID_RESOLUTION, selected_mode_index);
    enable_control(ID_RESOLUTION, 0);
    repaint_aspect_preview();
}

void on_software_cursor_check() {
    int checked = is_checked(ID_SOFTWARE_CURSOR_CHECK);
    s.cursor_mode = !checked ? 1 : is_checked(ID_SOFTWARE_CURSOR) ? 2 : 3;
    enable_control(ID_SOFTWARE_CURSOR, checked);
    enable_control(ID_GENERAL_CURSOR, checked);
}

void on_scenery_minimum() {
    s.scenery_flags |= 3;
    s.scenery_word = 0x10001;
    show_scenery_minimum();
}

void on_customize() {
    s.scenery_flags &= ~2u;
    enable_control(ID_MODEL, 1);
    enable_control(ID_TEXTURE, 1);
    enable_control(ID_OMIT_DISTANT, 1);
}

void on_command(int id) {
    if (id >= ID_FIRST_TEST_BUTTON && id < ID_FIRST_TEST_BUTTON + VOLUME_ROWS) {
        toggle_test_sound(id - ID_FIRST_TEST_BUTTON);
        return;
    }
    switch (id) {
        case ID_SOFTWARE_CURSOR_CHECK:
            on_software_cursor_check();
            return;
        case ID_SCENERY_MINIMUM:
            if (is_checked(id)) on_scenery_minimum();
            return;
        case ID_CUSTOMIZE:
            if (is_checked(id)) on_customize();
            return;
    }
    if (store_check_setting(id)) return;
    if (!store_radio_setting(id)) return;
    if (id == ID_FULL_SCREEN || id == ID_WINDOW) enable_control(ID_RESOLUTION, 1);
    if (id == ID_POPUP) lock_desktop_resolution();
}

}  // namespace

LRESULT CALLBACK settings_page_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_HSCROLL:
            on_volume_scroll((HWND)lparam);
            break;
        case WM_COMMAND:
            if (HIWORD(wparam) == CBN_SELCHANGE) on_selection_change(LOWORD(wparam), (HWND)lparam);
            on_command(LOWORD(wparam));
            break;
    }
    return CallWindowProcW(static_window_proc, window, message, wparam, lparam);
}
