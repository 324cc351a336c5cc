#include "config_test_support.h"
#include <shlobj.h>
#include <stdio.h>
#include <string.h>

namespace config_test {

std::wstring make_scratch_folder(const wchar_t* tag) {
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

namespace {

void remove_link(const std::wstring& path) {
    if (RemoveDirectoryW(path.c_str()) || DeleteFileW(path.c_str())) return;
    run_unix_command(L"/bin/rm", L"-f " + unix_path(path));  // Wine's Unix symbolic link
    for (int wait = 0; wait < 100 && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++wait) Sleep(50);
}

}  // namespace

std::wstring unix_path(const std::wstring& path) {
    typedef char*(CDECL * UnixFileName)(const wchar_t*);
    UnixFileName unix_file_name =
        (UnixFileName)(void*)GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
    if (!unix_file_name) return std::wstring();
    std::wstring name = path;
    if (!name.empty() && name.back() == L'\\') name.pop_back();
    char* unix_name = unix_file_name(name.c_str());
    if (!unix_name) return std::wstring();
    std::wstring out = L"\"";
    for (const char* c = unix_name; *c; ++c) out += (wchar_t)(unsigned char)*c;
    HeapFree(GetProcessHeap(), 0, unix_name);
    return out + L"\"";
}

int run_unix_command(const wchar_t* program, const std::wstring& arguments) {
    std::wstring dos_program = std::wstring(L"Z:") + program;
    for (wchar_t& c : dos_program)
        if (c == L'/') c = L'\\';
    return run_program(dos_program, arguments, L"C:\\", 10000);
}

std::wstring make_game_copy(const wchar_t* tag) {
    std::wstring game = make_scratch_folder(tag);
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    std::wstring source = std::wstring(current) + L"\\..\\game\\";
    CreateDirectoryW((game + L"common").c_str(), nullptr);
    const wchar_t* parts[] = {L"TOVICONFIG.exe", L"tarvelo.dll", L"moxel20.dll", L"DSETUP.dll",
                              L"RUQ6X.DLL",      L"kvrn.dll",    L"tovi.ico",    L"common\\play_panel.bmp"};
    for (const wchar_t* part : parts) CopyFileW((source + part).c_str(), (game + part).c_str(), FALSE);
    write_text(game + L"config.ini", "[SYSTEM]\r\nlanguage=0\r\n");
    write_text(game + L"kvrn.ini", "[VIDEO]\r\nmipmap=0\r\n");
    return game;
}

void remove_tree(const std::wstring& folder) {
    std::wstring base = folder;
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((base + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = base + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                remove_link(path);  // the link only, never what it points to
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
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

bool write_bytes(const std::wstring& path, const void* data, size_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = size == 0 || WriteFile(file, data, (DWORD)size, &written, nullptr);
    CloseHandle(file);
    return ok && written == size;
}

bool write_text(const std::wstring& path, const char* text) { return write_bytes(path, text, strlen(text)); }

std::vector<uint8_t> read_bytes(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = GetFileSize(file, nullptr);
    bytes.resize(size);
    DWORD got = 0;
    if (size) ReadFile(file, bytes.data(), size, &got, nullptr);
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

bool file_exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> files_in(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

int run_answering_boxes(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                        const char* script, DWORD timeout_ms, std::vector<driver::SeenBox>* seen) {
    driver::DrivenProgram run;
    if (!driver::start_program(&run, program, arguments, folder)) return -1;
    return driver::finish_answering_boxes(&run, script, timeout_ms, seen);
}

int run_program(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                DWORD timeout_ms) {
    return run_answering_boxes(program, arguments, folder, "", timeout_ms, nullptr);
}

bool set_machine_value(const wchar_t* subkey, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExW(key, name, 0, type, (const BYTE*)data, bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

void delete_machine_value(const wchar_t* subkey, const wchar_t* name) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, name);
    RegCloseKey(key);
}

bool import_registry_file(const std::wstring& path) {
    return run_program(L"C:\\windows\\regedit.exe", L"/S \"" + path + L"\"", L"C:\\", 60000) == 0;
}

namespace {
const size_t GUARDED_ROOM = 65536;
}

GuardedBytes::GuardedBytes(const std::vector<uint8_t>& bytes) {
    page_ = (uint8_t*)VirtualAlloc(nullptr, 2 * GUARDED_ROOM, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    DWORD old;
    VirtualProtect(page_ + GUARDED_ROOM, GUARDED_ROOM, PAGE_NOACCESS, &old);
    place(bytes.data(), bytes.size());
}

GuardedBytes::~GuardedBytes() { VirtualFree(page_, 0, MEM_RELEASE); }

void GuardedBytes::place(const uint8_t* bytes, size_t size) {
    if (size > GUARDED_ROOM) size = GUARDED_ROOM;
    data_ = page_ + GUARDED_ROOM - size;
    if (size) memcpy(data_, bytes, size);
    size_ = (uint32_t)size;
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
        const char* tag;
        int first, count;
    };
    static const Group groups[] = {{"GVER", 0, 2}, {"GSYS", 2, 15}, {"GDSP", 17, 3}, {"GSND", 20, 7}};
    std::vector<uint8_t> image;
    auto word = [&image](uint32_t value) {
        for (int i = 0; i < 4; ++i) image.push_back((uint8_t)(value >> (8 * i)));
    };
    for (const Group& group : groups) {
        image.insert(image.end(), group.tag, group.tag + 4);
        word((uint32_t)group.count * 4);
        for (int f = 0; f < group.count; ++f) word(fields[group.first + f]);
    }
    return image;
}

std::string hex_dump(const std::vector<uint8_t>& bytes) {
    std::string out;
    char piece[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        snprintf(piece, sizeof piece, "%02x%s", bytes[i], i % 4 == 3 ? " " : "");
        out += piece;
    }
    return out;
}

std::wstring per_user_parent() {
    wchar_t local[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
    return std::wstring(local) + L"\\Quellbright\\";
}

std::wstring per_user_folder(const wchar_t* data_name) { return per_user_parent() + data_name + L"\\"; }

void remove_per_user_folders() {
    remove_tree(per_user_folder(L"tovien_data"));
    remove_tree(per_user_folder(L"tovidata"));
    RemoveDirectoryW(per_user_parent().c_str());
}

}  // namespace config_test
