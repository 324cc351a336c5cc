#include "program_test_support.h"
#include "files.h"
#include "main_window.h"
#include "settings_store.h"
#include "string_table.h"

namespace config_test {

namespace {

std::wstring local_folder;
FolderPathRoutine platform_folder_path;

HRESULT WINAPI give_local_folder(HWND, int, HANDLE, DWORD, LPWSTR path) {
    copy_text(path, MAX_PATH, local_folder.c_str());
    return S_OK;
}

}  // namespace

void use_english_strings() {
    program_instance = GetModuleHandleW(nullptr);
    set_string_offset(1);
    copy_text(warning_title, TEXT_CAPACITY, L"WARN");
}

std::wstring wide(const std::string& utf8) {
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring out(length, L'\0');
    if (length) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &out[0], length);
    return out;
}

LocalFolderOverride::LocalFolderOverride(const std::wstring& folder) {
    local_folder = folder;
    platform_folder_path = folder_path_routine;
    folder_path_routine = give_local_folder;
}

LocalFolderOverride::~LocalFolderOverride() { folder_path_routine = platform_folder_path; }

}  // namespace config_test
