// Paths at the edge of their 256-character buffers and on network shares: what the user sees
// (the box, or the path the program uses), one row a case.
#include <gtest/gtest.h>
#include <string.h>
#include <functional>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "box_recorder.h"
#include "program_test_support.h"
#include "files.h"
#include "settings_store.h"

namespace {

// What one row leaves for the user: the folder or path the program went on with, and the boxes.
struct Outcome {
    std::wstring path;
    std::vector<std::wstring> boxes;
};

std::vector<std::wstring> wide_texts(const BoxRecorder& recorder) {
    std::vector<std::wstring> texts;
    for (const driver::SeenBox& box : recorder.boxes) texts.push_back(config_test::wide(box.text));
    return texts;
}

// The file-error box text as the 256-character message buffer holds it.
std::wstring file_error_text(DWORD code, const std::wstring& path) {
    std::wstring text = L"Program Bug ( code = " + std::to_wstring(code) + L" ) \n [ " + path + L" ]";
    return text.substr(0, TEXT_CAPACITY - 1);
}

// The path a file-error box names, between "[ " and " ]".
std::wstring boxed_path(const std::wstring& text) {
    size_t open = text.find(L"[ "), close = text.rfind(L" ]");
    return open == std::wstring::npos || close == std::wstring::npos ? L"" : text.substr(open + 2, close - open - 2);
}

class PathLimits : public ::testing::Test {
protected:
    void SetUp() override {
        config_test::use_english_strings();
        scratch_ = config_test::make_scratch_folder(L"paths");
    }
    void TearDown() override {
        user_data_folder[0] = 0;
        user_data_folder_unfit = 0;
        program_folder[0] = 0;
        config_test::remove_tree(scratch_);
    }
    std::wstring scratch_;
};

TEST_F(PathLimits, WhatTheUserSeesForLongAndNetworkFolders) {
    const std::wstring game = scratch_ + L"game\\";
    CreateDirectoryW(game.c_str(), nullptr);
    // A per-user folder of 250 characters: it exists, but "system.dat" does not fit after it.
    std::wstring local = scratch_ + std::wstring(250 - 25 - scratch_.size(), L'l');
    std::wstring user = local + L"\\Quellbright\\tovien_data\\";
    const std::wstring fitting_folder = L"C:\\" + std::wstring(TEXT_CAPACITY - 5, L'f') + L"\\";
    const std::wstring share = L"\\\\server\\share\\game\\";

    const struct {
        const char* row;
        std::function<Outcome()> run;
        Outcome expected;
    } cases[] = {
        {"per-user folder too long: nothing read or written elsewhere, the save reports both files",
         [&] {
             uint32_t fields[27] = {};
             fields[2] = 7;
             std::vector<uint8_t> stored = config_test::settings_image(fields);
             config_test::write_bytes(game + L"system.dat", stored.data(), stored.size());
             copy_text(program_folder, TEXT_CAPACITY, game.c_str());
             config_test::LocalFolderOverride local_override(local);
             BoxRecorder recorder;
             load_settings();
             EXPECT_EQ(0u, game_settings.language);  // the program folder's file is not read instead
             EXPECT_STREQ(L"", user_data_folder);
             save_settings();
             EXPECT_EQ(stored, config_test::read_bytes(game + L"system.dat"));
             EXPECT_FALSE(config_test::file_exists(game + L"kvrn.ini"));
             EXPECT_FALSE(config_test::file_exists(L"\\\\?\\" + user + L"system.dat"));
             return Outcome{user_data_folder, wide_texts(recorder)};
         },
         {L"",
          {file_error_text(ERROR_FILENAME_EXCED_RANGE, user + L"system.dat"),
           file_error_text(ERROR_FILENAME_EXCED_RANGE, user + L"kvrn.ini")}}},
        {"program folder too long: the program says so and has no folder",
         [&] {
             BoxRecorder recorder;
             EXPECT_EQ(0, take_program_folder((L"C:\\" + std::wstring(300, L'g') + L"\\TOVICONFIG.exe").c_str()));
             EXPECT_EQ(1u, recorder.boxes.size());
             if (!recorder.boxes.empty()) {
                 EXPECT_EQ("O", recorder.boxes[0].buttons);
                 EXPECT_EQ("Tovimark Tower3 WARNING", recorder.boxes[0].caption);
             }
             std::vector<std::wstring> first_lines;
             for (const std::wstring& text : wide_texts(recorder))
                 first_lines.push_back(text.substr(0, text.find(L'\n')));
             return Outcome{program_folder, first_lines};
         },
         {L"", {L"The game folder's path is too long for this program."}}},
        {"longest program folder that fits is taken as it is",
         [&] {
             BoxRecorder recorder;
             EXPECT_EQ(1, take_program_folder((fitting_folder + L"TOVICONFIG.exe").c_str()));
             return Outcome{program_folder, wide_texts(recorder)};
         },
         {fitting_folder, {}}},
        {"network share: the folder as it is, file names not prefixed a second time",
         [&] {
             BoxRecorder recorder;
             EXPECT_EQ(1, take_program_folder((share + L"TOVICONFIG.exe").c_str()));
             EXPECT_EQ(share, std::wstring(program_folder));
             uint8_t buffer[16];
             EXPECT_EQ(0, read_file((share + L"system.dat").c_str(), buffer, sizeof buffer, nullptr));
             EXPECT_EQ(0, read_file(L"system.dat", buffer, sizeof buffer, nullptr));
             std::vector<std::wstring> paths;
             for (const std::wstring& text : wide_texts(recorder)) paths.push_back(boxed_path(text));
             return Outcome{program_folder, paths};
         },
         {share, {share + L"system.dat", share + L"system.dat"}}},
    };
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + local).c_str(), nullptr));
    CreateDirectoryW((L"\\\\?\\" + local + L"\\Quellbright").c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + user).c_str(), nullptr));
    ASSERT_EQ(250u, user.size());

    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        Outcome outcome = c.run();
        EXPECT_EQ(c.expected.path, outcome.path);
        EXPECT_EQ(c.expected.boxes, outcome.boxes);
    }
}

TEST(AbsolutePath, DriveOrNetworkShare) {
    const struct {
        const wchar_t* path;
        int absolute;
    } cases[] = {
        {L"C:\\Games\\system.dat", 1},
        {L"\\\\server\\share\\system.dat", 1},
        {L"system.dat", 0},
        {L"common\\bgm", 0},
        {L"\\system.dat", 0},
        {L"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.absolute, is_absolute_path(c.path)) << c.path;
}

}  // namespace
