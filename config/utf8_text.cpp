// UTF-16 to UTF-8 conversion of the support report's texts.
#include "utf8_text.h"
#include <string.h>

int utf16_to_utf8(uint8_t* out, int capacity, const wchar_t* in, int units) {
    if (!out || !in) return 0;
    int written = 0;
    for (int i = 0; i < units; ++i) {
        uint32_t v = (uint16_t)in[i];
        uint8_t bytes[3];
        int count;
        if (v <= 0x7F) {
            bytes[0] = (uint8_t)v;
            count = 1;
        } else if (v <= 0x7FF) {
            bytes[0] = (uint8_t)(0xC0 | (v >> 6));
            bytes[1] = (uint8_t)(0x80 | (v & 0x3F));
            count = 2;
        } else {
            bytes[0] = (uint8_t)(0xE0 | ((v >> 12) & 0x0F));
            bytes[1] = (uint8_t)(0x80 | ((v >> 6) & 0x3F));
            bytes[2] = (uint8_t)(0x80 | (v & 0x3F));
            count = 3;
        }
        if (written + count > capacity) break;
        memcpy(out + written, bytes, (size_t)count);
        written += count;
    }
    return written;
}
