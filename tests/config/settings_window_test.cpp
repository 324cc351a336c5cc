// The settings window as a whole: its start state, its controls' places, tab switching with
// the bottom-button swap and the focus, and the way Save, Cancel and closing end the loop.
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "control_ids.h"
#include "files.h"
#include "main_window.h"
#include "page_controls.h"
#include "shell_open.h"
#include "settings_window_fixture.h"
#include "sound_page.h"

namespace {

using WindowStart = SettingsWindow;

TEST_F(WindowStart, GameSystemPageShownFocusOnSaveSystemInfoButtonsHidden) {
    open();
    EXPECT_EQ(0, page_shown());
    EXPECT_EQ(0, (int)SendMessageW(tab_control, TCM_GETCURSEL, 0, 0));
    EXPECT_EQ(ID_SAVE, focused_id());
    EXPECT_TRUE(visible(ID_SAVE) && visible(ID_CANCEL) && visible(ID_RESET));
    EXPECT_FALSE(visible(ID_USER_SUPPORT));
    EXPECT_FALSE(visible(ID_DXDIAG));

    const wchar_t* tabs[] = {L"Game System", L"Display", L"Graphics", L"Sound", L"Specification"};
    ASSERT_EQ(5, (int)SendMessageW(tab_control, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < 5; ++i) {
        wchar_t text[64] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tab_control, TCM_GETITEMW, i, (LPARAM)&item);
        EXPECT_STREQ(tabs[i], text);
        wchar_t page_class[32];
        GetClassNameW(page_windows[i], page_class, 32);
        EXPECT_STREQ(L"STATIC_SP", page_class);
        EXPECT_EQ(tab_control, GetParent(page_windows[i]));
    }
    for (int i = 5; i < PAGE_WINDOW_SLOTS; ++i) EXPECT_EQ(nullptr, page_windows[i]);
    EXPECT_EQ(ID_TAB_CONTROL, GetDlgCtrlID(tab_control));
}

// Where a control lies in its parent, what it is and what it says.
struct Placement {
    int id;
    int page;  // -1: the main window
    const wchar_t* window_class;
    DWORD style;
    RECT place;  // left, top, right, bottom
    const wchar_t* text;
};

TEST_F(WindowStart, ControlsLieAtTheirPlacesWithTheirStylesAndTexts) {
    setup.language = 2;
    open();
    const Placement rows[] = {
        {ID_SAVE, -1, L"Button", 0x50010000, {280, 360, 380, 390}, L"設定を保存"},
        {ID_RESET, -1, L"Button", 0x50010000, {50, 360, 200, 390}, nullptr},
        {ID_DXDIAG, -1, L"Button", 0x40010000, {120, 360, 270, 390}, nullptr},
        {ID_INFO_BAR_HIDE, 0, L"Button", 0x50000003, {40, 30, 320, 50}, nullptr},
        {ID_SOFTWARE_CURSOR, 0, L"Button", 0x50000004, {60, 130, 220, 150}, nullptr},
        {ID_BUTTON_TIPS, 0, L"Button", 0x40000003, {40, 155, 440, 175}, nullptr},
        {ID_RADIO_JAPANESE, 0, L"Button", 0x50000004, {200, 225, 300, 245}, L"日本語"},
        {ID_POPUP, 1, L"Button", 0x50000004, {320, 30, 420, 50}, nullptr},
        {ID_RESOLUTION, 1, L"ComboBox", 0x50200003, {30, 90, 230, 0}, nullptr},
        {ID_CUSTOMIZE, 2, L"Button", 0x50000009, {35, 34, 335, 54}, L"カスタマイズ"},
        {ID_ANTI_ALIAS, 2, L"ComboBox", 0x50200003, {400, 293, 450, 0}, nullptr},
        {ID_MIPMAP, 2, L"Button", 0x50000003, {40, 270, 240, 290}, L"ミップマップ"},  // checked
        {ID_SOUND_SOFTWARE, 3, L"Button", 0x50000004, {200, 30, 320, 50}, nullptr},
        {ID_FIRST_TRACKBAR + 2, 3, L"msctls_trackbar32", 0x50000001, {170, 150, 370, 170}, nullptr},
        {ID_FIRST_TEST_BUTTON + 4, 3, L"MOXEL_PushButton", 0, {432, 210, 459, 226}, nullptr},
    };
    for (const Placement& row : rows) {
        HWND window = control(row.id);
        ASSERT_NE(nullptr, window) << row.id;
        HWND parent = row.page < 0 ? main_window : page_windows[row.page];
        EXPECT_EQ(parent, GetParent(window)) << row.id;
        wchar_t window_class[64];
        GetClassNameW(window, window_class, 64);
        EXPECT_EQ(0, lstrcmpiW(row.window_class, window_class)) << row.id;
        // Windows itself gives a checked radio the tab stop and takes it from an unchecked one, and
        // moves a combo's scroll bar into its list; every other bit is the program's own.
        DWORD expected = row.style;
        DWORD platform_bits = 0;
        DWORD kind = row.style & BS_TYPEMASK;
        if (!lstrcmpiW(row.window_class, L"Button") && (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) &&
            SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED)
            expected |= WS_TABSTOP;
        if (!lstrcmpiW(row.window_class, L"ComboBox")) platform_bits = WS_VSCROLL;
        if (row.style) {
            EXPECT_EQ(expected & ~platform_bits, (DWORD)GetWindowLongW(window, GWL_STYLE) & ~platform_bits)
                << row.id << std::hex << " style " << GetWindowLongW(window, GWL_STYLE);
        }
        RECT place;
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, parent, (POINT*)&place, 2);
        EXPECT_EQ(row.place.left, place.left) << row.id;
        EXPECT_EQ(row.place.top, place.top) << row.id;
        EXPECT_EQ(row.place.right, place.right) << row.id;
        if (row.place.bottom) {
            EXPECT_EQ(row.place.bottom, place.bottom) << row.id;
        }
        if (row.text) {
            wchar_t text[TEXT_CAPACITY];
            GetWindowTextW(window, text, TEXT_CAPACITY);
            EXPECT_STREQ(row.text, text) << row.id;
        }
    }
    // The page panels fill the tab control's display area.
    RECT display;
    GetClientRect(tab_control, &display);
    SendMessageW(tab_control, TCM_ADJUSTRECT, FALSE, (LPARAM)&display);
    RECT page;
    GetWindowRect(page_windows[2], &page);
    MapWindowPoints(nullptr, tab_control, (POINT*)&page, 2);
    EXPECT_TRUE(EqualRect(&display, &page));
}

