// The program folder, path splitting and the settings-file reads and writes with their
// Retry/Cancel boxes.
#include "files.h"
#include "main_window.h"
#include "settings_store.h"
#include "message_box.h"
#include "string_table.h"
#include <wchar.h>

wchar_t program_folder[TEXT_CAPACITY];

void split_path(const wchar_t* path, wchar_t* drive, wchar_t* folder) {
    if (drive) drive[0] = 0;
    if (folder) folder[0] = 0;
    const wchar_t* colon = wcsrchr(path, L':');
    const wchar_t* rest = colon ? colon + 1 : path;
    if (drive && colon) {
        int length = (int)(rest - path);
        if (length < TEXT_CAPACITY) {
            wmemcpy(drive, path, (size_t)length);
            drive[length] = 0;
        }
    }
    const wchar_t* slash = wcsrchr(rest, L'\\');
    if (folder && slash) {
        int length = (int)(slash + 1 - rest);
        if (length < TEXT_CAPACITY) {
            wmemcpy(folder, rest, (size_t)length);
            folder[length] = 0;
        }
    }
}

int take_program_folder(const wchar_t* module_path) {
    wchar_t drive[TEXT_CAPACITY];
    wchar_t folder[TEXT_CAPACITY];
    program_folder[0] = 0;
    split_path(module_path, drive, folder);
    // A folder that does not fit stays empty rather than cut to another path.
    const wchar_t* slash = wcsrchr(module_path, L'\\');
    size_t expected = slash ? (size_t)(slash + 1 - module_path) : 0;
    if (expected != 0 && wcslen(drive) + wcslen(folder) == expected &&
        join_path(program_folder, TEXT_CAPACITY, drive, folder))
        return 1;
    program_folder[0] = 0;
    // Before the settings are read the language is not known: the box is in English.
    wchar_t caption[TEXT_CAPACITY];
    load_text(101, caption, TEXT_CAPACITY);
    format_text(message_buffer, TEXT_CAPACITY,
                L"The game folder's path is too long for this program.\n"
                L"Please install the game in a folder with a shorter path.\n[ %s ]",
                module_path);
    show_message_box(nullptr, message_buffer, caption, MB_OK);
    return 0;
}

int get_program_folder(HINSTANCE instance) {
    static wchar_t module_path[32768];
    DWORD length = GetModuleFileNameW(instance, module_path, 32768);
    if (length == 0 || length >= 32768) module_path[0] = 0;
    return take_program_folder(module_path);
}

int show_file_error(DWORD error_code, const wchar_t* path, HWND owner) {
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

int get_file_size(const wchar_t* path, uint32_t* size) {
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *size = 0;
        return 0;
    }
    *size = GetFileSize(file, nullptr);
    CloseHandle(file);
    return 1;
}

WriteFileRoutine file_write_routine = WriteFile;

int is_absolute_path(const wchar_t* path) {
    wchar_t drive[TEXT_CAPACITY];
    split_path(path, drive, nullptr);
    return drive[0] != 0 || (path[0] == L'\\' && path[1] == L'\\');
}

int report_unfit_path(const wchar_t* folder, const wchar_t* name) {
    wchar_t path[2 * TEXT_CAPACITY];
    copy_text(path, 2 * TEXT_CAPACITY, folder);
    append_text(path, 2 * TEXT_CAPACITY, name);
    show_file_error(ERROR_FILENAME_EXCED_RANGE, path, main_window);
    return 0;
}

namespace {

// The new image is written beside the file and then put in its place.
const wchar_t TEMPORARY_SUFFIX[] = L".tmp";
const int TEMPORARY_CAPACITY = TEXT_CAPACITY + 8;
const DWORD REPLACE_FLAGS = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// A name with a drive part or a network share is used as it is; any other is taken below the
// program folder. 0 when the full name does not fit.
int full_file_name(const wchar_t* name, wchar_t out[TEXT_CAPACITY]) {
    return join_path(out, TEXT_CAPACITY, is_absolute_path(name) ? L"" : program_folder, name);
}

// Opens the file, offering Retry and Cancel on failure; INVALID_HANDLE_VALUE after Cancel.
HANDLE open_with_retry(const wchar_t* path, DWORD access, DWORD share, DWORD disposition) {
    for (;;) {
        HANDLE file = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        if (!show_file_error(GetLastError(), path, main_window)) return INVALID_HANDLE_VALUE;
    }
}

// Writes all of data into a new file at path and flushes it: 0, or the error code.
DWORD write_new_file(const wchar_t* path, const void* data, DWORD size) {
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD written = 0;
    DWORD error = 0;
    if (!file_write_routine(file, data, size, &written, nullptr))
        error = GetLastError();
    else if (written != size)
        error = ERROR_DISK_FULL;  // a write that stops short without an error: no room left
    else if (!FlushFileBuffers(file))
        error = GetLastError();
    CloseHandle(file);
    return error ? error : ERROR_SUCCESS;
}

// Removes a temporary file, also one that a copy made read-only; keeps the last error.
void discard_file(const wchar_t* path) {
    DWORD error = GetLastError();
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path);
    SetLastError(error);
}

// The temporary file beside path, with whatever a broken-off save may have left there removed.
int fresh_temporary(const wchar_t* path, wchar_t out[TEMPORARY_CAPACITY]) {
    if (!join_path(out, TEMPORARY_CAPACITY, path, TEMPORARY_SUFFIX)) return 0;
    discard_file(out);
    return 1;
}

// Puts the temporary file in place of path. A read-only file is not replaced: the user keeps it
// as it is, as when it is written over directly.
BOOL put_in_place(const wchar_t* temporary, const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return MoveFileExW(temporary, path, REPLACE_FLAGS);
}

}  // namespace

int read_file(const wchar_t* name, void* buffer, uint32_t size, uint32_t* count) {
    wchar_t path[TEXT_CAPACITY];
    if (!full_file_name(name, path)) return report_unfit_path(L"", name);
    HANDLE file = open_with_retry(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD got = 0;
    if (!ReadFile(file, buffer, size, &got, nullptr)) got = 0;
    if (count) *count = got;
    CloseHandle(file);
    return 1;
}

int write_record_file(const wchar_t* name, const void* buffer) {
    wchar_t path[TEXT_CAPACITY];
    wchar_t temporary[TEMPORARY_CAPACITY];
    if (!full_file_name(name, path) || !fresh_temporary(path, temporary)) return report_unfit_path(L"", name);
    for (;;) {
        DWORD error = write_new_file(temporary, buffer, SETTINGS_FILE_SIZE);
        if (!error && !put_in_place(temporary, path)) error = GetLastError();
        if (!error) return 1;
        discard_file(temporary);
        if (!show_file_error(error, path, main_window)) return 0;
    }
}

int replace_file_with_copy(const wchar_t* source, const wchar_t* target) {
    wchar_t temporary[TEMPORARY_CAPACITY];
    if (!fresh_temporary(target, temporary)) return 0;
    if (CopyFileW(source, temporary, FALSE) && put_in_place(temporary, target)) return 1;
    discard_file(temporary);
    return 0;
}

int update_file_by_copy(const wchar_t* path, int (*update)(const wchar_t* copy, void* context), void* context) {
    wchar_t temporary[TEMPORARY_CAPACITY];
    if (!fresh_temporary(path, temporary)) return 0;
    // No file yet: the update starts from nothing.
    if (!CopyFileW(path, temporary, FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND) return 0;
    if (update(temporary, context) && put_in_place(temporary, path)) return 1;
    discard_file(temporary);
    return 0;
}
