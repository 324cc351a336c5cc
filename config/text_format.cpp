// Bounded text copies and formats, thousands separators, blank trimming and decimal parsing.
#include "files.h"
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

void copy_text(wchar_t* out, int capacity, const wchar_t* text) {
    if (capacity <= 0) return;
    int i = 0;
    for (; text && text[i] && i < capacity - 1; ++i) out[i] = text[i];
    out[i] = 0;
}

void append_text(wchar_t* out, int capacity, const wchar_t* text) {
    if (capacity <= 0) return;
    int used = 0;
    while (used < capacity && out[used]) ++used;
    if (used >= capacity) {  // not terminated within the buffer: terminate at its end
        out[capacity - 1] = 0;
        return;
    }
    copy_text(out + used, capacity - used, text);
}

int join_path(wchar_t* out, int capacity, const wchar_t* folder, const wchar_t* name) {
    size_t need = wcslen(folder) + wcslen(name);
    if (capacity <= 0) return 0;
    if (need + 1 > (size_t)capacity) {
        out[0] = 0;
        return 0;
    }
    copy_text(out, capacity, folder);
    append_text(out, capacity, name);
    return 1;
}

void format_text(wchar_t* out, int capacity, const wchar_t* format, ...) {
    if (capacity <= 0) return;
    va_list args;
    va_start(args, format);
    // The runtime's own formatter: %s is a wide text; it stops at capacity - 1 characters.
    int written = _vsnwprintf(out, (size_t)capacity - 1, format, args);
    va_end(args);
    if (written < 0 || written >= capacity - 1) out[capacity - 1] = 0;
}

namespace {

// Groups of three digits, most significant first, separated by ','.
template <typename Number>
void format_groups(Number value, wchar_t* out) {
    if (value == 0) {
        copy_text(out, TEXT_CAPACITY, L"0");
        return;
    }
    unsigned groups[8];
    int count = 0;
    while (value != 0 && count < 8) {
        groups[count++] = (unsigned)(value % 1000);
        value /= 1000;
    }
    out[0] = 0;
    wchar_t piece[8];
    for (int i = count - 1; i >= 0; --i) {
        if (i == count - 1)
            format_text(piece, 8, count > 1 ? L"%u," : L"%u", groups[i]);
        else
            format_text(piece, 8, i > 0 ? L"%3.3u," : L"%3.3u", groups[i]);
        append_text(out, TEXT_CAPACITY, piece);
    }
}

}  // namespace

void format_thousands(uint32_t value, wchar_t* out) { format_groups<uint32_t>(value, out); }
void format_thousands64(uint64_t value, wchar_t* out) { format_groups<uint64_t>(value, out); }

void copy_trim_leading_blanks(wchar_t* text) {
    int blanks = 0;
    while (text[blanks] == L' ') ++blanks;
    if (blanks == 0 || text[blanks] == 0) return;  // nothing to trim, or blanks only
    memmove(text, text + blanks, (wcslen(text + blanks) + 1) * sizeof(wchar_t));
}

int32_t parse_decimal(const wchar_t* text) {
    bool negative = false;
    if (*text == L'-') {
        negative = true;
        ++text;
    }
    // Every character counts as a digit, letters included; wrap-around is that of 32 bits.
    uint32_t value = 0;
    for (; *text; ++text) value = value * 10 + (uint32_t)(*text - L'0');
    return (int32_t)(negative ? 0u - value : value);
}
