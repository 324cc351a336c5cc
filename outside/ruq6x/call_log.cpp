// The sound library's call log, a text file named by RUQ6X_LOG that tests read back.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "ruq6x_state.h"

void log_call(const char *format, ...) {
  wchar_t path[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(L"RUQ6X_LOG", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  char line[1024];
  va_list arguments;
  va_start(arguments, format);
  int written = vsnprintf(line, sizeof line - 1, format, arguments);
  va_end(arguments);
  if (written < 0) return;
  line[sizeof line - 2] = 0;
  size_t used = strlen(line);
  line[used++] = '\n';
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD done = 0;
  WriteFile(file, line, (DWORD)used, &done, nullptr);
  CloseHandle(file);
}
