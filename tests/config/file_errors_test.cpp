// File reads and writes of the settings store with their Retry/Cancel boxes, answered by a
// recorder in place of the program's box routine.
#include <gtest/gtest.h>
#include <string>
#include "box_recorder.h"
#include "config_test_support.h"
#include "files.h"
#include "main_window.h"
#include "string_table.h"

namespace {

class FileErrors : public ::testing::Test {
protected:
    void SetUp() override {
        program_instance = GetModuleHandleW(nullptr);
        set_string_offset(1);
        copy_text(warning_title, TEXT_CAPACITY, L"WARN");
        folder_ = config_test::make_scratch_folder(L"file_errors");
        copy_text(program_folder, TEXT_CAPACITY, folder_.c_str());
    }
    void TearDown() override {
        config_test::remove_tree(folder_);
        program_folder[0] = 0;
    }
    std::wstring folder_;
    BoxRecorder boxes_;
};

TEST_F(FileErrors, TextByErrorCode) {
    const struct {
        DWORD code;
        const char* text;
    } cases[] = {
        {2, "[ C:\\x.dat ] File not found. \n Please reinstall."},
        {4, "File is not opened. \n Please end other applications.\n[ C:\\x.dat ]"},
        {8, "Out of memory. \n Please end other applications.\n[ C:\\x.dat ]"},
        {5, "Program Bug ( code = 5 ) \n [ C:\\x.dat ]"},
    };
    std::vector<driver::SeenBox> expected;
    for (const auto& c : cases) {
        EXPECT_EQ(0, show_file_error(c.code, L"C:\\x.dat", nullptr));
        expected.push_back({"WARN", c.text, "RC"});
    }
    EXPECT_EQ(expected, boxes_.boxes);
}

TEST_F(FileErrors, OverLongPathIsCutToTheMessageBuffer) {
    std::wstring path = L"C:\\" + std::wstring(600, L'p');
    message_buffer[TEXT_CAPACITY - 1] = L'#';
    show_file_error(2, path.c_str(), nullptr);
    EXPECT_EQ(TEXT_CAPACITY - 1, (int)wcslen(message_buffer));
}

TEST_F(FileErrors, ReadRetriesWhileTheUserPicksRetry) {
    boxes_.script = "RRC";
    uint8_t buffer[16];
    uint32_t count = 77;
    EXPECT_EQ(0, read_file(L"missing.dat", buffer, sizeof buffer, &count));
    EXPECT_EQ(77u, count);
    ASSERT_EQ(3u, boxes_.boxes.size());  // two Retry answers, then Cancel
    for (const driver::SeenBox& box : boxes_.boxes)
        EXPECT_NE(std::string::npos, box.text.find("missing.dat ] File not found.")) << box;
}

TEST_F(FileErrors, ReadBelowTheProgramFolderAndWriteExactly140Bytes) {
    config_test::write_text(folder_ + L"some.dat", "abcdef");
    uint8_t buffer[16] = {};
    uint32_t count = 0;
    EXPECT_EQ(1, read_file(L"some.dat", buffer, sizeof buffer, &count));
    EXPECT_EQ(6u, count);
    EXPECT_EQ(0, memcmp(buffer, "abcdef", 6));

    uint8_t image[200];
    for (int i = 0; i < 200; ++i) image[i] = (uint8_t)i;
    EXPECT_EQ(1, write_record_file((folder_ + L"out.dat").c_str(), image));
    std::vector<uint8_t> written = config_test::read_bytes(folder_ + L"out.dat");
    ASSERT_EQ(140u, written.size());
    EXPECT_EQ(139, written[139]);
    EXPECT_TRUE(boxes_.boxes.empty());

    uint32_t size = 5;
    EXPECT_EQ(0, get_file_size((folder_ + L"none.dat").c_str(), &size));
    EXPECT_EQ(0u, size);
    EXPECT_EQ(1, get_file_size((folder_ + L"out.dat").c_str(), &size));
    EXPECT_EQ(140u, size);
}

TEST_F(FileErrors, WriteIntoAMissingFolderOffersRetryThenGivesUp) {
    uint8_t image[140] = {};
    std::wstring path = folder_ + L"no\\such\\system.dat";
    EXPECT_EQ(0, write_record_file(path.c_str(), image));
    ASSERT_FALSE(boxes_.boxes.empty());
    EXPECT_EQ("RC", boxes_.boxes[0].buttons);
    EXPECT_NE(std::string::npos, boxes_.boxes[0].text.find("system.dat")) << boxes_.boxes[0];
}

}  // namespace
