// The User Support operation: the template filled in two passes (the report before "</pre>",
// then again in place of "{}"), written as mail_support.html and opened through the shell.
#include "support_report.h"
#include <stdio.h>
#include <string.h>
#include "files.h"
#include "mail_form.h"
#include "main_window.h"
#include "program_state.h"
#include "settings_store.h"
#include "string_ids.h"
#include "string_table.h"

void(WINAPI* local_time_routine)(SYSTEMTIME* time) = GetLocalTime;

namespace {

constexpr int PATH_CHARS = 2 * TEXT_CAPACITY;  // a folder and a file name
constexpr int HEADING_CHARS = 85;              // every heading line, padded with hyphens

// Line feeds, then the heading padded with hyphens to 85 characters, then a line feed.
void append_heading(ReportArea* area, int feeds, const char* title) {
    char line[2 + HEADING_CHARS + 1];
    int length = 0;
    while (length < feeds) line[length++] = '\n';
    for (const char* c = title; *c; ++c) line[length++] = *c;
    while (length < feeds + HEADING_CHARS) line[length++] = '-';
    line[length++] = '\n';
    append_report_bytes(area, line, (uint32_t)length);
}

// The report copy: folder, PC Information, settings, title and time stamp.
void append_report(ReportArea* area, const wchar_t* folder, const GameSettings* settings) {
    append_heading(area, 1, "/----- Install Directory ");
    if (program_folder[0]) {
        append_report_text(area, folder, 2 * TEXT_CAPACITY);
        append_heading(area, 2, "/----- PC Information ");
    }
    SYSTEMTIME now = {};
    local_time_routine(&now);
    append_pc_information(area);
    append_heading(area, 1, "/----- Environment ");
    append_setting_lines(area, settings);
    wchar_t title[TEXT_CAPACITY];
    load_text(STR_TITLE, title, TEXT_CAPACITY);
    append_report_line(area, L"\n    %s", title);
    char stamp[128];
    int length = snprintf(stamp, sizeof stamp, "\n%60s%d %d/%d %d:%d\n\n", "", now.wYear, now.wMonth, now.wDay,
                          now.wHour, now.wMinute);
    if (length > 0 && length < (int)sizeof stamp) append_report_bytes(area, stamp, (uint32_t)length);
}

// The page of one pass. 0 when the form alone does not fit the area.
int build_support_page(ReportArea* area, int32_t skip, const wchar_t* folder, const MailForm* form,
                       const GameSettings* settings) {
    const char* text = form->text ? form->text : "";
    uint32_t text_length = (uint32_t)strnlen(text, form->text ? form->size : 0);
    area->length = 0;
    area->full = 0;
    area->bytes[0] = 0;
    area->limit = REPORT_AREA_BYTES - 1;
    // Without its marker the form is copied unchanged and gets no report copy.
    int has_marker = form->marker >= 0 && (uint32_t)form->marker <= text_length;
    uint32_t prefix = has_marker ? (uint32_t)form->marker : text_length;
    uint32_t rest_start = has_marker ? prefix + (uint32_t)skip : text_length;
    if (rest_start > text_length) rest_start = text_length;
    uint32_t rest = text_length - rest_start;
    if (prefix + rest > area->limit) return 0;

    append_report_bytes(area, text, prefix);
    area->limit -= rest;  // the rest of the form always keeps its room
    if (has_marker) append_report(area, folder, settings);
    area->limit = REPORT_AREA_BYTES - 1;
    area->full = 0;
    append_report_bytes(area, text + rest_start, rest);
    return 1;
}

}  // namespace

int write_support_report(int32_t skip, const wchar_t* folder, const MailForm* form, const GameSettings* settings) {
    static ReportArea area;  // 8 KB, kept off the stack
    if (!build_support_page(&area, skip, folder, form, settings)) return 0;
    wchar_t path[PATH_CHARS];
    if (!join_path(path, PATH_CHARS, folder, L"mail_support.html")) return 1;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, area.bytes, area.length + 1, &written, nullptr);
    CloseHandle(file);
    return 1;
}

void run_user_support() {
    if (!user_data_folder[0]) get_user_data_folder(user_data_folder);
    const wchar_t* folder = user_data_folder[0] ? user_data_folder : program_folder;
    wchar_t template_path[PATH_CHARS];
    wchar_t page_path[PATH_CHARS];
    join_path(template_path, PATH_CHARS, program_folder, L"support.html");
    join_path(page_path, PATH_CHARS, folder, L"mail_support.html");

    MailForm form;
    if (!load_mail_form(&form, template_path)) return;
    form.marker = find_substring(form.text, "</pre>");
    int fitted = write_support_report(0, folder, &form, &game_settings);
    free_mail_form(&form);
    // A template the report area cannot hold is reported like one that memory cannot hold.
    if (!fitted) {
        show_mail_form_error(FORM_NO_MEMORY, template_path);
        return;
    }

    if (!load_mail_form(&form, page_path)) return;
    form.marker = find_substring(form.text, "{}");
    fitted = write_support_report(2, folder, &form, &game_settings);
    free_mail_form(&form);
    if (!fitted) {
        show_mail_form_error(FORM_NO_MEMORY, page_path);
        return;
    }
    shell_open_routine(main_window, nullptr, page_path, nullptr, nullptr, SW_SHOWNORMAL);
}
