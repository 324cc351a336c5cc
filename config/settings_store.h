// The game's settings record, system.dat, kvrn.ini and the per-user data folder.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <wchar.h>
#include "program_state.h"

// DO NOT REORDER: the fields are the chunk data of system.dat in this order.
struct GameSettings {
    uint32_t version[2];             // GVER: kept as loaded, 0 when no file was read
    uint32_t language;               // GSYS: 1 English, 2 Japanese (from config.ini at every start)
    uint32_t bar_flags;              // bit 0 information bar auto-hide, bit 4 camera bar auto-hide
    uint32_t cursor_mode;            // 1 hardware, 2 software, 3 general
    uint32_t radio_language;         // aviation radio: 1 English, 2 Japanese
    uint32_t shadow_quality;         // 1 low, 2 high
    uint32_t smooth_camera;          // 1 off, 2 on
    uint32_t scenery_word;           // bits 0-3 texture level 0..2, bits 16-19 model level 1..3
    uint32_t anisotropy;             // factor, 0 = none chosen
    uint32_t anti_alias;             // factor, 0 = none chosen
    uint32_t refresh_rate;           // Hz of the full-screen mode
    uint32_t strobe_light;           // 1 off, 2 on
    uint32_t omit_ground_service;    // 0 / 1
    uint32_t fixed_menu_frame_rate;  // 0 / 1
    uint32_t hide_button_tips;       // 0 = explanations shown
    uint32_t scenery_flags;          // bit 0 omit distant scenery, bit 1 scenery minimum
    uint32_t screen_width;           // GDSP: pixels
    uint32_t screen_height;
    uint32_t screen_mode;    // 1 full screen, 2 window, 3 pop-up
    uint32_t sound_3d;       // GSND: 1 hardware, 2 software
    uint32_t volumes[5];     // 0..100: music, airband, ambient, effect, announcement
    uint32_t master_volume;  // 0..100
};
static_assert(sizeof(GameSettings) == 27 * 4, "GameSettings is 27 words");
static_assert(offsetof(GameSettings, language) == 8, "GSYS group starts at field 2");
static_assert(offsetof(GameSettings, screen_width) == 68, "GDSP group starts at field 17");
static_assert(offsetof(GameSettings, sound_3d) == 80, "GSND group starts at field 20");
static_assert(offsetof(GameSettings, master_volume) == 104, "master volume is field 26");

constexpr uint32_t SETTINGS_FILE_SIZE = 140;  // system.dat as written

extern GameSettings game_settings;
extern int32_t mipmap_value;                     // kvrn.ini VIDEO/mipmap, 0 = MipMap on
extern wchar_t user_data_folder[TEXT_CAPACITY];  // with trailing backslash, or empty
// The per-user folder exists but its settings file names do not fit: nothing is read there,
// and a save shows the file-error box instead of writing anywhere else.
extern int32_t user_data_folder_unfit;

// How the local application-data folder is asked for: SHGetFolderPathW unless a test puts
// another folder in its place.
typedef HRESULT(WINAPI* FolderPathRoutine)(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
extern FolderPathRoutine folder_path_routine;

// Clears the record and the per-user folder, finds the folder and reads system.dat.
void load_settings();
// Copies the chunks of a system.dat image over their groups; bounded by count and by each group.
void parse_settings_chunks(const uint8_t* data, uint32_t count);
// Language from config.ini, then the first defaults.
void apply_setting_defaults();
// Defaults that depend on the hardware: the sound library's capability word (0 when none)
// and the main monitor's current refresh rate (0 when unknown).
void apply_late_setting_defaults(uint32_t sound_capability, uint32_t main_refresh_rate);
// Writes system.dat and kvrn.ini and mirrors them into the program folder when they were
// written to the per-user folder. Failures show the file-error box.
void save_settings();
// Builds the 140-byte system.dat image of the record.
void build_settings_image(const GameSettings* settings, uint8_t image[SETTINGS_FILE_SIZE]);

// config.ini SYSTEM/language as the settings field: 1 English, 2 Japanese.
uint32_t read_language_setting();
// Reads mipmap_value from kvrn.ini of the per-user or program folder.
void read_mipmap_setting();
// The valid form of a stored scenery word.
uint32_t default_scenery_word(uint32_t word);
// 1 and the per-user data folder when it exists, else 0 and an empty text. A folder that
// exists but leaves no room for its settings file names gives 0 too, and 1 in too_long.
int get_user_data_folder(wchar_t out[TEXT_CAPACITY], int* too_long = nullptr);
