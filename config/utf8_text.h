// UTF-16 to UTF-8, unit by unit, as the support report is written.
#pragma once
#include <stdint.h>
#include <wchar.h>

// Converts units UTF-16 units of in into out, writing no more than capacity bytes; conversion
// stops before the first unit whose bytes would not fit. Each unit is converted on its own:
// up to 0x7F one byte, up to 0x7FF two, else three, so each surrogate half becomes its own
// three-byte form. Writes no terminator; returns the bytes written (0 for a null in or out).
int utf16_to_utf8(uint8_t* out, int capacity, const wchar_t* in, int units);
