// The support mail form: the template support.html and the page mail_support.html, loaded
// whole with a zero byte after them, and the error boxes of their loading.
#pragma once
#include <windows.h>
#include <stdint.h>

struct MailForm {
    char* text;      // the whole file and a zero byte; heap, freed by free_mail_form
    int32_t marker;  // byte index into text: 0 after loading, then the marker's place, -1 when absent
    uint32_t size;   // bytes read
};

enum MailFormReadResult {
    FORM_READ = 0,
    FORM_MISSING = 1,  // missing, a folder, or empty
    FORM_CANNOT_OPEN = 2,
    FORM_NO_MEMORY = 3,  // no buffer, or too large for the report area
    FORM_READ_FAILED = 4,
};

// Formats into one static area of 256 characters (cut to fit); the next call overwrites it.
const wchar_t* format_static(const wchar_t* format, ...);
// The file's size (low 32 bits) as FindFirstFileW sees it, or -1 for nothing or a folder.
int32_t query_file_size(const wchar_t* path);
// Reads the whole file into form->text: one of MailFormReadResult.
int read_whole_file(MailForm* form, const wchar_t* path);
// 1 with the marker at 0, or 0 after the error box of the read result.
int load_mail_form(MailForm* form, const wchar_t* path);
// The error box of a read result, with the form's full path.
void show_mail_form_error(int result, const wchar_t* path);
void free_mail_form(MailForm* form);
// Byte index of the first occurrence of marker in text; -1 when none or text is empty.
int32_t find_substring(const char* text, const char* marker);
