#include "config_test_support.h"
#include <stdio.h>
#include <string.h>

namespace config_test {

std::wstring make_scratch_folder(const wchar_t *tag) {
  static unsigned serial;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t name[MAX_PATH];
  swprintf(name, MAX_PATH, L"%lstovi_%ls_%lu_%u\\", temp, tag, GetCurrentProcessId(), ++serial);
  std::wstring folder = name;
  remove_tree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void remove_tree(const std::wstring &folder) {
  std::wstring base = folder;
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((base + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = base + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        remove_tree(path);
      else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(base.c_str());
}

bool write_bytes(const std::wstring &path, const void *data, size_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = size == 0 || WriteFile(file, data, (DWORD)size, &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

bool write_text(const std::wstring &path, const char *text) {
  return write_bytes(path, text, strlen(text));
}

std::vector<uint8_t> read_bytes(const std::wstring &path) {
  std::vector<uint8_t> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  DWORD size = GetFileSize(file, nullptr);
  bytes.resize(size);
  DWORD got = 0;
  if (size) ReadFile(file, bytes.data(), size, &got, nullptr);
  bytes.resize(got);
  CloseHandle(file);
  return bytes;
}

bool file_exists(const std::wstring &path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool start_program(const std::wstring &program, const std::wstring &arguments,
                   const std::wstring &folder, PROCESS_INFORMATION *process) {
  std::wstring command = L"\"" + program + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  std::vector<wchar_t> line(command.begin(), command.end());
  line.push_back(0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  *process = {};
  return CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, process) != 0;
}

int finish_program(PROCESS_INFORMATION *process, DWORD timeout_ms) {
  DWORD code = (DWORD)-1;
  if (WaitForSingleObject(process->hProcess, timeout_ms) == WAIT_OBJECT_0)
    GetExitCodeProcess(process->hProcess, &code);
  else
    TerminateProcess(process->hProcess, 99);
  CloseHandle(process->hThread);
  CloseHandle(process->hProcess);
  return (int)code;
}

int run_program(const std::wstring &program, const std::wstring &arguments,
                const std::wstring &folder, DWORD timeout_ms) {
  PROCESS_INFORMATION process;
  if (!start_program(program, arguments, folder, &process)) return -1;
  return finish_program(&process, timeout_ms);
}

bool set_machine_value(const wchar_t *subkey, const wchar_t *name, DWORD type, const void *data,
                       DWORD bytes) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool ok = RegSetValueExW(key, name, 0, type, (const BYTE *)data, bytes) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

void delete_machine_value(const wchar_t *subkey, const wchar_t *name) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, name);
  RegCloseKey(key);
}

bool import_registry_file(const std::wstring &path) {
  return run_program(L"C:\\windows\\regedit.exe", L"/S \"" + path + L"\"", L"C:\\", 60000) == 0;
}

std::wstring game_folder_with_packages() {
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring build = std::wstring(current) + L"\\..\\";
  if (!import_registry_file(build + L"game_packages.reg")) return L"";
  wchar_t game[MAX_PATH];
  GetFullPathNameW((build + L"game\\").c_str(), MAX_PATH, game, nullptr);
  return game;
}

std::vector<uint8_t> settings_image(const uint32_t fields[27]) {
  struct Group {
    const char *tag;
    int first, count;
  };
  static const Group groups[] = {{"GVER", 0, 2}, {"GSYS", 2, 15}, {"GDSP", 17, 3}, {"GSND", 20, 7}};
  std::vector<uint8_t> image;
  auto word = [&image](uint32_t value) {
    for (int i = 0; i < 4; ++i) image.push_back((uint8_t)(value >> (8 * i)));
  };
  for (const Group &group : groups) {
    image.insert(image.end(), group.tag, group.tag + 4);
    word((uint32_t)group.count * 4);
    for (int f = 0; f < group.count; ++f) word(fields[group.first + f]);
  }
  return image;
}

}  // namespace config_test
