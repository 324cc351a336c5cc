#include "stand_in_log.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>
#include <windows.h>

void append_log_line(const wchar_t* variable, const char* format, va_list arguments) {
    wchar_t path[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(variable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    char line[1024];
    int written = vsnprintf(line, sizeof line - 1, format, arguments);
    if (written < 0) return;
    line[sizeof line - 2] = 0;
    size_t used = strlen(line);
    line[used++] = '\n';
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD done = 0;
    WriteFile(file, line, static_cast<DWORD>(used), &done, nullptr);
    CloseHandle(file);
}

int32_t environment_number(const wchar_t* name, int32_t fallback) {
    wchar_t text[16];
    DWORD length = GetEnvironmentVariableW(name, text, 16);
    if (length == 0 || length >= 16) return fallback;
    wchar_t* end = nullptr;
    long value = wcstol(text, &end, 10);
    return end != text && *end == 0 ? static_cast<int32_t>(value) : fallback;
}
