// The support report's page text: bytes appended within the 8192-byte area, UTF-16 texts
// converted to UTF-8 piece by piece through the 512-byte conversion area.
#include "support_report.h"
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include "program_state.h"
#include "utf8_text.h"

namespace {

// Converts the text, then the line feed when asked for one, and appends them as one piece.
void append_converted(ReportArea* area, const wchar_t* text, int max_units, int feed) {
    static uint8_t conversion[CONVERSION_AREA_BYTES];
    int units = 0;
    while (units < max_units && text[units]) ++units;
    int bytes = utf16_to_utf8(conversion, CONVERSION_AREA_BYTES - 1 - feed, text, units);
    if (feed) conversion[bytes++] = '\n';
    conversion[bytes] = 0;
    append_report_bytes(area, (const char*)conversion, (uint32_t)bytes);
}

}  // namespace

void append_report_bytes(ReportArea* area, const char* bytes, uint32_t count) {
    if (area->full || area->length > area->limit || count > area->limit - area->length) {
        area->full = 1;
        return;
    }
    memcpy(area->bytes + area->length, bytes, count);
    area->length += count;
    area->bytes[area->length] = 0;
}

void append_report_text(ReportArea* area, const wchar_t* text, int max_units) {
    append_converted(area, text, max_units, 0);
}

void append_report_line(ReportArea* area, const wchar_t* format, ...) {
    wchar_t line[TEXT_CAPACITY];
    va_list args;
    va_start(args, format);
    int written = _vsnwprintf(line, TEXT_CAPACITY - 1, format, args);
    va_end(args);
    if (written < 0 || written >= TEXT_CAPACITY - 1) line[TEXT_CAPACITY - 1] = 0;
    // The format's closing line feed is converted after the text, so that cutting keeps it.
    size_t format_length = wcslen(format);
    int feed = format_length && format[format_length - 1] == L'\n';
    size_t length = wcslen(line);
    if (feed && length && line[length - 1] == L'\n') line[length - 1] = 0;
    append_converted(area, line, TEXT_CAPACITY, feed);
}
