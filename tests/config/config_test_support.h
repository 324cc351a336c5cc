// Helpers of the configuration program's tests: scratch folders, whole-file reads and
// writes, and runs of a program with a time limit.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <string>
#include <vector>

namespace config_test {

// A fresh empty folder below the system's temporary folder, ending in a backslash.
std::wstring make_scratch_folder(const wchar_t *tag);
// Deletes a folder and everything below it; links (reparse points) are removed, not followed.
void remove_tree(const std::wstring &folder);
// Under Wine: the Unix name of a path, quoted for a command line (empty elsewhere), and a run
// of a Unix program, which Wine starts like any other (its exit code is not reliable there).
std::wstring unix_path(const std::wstring &path);
int run_unix_command(const wchar_t *program, const std::wstring &arguments);
bool write_bytes(const std::wstring &path, const void *data, size_t size);
bool write_text(const std::wstring &path, const char *text);
std::vector<uint8_t> read_bytes(const std::wstring &path);
bool file_exists(const std::wstring &path);
// The names of the files (not folders) in a folder given with a trailing backslash.
std::vector<std::wstring> files_in(const std::wstring &folder);

// Starts program with arguments in folder; false when it did not start.
bool start_program(const std::wstring &program, const std::wstring &arguments,
                   const std::wstring &folder, PROCESS_INFORMATION *process);

// Waits for a started program; returns its exit code, or -1 when it did not end within
// timeout_ms (then it is ended).
int finish_program(PROCESS_INFORMATION *process, DWORD timeout_ms);

// Both: the exit code, or -1 when it did not start or did not end in time.
int run_program(const std::wstring &program, const std::wstring &arguments,
                const std::wstring &folder, DWORD timeout_ms);

// Bytes placed at the very end of a readable page, followed by a page that cannot be read:
// any read past the last byte faults at once. place() puts other bytes there.
class GuardedBytes {
 public:
  explicit GuardedBytes(const std::vector<uint8_t> &bytes = {});
  ~GuardedBytes();
  void place(const uint8_t *bytes, size_t size);
  const uint8_t *data() const { return data_; }
  uint32_t size() const { return size_; }

 private:
  uint8_t *page_;
  uint8_t *data_;
  uint32_t size_;
};

// The system.dat image of 27 field values, chunks in the written order.
std::vector<uint8_t> settings_image(const uint32_t fields[27]);

}  // namespace config_test
