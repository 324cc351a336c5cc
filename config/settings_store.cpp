// system.dat and kvrn.ini, read from and written to the per-user data folder when it
// exists, with every write mirrored into the program folder.
#include "settings_store.h"
#include "files.h"
#include "main_window.h"
#include "string_table.h"
#include "tarvelo.h"
#include <shlobj.h>
#include <stdlib.h>
#include <string.h>

GameSettings game_settings;
int32_t mipmap_value;
wchar_t user_data_folder[TEXT_CAPACITY];
int32_t user_data_folder_unfit;

namespace {

// One chunk of system.dat and the group of fields that its data covers.
struct ChunkGroup {
    char tag[4];
    uint32_t first_field;
    uint32_t capacity;  // bytes
};

const ChunkGroup chunk_groups[] = {
    {{'G', 'V', 'E', 'R'}, 0, 8},
    {{'G', 'S', 'Y', 'S'}, 2, 60},
    {{'G', 'D', 'S', 'P'}, 17, 12},
    {{'G', 'S', 'N', 'D'}, 20, 28},
};

uint32_t read_word(const uint8_t* bytes) {
    return (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 | (uint32_t)bytes[3] << 24;
}

void write_word(uint8_t* bytes, uint32_t value) {
    bytes[0] = (uint8_t)value;
    bytes[1] = (uint8_t)(value >> 8);
    bytes[2] = (uint8_t)(value >> 16);
    bytes[3] = (uint8_t)(value >> 24);
}

// The per-user folder as "%s\Quellbright\%s\" of the local application-data folder and
// string 7000, however long: 1 when it exists as a directory.
const int LONG_FOLDER_CAPACITY = MAX_PATH + TEXT_CAPACITY + 16;
int find_user_folder(wchar_t folder[LONG_FOLDER_CAPACITY]) {
    wchar_t local[MAX_PATH];
    wchar_t data_name[TEXT_CAPACITY];
    folder[0] = 0;
    if (folder_path_routine(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local) != S_OK) return 0;
    local[MAX_PATH - 1] = 0;
    load_text(7000, data_name, TEXT_CAPACITY);
    if (!data_name[0]) return 0;
    format_text(folder, LONG_FOLDER_CAPACITY, L"%s\\Quellbright\\%s\\", local, data_name);
    DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// folder + name; when it does not fit, 0 and, if asked to report, the file-error box.
int file_path(const wchar_t* folder, const wchar_t* name, wchar_t out[TEXT_CAPACITY], bool report) {
    if (join_path(out, TEXT_CAPACITY, folder, name)) return 1;
    if (report) report_unfit_path(folder, name);
    return 0;
}

// A settings file in the per-user folder when there is one, else in the program folder. A
// per-user folder too long for its file names gives no path: never one in another folder.
int settings_file_path(const wchar_t* name, wchar_t out[TEXT_CAPACITY], bool report) {
    if (user_data_folder_unfit) {
        wchar_t folder[LONG_FOLDER_CAPACITY];
        find_user_folder(folder);
        return file_path(folder, name, out, report);
    }
    return file_path(user_data_folder[0] ? user_data_folder : program_folder, name, out, report);
}

void note_user_data_folder() {
    int too_long = 0;
    get_user_data_folder(user_data_folder, &too_long);
    user_data_folder_unfit = too_long;
}

int write_mipmap(const wchar_t* path, void* value) {
    return TARVELO_WriteInt(L"VIDEO", L"mipmap", *(int32_t*)value, path, 0x10000000) != 0;
}

// The program folder's copy of a settings file written in the per-user folder.
void mirror_settings_file(const wchar_t* path, const wchar_t* name) {
    wchar_t mirror[TEXT_CAPACITY];
    if (file_path(program_folder, name, mirror, true)) replace_file_with_copy(path, mirror);
}

}  // namespace

FolderPathRoutine folder_path_routine = SHGetFolderPathW;

int get_user_data_folder(wchar_t out[TEXT_CAPACITY], int* too_long) {
    wchar_t folder[LONG_FOLDER_CAPACITY];
    out[0] = 0;
    if (too_long) *too_long = 0;
    if (!find_user_folder(folder)) return 0;
    // The folder must leave room for the longest settings file name.
    if (wcslen(folder) + wcslen(L"system.dat") + 1 > TEXT_CAPACITY) {
        if (too_long) *too_long = 1;
        return 0;
    }
    copy_text(out, TEXT_CAPACITY, folder);
    return 1;
}

void parse_settings_chunks(const uint8_t* data, uint32_t count) {
    uint8_t* fields = (uint8_t*)&game_settings;
    uint32_t offset = 0;
    while (offset < count) {
        if (count - offset < 8) break;  // no room for a chunk header
        const uint8_t* chunk = data + offset;
        uint32_t length = read_word(chunk + 4);
        if (length > count - offset - 8) break;  // data would run past the bytes read
        for (const ChunkGroup& group : chunk_groups) {
            if (memcmp(chunk, group.tag, 4) != 0) continue;
            uint32_t copied = length < group.capacity ? length : group.capacity;
            memcpy(fields + group.first_field * 4, chunk + 8, copied);
            break;
        }
        offset += 8 + length;  // unknown tags are skipped by their length
    }
}

void load_settings() {
    memset(&game_settings, 0, sizeof game_settings);
    user_data_folder[0] = 0;
    note_user_data_folder();

    wchar_t path[TEXT_CAPACITY];
    if (!settings_file_path(L"system.dat", path, false)) return;
    uint32_t size = 0;
    if (!get_file_size(path, &size) || size == 0) return;
    uint8_t* bytes = (uint8_t*)malloc(size);
    if (!bytes) return;
    uint32_t count = 0;
    if (read_file(path, bytes, size, &count) && count != 0) parse_settings_chunks(bytes, count <= size ? count : size);
    free(bytes);
}

void build_settings_image(const GameSettings* settings, uint8_t image[SETTINGS_FILE_SIZE]) {
    const uint32_t* fields = (const uint32_t*)settings;
    uint32_t offset = 0;
    for (uint32_t g = 0; g < 4; ++g) {
        const ChunkGroup& group = chunk_groups[g];
        memcpy(image + offset, group.tag, 4);
        write_word(image + offset + 4, group.capacity);
        offset += 8;
        for (uint32_t f = 0; f < group.capacity / 4; ++f, offset += 4)
            write_word(image + offset, fields[group.first_field + f]);
    }
}

void read_mipmap_setting() {
    wchar_t path[TEXT_CAPACITY];
    mipmap_value = 0;
    if (settings_file_path(L"kvrn.ini", path, false)) mipmap_value = TARVELO_GetInt(L"VIDEO", L"mipmap", 0, path);
}

void save_settings() {
    if (!user_data_folder[0] && !user_data_folder_unfit) note_user_data_folder();
    bool per_user = user_data_folder[0] != 0;

    // Each file is mirrored only once it is whole; a failed write is reported and keeps the old file.
    wchar_t path[TEXT_CAPACITY];
    uint8_t image[SETTINGS_FILE_SIZE];
    build_settings_image(&game_settings, image);
    if (settings_file_path(L"system.dat", path, true) && write_record_file(path, image) && per_user)
        mirror_settings_file(path, L"system.dat");

    if (!settings_file_path(L"kvrn.ini", path, true)) return;
    if (!update_file_by_copy(path, write_mipmap, &mipmap_value)) {
        show_file_error(GetLastError(), path, main_window);
        return;
    }
    if (per_user) mirror_settings_file(path, L"kvrn.ini");
}
