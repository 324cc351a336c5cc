// Program folder, path splitting, settings-file reads and writes, number and text helpers.
#pragma once
#include <windows.h>
#include <stdint.h>
#include "program_state.h"

extern wchar_t program_folder[TEXT_CAPACITY];  // drive and folder of the program, trailing backslash

// Sets program_folder from the program file's full name. A folder that does not fit stays
// empty: a box says so and the result is 0, and the program must then end.
int take_program_folder(const wchar_t* module_path);
int get_program_folder(HINSTANCE instance);
// Drive: up to and including the last ':'; folder: after it up to and including the last '\'.
// Either output may be null; each holds TEXT_CAPACITY characters and starts empty.
void split_path(const wchar_t* path, wchar_t* drive, wchar_t* folder);
// 1 for a path with a drive part or on a network share (\\server\share\...).
int is_absolute_path(const wchar_t* path);
// The file-error box for a Windows error code and a path: 1 when the user chose Retry.
int show_file_error(DWORD error_code, const wchar_t* path, HWND owner);
// The file-error box for a folder and file name whose path does not fit its buffer; 0.
int report_unfit_path(const wchar_t* folder, const wchar_t* name);
int get_file_size(const wchar_t* path, uint32_t* size);
// Reads up to size bytes; a name that is not absolute is taken below program_folder. 0 on Cancel.
int read_file(const wchar_t* name, void* buffer, uint32_t size, uint32_t* count);
// Writes the 140-byte settings image; a name that is not absolute is taken below program_folder.
// The image goes to a file beside it that replaces the old one only once all of it is written,
// so a failed write leaves the old file as it was. Failures offer Retry and Cancel; 0 on Cancel.
int write_record_file(const wchar_t* name, const void* buffer);
// Copies source over target the same way: target is whole, old or new. Reports nothing.
int replace_file_with_copy(const wchar_t* source, const wchar_t* target);
// Runs update on a copy of the file (no copy when there is no file) and puts the copy in its
// place only when update returned non-zero. 0 on failure, with the system's last error set.
int update_file_by_copy(const wchar_t* path, int (*update)(const wchar_t* copy, void* context), void* context);
// What the settings-file writes write with: WriteFile unless a test stops writes early.
typedef BOOL(WINAPI* WriteFileRoutine)(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped);
extern WriteFileRoutine file_write_routine;
// Removes leading spaces in place unless the text holds spaces only.
void copy_trim_leading_blanks(wchar_t* text);
int32_t parse_decimal(const wchar_t* text);
// Thousands-separated decimal text into out (TEXT_CAPACITY characters).
void format_thousands(uint32_t value, wchar_t* out);
void format_thousands64(uint64_t value, wchar_t* out);
// Bounded copy and append of a text into a buffer of the given capacity (always terminated).
void copy_text(wchar_t* out, int capacity, const wchar_t* text);
void append_text(wchar_t* out, int capacity, const wchar_t* text);
// folder + name into out when it fits (1); otherwise out is empty and the result 0.
int join_path(wchar_t* out, int capacity, const wchar_t* folder, const wchar_t* name);
// printf-style format into out, cut to capacity and always terminated; %s takes a wide text.
void format_text(wchar_t* out, int capacity, const wchar_t* format, ...);
