// Stand-in DirectX setup library: the version query, exported by ordinal 11 only.
// DSETUP.dll answers from the installed DirectX version in the registry ("4.09.00.0904" gives
// version 0x00040009 and revision 904); a variant built with DSETUP_FIXED_VERSION answers
// with fixed words, as an older installation would.
#include <windows.h>
#include <stdint.h>
#include <wchar.h>

#ifndef DSETUP_FIXED_VERSION
namespace {

// "a.b.c.d" into version (a << 16 | b) and revision (c << 16 | d); 0 when it is not four numbers.
int parse_version_text(const wchar_t* text, DWORD* version, DWORD* revision) {
    unsigned long part[4] = {0, 0, 0, 0};
    int parts = 0;
    const wchar_t* p = text;
    while (parts < 4) {
        if (*p < L'0' || *p > L'9') return 0;
        unsigned long value = 0;
        while (*p >= L'0' && *p <= L'9') {
            value = value * 10 + (unsigned long)(*p - L'0');
            if (value > 0xFFFF) return 0;
            ++p;
        }
        part[parts++] = value;
        if (parts < 4) {
            if (*p != L'.') return 0;
            ++p;
        }
    }
    *version = (DWORD)(part[0] << 16 | part[1]);
    *revision = (DWORD)(part[2] << 16 | part[3]);
    return 1;
}

int registry_version(DWORD* version, DWORD* revision) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\DirectX", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    wchar_t text[64 + 1];
    DWORD type = 0;
    DWORD bytes = 64 * sizeof(wchar_t);
    int found = 0;
    if (RegQueryValueExW(key, L"Version", nullptr, &type, (BYTE*)text, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        text[bytes / sizeof(wchar_t)] = 0;
        found = parse_version_text(text, version, revision);
    }
    RegCloseKey(key);
    return found;
}

}  // namespace
#endif

extern "C" int __stdcall DirectXSetupGetVersion(DWORD* version, DWORD* revision) {
    DWORD v = 0, r = 0;
#ifdef DSETUP_FIXED_VERSION
    v = DSETUP_FIXED_VERSION;
    r = DSETUP_FIXED_REVISION;
    int answered = 1;
#else
    int answered = registry_version(&v, &r);
#endif
    if (version) *version = answered ? v : 0;
    if (revision) *revision = answered ? r : 0;
    return answered;
}
