// The settings words behind the check boxes and radio groups of the pages.
#include "setting_controls.h"
#include <string.h>
#include "control_ids.h"
#include "page_controls.h"
#include "settings_store.h"

namespace {

GameSettings& s = game_settings;

const CheckSetting check_settings[] = {
    // id                      word                     test   write  checked unchecked
    {ID_INFO_BAR_HIDE, &s.bar_flags, 0x1, 0x1, 0x1, 0},
    {ID_CAMERA_BAR_HIDE, &s.bar_flags, 0x10, 0x10, 0x10, 0},
    {ID_SMOOTH_CAMERA, &s.smooth_camera, 0xF, ~0u, 2, 1},
    {ID_BUTTON_TIPS, &s.hide_button_tips, ~0u, ~0u, 0, 1},
    {ID_MENU_FRAME_RATE, &s.fixed_menu_frame_rate, ~0u, ~0u, 1, 0},
    {ID_STROBE_LIGHT, &s.strobe_light, 0xF, ~0u, 2, 1},
    {ID_OMIT_GROUND_SERVICE, &s.omit_ground_service, ~0u, ~0u, 1, 0},
    {ID_MIPMAP, &mipmap_value, ~0u, ~0u, 0, 1},
    {ID_OMIT_DISTANT, &s.scenery_flags, 0x1, 0x1, 0x1, 0},
};

const RadioSetting radio_settings[] = {
    // id                   first               last                word              value
    {ID_RADIO_ENGLISH, ID_RADIO_ENGLISH, ID_RADIO_JAPANESE, &s.radio_language, 1},
    {ID_RADIO_JAPANESE, ID_RADIO_ENGLISH, ID_RADIO_JAPANESE, &s.radio_language, 2},
    {ID_SOFTWARE_CURSOR, ID_SOFTWARE_CURSOR, ID_GENERAL_CURSOR, &s.cursor_mode, 2},
    {ID_GENERAL_CURSOR, ID_SOFTWARE_CURSOR, ID_GENERAL_CURSOR, &s.cursor_mode, 3},
    {ID_FULL_SCREEN, ID_FULL_SCREEN, ID_POPUP, &s.screen_mode, 1},
    {ID_WINDOW, ID_FULL_SCREEN, ID_POPUP, &s.screen_mode, 2},
    {ID_POPUP, ID_FULL_SCREEN, ID_POPUP, &s.screen_mode, 3},
    {ID_SOUND_HARDWARE, ID_SOUND_HARDWARE, ID_SOUND_SOFTWARE, &s.sound_3d, 1},
    {ID_SOUND_SOFTWARE, ID_SOUND_HARDWARE, ID_SOUND_SOFTWARE, &s.sound_3d, 2},
};

}  // namespace

uint32_t read_word(const void* word) {
    uint32_t value;
    memcpy(&value, word, sizeof value);
    return value;
}

void write_word(void* word, uint32_t value) { memcpy(word, &value, sizeof value); }

const CheckSetting* find_check_setting(int id) {
    for (const CheckSetting& row : check_settings)
        if (row.id == id) return &row;
    return nullptr;
}

const RadioSetting* find_radio_setting(int id) {
    for (const RadioSetting& row : radio_settings)
        if (row.id == id) return &row;
    return nullptr;
}

void show_check_settings(const uint16_t* ids, int count) {
    for (int i = 0; i < count; ++i) {
        const CheckSetting* row = find_check_setting(ids[i]);
        if (row) set_checked(row->id, (read_word(row->word) & row->test_mask) == row->checked_value);
    }
}

int store_check_setting(int id) {
    const CheckSetting* row = find_check_setting(id);
    if (!row) return 0;
    uint32_t value = is_checked(id) ? row->checked_value : row->unchecked_value;
    write_word(row->word, (read_word(row->word) & ~row->write_mask) | (value & row->write_mask));
    return 1;
}

void show_radio_setting(int first) {
    for (const RadioSetting& row : radio_settings)
        if (row.first == first && read_word(row.word) == row.value) set_checked(row.id, 1);
}

int store_radio_setting(int id) {
    const RadioSetting* row = find_radio_setting(id);
    if (!row) return 0;
    HWND radio = page_control(id);
    if (radio) CheckRadioButton(GetParent(radio), row->first, row->last, id);
    write_word(row->word, row->value);
    return 1;
}
