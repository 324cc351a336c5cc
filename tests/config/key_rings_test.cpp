// The keyboard rings of the settings window, walked key by key with keyboard input as a person
// types it: after each press the focus is read back with GetFocus.
#include <windows.h>
#include <commctrl.h>
#include <string.h>
#include <string>
#include <vector>
#include "control_ids.h"
#include "main_window.h"
#include "page_controls.h"
#include "settings_window_fixture.h"

namespace {

// The settings the rings depend on.
struct RingSettings {
    uint32_t language;        // 1 English interface (no radio 2201), 2 Japanese
    uint32_t cursor_mode;     // 1 hardware, 2 software, 3 general
    uint32_t radio_language;  // 1 English, 2 Japanese
    uint32_t screen_mode;     // 1 full screen, 2 window, 3 pop-up
    uint32_t sound_3d;        // 1 hardware, 2 software
    uint32_t sound_kind;      // sound card: 1 hardware 3D sound, 2 software only (radio 4000 disabled)
    uint32_t scenery_flags;   // bit 0 omit distant scenery, bit 1 scenery minimum
};

const RingSettings usual = {2, 1, 1, 1, 1, 1, 0};

RingSettings with(RingSettings s, uint32_t RingSettings::*field, uint32_t value) {
    s.*field = value;
    return s;
}

enum Key { TAB, SHIFT_TAB, DOWN, UP };

struct RingWalk {
    const char* name;
    RingSettings settings;
    int page;
    int start;               // the member that has the focus first
    Key key;                 // pressed again and again
    std::vector<int> focus;  // the focused control after each press
};

const RingWalk walks[] = {
    // Game System
    {"game system forward", usual, 0, 2300, TAB, {2350, 2400, 2250, 2200, 2600, 1003, 1000, 1001, 2300}},
    {"game system backward", usual, 0, 2300, SHIFT_TAB, {1001, 1000, 1003, 2600, 2200, 2250, 2400, 2350, 2300}},
    {"game system down: buttons take no arrows", usual, 0, 2300, DOWN, {2350, 2400, 2250, 2200, 2600, 1003, 1003}},
    {"game system up", usual, 0, 2600, UP, {2200, 2250, 2400, 2350, 2300, 1001, 1001}},
    {"software cursor, Japanese radio",
     with(with(usual, &RingSettings::cursor_mode, 2), &RingSettings::radio_language, 2),
     0,
     2250,
     TAB,
     {2500, 2201, 2600}},
    {"back over the Japanese radio",
     with(with(usual, &RingSettings::cursor_mode, 2), &RingSettings::radio_language, 2),
     0,
     2600,
     SHIFT_TAB,
     {2201, 2500, 2250}},
    {"software cursor, English radio back",
     with(usual, &RingSettings::cursor_mode, 2),
     0,
     2200,
     SHIFT_TAB,
     {2500, 2250}},
    {"software cursor radio forward", with(usual, &RingSettings::cursor_mode, 2), 0, 2500, DOWN, {2200, 2600}},
    {"general cursor",
     with(with(usual, &RingSettings::cursor_mode, 3), &RingSettings::radio_language, 2),
     0,
     2250,
     TAB,
     {2550, 2201}},
    {"general cursor back", with(usual, &RingSettings::cursor_mode, 3), 0, 2200, UP, {2550, 2250}},
    {"hidden explanation check forward", with(usual, &RingSettings::cursor_mode, 2), 0, 2560, TAB, {2200}},
    {"hidden explanation check backward", with(usual, &RingSettings::cursor_mode, 3), 0, 2560, SHIFT_TAB, {2550}},
    // The English interface has no radio 2201 and runs with radio language 2: radio 2200 stands in.
    {"English interface forward",
     with(with(usual, &RingSettings::language, 1), &RingSettings::radio_language, 2),
     0,
     2250,
     TAB,
     {2200, 2600}},
    {"English interface backward",
     with(with(usual, &RingSettings::language, 1), &RingSettings::radio_language, 2),
     0,
     2600,
     SHIFT_TAB,
     {2200, 2250}},
    // Display
    {"display forward", usual, 1, 3200, TAB, {3000, 1003, 1000, 1001, 3200}},
    {"display backward", usual, 1, 3200, SHIFT_TAB, {1001, 1000, 1003, 3000, 3200}},
    {"window mode", with(usual, &RingSettings::screen_mode, 2), 1, 3201, DOWN, {3000}},
    {"window mode back", with(usual, &RingSettings::screen_mode, 2), 1, 3000, SHIFT_TAB, {3201, 1001}},
    {"pop-up mode", with(usual, &RingSettings::screen_mode, 3), 1, 1001, TAB, {3202, 3000, 1003}},
    {"pop-up mode back", with(usual, &RingSettings::screen_mode, 3), 1, 3000, SHIFT_TAB, {3202}},
    {"pop-up radio up", with(usual, &RingSettings::screen_mode, 3), 1, 3202, UP, {1001}},
    {"unknown screen mode: the combo keeps the focus",
     with(usual, &RingSettings::screen_mode, 0),
     1,
     3000,
     SHIFT_TAB,
     {3000}},
    {"unknown screen mode: Cancel keeps the focus", with(usual, &RingSettings::screen_mode, 0), 1, 1001, TAB, {1001}},
    {"arrows in the resolution combo move no focus", usual, 1, 3000, DOWN, {3000, 3000}},
    // Graphics
    {"graphics forward",
     usual,
     2,
     6009,
     TAB,
     {6000, 6001, 6007, 6008, 6002, 6005, 2450, 6006, 6003, 6004, 1003, 1000, 1001, 6009}},
    {"graphics backward",
     usual,
     2,
     6009,
     SHIFT_TAB,
     {1001, 1000, 1003, 6004, 6003, 6006, 2450, 6005, 6002, 6008, 6007, 6001, 6000, 6009}},
    {"graphics arrows", usual, 2, 6009, DOWN, {6000, 6000}},
    {"graphics check arrows", usual, 2, 6007, DOWN, {6008, 6002}},
    {"graphics check up", usual, 2, 6006, UP, {2450, 6005, 6002}},
    {"omit distant scenery forward", with(usual, &RingSettings::scenery_flags, 1), 2, 6009, TAB, {6000, 6007, 6008}},
    {"omit distant scenery backward",
     with(usual, &RingSettings::scenery_flags, 1),
     2,
     6008,
     SHIFT_TAB,
     {6007, 6000, 6009}},
    {"omit distant scenery: the model combo keeps its links",
     with(usual, &RingSettings::scenery_flags, 1),
     2,
     6001,
     TAB,
     {6007}},
    {"omit distant scenery: model combo back",
     with(usual, &RingSettings::scenery_flags, 1),
     2,
     6001,
     SHIFT_TAB,
     {6000}},
    {"scenery minimum forward", with(usual, &RingSettings::scenery_flags, 3), 2, 6009, TAB, {6008, 6002}},
    {"scenery minimum backward", with(usual, &RingSettings::scenery_flags, 3), 2, 6002, SHIFT_TAB, {6008, 6009, 1001}},
    // Sound: the test buttons are in no ring
    {"sound forward", usual, 3, 4000, TAB, {4100, 4101, 4102, 4103, 4104, 1003, 1000, 1001, 4000}},
    {"sound backward", usual, 3, 4000, SHIFT_TAB, {1001, 1000, 1003, 4104, 4103, 4102, 4101, 4100, 4000}},
    {"hardware radio down", usual, 3, 4000, DOWN, {4100, 4100}},
    {"software sound", with(usual, &RingSettings::sound_3d, 2), 3, 1001, TAB, {4001, 4100}},
    {"software sound back", with(usual, &RingSettings::sound_3d, 2), 3, 4100, SHIFT_TAB, {4001, 1001}},
    {"software radio up", with(usual, &RingSettings::sound_3d, 2), 3, 4001, UP, {1001}},
    {"no hardware 3D sound",
     with(with(usual, &RingSettings::sound_3d, 2), &RingSettings::sound_kind, 2),
     3,
     1001,
     TAB,
     {4001}},
    // A saved hardware choice on a card without it: the disabled radio is stepped over.
    {"hardware saved, none present", with(usual, &RingSettings::sound_kind, 2), 3, 1001, TAB, {4001, 4100}},
    {"hardware saved, none present, back", with(usual, &RingSettings::sound_kind, 2), 3, 4100, SHIFT_TAB, {4001}},
    {"unknown 3D sound: Cancel keeps the focus", with(usual, &RingSettings::sound_3d, 0), 3, 1001, TAB, {1001}},
    // System information: its list view is in no ring
    {"system information forward", usual, 4, 1002, TAB, {1004, 1000, 1001, 1002}},
    {"system information backward", usual, 4, 1002, SHIFT_TAB, {1001, 1000, 1004, 1002}},
    {"hidden Reset on the system information page", usual, 4, 1003, SHIFT_TAB, {1002}},
};

class KeyRings : public SettingsWindow {
protected:
    void open_with(const RingSettings& r) {
        setup.engine = 1;  // the cursor radios follow the cursor mode
        setup.sound = 1;
        setup.language = r.language;
        setup.sound_kind = r.sound_kind;
        settings.cursor_mode = r.cursor_mode;
        settings.radio_language = r.radio_language;
        settings.screen_mode = r.screen_mode;
        settings.sound_3d = r.sound_3d;
        settings.scenery_flags = r.scenery_flags;
        if (r.scenery_flags & 2) settings.scenery_word = 0x10001;
        open();
        // The keyboard state follows the display's once the window is active: let that settle
        // before keys are typed.
        SetForegroundWindow(main_window);
        for (int i = 0; i < 5; ++i) {
            Sleep(10);
            pump_messages();
        }
    }

