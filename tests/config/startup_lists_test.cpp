// The first background-music file, file extensions and the engine test sound by packages.
#include <gtest/gtest.h>
#include <string>
#include "config_test_support.h"
#include "files.h"
#include "libraries.h"
#include "program_state.h"
#include "settings_store.h"
#include "startup_lists.h"

namespace {

TEST(Extension, FromTheLastDotUnlessThereIsNone) {
    const struct {
        const wchar_t* name;
        int has;
        const wchar_t* extension;
    } cases[] = {
        {L"AIRPORT.PRD", 1, L".PRD"}, {L"airport.prd.bak", 1, L".bak"}, {L"noextension", 0, L""},
        {L".hidden", 0, L""},         {L"a.123456789012345", 0, L""},   {L"a.12345678901234", 1, L".12345678901234"},
    };
    for (const auto& c : cases) {
        wchar_t extension[16] = L"poison";
        EXPECT_EQ(c.has, get_extension(c.name, extension));
        EXPECT_STREQ(c.extension, extension);
    }
}

TEST(FirstBgm, SkipsClearAndGameOverAndFindsFilesBelow) {
    std::wstring bgm = config_test::make_scratch_folder(L"bgm");
    config_test::write_text(bgm + L"CLEAR.WAV", "x");
    config_test::write_text(bgm + L"gameover.wav", "x");
    config_test::write_text(bgm + L"notes.txt", "x");
    CreateDirectoryW((bgm + L"deeper").c_str(), nullptr);
    config_test::write_text(bgm + L"deeper\\title.wav", "x");
    wchar_t name[TEXT_CAPACITY] = L"";
    find_first_bgm(name, bgm.c_str());
    EXPECT_STREQ(L"title.wav", name);

    wchar_t none[TEXT_CAPACITY] = L"";
    find_first_bgm(none, (bgm + L"missing").c_str());
    EXPECT_STREQ(L"", none);
    config_test::remove_tree(bgm);
}

TEST(EngineTestSound, ByPackagesAndLanguage) {
    const struct {
        uint32_t packages, language;
        const wchar_t* display_name;
        const wchar_t* sound;
    } cases[] = {
        {0, 2, nullptr, L""},
        {1, 2, L"北浜国際空港", L"acplug02_engine.wav"},
        {1, 1, L"Kitahama International Airport", L"config_engine.wav"},
        {1, 2, L"みなとヘリポート", L"config_engine.wav"},
        {2, 2, L"北浜国際空港", L"config_engine.wav"},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.sound, choose_engine_test_sound(c.packages, c.language, c.display_name));
}

// The lists of a start without the 3D engine: the dialog font of the interface language, the
// first music file below the program folder, no engine test sound without packages.
TEST(StartupLists, FontByLanguageAndFirstMusicFileOfTheProgramFolder) {
    std::wstring game = config_test::make_scratch_folder(L"lists");
    CreateDirectoryW((game + L"common").c_str(), nullptr);
    CreateDirectoryW((game + L"common\\bgm").c_str(), nullptr);
    config_test::write_text(game + L"common\\bgm\\title.wav", "x");
    copy_text(program_folder, TEXT_CAPACITY, game.c_str());
    engine_available = 0;
    const struct {
        uint32_t language;
        BYTE charset;
    } cases[] = {{1, DEFAULT_CHARSET}, {2, SHIFTJIS_CHARSET}};
    for (const auto& c : cases) {
        game_settings.language = c.language;
        copy_text(engine_test_sound_name, TEXT_CAPACITY, L"poison");
        load_startup_lists();
        LOGFONTW font;
        ASSERT_EQ((int)sizeof font, GetObjectW(dialog_font, sizeof font, &font)) << c.language;
        EXPECT_EQ(12, font.lfHeight);
        EXPECT_EQ(0, font.lfWidth);
        EXPECT_EQ(FW_NORMAL, font.lfWeight);
        EXPECT_EQ(c.charset, font.lfCharSet) << c.language;
        EXPECT_EQ(PROOF_QUALITY, font.lfQuality);
        EXPECT_EQ(FIXED_PITCH | FF_MODERN, font.lfPitchAndFamily);
        EXPECT_STREQ(L"ＭＳ ゴシック", font.lfFaceName);
        EXPECT_STREQ(L"title.wav", first_bgm_name);
        EXPECT_STREQ(L"", engine_test_sound_name);
        EXPECT_GE(resolution_count, 1u);  // from the display adapters, at least the default entry
        free_startup_lists();
        EXPECT_TRUE(dialog_font == nullptr && resolution_list == nullptr);
    }
    game_settings.language = 0;
    program_folder[0] = 0;
    config_test::remove_tree(game);
}

}  // namespace
