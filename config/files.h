// Program folder, path splitting, settings-file reads and writes, number and text helpers.
#pragma once
#include <windows.h>
#include <stdint.h>
#include "program_state.h"

extern wchar_t program_folder[TEXT_CAPACITY];   // drive and folder of the program, trailing backslash

void get_program_folder(HINSTANCE instance);
// Drive: up to and including the last ':'; folder: after it up to and including the last '\'.
// Either output may be null; each holds TEXT_CAPACITY characters and starts empty.
void split_path(const wchar_t *path, wchar_t *drive, wchar_t *folder);
// The file-error box for a Windows error code and a path: 1 when the user chose Retry.
int show_file_error(DWORD error_code, const wchar_t *path, HWND owner);
int get_file_size(const wchar_t *path, uint32_t *size);
// Reads up to size bytes; a name without a drive is taken below program_folder. 0 on Cancel.
int read_file(const wchar_t *name, void *buffer, uint32_t size, uint32_t *count);
// Writes the 140-byte settings image; a name without a drive is taken below program_folder.
int write_record_file(const wchar_t *name, const void *buffer);
// Removes leading spaces in place unless the text holds spaces only.
void copy_trim_leading_blanks(wchar_t *text);
int32_t parse_decimal(const wchar_t *text);
// Thousands-separated decimal text into out (TEXT_CAPACITY characters).
void format_thousands(uint32_t value, wchar_t *out);
void format_thousands64(uint64_t value, wchar_t *out);
// Bounded copy and append of a text into a buffer of the given capacity (always terminated).
void copy_text(wchar_t *out, int capacity, const wchar_t *text);
void append_text(wchar_t *out, int capacity, const wchar_t *text);
// folder + name into out when it fits (1); otherwise out is empty and the result 0.
int join_path(wchar_t *out, int capacity, const wchar_t *folder, const wchar_t *name);
// printf-style format into out, cut to capacity and always terminated; %s takes a wide text.
void format_text(wchar_t *out, int capacity, const wchar_t *format, ...);
