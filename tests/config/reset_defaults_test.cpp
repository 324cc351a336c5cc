// "Reset to Defaults" from a window whose settings and controls were all moved away from them.
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "control_ids.h"
#include "page_builders.h"
#include "settings_window_fixture.h"
#include "sound_page.h"

namespace {

struct ControlState {
    int id;
    int checked;  // -1: not looked at
    int enabled;  // -1: not looked at
};

class ResetDefaults : public SettingsWindow {
protected:
    // Settings and controls far from their defaults, partly through the page controls.
    void expect_controls(const std::vector<ControlState>& rows) {
        for (const ControlState& row : rows) {
            if (row.checked >= 0) {
                EXPECT_EQ(row.checked, checked(row.id)) << "check of " << row.id;
            }
            if (row.enabled >= 0) {
                EXPECT_EQ(row.enabled, enabled(row.id)) << "enabled flag of " << row.id;
            }
        }
    }

    void open_changed() {
        settings.version[0] = 7;
        settings.bar_flags = 0x11;
        settings.cursor_mode = 3;
        settings.radio_language = 1;
        settings.shadow_quality = 2;
        settings.smooth_camera = 2;
        settings.scenery_word = 0x30002;
        settings.anisotropy = 16;
        settings.anti_alias = 2;
        settings.strobe_light = 1;
        settings.omit_ground_service = 1;
        settings.fixed_menu_frame_rate = 1;
        settings.hide_button_tips = 1;
        settings.scenery_flags = 0x101;
        settings.screen_mode = 2;
        settings.screen_width = 1920;
        settings.screen_height = 1080;
        settings.sound_3d = 2;
        settings.master_volume = 33;
        for (uint32_t& volume : settings.volumes) volume = 20;
        mipmap = 1;
        open();
        click(ID_POPUP);            // locks the resolution combo
        click(ID_SCENERY_MINIMUM);  // locks the scenery controls
        select_tab(3);
        if (setup.sound) click(ID_FIRST_TEST_BUTTON + 1);  // Reset leaves a playing test sound alone
        sound_calls.clear();
    }
};

TEST_F(ResetDefaults, EveryStepInTheEnglishInterfaceWithEngineAndHardwareSound) {
    setup.engine = 1;
    setup.sound = 1;
    setup.sound_kind = 1;
    modes = {{1280, 1024, 60, 0}, {1024, 768, 75, 0}, {1024, 768, 60, 0}, {1024, 768, 60, 0}};
    open_changed();
    ASSERT_FALSE(enabled(ID_RESOLUTION));
    click(ID_RESET);

    const GameSettings& s = game_settings;
    // Step 1: Game System settings.
    EXPECT_EQ(0u, s.bar_flags);
    EXPECT_EQ(1u, s.smooth_camera);
    EXPECT_EQ(1u, s.cursor_mode);
    EXPECT_EQ(2u, s.radio_language);  // in the English interface too
    EXPECT_EQ(0u, s.fixed_menu_frame_rate);
    EXPECT_EQ(0u, s.hide_button_tips);
    // Step 4, 5: full screen at the first 1024 x 768 at 60 Hz.
    EXPECT_EQ(1u, s.screen_mode);
    EXPECT_EQ(1024u, s.screen_width);
    EXPECT_EQ(768u, s.screen_height);
    EXPECT_EQ(60u, s.refresh_rate);
    EXPECT_EQ(2, selected_mode_index);
    EXPECT_EQ(2, selection(ID_RESOLUTION));
    // Step 7, 8, 9: scenery, levels (the first of each engine list), strobe, ground, MipMap.
    EXPECT_EQ(0x100u, s.scenery_flags);
    EXPECT_EQ(0x20001u, s.scenery_word);
    EXPECT_EQ(1u, s.shadow_quality);
    EXPECT_EQ(2u, s.anisotropy);
    EXPECT_EQ(2u, s.anti_alias);
    EXPECT_EQ(2u, s.strobe_light);
    EXPECT_EQ(0u, s.omit_ground_service);
    EXPECT_EQ(0, mipmap_value);
    EXPECT_EQ(0, selection(ID_TEXTURE));  // "Low" without SuperLow
    EXPECT_EQ(1, selection(ID_MODEL));
    EXPECT_EQ(0, selection(ID_SHADOW));
    EXPECT_EQ(0, selection(ID_ANISOTROPY));
    EXPECT_EQ(0, selection(ID_ANTI_ALIAS));
    // Step 11, 12: hardware 3D sound, every volume 80 on its trackbar, label and channel.
    EXPECT_EQ(1u, s.sound_3d);
    for (int row = 0; row < VOLUME_ROWS; ++row) {
        EXPECT_EQ(80u, s.volumes[row]);
        EXPECT_EQ(80, (int)SendMessageW(control(ID_FIRST_TRACKBAR + row), TBM_GETPOS, 0, 0));
        wchar_t text[16];
        GetWindowTextW(volume_labels[row], text, 16);
        EXPECT_STREQ(L" 80%", text);
    }
    const std::vector<std::string> channel_volumes = {"SetLocalVol(0,80)", "SetLocalVol(1,80)", "SetLocalVol(2,80)",
                                                      "SetLocalVol(3,80)", "SetLocalVol(4,80)"};
    EXPECT_EQ(channel_volumes, sound_calls);
    // Untouched: version, language, master volume, test sounds.
    EXPECT_EQ(7u, s.version[0]);
    EXPECT_EQ(1u, s.language);
    EXPECT_EQ(33u, s.master_volume);
    EXPECT_EQ(1, test_sound_playing[1]);

    const std::vector<ControlState> controls = {
        // step 1
        {ID_INFO_BAR_HIDE, 0, -1},
        {ID_CAMERA_BAR_HIDE, 0, -1},
        {ID_SMOOTH_CAMERA, 0, -1},
        {ID_SOFTWARE_CURSOR_CHECK, 0, -1},
        // step 2: the only radio of the English interface
        {ID_RADIO_ENGLISH, 1, -1},
        // step 3
        {ID_SOFTWARE_CURSOR, 1, 0},
        {ID_GENERAL_CURSOR, 0, 0},
        {ID_BUTTON_TIPS, 1, -1},
        {ID_MENU_FRAME_RATE, 0, -1},
        // step 4, 5
        {ID_FULL_SCREEN, 1, -1},
        {ID_WINDOW, 0, -1},
        {ID_POPUP, 0, -1},
        {ID_RESOLUTION, -1, 1},
        // step 6, 10
        {ID_CUSTOMIZE, 1, -1},
        {ID_STROBE_LIGHT, 1, -1},
        {ID_MIPMAP, 1, -1},
        {ID_OMIT_GROUND_SERVICE, 0, -1},
        {ID_OMIT_DISTANT, 0, 1},
        {ID_SCENERY_MINIMUM, 0, -1},
        {ID_TEXTURE, -1, 1},
        {ID_MODEL, -1, 1},
        // step 11
        {ID_SOUND_HARDWARE, 1, 1},
        {ID_SOUND_SOFTWARE, 0, -1},
    };
    expect_controls(controls);
}

TEST_F(ResetDefaults, JapaneseInterfaceWithoutEngineWithoutHardwareSoundOrTheUsualMode) {
    setup.language = 2;
    setup.sound = 0;
    setup.sound_kind = 2;
    modes = {{1280, 1024, 75, 0}, {1024, 768, 75, 0}, {1920, 1080, 60, 0}};
    open_changed();
    click(ID_RESET);

    const GameSettings& s = game_settings;
    EXPECT_EQ(1280u, s.screen_width);  // no 1024 x 768 at 60 Hz: the first entry
    EXPECT_EQ(1024u, s.screen_height);
    EXPECT_EQ(75u, s.refresh_rate);
    EXPECT_EQ(0, selected_mode_index);
    EXPECT_EQ(0u, s.anisotropy);
    EXPECT_EQ(0u, s.anti_alias);
    EXPECT_EQ(2u, s.sound_3d);
    EXPECT_EQ(2u, s.radio_language);
    EXPECT_EQ(2u, s.language);
    for (uint32_t volume : s.volumes) EXPECT_EQ(80u, volume);
    EXPECT_TRUE(sound_calls.empty());
    const std::vector<ControlState> controls = {
        {ID_RADIO_ENGLISH, 0, -1},  {ID_RADIO_JAPANESE, 1, -1}, {ID_SOUND_HARDWARE, 0, 0},
        {ID_SOUND_SOFTWARE, 1, -1}, {ID_RESOLUTION, -1, 1},
    };
    expect_controls(controls);
    EXPECT_EQ(0, selection(ID_RESOLUTION));
}

TEST_F(ResetDefaults, SuperLowListedSelectsLowAtIndexOne) {
    setup.engine = 1;
    setup.superlow = 1;
    open_changed();
    click(ID_RESET);
    EXPECT_EQ(1, selection(ID_TEXTURE));
    EXPECT_EQ(L"Low", item_text(ID_TEXTURE, 1));
}

}  // namespace
