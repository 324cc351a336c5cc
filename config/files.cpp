// The program folder, path splitting and the settings-file reads and writes with their
// Retry/Cancel boxes.
#include "files.h"
#include "main_window.h"
#include "message_box.h"
#include "string_table.h"
#include <wchar.h>

wchar_t program_folder[TEXT_CAPACITY];

void split_path(const wchar_t *path, wchar_t *drive, wchar_t *folder) {
  if (drive) drive[0] = 0;
  if (folder) folder[0] = 0;
  const wchar_t *colon = wcsrchr(path, L':');
  const wchar_t *rest = colon ? colon + 1 : path;
  if (drive && colon) {
    int length = (int)(rest - path);
    if (length < TEXT_CAPACITY) {
      wmemcpy(drive, path, (size_t)length);
      drive[length] = 0;
    }
  }
  const wchar_t *slash = wcsrchr(rest, L'\\');
  if (folder && slash) {
    int length = (int)(slash + 1 - rest);
    if (length < TEXT_CAPACITY) {
      wmemcpy(folder, rest, (size_t)length);
      folder[length] = 0;
    }
  }
}

void get_program_folder(HINSTANCE instance) {
  static wchar_t module_path[32768];
  wchar_t drive[TEXT_CAPACITY];
  wchar_t folder[TEXT_CAPACITY];
  program_folder[0] = 0;
  DWORD length = GetModuleFileNameW(instance, module_path, 32768);
  if (length == 0 || length >= 32768) return;
  split_path(module_path, drive, folder);
  // A folder that does not fit leaves the program folder empty rather than cut to another path.
  const wchar_t *slash = wcsrchr(module_path, L'\\');
  size_t expected = slash ? (size_t)(slash + 1 - module_path) : 0;
  if (wcslen(drive) + wcslen(folder) != expected ||
      !join_path(program_folder, TEXT_CAPACITY, drive, folder))
    program_folder[0] = 0;
}

int show_file_error(DWORD error_code, const wchar_t *path, HWND owner) {
  wchar_t format[TEXT_CAPACITY];
  switch (error_code) {
    case ERROR_FILE_NOT_FOUND:
      load_text(900, format, TEXT_CAPACITY);
      format_text(message_buffer, TEXT_CAPACITY, format, path);
      break;
    case ERROR_TOO_MANY_OPEN_FILES:
      load_text(901, format, TEXT_CAPACITY);
      format_text(message_buffer, TEXT_CAPACITY, format, path);
      break;
    case ERROR_NOT_ENOUGH_MEMORY:
      load_text(902, format, TEXT_CAPACITY);
      format_text(message_buffer, TEXT_CAPACITY, format, path);
      break;
    default:
      load_text(903, format, TEXT_CAPACITY);
      format_text(message_buffer, TEXT_CAPACITY, format, (int)error_code, path);
      break;
  }
  return show_message_box(owner, message_buffer, warning_title, MB_RETRYCANCEL) == IDRETRY;
}

int get_file_size(const wchar_t *path, uint32_t *size) {
  HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *size = 0;
    return 0;
  }
  *size = GetFileSize(file, nullptr);
  CloseHandle(file);
  return 1;
}

namespace {

// A name with a drive part is used as it is; any other is taken below the program folder.
// 0 when the full name does not fit.
int full_file_name(const wchar_t *name, wchar_t out[TEXT_CAPACITY]) {
  wchar_t drive[TEXT_CAPACITY];
  split_path(name, drive, nullptr);
  if (drive[0]) return join_path(out, TEXT_CAPACITY, L"", name);
  return join_path(out, TEXT_CAPACITY, program_folder, name);
}

// Opens the file, offering Retry and Cancel on failure; INVALID_HANDLE_VALUE after Cancel.
HANDLE open_with_retry(const wchar_t *name, DWORD access, DWORD share, DWORD disposition) {
  wchar_t path[TEXT_CAPACITY];
  if (!full_file_name(name, path)) {
    show_file_error(ERROR_FILENAME_EXCED_RANGE, name, main_window);
    return INVALID_HANDLE_VALUE;
  }
  for (;;) {
    HANDLE file = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    if (!show_file_error(GetLastError(), path, main_window)) return INVALID_HANDLE_VALUE;
  }
}

}  // namespace

int read_file(const wchar_t *name, void *buffer, uint32_t size, uint32_t *count) {
  HANDLE file = open_with_retry(name, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD got = 0;
  if (!ReadFile(file, buffer, size, &got, nullptr)) got = 0;
  if (count) *count = got;
  CloseHandle(file);
  return 1;
}

int write_record_file(const wchar_t *name, const void *buffer) {
  HANDLE file = open_with_retry(name, GENERIC_WRITE, FILE_SHARE_WRITE, CREATE_ALWAYS);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD written = 0;
  WriteFile(file, buffer, 140, &written, nullptr);
  CloseHandle(file);
  return 1;
}
