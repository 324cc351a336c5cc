// Loading of the support mail form and its fixed error texts, the same in both languages.
#include "mail_form.h"
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "message_box.h"
#include "program_state.h"

const wchar_t* format_static(const wchar_t* format, ...) {
    static wchar_t area[TEXT_CAPACITY];
    va_list args;
    va_start(args, format);
    int written = _vsnwprintf(area, TEXT_CAPACITY - 1, format, args);
    va_end(args);
    if (written < 0 || written >= TEXT_CAPACITY - 1) area[TEXT_CAPACITY - 1] = 0;
    return area;
}

int32_t query_file_size(const wchar_t* path) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(path, &found);
    if (find == INVALID_HANDLE_VALUE) return -1;
    FindClose(find);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return (int32_t)found.nFileSizeLow;
}

int read_whole_file(MailForm* form, const wchar_t* path) {
    int32_t size = query_file_size(path);
    if (size < 1) return FORM_MISSING;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!file || file == INVALID_HANDLE_VALUE) return FORM_CANNOT_OPEN;
    form->text = (char*)malloc((size_t)size + 1);
    if (!form->text) {
        CloseHandle(file);
        return FORM_NO_MEMORY;
    }
    DWORD got = 0;
    if (!ReadFile(file, form->text, (DWORD)size, &got, nullptr)) {
        free_mail_form(form);
        CloseHandle(file);
        return FORM_READ_FAILED;
    }
    // A file that shrank since its size was taken ends at the bytes actually read.
    form->text[got] = 0;
    form->size = got;
    CloseHandle(file);
    return FORM_READ;
}

void show_mail_form_error(int result, const wchar_t* path) {
    const wchar_t* format;
    switch (result) {
        case FORM_MISSING:
            format = L"メール送信フォーム[%s]が存在しません。";
            break;
        case FORM_CANNOT_OPEN:
            format = L"メール送信フォーム[%s]がオープンできません。";
            break;
        case FORM_NO_MEMORY:
            format = L"メモリー不足でメール送信フォームが読めません。\n[%s]";
            break;
        default:
            format = L"メール送信フォームが読めません。[%s]";
            break;
    }
    show_message_box(nullptr, format_static(format, path), L"Error", MB_OK | MB_ICONERROR);
}

int load_mail_form(MailForm* form, const wchar_t* path) {
    form->text = nullptr;
    form->size = 0;
    form->marker = 0;
    int result = read_whole_file(form, path);
    if (result == FORM_READ) return 1;
    show_mail_form_error(result, path);
    return 0;
}

void free_mail_form(MailForm* form) {
    free(form->text);
    form->text = nullptr;
}

int32_t find_substring(const char* text, const char* marker) {
    if (!text || !marker || !text[0] || !marker[0]) return -1;
    const char* found = strstr(text, marker);
    return found ? (int32_t)(found - text) : -1;
}
