// File reads and writes of the settings store with their Retry/Cancel boxes, seen through
// the message-box log.
#include <gtest/gtest.h>
#include <string>
#include "config_test_support.h"
#include "files.h"
#include "main_window.h"
#include "message_box.h"
#include "string_table.h"

namespace {

class FileErrors : public ::testing::Test {
 protected:
  void SetUp() override {
    program_instance = GetModuleHandleW(nullptr);
    set_string_offset(1);
    copy_text(warning_title, TEXT_CAPACITY, L"WARN");
    folder_ = config_test::make_scratch_folder(L"file_errors");
    log_ = folder_ + L"boxes.log";
    SetEnvironmentVariableW(L"TOVI_MESSAGE_LOG", log_.c_str());
    copy_text(program_folder, TEXT_CAPACITY, folder_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"TOVI_MESSAGE_LOG", nullptr);
    SetEnvironmentVariableW(L"TOVI_MESSAGE_ANSWERS", nullptr);
    config_test::remove_tree(folder_);
    program_folder[0] = 0;
  }
  std::string boxes() {
    std::vector<uint8_t> bytes = config_test::read_bytes(log_);
    return std::string(bytes.begin(), bytes.end());
  }
  std::wstring folder_;
  std::wstring log_;
};

std::string utf8(const std::wstring &text) {
  char out[1024];
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
  return n > 0 ? std::string(out) : std::string();
}

TEST_F(FileErrors, TextByErrorCode) {
  const struct {
    DWORD code;
    const char *text;
  } cases[] = {
      {2, "[ C:\\x.dat ] File not found. \\n Please reinstall."},
      {4, "File is not opened. \\n Please end other applications.\\n[ C:\\x.dat ]"},
      {8, "Out of memory. \\n Please end other applications.\\n[ C:\\x.dat ]"},
      {5, "Program Bug ( code = 5 ) \\n [ C:\\x.dat ]"},
  };
  std::string expected;
  for (const auto &c : cases) {
    EXPECT_EQ(0, show_file_error(c.code, L"C:\\x.dat", nullptr));
    expected += std::string("WARN\t") + c.text + "\tRETRYCANCEL\n";
  }
  // Backslashes of the path are doubled in the log, line feeds written as \n.
  std::string log = boxes();
  std::string unescaped;
  for (size_t i = 0; i < log.size(); ++i) {
    if (log[i] == '\\' && i + 1 < log.size() && log[i + 1] == '\\') ++i;
    unescaped += log[i];
  }
  EXPECT_EQ(expected, unescaped);
}

TEST_F(FileErrors, OverLongPathIsCutToTheMessageBuffer) {
  std::wstring path = L"C:\\" + std::wstring(600, L'p');
  message_buffer[TEXT_CAPACITY - 1] = L'#';
  show_file_error(2, path.c_str(), nullptr);
  EXPECT_EQ(TEXT_CAPACITY - 1, (int)wcslen(message_buffer));
}

TEST_F(FileErrors, ReadRetriesWhileTheUserPicksRetry) {
  SetEnvironmentVariableW(L"TOVI_MESSAGE_ANSWERS", L"RRC");
  uint8_t buffer[16];
  uint32_t count = 77;
  EXPECT_EQ(0, read_file(L"missing.dat", buffer, sizeof buffer, &count));
  EXPECT_EQ(77u, count);
  std::string log = boxes();
  size_t lines = 0;
  for (char c : log) lines += c == '\n';
  EXPECT_EQ(3u, lines);   // two Retry answers, then Cancel
  EXPECT_NE(std::string::npos, log.find("missing.dat ] File not found."));
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
  EXPECT_EQ(std::string(), boxes());

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
  std::string log = boxes();
  EXPECT_NE(std::string::npos, log.find("RETRYCANCEL")) << log;
  EXPECT_NE(std::string::npos, log.find(utf8(L"system.dat"))) << log;
}

}  // namespace
