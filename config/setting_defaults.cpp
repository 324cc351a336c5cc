// Defaults that complete a loaded settings record: the first ones right after loading,
// the late ones once the sound library and the monitors are known.
#include "settings_store.h"
#include "files.h"
#include "tarvelo.h"

uint32_t read_language_setting() {
    wchar_t path[TEXT_CAPACITY];
    int value = -1;
    if (join_path(path, TEXT_CAPACITY, program_folder, L"config.ini"))
        value = TARVELO_GetInt(L"SYSTEM", L"language", -1, path);
    // 0 English, 1 Japanese; no value (or one that names no language) gives Japanese.
    return value == 0 ? 1u : 2u;
}

uint32_t default_scenery_word(uint32_t word) {
    if (word == 0) word = 0x10001;
    uint32_t texture = word & 0xF;
    uint32_t model = word & 0xF00F0000u;
    bool texture_valid = texture <= 2;
    bool model_valid = model == 0x10000 || model == 0x20000 || model == 0x30000;
    if (texture_valid && model_valid) return word;
    if (texture_valid) return texture | 0x20000;
    if (model_valid) return (word & 0xFFFF0000u) | 1;
    return 0x20001;
}

void apply_setting_defaults() {
    GameSettings& s = game_settings;
    s.language = read_language_setting();
    if (s.cursor_mode == 0) s.cursor_mode = 1;
    if (s.smooth_camera == 0) s.smooth_camera = 1;
    if (s.shadow_quality == 0) s.shadow_quality = 1;
    if (s.strobe_light == 0) s.strobe_light = 2;
    // The English interface has no radio choice: the radio is always Japanese there.
    if (s.language == 1 || s.radio_language == 0) s.radio_language = 2;
    s.scenery_word = default_scenery_word(s.scenery_word);
}

void apply_late_setting_defaults(uint32_t sound_capability, uint32_t main_refresh_rate) {
    GameSettings& s = game_settings;
    if (s.screen_width == 0 || s.screen_height == 0) {
        s.screen_width = 1024;
        s.screen_height = 768;
    }
    if (s.screen_mode == 0) s.screen_mode = 1;
    if (s.refresh_rate == 0 && main_refresh_rate != 0) s.refresh_rate = 60;
    if (s.sound_3d == 0) {
        s.sound_3d = sound_capability != 0 ? sound_capability : 2;
        s.master_volume = 100;
        for (uint32_t& volume : s.volumes) volume = 80;
    }
    if (s.sound_3d == 1 && sound_capability != 1) s.sound_3d = 2;
}
