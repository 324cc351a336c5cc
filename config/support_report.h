// The support report: the support mail form filled twice with a plain-text report of the
// computer and the settings, written as mail_support.html and opened through the shell.
#pragma once
#include <windows.h>
#include <stdint.h>
#include "shell_open.h"  // the page is opened through shell_open_routine

struct GameSettings;
struct MailForm;

enum {
    REPORT_AREA_BYTES = 8192,     // one pass's page text and its zero byte
    CONVERSION_AREA_BYTES = 512,  // one converted piece and its zero byte
};

// The page text of one pass. Room for the rest of the form is kept while the report grows:
// a report piece that would not leave it is dropped with every piece after it.
struct ReportArea {
    char bytes[REPORT_AREA_BYTES];
    uint32_t length;  // page-text bytes so far; bytes[length] is 0
    uint32_t limit;   // the page text may grow to this many bytes
    int32_t full;     // a piece did not fit: later pieces are dropped
};

// What reads the time of the stamp: GetLocalTime; tests may fix it.
extern void(WINAPI* local_time_routine)(SYSTEMTIME* time);

// Appends count bytes when they fit below the area's limit; else marks the area full.
void append_report_bytes(ReportArea* area, const char* bytes, uint32_t count);
// Appends up to max_units of text as UTF-8 through the conversion area, cut before the first
// character that would leave no room for the piece's zero byte.
void append_report_text(ReportArea* area, const wchar_t* text, int max_units);
// One line formatted into the 256-character line area and converted as one piece; a line
// that has to be cut keeps the line feed its format ends with.
void append_report_line(ReportArea* area, const wchar_t* format, ...);
// The nineteen setting lines of the settings record (and the MipMap switch).
void append_setting_lines(ReportArea* area, const GameSettings* settings);
// Appends the PC Information lines: the system information list's rows, then the packages.
void append_pc_information(ReportArea* area);
// Builds one pass's page from the form (skip: form bytes dropped at the marker, 0 or 2) and
// writes it with its zero byte to folder + "mail_support.html". 0 when the form alone does
// not fit the report area (nothing written); 1 otherwise, also when the file cannot be created.
int write_support_report(int32_t skip, const wchar_t* folder, const MailForm* form, const GameSettings* settings);
// The User Support button: both passes, then the page opened. Load errors end it after their box.
void run_user_support();
