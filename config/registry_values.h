// Values read from the registry with read access only.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <wchar.h>

// The string reader's buffer: 128 bytes, at most 63 characters and the terminating NUL.
constexpr int REGISTRY_TEXT_CHARS = 64;

// The DWORD value named value_name of an open key: 1 and its value, else 0 and out untouched.
int read_key_dword(HKEY key, const wchar_t* value_name, uint32_t* out);
// The string value named value_name of an open key into out (capacity characters, cleared
// first): 1 when the value is a text that fits with its NUL; else out is left empty (0).
int read_key_text(HKEY key, const wchar_t* value_name, wchar_t* out, int capacity);

// The same below HKEY_LOCAL_MACHINE\subkey.
int reg_read_dword(const wchar_t* subkey, const wchar_t* value_name, uint32_t* out);
int reg_read_string(wchar_t out[REGISTRY_TEXT_CHARS], const wchar_t* subkey, const wchar_t* value_name);
