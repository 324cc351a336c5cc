// Values read from the registry below HKEY_LOCAL_MACHINE, with read access only.
#pragma once
#include <stdint.h>
#include <wchar.h>

// The string reader's buffer: 128 bytes, at most 63 characters and the terminating NUL.
constexpr int REGISTRY_TEXT_CHARS = 64;

// The DWORD value named value_name of subkey: 1 and its value, else 0 and out untouched.
int reg_read_dword(const wchar_t *subkey, const wchar_t *value_name, uint32_t *out);
// The string value named value_name of subkey into out, which is cleared first: 1 when the
// value is a string that fits; a longer one or one of another type leaves out empty (0).
int reg_read_string(wchar_t out[REGISTRY_TEXT_CHARS], const wchar_t *subkey, const wchar_t *value_name);
