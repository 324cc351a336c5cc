// Registry reads of DWORD and string values below HKEY_LOCAL_MACHINE.
#include "registry_values.h"
#include <windows.h>
#include <string.h>

namespace {

// Reads one value of subkey into data (bytes, in: capacity, out: size): 1 with its type.
int read_value(const wchar_t *subkey, const wchar_t *value_name, DWORD *type, void *data, DWORD *bytes) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  LONG status = RegQueryValueExW(key, value_name, nullptr, type, (BYTE *)data, bytes);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

int reg_read_dword(const wchar_t *subkey, const wchar_t *value_name, uint32_t *out) {
  DWORD type = 0;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (!read_value(subkey, value_name, &type, &value, &bytes) || type != REG_DWORD ||
      bytes != sizeof value)
    return 0;
  *out = value;
  return 1;
}

int reg_read_string(wchar_t out[REGISTRY_TEXT_CHARS], const wchar_t *subkey, const wchar_t *value_name) {
  memset(out, 0, REGISTRY_TEXT_CHARS * sizeof(wchar_t));
  DWORD type = 0;
  DWORD bytes = REGISTRY_TEXT_CHARS * sizeof(wchar_t);
  // A value stored without its NUL that fills the whole buffer would leave the text open.
  if (read_value(subkey, value_name, &type, out, &bytes) && (type == REG_SZ || type == REG_EXPAND_SZ) &&
      wmemchr(out, 0, REGISTRY_TEXT_CHARS) != nullptr)
    return 1;
  memset(out, 0, REGISTRY_TEXT_CHARS * sizeof(wchar_t));
  return 0;
}