    static void send_key(WORD key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof input);
    }
    // A key pressed and released on the focused control, with Shift held for Shift+Tab.
    static void press(Key key) {
        static const WORD keys[] = {VK_TAB, VK_TAB, VK_DOWN, VK_UP};
        for (int tries = 0; key == SHIFT_TAB && tries < 10 && !(GetAsyncKeyState(VK_SHIFT) & 0x8000); ++tries) {
            send_key(VK_SHIFT, 0);
            pump_messages();
        }
        send_key(keys[key], 0);
        send_key(keys[key], KEYEVENTF_KEYUP);
        pump_messages();
        if (key == SHIFT_TAB) send_key(VK_SHIFT, KEYEVENTF_KEYUP);
        pump_messages();
    }
};

TEST_F(KeyRings, EachPressMovesTheFocusAlongThePageRing) {
    for (const RingWalk& walk : walks) {
        SCOPED_TRACE(walk.name);
        open_with(walk.settings);
        select_tab(walk.page);
        SetFocus(control(walk.start));
        ASSERT_EQ(walk.start, focused_id());
        const GameSettings before = game_settings;
        std::vector<int> focus;
        for (size_t i = 0; i < walk.focus.size(); ++i) {
            press(walk.key);
            focus.push_back(focused_id());
        }
        EXPECT_EQ(walk.focus, focus);
        // Tab only moves the focus: no radio it lands on is chosen by that (nor the English one
        // while the radio language is 2).
        if (walk.key == TAB || walk.key == SHIFT_TAB) {
            EXPECT_EQ(0, memcmp(&before, &game_settings, sizeof before));
        }
        close();
    }
}

