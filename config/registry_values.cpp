// Registry reads of DWORD and string values.
#include "registry_values.h"
#include <string.h>

int read_key_dword(HKEY key, const wchar_t* value_name, uint32_t* out) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD bytes = sizeof value;
    if (RegQueryValueExW(key, value_name, nullptr, &type, (BYTE*)&value, &bytes) != ERROR_SUCCESS ||
        type != REG_DWORD || bytes != sizeof value)
        return 0;
    *out = value;
    return 1;
}

int read_key_text(HKEY key, const wchar_t* value_name, wchar_t* out, int capacity) {
    if (capacity <= 0) return 0;
    DWORD bytes = (DWORD)capacity * sizeof(wchar_t);
    memset(out, 0, bytes);
    DWORD type = 0;
    // A value stored without its NUL that fills the whole buffer would leave the text open.
    if (RegQueryValueExW(key, value_name, nullptr, &type, (BYTE*)out, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && wmemchr(out, 0, (size_t)capacity) != nullptr)
        return 1;
    memset(out, 0, (size_t)capacity * sizeof(wchar_t));
    return 0;
}

int reg_read_dword(const wchar_t* subkey, const wchar_t* value_name, uint32_t* out) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    int found = read_key_dword(key, value_name, out);
    RegCloseKey(key);
    return found;
}

int reg_read_string(wchar_t out[REGISTRY_TEXT_CHARS], const wchar_t* subkey, const wchar_t* value_name) {
    memset(out, 0, REGISTRY_TEXT_CHARS * sizeof(wchar_t));
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    int found = read_key_text(key, value_name, out, REGISTRY_TEXT_CHARS);
    RegCloseKey(key);
    return found;
}
