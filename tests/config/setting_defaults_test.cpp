// First defaults (language from config.ini, radio language, scenery word) and late defaults
// (screen, refresh rate, 3D sound and volumes with and without hardware sound).
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "config_test_support.h"
#include "files.h"
#include "settings_store.h"

namespace {

class FirstDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = config_test::make_scratch_folder(L"defaults");
        copy_text(program_folder, TEXT_CAPACITY, folder_.c_str());
        memset(&game_settings, 0, sizeof game_settings);
    }
    void TearDown() override {
        config_test::remove_tree(folder_);
        program_folder[0] = 0;
    }
    void config_ini(const char* text) {
        if (text) config_test::write_text(folder_ + L"config.ini", text);
    }
    std::wstring folder_;
};

TEST_F(FirstDefaults, LanguageFromConfigIni) {
    const struct {
        const char* config;  // null: no config.ini
        uint32_t language;
    } cases[] = {
        {nullptr, 2},
        {"[SYSTEM]\r\nlanguage=0\r\n", 1},
        {"[SYSTEM]\r\nlanguage=1\r\n", 2},
        {"[SYSTEM]\r\n", 2},
        {"[OTHER]\r\nlanguage=0\r\n", 2},
        // A value that names no language gives Japanese, as a missing one does: one past the two
        // languages would choose no string table at all.
        {"[SYSTEM]\r\nlanguage=7\r\n", 2},
        {"[SYSTEM]\r\nlanguage=2\r\n", 2},
        {"[SYSTEM]\r\nlanguage=-2\r\n", 2},
        {"[SYSTEM]\r\nlanguage=abc\r\n", 2},
    };
    for (const auto& c : cases) {
        DeleteFileW((folder_ + L"config.ini").c_str());
        config_ini(c.config);
        memset(&game_settings, 0, sizeof game_settings);
        game_settings.language = 9;
        apply_setting_defaults();
        EXPECT_EQ(c.language, game_settings.language) << (c.config ? c.config : "no config.ini");
    }
}

TEST_F(FirstDefaults, ZeroFieldsGetTheirDefaultsAndOthersStay) {
    config_ini("[SYSTEM]\r\nlanguage=1\r\n");
    apply_setting_defaults();
    EXPECT_EQ(1u, game_settings.cursor_mode);
    EXPECT_EQ(1u, game_settings.smooth_camera);
    EXPECT_EQ(1u, game_settings.shadow_quality);
    EXPECT_EQ(2u, game_settings.strobe_light);
    EXPECT_EQ(2u, game_settings.radio_language);
    EXPECT_EQ(0x10001u, game_settings.scenery_word);
    EXPECT_EQ(0u, game_settings.bar_flags);
    EXPECT_EQ(0u, game_settings.omit_ground_service);
    EXPECT_EQ(0u, game_settings.fixed_menu_frame_rate);
    EXPECT_EQ(0u, game_settings.hide_button_tips);
    EXPECT_EQ(0u, game_settings.scenery_flags);

    game_settings.cursor_mode = 3;
    game_settings.smooth_camera = 2;
    game_settings.shadow_quality = 2;
    game_settings.strobe_light = 1;
    game_settings.radio_language = 1;
    apply_setting_defaults();
    EXPECT_EQ(3u, game_settings.cursor_mode);
    EXPECT_EQ(2u, game_settings.smooth_camera);
    EXPECT_EQ(2u, game_settings.shadow_quality);
    EXPECT_EQ(1u, game_settings.strobe_light);
    EXPECT_EQ(1u, game_settings.radio_language);  // Japanese interface keeps the English radio
}

TEST_F(FirstDefaults, EnglishInterfaceAlwaysGetsTheJapaneseRadio) {
    config_ini("[SYSTEM]\r\nlanguage=0\r\n");
    game_settings.radio_language = 1;
    apply_setting_defaults();
    EXPECT_EQ(1u, game_settings.language);
    EXPECT_EQ(2u, game_settings.radio_language);
}

TEST(SceneryWord, ValidPartsStayInvalidOnesAreReplaced) {
    const struct {
        uint32_t stored, result;
    } cases[] = {
        {0x00000000, 0x00010001}, {0x00030002, 0x00030002}, {0x00010000, 0x00010000},
        {0x00050002, 0x00020002}, {0x00030007, 0x00030001}, {0x12340005, 0x00020001},
        {0x10020001, 0x00020001}, {0x00000001, 0x00020001}, {0x00040003, 0x00020001},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, default_scenery_word(c.stored)) << std::hex << c.stored;
}

TEST(LateDefaults, ScreenRefreshAndSound) {
    struct Case {
        const char* name;
        uint32_t width, height, mode, refresh, sound_3d, master;
        uint32_t capability, monitor_refresh;
        uint32_t want_width, want_height, want_mode, want_refresh, want_sound, want_master, want_volume;
    };
    const Case cases[] = {
        {"all zero, hardware sound", 0, 0, 0, 0, 0, 37, 1, 75, 1024, 768, 1, 60, 1, 100, 80},
        {"all zero, software sound", 0, 0, 0, 0, 0, 37, 2, 60, 1024, 768, 1, 60, 2, 100, 80},
        {"all zero, no sound library", 0, 0, 0, 0, 0, 37, 0, 0, 1024, 768, 1, 0, 2, 100, 80},
        {"stored values stay", 1600, 1200, 2, 85, 2, 37, 1, 60, 1600, 1200, 2, 85, 2, 37, 33},
        {"hardware without hardware sound", 800, 600, 3, 60, 1, 37, 2, 60, 800, 600, 3, 60, 2, 37, 33},
        {"hardware with hardware sound", 800, 600, 3, 60, 1, 37, 1, 60, 800, 600, 3, 60, 1, 37, 33},
        // A stored size without a height is no size: the default as for a missing width.
        {"width without height", 1280, 0, 1, 60, 2, 37, 2, 60, 1024, 768, 1, 60, 2, 37, 33},
        {"height without width", 0, 600, 1, 60, 2, 37, 2, 60, 1024, 768, 1, 60, 2, 37, 33},
    };
    for (const Case& c : cases) {
        memset(&game_settings, 0, sizeof game_settings);
        game_settings.screen_width = c.width;
        game_settings.screen_height = c.height;
        game_settings.screen_mode = c.mode;
        game_settings.refresh_rate = c.refresh;
        game_settings.sound_3d = c.sound_3d;
        game_settings.master_volume = c.master;
        for (uint32_t& v : game_settings.volumes) v = 33;
        apply_late_setting_defaults(c.capability, c.monitor_refresh);
        EXPECT_EQ(c.want_width, game_settings.screen_width) << c.name;
        EXPECT_EQ(c.want_height, game_settings.screen_height) << c.name;
        EXPECT_EQ(c.want_mode, game_settings.screen_mode) << c.name;
        EXPECT_EQ(c.want_refresh, game_settings.refresh_rate) << c.name;
        EXPECT_EQ(c.want_sound, game_settings.sound_3d) << c.name;
        EXPECT_EQ(c.want_master, game_settings.master_volume) << c.name;
        for (uint32_t v : game_settings.volumes) EXPECT_EQ(c.want_volume, v) << c.name;
    }
}

}  // namespace