TEST_F(KeyRings, TheKeyStillReachesTheControl) {
    open_with(usual);
    select_tab(1);
    SetFocus(control(ID_RESOLUTION));
    ASSERT_EQ(0, selection(ID_RESOLUTION));
    press(DOWN);  // the combo's own arrow: the next resolution, and the settings follow it
    EXPECT_EQ(ID_RESOLUTION, focused_id());
    EXPECT_EQ(1, selection(ID_RESOLUTION));
    EXPECT_EQ(75u, game_settings.refresh_rate);
    select_tab(3);
    SetFocus(control(ID_FIRST_TRACKBAR + 2));
    press(TAB);
    press(UP);  // a trackbar moves on its arrows and keeps the focus
    EXPECT_EQ(ID_FIRST_TRACKBAR + 3, focused_id());
    EXPECT_EQ(79u, game_settings.volumes[3]);  // Up is a line up: one less
}

TEST_F(KeyRings, WithoutACurrentPageTheBottomButtonsMoveNothing) {
    open_with(usual);
    SendMessageW(tab_control, TCM_SETCURSEL, (WPARAM)-1, 0);
    ASSERT_EQ(-1, (int)SendMessageW(tab_control, TCM_GETCURSEL, 0, 0));
    const struct {
        int start;
        Key key;
        int focus;
    } moves[] = {{ID_CANCEL, TAB, ID_CANCEL},
                 {ID_SAVE, SHIFT_TAB, ID_SAVE},
                 {ID_RESET, SHIFT_TAB, ID_RESET},
                 {ID_CANCEL, SHIFT_TAB, ID_SAVE},
                 {ID_RESET, TAB, ID_SAVE}};
    for (const auto& move : moves) {
        SetFocus(control(move.start));
        press(move.key);
        EXPECT_EQ(move.focus, focused_id()) << move.start << " key " << move.key;
    }
}

}  // namespace
