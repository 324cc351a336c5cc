// The page procedure: what each click, choice and trackbar move does to the settings and to
// the other controls.
#include <windows.h>
#include <commctrl.h>
#include "control_ids.h"
#include "page_builders.h"
#include "page_controls.h"
#include "settings_window_fixture.h"
#include "sound_page.h"

namespace {

using PageProcedure = SettingsWindow;

// A click on a check box or radio and the settings word it leaves.
struct ClickCase {
    int id;
    const uint32_t* word;
    uint32_t before, after_click;
};

TEST_F(PageProcedure, EveryCheckBoxAndRadioWritesItsSetting) {
    setup.language = 2;
    settings.bar_flags = 0x100;
    settings.radio_language = 2;
    settings.sound_3d = 2;
    mipmap = 0;
    open();
    const GameSettings& s = game_settings;
    const ClickCase cases[] = {
        {ID_INFO_BAR_HIDE, &s.bar_flags, 0x100, 0x101},
        {ID_CAMERA_BAR_HIDE, &s.bar_flags, 0x101, 0x111},
        {ID_INFO_BAR_HIDE, &s.bar_flags, 0x111, 0x110},
        {ID_SMOOTH_CAMERA, &s.smooth_camera, 1, 2},
        {ID_SMOOTH_CAMERA, &s.smooth_camera, 2, 1},
        {ID_RADIO_ENGLISH, &s.radio_language, 2, 1},
        {ID_RADIO_JAPANESE, &s.radio_language, 1, 2},
        {ID_MENU_FRAME_RATE, &s.fixed_menu_frame_rate, 0, 1},
        {ID_STROBE_LIGHT, &s.strobe_light, 2, 1},
        {ID_WINDOW, &s.screen_mode, 1, 2},
        {ID_FULL_SCREEN, &s.screen_mode, 2, 1},
        {ID_OMIT_GROUND_SERVICE, &s.omit_ground_service, 0, 1},
        {ID_OMIT_DISTANT, &s.scenery_flags, 0, 1},
        {ID_MIPMAP, (const uint32_t*)&mipmap_value, 0, 1},
        {ID_MIPMAP, (const uint32_t*)&mipmap_value, 1, 0},
        {ID_SOUND_HARDWARE, &s.sound_3d, 2, 1},
        {ID_SOUND_SOFTWARE, &s.sound_3d, 1, 2},
    };
    for (const ClickCase& c : cases) {
        EXPECT_EQ(c.before, *c.word) << "before clicking " << c.id;
        click(c.id);
        EXPECT_EQ(c.after_click, *c.word) << "after clicking " << c.id;
    }
    // The plain radios get their mark from the program: one per group.
    EXPECT_TRUE(checked(ID_FULL_SCREEN));
    EXPECT_FALSE(checked(ID_WINDOW));
    EXPECT_TRUE(checked(ID_RADIO_JAPANESE));
    EXPECT_FALSE(checked(ID_RADIO_ENGLISH));
    EXPECT_TRUE(checked(ID_SOUND_SOFTWARE));
    EXPECT_FALSE(checked(ID_SOUND_HARDWARE));
}

TEST_F(PageProcedure, ButtonExplanationsCheckBoxWritesItsSetting) {
    open();
    // Hidden from the user; a message to it still reaches the settings.
    HWND tips = control(ID_BUTTON_TIPS);
    SendMessageW(tips, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(GetParent(tips), WM_COMMAND, MAKEWPARAM(ID_BUTTON_TIPS, BN_CLICKED), (LPARAM)tips);
    EXPECT_EQ(1u, game_settings.hide_button_tips);
}

TEST_F(PageProcedure, SoftwareCursorCheckBoxChoosesTheModeAndUnlocksTheRadios) {
    setup.engine = 1;
    settings.cursor_mode = 3;
    open();
    click(ID_SOFTWARE_CURSOR_CHECK);  // off, while the general cursor was chosen
    EXPECT_EQ(1u, game_settings.cursor_mode);
    EXPECT_FALSE(enabled(ID_SOFTWARE_CURSOR));
    EXPECT_FALSE(enabled(ID_GENERAL_CURSOR));
    click(ID_SOFTWARE_CURSOR_CHECK);  // on again: radio 2500 is not checked
    EXPECT_EQ(3u, game_settings.cursor_mode);
    EXPECT_TRUE(enabled(ID_SOFTWARE_CURSOR));
    click(ID_SOFTWARE_CURSOR);
    EXPECT_EQ(2u, game_settings.cursor_mode);
    EXPECT_TRUE(checked(ID_SOFTWARE_CURSOR));
    EXPECT_FALSE(checked(ID_GENERAL_CURSOR));
    click(ID_SOFTWARE_CURSOR_CHECK);
    click(ID_SOFTWARE_CURSOR_CHECK);
    EXPECT_EQ(2u, game_settings.cursor_mode);
    click(ID_GENERAL_CURSOR);
    EXPECT_EQ(3u, game_settings.cursor_mode);
}

TEST_F(PageProcedure, ResolutionChoiceWritesTheModeAndRepaintsThePreview) {
    open();
    click(ID_FULL_SCREEN);
    choose(ID_RESOLUTION, 3);
    EXPECT_EQ(1920u, game_settings.screen_width);
    EXPECT_EQ(1080u, game_settings.screen_height);
    EXPECT_EQ(60u, game_settings.refresh_rate);
    EXPECT_EQ(3, selected_mode_index);
    choose(ID_RESOLUTION, 1);
    EXPECT_EQ(1024u, game_settings.screen_width);
    EXPECT_EQ(75u, game_settings.refresh_rate);
    // No selection changes nothing.
    choose(ID_RESOLUTION, -1);
    EXPECT_EQ(1, selected_mode_index);
    EXPECT_EQ(75u, game_settings.refresh_rate);
}

struct ComboCase {
    int superlow;
    int id, index;
    uint32_t scenery_word, shadow;
};

TEST_F(PageProcedure, TextureModelAndShadowChoicesWriteTheirLevels) {
    const ComboCase cases[] = {
        {1, ID_TEXTURE, 0, 0x20000, 1}, {1, ID_TEXTURE, 2, 0x20002, 1}, {0, ID_TEXTURE, 0, 0x20001, 1},
        {0, ID_TEXTURE, 1, 0x20002, 1}, {0, ID_MODEL, 0, 0x10001, 1},   {0, ID_MODEL, 2, 0x30001, 1},
        {0, ID_SHADOW, 1, 0x20001, 2},
    };
    for (const ComboCase& c : cases) {
        setup.engine = 1;
        setup.superlow = c.superlow;
        settings.scenery_word = 0x80020001;  // bits outside the two levels stay
        open();
        choose(c.id, c.index);
        SCOPED_TRACE(testing::Message() << "combo " << c.id << " item " << c.index << ", SuperLow " << c.superlow);
        EXPECT_EQ(0x80000000u | c.scenery_word, game_settings.scenery_word);
        EXPECT_EQ(c.shadow, game_settings.shadow_quality);
        close();
    }
}

TEST_F(PageProcedure, LevelItemsAreReadAsTheirFactor) {
    const struct {
        const wchar_t* text;
        uint32_t factor;
    } cases[] = {{L"16x", 16}, {L" 2x", 2},  {L" 8x", 8}, {L"nothing", 0}, {L"なし", 0},
                 {L"08x", 8},  {L"10x", 10}, {L"4x2", 4}, {L"", 0}};
    for (const auto& c : cases) EXPECT_EQ(c.factor, parse_level_item(c.text)) << "item " << (int)(c.text[0]);
}

TEST_F(PageProcedure, AnisotropyAndAntiAliasChoicesStoreTheFactorOfTheItem) {
    setup.engine = 1;
    open();
    choose(ID_ANISOTROPY, 3);
    EXPECT_EQ(16u, game_settings.anisotropy);
    choose(ID_ANISOTROPY, 0);
    EXPECT_EQ(2u, game_settings.anisotropy);
    choose(ID_ANTI_ALIAS, 1);
    EXPECT_EQ(4u, game_settings.anti_alias);
    close();

    for (uint32_t language : {1u, 2u}) {  // "nothing" and "なし"
        setup.engine = 0;
        setup.language = language;
        settings.anisotropy = 8;
        settings.anti_alias = 2;
        open();
        choose(ID_ANISOTROPY, 0);
        choose(ID_ANTI_ALIAS, 0);
        EXPECT_EQ(0u, game_settings.anisotropy) << language;
        EXPECT_EQ(0u, game_settings.anti_alias) << language;
        close();
    }
}

TEST_F(PageProcedure, PopUpModeLocksTheComboToTheDesktopModeAndKeepsTheSavedResolution) {
    uint32_t width = (uint32_t)GetSystemMetrics(SM_CXSCREEN);
    uint32_t height = (uint32_t)GetSystemMetrics(SM_CYSCREEN);
    DEVMODEW desktop = {};
    desktop.dmSize = sizeof desktop;
    EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &desktop);
    uint32_t rate = desktop.dmDisplayFrequency;
    // The desktop's size at its own rate, then at another one that must not be taken.
    modes = {{1024, 768, 60, 0}, {width, height, rate, 0}, {width, height, rate + 15, 0}, {1920, 1080, 60, 0}};
    if (rate == 0) modes[2].refresh_rate = 0;  // a rate Windows does not know: size alone decides
    settings.screen_width = 1920;
    settings.screen_height = 1080;
    open();
    ASSERT_EQ(3, selected_mode_index);
    click(ID_POPUP);
    EXPECT_EQ(3u, game_settings.screen_mode);
    EXPECT_EQ(rate ? 1 : 2, selected_mode_index);
    EXPECT_EQ(selected_mode_index, selection(ID_RESOLUTION));
    EXPECT_FALSE(enabled(ID_RESOLUTION));
    EXPECT_EQ(1920u, game_settings.screen_width);
    EXPECT_EQ(1080u, game_settings.screen_height);
    EXPECT_TRUE(checked(ID_POPUP));
    click(ID_WINDOW);
    EXPECT_EQ(2u, game_settings.screen_mode);
    EXPECT_TRUE(enabled(ID_RESOLUTION));
}

TEST_F(PageProcedure, PopUpModeWithoutTheDesktopSizeListedKeepsTheSelection) {
    modes = {{1024, 768, 60, 0}, {2048, 1536, 60, 0}};
    open();
    ASSERT_EQ(0, selected_mode_index);
    click(ID_POPUP);
    EXPECT_EQ(0, selected_mode_index);
    EXPECT_EQ(0, selection(ID_RESOLUTION));
    EXPECT_FALSE(enabled(ID_RESOLUTION));
}

TEST_F(PageProcedure, SceneryMinimumLocksTheSceneryControlsAndCustomizeUnlocksThem) {
    setup.engine = 1;
    setup.superlow = 1;
    settings.scenery_word = 0x30002;
    settings.scenery_flags = 4;
    open();
    click(ID_SCENERY_MINIMUM);
    EXPECT_EQ(7u, game_settings.scenery_flags);
    EXPECT_EQ(0x10001u, game_settings.scenery_word);
    EXPECT_EQ(0, selection(ID_TEXTURE));
    EXPECT_EQ(0, selection(ID_MODEL));
    EXPECT_TRUE(checked(ID_OMIT_DISTANT));
    EXPECT_FALSE(enabled(ID_TEXTURE) || enabled(ID_MODEL) || enabled(ID_OMIT_DISTANT));
    EXPECT_FALSE(checked(ID_CUSTOMIZE));

    click(ID_CUSTOMIZE);
    EXPECT_EQ(5u, game_settings.scenery_flags);  // omit-distant stays on
    EXPECT_TRUE(checked(ID_OMIT_DISTANT));
    EXPECT_TRUE(enabled(ID_TEXTURE) && enabled(ID_MODEL) && enabled(ID_OMIT_DISTANT));
    EXPECT_EQ(0x10001u, game_settings.scenery_word);
}

TEST_F(PageProcedure, TrackbarMovesStoreShowAndSendTheVolume) {
    setup.sound = 1;
    open();
    select_tab(3);
    HWND ambient = control(ID_FIRST_TRACKBAR + 2);
    key_down(ambient, VK_HOME);  // the trackbar moves to 0 and tells its page
    EXPECT_EQ(0u, game_settings.volumes[2]);
    wchar_t text[16];
    GetWindowTextW(volume_labels[2], text, 16);
    EXPECT_STREQ(L"  0%", text);
    ASSERT_FALSE(sound_calls.empty());
    EXPECT_EQ("SetLocalVol(2,0)", sound_calls.back());
    key_down(control(ID_FIRST_TRACKBAR + 4), VK_END);
    EXPECT_EQ(100u, game_settings.volumes[4]);
    GetWindowTextW(volume_labels[4], text, 16);
    EXPECT_STREQ(L"100%", text);
    EXPECT_EQ("SetLocalVol(4,100)", sound_calls.back());
    for (int row : {0, 1, 3}) EXPECT_EQ(80u, game_settings.volumes[row]);
}

TEST_F(PageProcedure, TrackbarMovesWithoutTheSoundLibraryStillStoreTheVolume) {
    open();
    select_tab(3);
    key_down(control(ID_FIRST_TRACKBAR), VK_HOME);
    EXPECT_EQ(0u, game_settings.volumes[0]);
    EXPECT_TRUE(sound_calls.empty());
    // A scroll message from another window (or from the page's own scroll bar, lParam 0) is not a
    // volume: fields that differ from every trackbar's position stay as they are.
    for (uint32_t& volume : game_settings.volumes) volume = 55;
    SendMessageW(page_windows[3], WM_HSCROLL, SB_THUMBPOSITION, (LPARAM)control(ID_SOUND_HARDWARE));
    SendMessageW(page_windows[3], WM_HSCROLL, SB_THUMBPOSITION, 0);
    for (int row = 0; row < VOLUME_ROWS; ++row) {
        EXPECT_EQ(55u, game_settings.volumes[row]) << row;
        wchar_t text[16];
        GetWindowTextW(volume_labels[row], text, 16);
        EXPECT_STREQ(row ? L" 80%" : L"  0%", text) << row;
    }
}

TEST_F(PageProcedure, TestButtonsToggleTheirPicture) {
    setup.sound = 1;
    open();
    click(ID_FIRST_TEST_BUTTON + 4);
    EXPECT_EQ(1, test_sound_playing[4]);
    EXPECT_EQ(27, test_buttons[4].image.left);
    EXPECT_EQ(54, test_buttons[4].image.right);
    EXPECT_EQ(0, test_sound_playing[3]);
    click(ID_FIRST_TEST_BUTTON + 4);
    EXPECT_EQ(0, test_sound_playing[4]);
    EXPECT_EQ(0, test_buttons[4].image.left);
    EXPECT_EQ(27, test_buttons[4].image.right);
}

}  // namespace