// One tab switch and what it must leave.
struct TabStep {
    int page;
    int reset_shown;  // "Reset to Defaults" visible afterwards
    int focus;        // id of the control with the focus afterwards
};

TEST_F(WindowStart, TabSwitchesShowOnePageSwapTheButtonsAtSystemInfoAndPlaceTheFocus) {
    settings.screen_mode = 3;
    settings.sound_3d = 1;
    open();
    const TabStep steps[] = {
        {1, 1, ID_POPUP},                                    // the radio of the screen mode
        {2, 1, ID_CUSTOMIZE},    {3, 1, ID_SOUND_HARDWARE},  // hardware 3D sound chosen and available
        {4, 0, ID_USER_SUPPORT}, {0, 1, ID_INFO_BAR_HIDE},  {4, 0, ID_USER_SUPPORT}, {2, 1, ID_CUSTOMIZE},
    };
    for (const TabStep& step : steps) {
        select_tab(step.page);
        EXPECT_EQ(step.page, page_shown()) << "to page " << step.page;
        EXPECT_EQ(step.page, current_page);
        EXPECT_EQ(step.reset_shown, visible(ID_RESET)) << "to page " << step.page;
        EXPECT_EQ(!step.reset_shown, visible(ID_USER_SUPPORT)) << "to page " << step.page;
        EXPECT_EQ(!step.reset_shown, visible(ID_DXDIAG)) << "to page " << step.page;
        EXPECT_EQ(step.focus, focused_id()) << "to page " << step.page;
    }
}

TEST_F(WindowStart, FocusFollowsTheSoundAndScreenSettingsAndStaysForOtherScreenModes) {
    settings.sound_3d = 1;
    setup.sound_kind = 2;  // no hardware 3D sound: radio 4000 disabled
    settings.screen_mode = 7;
    open();
    select_tab(3);
    EXPECT_EQ(ID_SOUND_SOFTWARE, focused_id());
    SetFocus(control(ID_SAVE));
    select_tab(1);
    EXPECT_EQ(1, page_shown());
    EXPECT_EQ(ID_SAVE, focused_id());  // screen mode outside 1..3: focus unchanged
}

TEST_F(WindowStart, TabKeyOnTheMainWindowFocusesThePagesFirstControl) {
    open();
    select_tab(2);
    SetFocus(main_window);
    key_down(main_window, VK_TAB);
    EXPECT_EQ(ID_CUSTOMIZE, focused_id());
    SetFocus(main_window);
    key_down(main_window, 'A');
    EXPECT_EQ(main_window, GetFocus());
}

TEST_F(WindowStart, SelectionChangeFromAnySenderFollowsTheTabControl) {
    open();
    SendMessageW(tab_control, TCM_SETCURSEL, 3, 0);  // no notification of its own
    EXPECT_EQ(0, page_shown());
    NMHDR header = {control(ID_SAVE), ID_SAVE, (UINT)TCN_SELCHANGE};
    SendMessageW(main_window, WM_NOTIFY, ID_SAVE, (LPARAM)&header);
    EXPECT_EQ(3, page_shown());
}

