// The settings-window fixture: fake engine and sound library, window set-up and tear-down.
#include "settings_window_fixture.h"
#include <commctrl.h>
#include <stdio.h>
#include <stdlib.h>
#include "aspect_preview.h"
#include "control_ids.h"
#include "files.h"
#include "libraries.h"
#include "main_window.h"
#include "message_box.h"
#include "moxel20.h"
#include "page_builders.h"
#include "page_controls.h"
#include "string_table.h"
#include "system_metrics.h"

std::vector<std::string> sound_calls;

namespace {

EngineInformation fake_information;
std::vector<EngineMode> fake_mode_table;
int32_t fake_superlow;

uint32_t __stdcall fake_start(HWND, RECT*, int32_t) { return 0x1234; }
void __stdcall fake_end(uint32_t) {}
EngineInformation* __stdcall fake_get_information(uint32_t, int32_t kind) {
    return kind == ENGINE_INFORMATION_KIND ? &fake_information : nullptr;
}
int32_t __stdcall fake_ext_function(uint32_t, int32_t function, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
                                    uint32_t) {
    return function == ENGINE_FUNCTION_PRODUCT_LEVEL ? fake_superlow : 0;
}

void log_call(const char* name, int a, int b) {
    char text[64];
    snprintf(text, sizeof text, "%s(%d,%d)", name, a, b);
    sound_calls.push_back(text);
}
int32_t __stdcall fake_set_local_vol(int32_t channel, int32_t volume) {
    log_call("SetLocalVol", channel, volume);
    return 1;
}
int32_t __stdcall fake_wave_stop(int32_t channel) {
    log_call("WaveStop", channel, 0);
    return 1;
}

int WINAPI refuse_box(HWND, const wchar_t*, const wchar_t*, UINT) { return IDCANCEL; }

}  // namespace

void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

SettingsWindow::SettingsWindow() {
    GameSettings& s = settings;
    s.language = 1;
    s.cursor_mode = 1;
    s.radio_language = 2;
    s.shadow_quality = 1;
    s.smooth_camera = 1;
    s.scenery_word = 0x20001;
    s.strobe_light = 2;
    s.screen_width = 1024;
    s.screen_height = 768;
    s.refresh_rate = 60;
    s.screen_mode = 1;
    s.sound_3d = 2;
    for (uint32_t& volume : s.volumes) volume = 80;
    s.master_volume = 100;
    modes = {{1024, 768, 60, 0}, {1024, 768, 75, 0}, {1280, 1024, 60, 0}, {1920, 1080, 60, 0}};
}

void SettingsWindow::open() {
    program_instance = GetModuleHandleW(nullptr);
    read_system_metrics();
    message_box_routine = refuse_box;
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);  // build/bin: the game folder lies beside it
    copy_text(program_folder, TEXT_CAPACITY, current);
    append_text(program_folder, TEXT_CAPACITY, L"\\..\\game\\");

    settings.language = setup.language;
    game_settings = settings;
    mipmap_value = mipmap;
    set_string_offset(setup.language);
    for (DisplayMode& mode : modes) mode.aspect_class = classify_aspect(mode.width, mode.height);

    engine_available = setup.engine;
    engine_handle = 0;
    engine_info = nullptr;
    memset(&engine_entries, 0, sizeof engine_entries);
    if (setup.engine) {
        memset(&fake_information, 0, sizeof fake_information);
        for (int i = 0; i < 4; ++i) {
            fake_information.anisotropy_levels[i] = setup.levels[0][i];
            fake_information.anti_alias_levels[i] = setup.levels[1][i];
        }
        fake_information.anisotropy_current = setup.current_level[0];
        fake_information.anti_alias_current = setup.current_level[1];
        // The engine's table starts with the current mode, which the list leaves out.
        fake_mode_table.assign(1, EngineMode{640, 480, 60});
        for (const DisplayMode& mode : modes) fake_mode_table.push_back({mode.width, mode.height, mode.refresh_rate});
        fake_mode_table.push_back({0, 0, 0});
        fake_information.mode_table = fake_mode_table.data();
        fake_superlow = setup.superlow;
        engine_entries = {fake_start, fake_end, fake_get_information, fake_ext_function};
    } else {
        resolution_count = (uint32_t)modes.size();
        resolution_list = (DisplayMode*)malloc(modes.size() * sizeof(DisplayMode));
        memcpy(resolution_list, modes.data(), modes.size() * sizeof(DisplayMode));
    }

    memset(&sound_entries, 0, sizeof sound_entries);
    sound_module = nullptr;
    if (setup.sound) {
        sound_module = GetModuleHandleW(nullptr);  // stands for the loaded library
        sound_entries.wave_set_local_vol = fake_set_local_vol;
        sound_entries.wave_stop = fake_wave_stop;
    }
    sound_caps.kind = setup.sound_kind;
    sound_calls.clear();
    if (!aspect_bitmap) aspect_bitmap = LoadBitmapW(program_instance, MAKEINTRESOURCEW(109));

    ASSERT_EQ(1, create_main_window(program_instance));
    ASSERT_NE(nullptr, main_window);
    pump_messages();
}

