// The steps of "Reset to Defaults", in order. Not touched: the version words, the language,
// the master volume and the test-sound state.
#include "reset_defaults.h"
#include <windows.h>
#include <commctrl.h>
#include "aspect_preview.h"
#include "control_ids.h"
#include "display_modes.h"
#include "libraries.h"
#include "page_builders.h"
#include "page_controls.h"
#include "setting_controls.h"
#include "settings_store.h"
#include "sound_page.h"

namespace {

GameSettings& s = game_settings;

enum ResetAction { SET, CLEAR_BITS, CHECK, UNCHECK, ENABLE, DISABLE, SELECT, RUN };

struct ResetStep {
    uint8_t action;     // ResetAction
    uint16_t id;        // control of CHECK .. SELECT
    void* word;         // settings word of SET and CLEAR_BITS
    uint32_t value;     // SET: the value; CLEAR_BITS: the bits; SELECT: the index
    void (*routine)();  // RUN
};

void show_radio_language() {
    // The English interface has only the English radio; its setting is Japanese all the same.
    if (s.language == 1) {
        set_checked(ID_RADIO_ENGLISH, 1);
    } else {
        set_checked(ID_RADIO_ENGLISH, 0);
        set_checked(ID_RADIO_JAPANESE, 1);
    }
}

void reset_resolution() {
    uint32_t chosen = 0;
    for (uint32_t i = 0; i < resolution_count; ++i) {
        const DisplayMode& mode = resolution_list[i];
        if (mode.width == 1024 && mode.height == 768 && mode.refresh_rate == 60) {
            chosen = i;
            break;
        }
    }
    if (resolution_count > 0) {
        s.screen_width = resolution_list[chosen].width;
        s.screen_height = resolution_list[chosen].height;
        s.refresh_rate = resolution_list[chosen].refresh_rate;
        selected_mode_index = (int32_t)chosen;
    }
    repaint_aspect_preview();
    enable_control(ID_RESOLUTION, 1);
    select_item(ID_RESOLUTION, (int)chosen);
}

void reset_levels() {
    int engine = engine_available && engine_info;
    s.anisotropy = engine ? engine_info->anisotropy_levels[0] : 0;
    s.anti_alias = engine ? engine_info->anti_alias_levels[0] : 0;
}

void select_low_texture() { select_item(ID_TEXTURE, texture_index(1)); }

void reset_sound_3d() {
    HWND hardware = page_control(ID_SOUND_HARDWARE);
    int usable = hardware && IsWindowEnabled(hardware);
    s.sound_3d = usable ? 1 : 2;
    set_checked(ID_SOUND_HARDWARE, usable);
    set_checked(ID_SOUND_SOFTWARE, !usable);
}

void reset_volumes() {
    for (int row = 0; row < VOLUME_ROWS; ++row) {
        s.volumes[row] = 80;
        if (volume_trackbars[row]) SendMessageW(volume_trackbars[row], TBM_SETPOS, TRUE, 80);
        show_volume(row, 80);
        if (sound_entries.wave_set_local_vol) sound_entries.wave_set_local_vol(row, 80);
    }
}

const ResetStep reset_steps[] = {
    // 1: Game System settings
    {SET, 0, &s.bar_flags, 0, nullptr},
    {SET, 0, &s.smooth_camera, 1, nullptr},
    {SET, 0, &s.cursor_mode, 1, nullptr},
    {SET, 0, &s.radio_language, 2, nullptr},
    {SET, 0, &s.fixed_menu_frame_rate, 0, nullptr},
    {SET, 0, &s.hide_button_tips, 0, nullptr},
    {UNCHECK, ID_INFO_BAR_HIDE, nullptr, 0, nullptr},
    {UNCHECK, ID_CAMERA_BAR_HIDE, nullptr, 0, nullptr},
    {UNCHECK, ID_SMOOTH_CAMERA, nullptr, 0, nullptr},
    {UNCHECK, ID_SOFTWARE_CURSOR_CHECK, nullptr, 0, nullptr},
    // 2: aviation radio
    {RUN, 0, nullptr, 0, show_radio_language},
    // 3: cursor radios, button explanations, menu frame rate
    {CHECK, ID_SOFTWARE_CURSOR, nullptr, 0, nullptr},
    {UNCHECK, ID_GENERAL_CURSOR, nullptr, 0, nullptr},
    {CHECK, ID_BUTTON_TIPS, nullptr, 0, nullptr},
    {UNCHECK, ID_MENU_FRAME_RATE, nullptr, 0, nullptr},
    {DISABLE, ID_SOFTWARE_CURSOR, nullptr, 0, nullptr},
    {DISABLE, ID_GENERAL_CURSOR, nullptr, 0, nullptr},
    // 4: full screen
    {SET, 0, &s.screen_mode, 1, nullptr},
    {CHECK, ID_FULL_SCREEN, nullptr, 0, nullptr},
    {UNCHECK, ID_WINDOW, nullptr, 0, nullptr},
    {UNCHECK, ID_POPUP, nullptr, 0, nullptr},
    // 5: resolution
    {RUN, 0, nullptr, 0, reset_resolution},
    // 6: scenery customised
    {CHECK, ID_CUSTOMIZE, nullptr, 0, nullptr},
    // 7: scenery flags, levels, shadow
    {CLEAR_BITS, 0, &s.scenery_flags, 3, nullptr},
    {SET, 0, &s.scenery_word, 0x20001, nullptr},
    {SET, 0, &s.shadow_quality, 1, nullptr},
    // 8: anisotropy and anti-alias
    {RUN, 0, nullptr, 0, reset_levels},
    // 9: strobe, ground service, MipMap, the Graphics combos
    {SET, 0, &s.strobe_light, 2, nullptr},
    {SET, 0, &s.omit_ground_service, 0, nullptr},
    {SET, 0, &mipmap_value, 0, nullptr},
    {RUN, 0, nullptr, 0, select_low_texture},
    {SELECT, ID_MODEL, nullptr, 1, nullptr},
    {SELECT, ID_SHADOW, nullptr, 0, nullptr},
    {SELECT, ID_ANISOTROPY, nullptr, 0, nullptr},
    {SELECT, ID_ANTI_ALIAS, nullptr, 0, nullptr},
    // 10: Graphics check boxes
    {CHECK, ID_STROBE_LIGHT, nullptr, 0, nullptr},
    {CHECK, ID_MIPMAP, nullptr, 0, nullptr},
    {UNCHECK, ID_OMIT_GROUND_SERVICE, nullptr, 0, nullptr},
    {UNCHECK, ID_OMIT_DISTANT, nullptr, 0, nullptr},
    {UNCHECK, ID_SCENERY_MINIMUM, nullptr, 0, nullptr},
    {ENABLE, ID_TEXTURE, nullptr, 0, nullptr},
    {ENABLE, ID_MODEL, nullptr, 0, nullptr},
    {ENABLE, ID_OMIT_DISTANT, nullptr, 0, nullptr},
    // 11: 3D sound
    {RUN, 0, nullptr, 0, reset_sound_3d},
    // 12: volumes
    {RUN, 0, nullptr, 0, reset_volumes},
};

void run_step(const ResetStep& step) {
    switch (step.action) {
        case SET:
            write_word(step.word, step.value);
            break;
        case CLEAR_BITS:
            write_word(step.word, read_word(step.word) & ~step.value);
            break;
        case CHECK:
            set_checked(step.id, 1);
            break;
        case UNCHECK:
            set_checked(step.id, 0);
            break;
        case ENABLE:
            enable_control(step.id, 1);
            break;
        case DISABLE:
            enable_control(step.id, 0);
            break;
        case SELECT:
            select_item(step.id, (int)step.value);
            break;
        case RUN:
            step.routine();
            break;
    }
}

}  // namespace

void reset_to_defaults() {
    for (const ResetStep& step : reset_steps) run_step(step);
}
