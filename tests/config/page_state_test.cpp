// Each page as it opens: its controls set from the settings, the engine's abilities and the
// sound library, and the settings the builders complete (resolution, refresh rate, levels).
#include <windows.h>
#include <commctrl.h>
#include "control_ids.h"
#include "page_builders.h"
#include "settings_window_fixture.h"
#include "sound_page.h"

namespace {

using PageState = SettingsWindow;

struct CursorCase {
    int engine;
    uint32_t cursor_mode;
    int software_check, software_radio, general_radio, radios_enabled;
};

TEST_F(PageState, CursorControlsFollowTheEngineAndTheCursorMode) {
    const CursorCase cases[] = {
        {1, 1, 0, 1, 0, 0}, {1, 2, 1, 1, 0, 1}, {1, 3, 1, 0, 1, 1},
        {1, 9, 0, 1, 0, 0}, {0, 1, 1, 1, 0, 1},  // software drawing without the engine, whatever the mode
        {0, 3, 1, 1, 0, 1},
    };
    for (const CursorCase& c : cases) {
        setup.engine = c.engine;
        settings.cursor_mode = c.cursor_mode;
        open();
        SCOPED_TRACE(testing::Message() << "engine " << c.engine << ", cursor mode " << c.cursor_mode);
        EXPECT_EQ(c.software_check, checked(ID_SOFTWARE_CURSOR_CHECK));
        EXPECT_EQ(c.software_radio, checked(ID_SOFTWARE_CURSOR));
        EXPECT_EQ(c.general_radio, checked(ID_GENERAL_CURSOR));
        EXPECT_EQ(c.radios_enabled, enabled(ID_SOFTWARE_CURSOR));
        EXPECT_EQ(c.radios_enabled, enabled(ID_GENERAL_CURSOR));
        EXPECT_EQ(c.cursor_mode, game_settings.cursor_mode);
        close();
    }
}

struct RadioLanguageCase {
    uint32_t language, radio_language;
    int japanese_exists, english_checked, japanese_checked;
};

TEST_F(PageState, AviationRadioRadiosInBothInterfaces) {
    const RadioLanguageCase cases[] = {
        {1, 2, 0, 0, 0},  // English interface: only the English radio, and the value 2 checks none
        {1, 1, 0, 1, 0}, {2, 1, 1, 1, 0}, {2, 2, 1, 0, 1}, {2, 5, 1, 0, 0},
    };
    for (const RadioLanguageCase& c : cases) {
        setup.language = c.language;
        settings.radio_language = c.radio_language;
        open();
        SCOPED_TRACE(testing::Message() << "language " << c.language << ", radio " << c.radio_language);
        EXPECT_EQ(c.japanese_exists, control(ID_RADIO_JAPANESE) != nullptr);
        EXPECT_EQ(c.english_checked, checked(ID_RADIO_ENGLISH));
        EXPECT_EQ(c.japanese_checked, checked(ID_RADIO_JAPANESE));
        close();
    }
}

TEST_F(PageState, CheckBoxesShowTheirSettingsWords) {
    struct Case {
        uint32_t bar_flags, smooth, tips, menu_rate, strobe, ground, scenery_flags;
        int32_t mipmap;
    } cases[] = {
        {0x11, 0x12, 0, 1, 0x22, 1, 1, 0},  // upper bits of smooth camera and strobe are ignored
        {0xEE, 1, 1, 0, 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        settings.bar_flags = c.bar_flags;
        settings.smooth_camera = c.smooth;
        settings.hide_button_tips = c.tips;
        settings.fixed_menu_frame_rate = c.menu_rate;
        settings.strobe_light = c.strobe;
        settings.omit_ground_service = c.ground;
        settings.scenery_flags = c.scenery_flags;
        mipmap = c.mipmap;
        open();
        int on = c.mipmap == 0;
        SCOPED_TRACE(testing::Message() << "case " << on);
        const int ids[] = {ID_INFO_BAR_HIDE,       ID_CAMERA_BAR_HIDE, ID_SMOOTH_CAMERA,
                           ID_BUTTON_TIPS,         ID_MENU_FRAME_RATE, ID_STROBE_LIGHT,
                           ID_OMIT_GROUND_SERVICE, ID_OMIT_DISTANT,    ID_MIPMAP};
        for (int id : ids) EXPECT_EQ(on, checked(id)) << id;
        EXPECT_FALSE(visible(ID_BUTTON_TIPS));
        close();
    }
}

struct ResolutionCase {
    uint32_t width, height, refresh;
    int engine;
    int selected;
    uint32_t refresh_after;
};

TEST_F(PageState, ResolutionComboSelectsTheSavedModeAndCompletesTheSettings) {
    const ResolutionCase cases[] = {
        {1024, 768, 75, 0, 1, 75},  {1024, 768, 0, 0, 0, 60},  // refresh 0: the first mode of that size gives its rate
        {1280, 1024, 60, 1, 2, 60},                            // the same list from the engine's table
        {1600, 1200, 60, 0, 0, 60},                            // not listed: entry 0 and its values
        {1024, 768, 85, 1, 0, 60},
    };
    for (const ResolutionCase& c : cases) {
        setup.engine = c.engine;
        settings.screen_width = c.width;
        settings.screen_height = c.height;
        settings.refresh_rate = c.refresh;
        open();
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "@" << c.refresh);
        EXPECT_EQ(4, item_count(ID_RESOLUTION));
        EXPECT_EQ(c.selected, selection(ID_RESOLUTION));
        EXPECT_EQ(c.selected, selected_mode_index);
        EXPECT_EQ(modes[c.selected].width, game_settings.screen_width);
        EXPECT_EQ(modes[c.selected].height, game_settings.screen_height);
        EXPECT_EQ(c.refresh_after, game_settings.refresh_rate);
        close();
    }
}

TEST_F(PageState, ResolutionItemsLineUpShortHeightsAndPopUpModeStartsUnlocked) {
    settings.screen_mode = 3;
    setup.language = 2;
    open();
    EXPECT_EQ(L"1024 x  768  60Hz", item_text(ID_RESOLUTION, 0));
    EXPECT_EQ(L"1280 x 1024  60Hz", item_text(ID_RESOLUTION, 2));
    EXPECT_TRUE(checked(ID_POPUP));
    EXPECT_FALSE(checked(ID_FULL_SCREEN) || checked(ID_WINDOW));
    EXPECT_TRUE(enabled(ID_RESOLUTION));
    EXPECT_EQ(0, selection(ID_RESOLUTION));
}

TEST_F(PageState, ScreenModeOutsideItsRangeChecksNoRadio) {
    settings.screen_mode = 0;
    open();
    EXPECT_FALSE(checked(ID_FULL_SCREEN) || checked(ID_WINDOW) || checked(ID_POPUP));
}

struct SceneryCase {
    int superlow;
    uint32_t scenery_word, scenery_flags;
    int texture_items, texture, model, minimum;
};

TEST_F(PageState, TextureModelAndSceneryMinimumFromTheSceneryWordAndFlags) {
    const SceneryCase cases[] = {
        {0, 0x20001, 0, 2, 0, 1, 0}, {0, 0x30000, 0, 2, -1, 2, 0},  // level 0 without SuperLow selects nothing
        {1, 0x30000, 0, 3, 0, 2, 0}, {1, 0x10002, 0, 3, 2, 0, 0},
        {1, 0x20002, 2, 3, 0, 0, 1},  // scenery minimum: both combos at their first item
    };
    for (const SceneryCase& c : cases) {
        setup.engine = 1;
        setup.superlow = c.superlow;
        settings.scenery_word = c.scenery_word;
        settings.scenery_flags = c.scenery_flags;
        open();
        SCOPED_TRACE(testing::Message() << "word " << std::hex << c.scenery_word << ", SuperLow " << c.superlow);
        EXPECT_EQ(c.superlow, superlow_listed);
        EXPECT_EQ(c.texture_items, item_count(ID_TEXTURE));
        EXPECT_EQ(c.superlow ? L"SuperLow" : L"Low", item_text(ID_TEXTURE, 0));
        EXPECT_EQ(c.texture, selection(ID_TEXTURE));
        EXPECT_EQ(c.model, selection(ID_MODEL));
        EXPECT_EQ(c.minimum, checked(ID_SCENERY_MINIMUM));
        EXPECT_EQ(!c.minimum, checked(ID_CUSTOMIZE));
        EXPECT_EQ(!c.minimum, enabled(ID_TEXTURE));
        EXPECT_EQ(!c.minimum, enabled(ID_MODEL));
        EXPECT_EQ(!c.minimum, enabled(ID_OMIT_DISTANT));
        if (c.minimum) {
            EXPECT_TRUE(checked(ID_OMIT_DISTANT));
        }
        EXPECT_EQ(c.scenery_word, game_settings.scenery_word);
        close();
    }
}

TEST_F(PageState, NoEngineMeansNoSuperLowAndNothingLevels) {
    setup.language = 2;
    settings.anisotropy = 4;
    open();
    EXPECT_EQ(0, superlow_listed);
    EXPECT_EQ(2, item_count(ID_TEXTURE));
    for (int id : {ID_ANISOTROPY, ID_ANTI_ALIAS}) {
        EXPECT_EQ(1, item_count(id));
        EXPECT_EQ(L"なし", item_text(id, 0));
        EXPECT_EQ(0, selection(id));
    }
    EXPECT_EQ(4u, game_settings.anisotropy);
}

struct LevelCase {
    uint32_t anisotropy, anti_alias;
    uint32_t first_level;  // 0: the engine lists no level
    int anisotropy_index, anti_alias_index;
    uint32_t anisotropy_after, anti_alias_after;
};

TEST_F(PageState, LevelCombosListTheEnginesFactorsAndTakeItsCurrentOneForZero) {
    const LevelCase cases[] = {
        {0, 0, 2, 2, 1, 8, 4},  // 0: the engine's current factors (8 and 4), selected
        {16, 2, 2, 3, 0, 16, 2},
        {3, 5, 2, 0, 0, 3, 5},  // not listed: first item, value kept
        {0, 0, 0, 0, 0, 0, 0},  // empty lists: one "nothing" item each
    };
    for (const LevelCase& c : cases) {
        setup.engine = 1;
        setup.levels[0][0] = c.first_level;
        setup.levels[1][0] = c.first_level;
        settings.anisotropy = c.anisotropy;
        settings.anti_alias = c.anti_alias;
        open();
        SCOPED_TRACE(testing::Message() << "anisotropy " << c.anisotropy << ", first level " << c.first_level);
        if (c.first_level) {
            EXPECT_EQ(4, item_count(ID_ANISOTROPY));
            EXPECT_EQ(L" 2x", item_text(ID_ANISOTROPY, 0));
            EXPECT_EQ(L"16x", item_text(ID_ANISOTROPY, 3));
            EXPECT_EQ(2, item_count(ID_ANTI_ALIAS));  // the list ends at its first 0
        } else {
            EXPECT_EQ(L"nothing", item_text(ID_ANISOTROPY, 0));
            EXPECT_EQ(1, item_count(ID_ANTI_ALIAS));
        }
        EXPECT_EQ(c.anisotropy_index, selection(ID_ANISOTROPY));
        EXPECT_EQ(c.anti_alias_index, selection(ID_ANTI_ALIAS));
        EXPECT_EQ(c.anisotropy_after, game_settings.anisotropy);
        EXPECT_EQ(c.anti_alias_after, game_settings.anti_alias);
        close();
    }
}

struct SoundCase {
    int sound;
    uint32_t kind, sound_3d;
    int hardware_enabled, hardware_checked, software_checked;
};

TEST_F(PageState, SoundPageFollowsTheSoundLibraryAndItsCapabilities) {
    const SoundCase cases[] = {
        {1, 1, 1, 1, 1, 0},
        {1, 1, 2, 1, 0, 1},
        {1, 2, 1, 0, 0, 1},  // no hardware 3D sound: Software, whatever was saved
        {0, 0, 3, 1, 0, 0},  // no library; a value outside 1..2 checks neither
    };
    for (const SoundCase& c : cases) {
        setup.sound = c.sound;
        setup.sound_kind = c.kind;
        settings.sound_3d = c.sound_3d;
        settings.volumes[2] = 5;
        open();
        SCOPED_TRACE(testing::Message() << "library " << c.sound << ", kind " << c.kind << ", 3D " << c.sound_3d);
        EXPECT_EQ(c.hardware_enabled, enabled(ID_SOUND_HARDWARE));
        EXPECT_EQ(c.hardware_checked, checked(ID_SOUND_HARDWARE));
        EXPECT_EQ(c.software_checked, checked(ID_SOUND_SOFTWARE));
        for (int row = 0; row < VOLUME_ROWS; ++row) {
            EXPECT_EQ(c.sound, visible(ID_FIRST_TEST_BUTTON + row)) << row;
            EXPECT_EQ(row == 2 ? 5 : 80, (int)SendMessageW(control(ID_FIRST_TRACKBAR + row), TBM_GETPOS, 0, 0));
            wchar_t text[16];
            GetWindowTextW(volume_labels[row], text, 16);
            EXPECT_STREQ(row == 2 ? L"  5%" : L" 80%", text);
            EXPECT_EQ(0, test_buttons[row].image.left);
            EXPECT_EQ(27, test_buttons[row].image.right);
        }
        close();
    }
}

}  // namespace
