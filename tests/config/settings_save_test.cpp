// save_settings with a per-user folder: a write that fails part-way keeps the old system.dat
// and its program-folder copy byte for byte and shows the file-error box; a normal save leaves
// no temporary file behind.
#include <gtest/gtest.h>
#include <string.h>
#include <algorithm>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "box_recorder.h"
#include "program_test_support.h"
#include "files.h"
#include "settings_store.h"

namespace {

using config_test::read_bytes;

// Writes stubbed to stop early: `writes_to_fail` writes fail, each in the way of the row.
enum FailWay { STOPS_SHORT, REPORTS_DISK_FULL };
FailWay fail_way;
int writes_to_fail;

BOOL WINAPI failing_write(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED) {
    if (writes_to_fail <= 0) return WriteFile(file, data, size, written, nullptr);
    --writes_to_fail;
    if (fail_way == REPORTS_DISK_FULL) {
        *written = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(file, data, size / 2, written, nullptr);  // half written, no error
}

class SettingsSave : public ::testing::Test {
protected:
    void SetUp() override {
        config_test::use_english_strings();
        game_ = config_test::make_scratch_folder(L"save_game");
        local_ = config_test::make_scratch_folder(L"save_local");
        user_ = local_ + L"Quellbright\\tovien_data\\";
        CreateDirectoryW((local_ + L"Quellbright").c_str(), nullptr);
        CreateDirectoryW(user_.c_str(), nullptr);
        // The platform gives the folder without a trailing backslash.
        local_override_ = new config_test::LocalFolderOverride(local_.substr(0, local_.size() - 1));
        copy_text(program_folder, TEXT_CAPACITY, game_.c_str());
        user_data_folder[0] = 0;
        user_data_folder_unfit = 0;
        for (uint32_t i = 0; i < 27; ++i) ((uint32_t*)&game_settings)[i] = 500 + i;
        mipmap_value = 1;
    }
    void TearDown() override {
        delete local_override_;
        file_write_routine = WriteFile;
        writes_to_fail = 0;
        user_data_folder[0] = 0;
        program_folder[0] = 0;
        config_test::remove_tree(game_);
        config_test::remove_tree(local_);
    }
    std::wstring game_, local_, user_;
    config_test::LocalFolderOverride* local_override_;
};

TEST_F(SettingsSave, NormalSaveWritesBothFoldersAndLeavesNoTemporaryFile) {
    config_test::write_text(user_ + L"kvrn.ini", "[VIDEO]\r\nmipmap=0\r\n[OTHER]\r\nkeep=5\r\n");
    // What a save broken off by a crash may have left, even made read-only.
    config_test::write_text(user_ + L"system.dat.tmp", "half");
    SetFileAttributesW((user_ + L"system.dat.tmp").c_str(), FILE_ATTRIBUTE_READONLY);
    config_test::write_text(game_ + L"kvrn.ini.tmp", "half");
    BoxRecorder recorder;
    save_settings();
    EXPECT_TRUE(recorder.boxes.empty());
    std::vector<uint8_t> image = config_test::settings_image((const uint32_t*)&game_settings);
    EXPECT_EQ(image, read_bytes(user_ + L"system.dat"));
    EXPECT_EQ(image, read_bytes(game_ + L"system.dat"));
    for (const std::wstring& folder : {user_, game_}) {
        std::wstring ini = folder + L"kvrn.ini";
        EXPECT_EQ(1u, GetPrivateProfileIntW(L"VIDEO", L"mipmap", 7, ini.c_str()));
        EXPECT_EQ(5u, GetPrivateProfileIntW(L"OTHER", L"keep", 7, ini.c_str()));
        std::vector<std::wstring> names = config_test::files_in(folder);
        std::sort(names.begin(), names.end());
        EXPECT_EQ((std::vector<std::wstring>{L"kvrn.ini", L"system.dat"}), names);
    }
}

// Each row: how the write fails, how often, the user's answers, and what the box says.
TEST_F(SettingsSave, FailedWriteKeepsTheOldFilesAndShowsTheFileErrorBox) {
    const struct {
        const char* row;
        FailWay way;
        int failures;
        const char* answers;
        size_t boxes;
        bool saved;  // a Retry that then succeeded
    } cases[] = {
        {"short write, Cancel", STOPS_SHORT, 1, "C", 1, false},
        {"disk full, Retry, Cancel", REPORTS_DISK_FULL, 5, "RC", 2, false},
        {"short write, Retry succeeds", STOPS_SHORT, 1, "R", 1, true},
    };
    const std::vector<uint8_t> old_user(140, 0x11), old_mirror(140, 0x22);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        config_test::write_bytes(user_ + L"system.dat", old_user.data(), old_user.size());
        config_test::write_bytes(game_ + L"system.dat", old_mirror.data(), old_mirror.size());
        file_write_routine = failing_write;
        fail_way = c.way;
        writes_to_fail = c.failures;
        BoxRecorder recorder;
        recorder.script = c.answers;
        save_settings();

        std::vector<uint8_t> image = config_test::settings_image((const uint32_t*)&game_settings);
        EXPECT_EQ(c.saved ? image : old_user, read_bytes(user_ + L"system.dat"));
        EXPECT_EQ(c.saved ? image : old_mirror, read_bytes(game_ + L"system.dat"));
        ASSERT_EQ(c.boxes, recorder.boxes.size());
        // A write that stops short without an error counts as a full disk.
        std::wstring expected = L"Program Bug ( code = 112 ) \n [ " + user_ + L"system.dat ]";
        for (const driver::SeenBox& box : recorder.boxes) {
            EXPECT_EQ("WARN", box.caption);
            EXPECT_EQ(expected, config_test::wide(box.text));
            EXPECT_EQ("RC", box.buttons);
        }
        for (const std::wstring& folder : {user_, game_})
            for (const std::wstring& name : config_test::files_in(folder))
                EXPECT_EQ(std::wstring::npos, name.find(L".tmp")) << "left behind: " << folder << name;
    }
}

TEST_F(SettingsSave, ReadOnlyTargetsKeepTheirBytesAndAreReported) {
    const std::vector<uint8_t> old_user(140, 0x33), old_mirror(140, 0x44);
    const char old_ini[] = "[VIDEO]\r\nmipmap=0\r\n";
    config_test::write_bytes(user_ + L"system.dat", old_user.data(), old_user.size());
    config_test::write_bytes(game_ + L"system.dat", old_mirror.data(), old_mirror.size());
    config_test::write_text(user_ + L"kvrn.ini", old_ini);
    config_test::write_text(game_ + L"kvrn.ini", old_ini);
    SetFileAttributesW((user_ + L"system.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((user_ + L"kvrn.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    BoxRecorder recorder;
    save_settings();

    EXPECT_EQ(old_user, read_bytes(user_ + L"system.dat"));
    EXPECT_EQ(old_mirror, read_bytes(game_ + L"system.dat"));
    std::vector<uint8_t> ini(old_ini, old_ini + strlen(old_ini));
    EXPECT_EQ(ini, read_bytes(user_ + L"kvrn.ini"));
    EXPECT_EQ(ini, read_bytes(game_ + L"kvrn.ini"));
    ASSERT_EQ(2u, recorder.boxes.size());
    EXPECT_NE(std::wstring::npos, config_test::wide(recorder.boxes[0].text).find(L"[ " + user_ + L"system.dat ]"));
    EXPECT_NE(std::wstring::npos, config_test::wide(recorder.boxes[1].text).find(L"[ " + user_ + L"kvrn.ini ]"));
    for (const std::wstring& folder : {user_, game_}) EXPECT_EQ(2u, config_test::files_in(folder).size());
    SetFileAttributesW((user_ + L"system.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW((user_ + L"kvrn.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