TEST_F(WindowStart, LeavingTheSoundPageStopsEveryTestSound) {
    setup.sound = 1;
    open();
    click(ID_FIRST_TEST_BUTTON + 1);
    click(ID_FIRST_TEST_BUTTON + 3);
    EXPECT_EQ(1, test_sound_playing[1]);
    EXPECT_EQ(27, test_buttons[3].image.left);
    select_tab(0);
    for (int row = 0; row < VOLUME_ROWS; ++row) {
        EXPECT_EQ(0, test_sound_playing[row]) << row;
        EXPECT_EQ(0, test_buttons[row].image.left) << row;
        EXPECT_EQ(27, test_buttons[row].image.right) << row;
    }
    ASSERT_EQ(1u, sound_calls.size());
    EXPECT_EQ("WaveStop(-1,0)", sound_calls[0]);
    select_tab(1);
    select_tab(2);
    EXPECT_EQ(1u, sound_calls.size());  // other switches leave the sound alone
}

// What the shell was asked to open, one entry per call.
struct ShellCall {
    HWND owner;
    std::wstring verb, file, parameters, directory;
    INT show;
};
std::vector<ShellCall> shell_calls;

std::wstring text_or_null(const wchar_t* text) { return text ? text : L"(null)"; }

HINSTANCE WINAPI record_shell_call(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                   const wchar_t* directory, INT show) {
    shell_calls.push_back(
        {owner, text_or_null(verb), text_or_null(file), text_or_null(parameters), text_or_null(directory), show});
    return (HINSTANCE)42;
}

TEST_F(WindowStart, DirectXDiagnosticToolButtonStartsDxdiagThroughTheShell) {
    open();
    shell_calls.clear();
    shell_open_routine = record_shell_call;
    select_tab(4);
    ASSERT_TRUE(visible(ID_DXDIAG));
    click(ID_DXDIAG);
    shell_open_routine = ShellExecuteW;
    ASSERT_EQ(1u, shell_calls.size());
    const ShellCall& call = shell_calls[0];
    EXPECT_EQ(main_window, call.owner);
    EXPECT_EQ(L"dxdiag.exe", call.file);
    EXPECT_EQ(L"(null)", call.verb);
    EXPECT_EQ(L"(null)", call.parameters);
    EXPECT_EQ(L"(null)", call.directory);
    EXPECT_EQ(SW_SHOWNORMAL, call.show);
    EXPECT_EQ(4, page_shown());  // nothing else follows the press
}

// Save and leave, leave without saving, close: the loop ends; only Save writes.
class WindowEnd : public SettingsWindow {
protected:
    std::wstring folder;
    std::wstring saved_program_folder;
    void start() {
        folder = config_test::make_scratch_folder(L"settings_window");
        CreateDirectoryW((folder + L"user").c_str(), nullptr);
        open();
        copy_text(program_folder, TEXT_CAPACITY, folder.c_str());
        copy_text(user_data_folder, TEXT_CAPACITY, (folder + L"user\\").c_str());
        running = 1;
    }
    void TearDown() override {
        user_data_folder[0] = 0;
        SettingsWindow::TearDown();
        config_test::remove_tree(folder);
    }
};

TEST_F(WindowEnd, SaveWritesTheRecordAndEndsTheLoop) {
    start();
    click(ID_CAMERA_BAR_HIDE);
    click(ID_MIPMAP);  // MipMap off
    click(ID_SAVE);
    EXPECT_EQ(0, running);
    EXPECT_EQ(0x10u, game_settings.bar_flags);
    uint8_t expected[SETTINGS_FILE_SIZE];
    build_settings_image(&game_settings, expected);
    for (const wchar_t* where : {L"user\\system.dat", L"system.dat"}) {
        std::vector<uint8_t> bytes = config_test::read_bytes(folder + where);
        ASSERT_EQ(SETTINGS_FILE_SIZE, bytes.size());
        EXPECT_EQ(0, memcmp(expected, bytes.data(), SETTINGS_FILE_SIZE));
    }
    std::vector<uint8_t> ini = config_test::read_bytes(folder + L"kvrn.ini");
    EXPECT_NE(std::string::npos, std::string(ini.begin(), ini.end()).find("mipmap=1"));
}

TEST_F(WindowEnd, CancelAndCloseEndTheLoopWithoutWriting) {
    start();
    click(ID_CAMERA_BAR_HIDE);
    click(ID_CANCEL);
    EXPECT_EQ(0, running);
    running = 1;
    SendMessageW(main_window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, running);
    EXPECT_TRUE(IsWindow(main_window));
    for (const wchar_t* where : {L"user\\system.dat", L"system.dat", L"kvrn.ini", L"user\\kvrn.ini"})
        EXPECT_FALSE(config_test::file_exists(folder + where)) << where;
}

}  // namespace
