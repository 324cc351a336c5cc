// Stand-in settings-access library on the platform's INI-file functions.
#define TARVELO_BUILD
#include "tarvelo.h"

namespace {

// A decimal integer with an optional sign; 0 when the text holds anything else.
int parse_int(const wchar_t* text, int* value) {
    while (*text == L' ' || *text == L'\t') ++text;
    bool negative = *text == L'-';
    if (*text == L'-' || *text == L'+') ++text;
    if (*text < L'0' || *text > L'9') return 0;
    long long result = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        result = result * 10 + (*text - L'0');
        if (result > 0x80000000LL) return 0;
    }
    while (*text == L' ' || *text == L'\t') ++text;
    if (*text) return 0;
    if (negative) result = -result;
    if (result > 0x7FFFFFFFLL) return 0;
    *value = (int)result;
    return 1;
}

}  // namespace

TARVELO_API int WINAPI TARVELO_GetInt(const wchar_t* section, const wchar_t* key, int fallback, const wchar_t* path) {
    wchar_t text[64];
    DWORD length = GetPrivateProfileStringW(section, key, L"", text, 64, path);
    int value;
    if (length == 0 || !parse_int(text, &value)) return fallback;
    return value;
}

TARVELO_API int WINAPI TARVELO_WriteInt(const wchar_t* section, const wchar_t* key, int value, const wchar_t* path,
                                        unsigned flags) {
    wchar_t text[16];
    wsprintfW(text, L"%d", value);
    if (!WritePrivateProfileStringW(section, key, text, path)) return 0;
    // The platform caches INI files; flushing makes the value reach the disk now.
    if (flags & 0x10000000u) WritePrivateProfileStringW(nullptr, nullptr, nullptr, path);
    return 1;
}
