// load_settings and save_settings in a program folder without a per-user folder: the round
// trip through system.dat and kvrn.ini, and folders too long for a path.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "box_recorder.h"
#include "config_test_support.h"
#include "files.h"
#include "main_window.h"
#include "settings_store.h"
#include "string_table.h"

namespace {

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        program_instance = GetModuleHandleW(nullptr);
        set_string_offset(1);
        folder_ = config_test::make_scratch_folder(L"settings_files");
        copy_text(program_folder, TEXT_CAPACITY, folder_.c_str());
    }
    void TearDown() override {
        config_test::remove_tree(folder_);
        program_folder[0] = 0;
    }
    std::wstring folder_;
    BoxRecorder boxes_;
};

TEST_F(SettingsFiles, SaveThenLoadGivesTheSameRecord) {
    uint32_t values[27];
    for (uint32_t i = 0; i < 27; ++i) values[i] = 1000 + i;
    memcpy(&game_settings, values, sizeof values);
    mipmap_value = 1;
    save_settings();
    EXPECT_EQ(config_test::settings_image(values), config_test::read_bytes(folder_ + L"system.dat"));
    EXPECT_EQ(1u, GetPrivateProfileIntW(L"VIDEO", L"mipmap", 7, (folder_ + L"kvrn.ini").c_str()));

    memset(&game_settings, 0xAB, sizeof game_settings);
    mipmap_value = 5;
    load_settings();
    read_mipmap_setting();
    EXPECT_EQ(0, memcmp(values, &game_settings, sizeof values));
    EXPECT_EQ(1, mipmap_value);
    EXPECT_STREQ(L"", user_data_folder);
    EXPECT_TRUE(boxes_.boxes.empty()) << ::testing::PrintToString(boxes_.boxes);
}

TEST_F(SettingsFiles, MissingFilesLoadAsZero) {
    memset(&game_settings, 0xAB, sizeof game_settings);
    mipmap_value = 5;
    load_settings();
    read_mipmap_setting();
    const uint32_t* fields = (const uint32_t*)&game_settings;
    for (int i = 0; i < 27; ++i) EXPECT_EQ(0u, fields[i]) << "field " << i;
    EXPECT_EQ(0, mipmap_value);
}

// Reading finds nothing; the save writes nothing and shows the file-error box for each file.
TEST_F(SettingsFiles, ProgramFolderTooLongForAPathTouchesNoFile) {
    std::wstring deep = folder_ + std::wstring(TEXT_CAPACITY - folder_.size() - 4, L'd') + L"\\";
    copy_text(program_folder, TEXT_CAPACITY, deep.c_str());
    ASSERT_EQ(deep.size(), wcslen(program_folder));
    memset(&game_settings, 0xAB, sizeof game_settings);
    load_settings();
    EXPECT_EQ(0u, game_settings.language);
    read_mipmap_setting();
    EXPECT_EQ(0, mipmap_value);
    EXPECT_EQ(2u, read_language_setting());
    EXPECT_TRUE(boxes_.boxes.empty()) << ::testing::PrintToString(boxes_.boxes);
    save_settings();
    ASSERT_EQ(2u, boxes_.boxes.size());
    EXPECT_NE(std::string::npos, boxes_.boxes[0].text.find("Program Bug ( code = 206 )"));
    EXPECT_NE(std::string::npos, boxes_.boxes[1].text.find("Program Bug ( code = 206 )"));
    EXPECT_TRUE(config_test::files_in(folder_).empty());
}

}  // namespace