void SettingsWindow::close() {
    if (main_window) DestroyWindow(main_window);
    main_window = nullptr;
    pump_messages();
    MOXEL_End();
    UnregisterClassW(L"tovisetup", program_instance);
    UnregisterClassW(L"STATIC_SP", program_instance);
    UnregisterClassW(L"STATIC_GR", program_instance);
    free(resolution_list);
    resolution_list = nullptr;
    resolution_count = 0;
    memset(&engine_entries, 0, sizeof engine_entries);
    memset(&sound_entries, 0, sizeof sound_entries);
    engine_available = 0;
    engine_info = nullptr;
    sound_module = nullptr;
    aspect_preview = nullptr;
    tab_control = nullptr;
    for (HWND& page : page_windows) page = nullptr;
    set_string_offset(1);
    running = 0;
}

HWND SettingsWindow::control(int id) {
    if (id >= 1000 && id <= 1004) return GetDlgItem(main_window, id);
    for (HWND page : page_windows) {
        HWND window = page ? GetDlgItem(page, id) : nullptr;
        if (window) return window;
    }
    return nullptr;
}

int SettingsWindow::checked(int id) { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
int SettingsWindow::enabled(int id) { return IsWindowEnabled(control(id)) ? 1 : 0; }
int SettingsWindow::visible(int id) { return (GetWindowLongW(control(id), GWL_STYLE) & WS_VISIBLE) ? 1 : 0; }
int SettingsWindow::selection(int id) { return (int)SendMessageW(control(id), CB_GETCURSEL, 0, 0); }
int SettingsWindow::item_count(int id) { return (int)SendMessageW(control(id), CB_GETCOUNT, 0, 0); }

std::wstring SettingsWindow::item_text(int id, int index) {
    wchar_t text[TEXT_CAPACITY] = {};
    if (SendMessageW(control(id), CB_GETLBTEXTLEN, index, 0) < TEXT_CAPACITY)
        SendMessageW(control(id), CB_GETLBTEXT, index, (LPARAM)text);
    return text;
}

int SettingsWindow::page_shown() {
    int shown = -1;
    for (int page = 0; page < PAGE_COUNT; ++page) {
        if (!IsWindowVisible(page_windows[page])) continue;
        if (shown >= 0) return -1;
        shown = page;
    }
    return shown;
}

int SettingsWindow::focused_id() {
    HWND focus = GetFocus();
    return focus ? GetDlgCtrlID(focus) : -1;
}

void SettingsWindow::select_tab(int page) {
    // The tab control notifies its parent of the change, as on a click on the tab.
    SendMessageW(tab_control, TCM_SETCURFOCUS, page, 0);
    pump_messages();
}

void SettingsWindow::click(int id) {
    HWND window = control(id);
    ASSERT_NE(nullptr, window) << "no control " << id;
    HWND parent = GetParent(window);
    for (int page = 0; page < PAGE_COUNT; ++page)
        if (page_windows[page] == parent && page_shown() != page) select_tab(page);
    wchar_t window_class[64];
    GetClassNameW(window, window_class, 64);
    if (lstrcmpiW(window_class, L"BUTTON") == 0) {
        SendMessageW(window, BM_CLICK, 0, 0);
    } else {  // a push button of the custom-control library: press and release on it
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    pump_messages();
}

void SettingsWindow::choose(int id, int index) {
    HWND combo = control(id);
    ASSERT_NE(nullptr, combo) << "no combo " << id;
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
    pump_messages();
}

void SettingsWindow::key_down(HWND window, UINT key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
    pump_messages();
}
