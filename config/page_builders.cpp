// Builders of the Game System, Display, Graphics and system information pages: their controls
// from tables, then each control set from the loaded settings and the engine's abilities.
#include "page_builders.h"
#include <commctrl.h>
#include "aspect_preview.h"
#include "control_ids.h"
#include "display_modes.h"
#include "files.h"
#include "libraries.h"
#include "page_controls.h"
#include "program_state.h"
#include "setting_controls.h"
#include "settings_store.h"
#include "string_ids.h"
#include "string_table.h"

int32_t selected_mode_index;
int32_t superlow_listed;

namespace {

#define COUNT(table) (int)(sizeof table / sizeof table[0])

const ControlRow game_system_rows[] = {
    // id                      kind        flags                  text                       x    y    w    h
    {0, KIND_GROUP, 0, STR_GAME_SETTINGS, 15, 10, 460, 190},
    {ID_INFO_BAR_HIDE, KIND_CHECK, ROW_RING, STR_INFO_BAR_HIDE, 40, 30, 280, 20},
    {ID_CAMERA_BAR_HIDE, KIND_CHECK, ROW_RING, STR_CAMERA_BAR_HIDE, 40, 55, 280, 20},
    {ID_SMOOTH_CAMERA, KIND_CHECK, ROW_RING, STR_SMOOTH_CAMERA, 40, 80, 280, 20},
    {ID_SOFTWARE_CURSOR_CHECK, KIND_CHECK, ROW_RING, STR_SOFTWARE_CURSOR_CHECK, 40, 105, 280, 20},
    {ID_SOFTWARE_CURSOR, KIND_RADIO, ROW_RING, STR_SOFTWARE_CURSOR, 60, 130, 160, 20},
    {ID_GENERAL_CURSOR, KIND_RADIO, ROW_RING, STR_GENERAL_CURSOR, 260, 130, 160, 20},
    {ID_BUTTON_TIPS, KIND_CHECK, ROW_RING | ROW_HIDDEN, STR_BUTTON_TIPS, 40, 155, 400, 20},
    {0, KIND_GROUP, 0, STR_AVIATION_RADIO, 15, 205, 460, 50},
    {ID_RADIO_ENGLISH, KIND_RADIO, ROW_RING, STR_RADIO_ENGLISH, 40, 225, 100, 20},
    {ID_RADIO_JAPANESE, KIND_RADIO, ROW_RING | ROW_NOT_ENGLISH, STR_RADIO_JAPANESE, 200, 225, 100, 20},
    {ID_MENU_FRAME_RATE, KIND_CHECK, ROW_RING, STR_MENU_FRAME_RATE, 40, 275, 250, 20},
};

const ControlRow display_rows[] = {
    {0, KIND_GROUP, 0, STR_SCREEN_MODE, 15, 10, 460, 50},
    {ID_FULL_SCREEN, KIND_RADIO, ROW_RING, STR_FULL_SCREEN, 40, 30, 100, 20},
    {ID_WINDOW, KIND_RADIO, ROW_RING, STR_WINDOW, 180, 30, 100, 20},
    {ID_POPUP, KIND_RADIO, ROW_RING, STR_POPUP, 320, 30, 100, 20},
    {0, KIND_GROUP, 0, STR_RESOLUTION_GROUP, 15, 70, 460, 200},
    {ID_RESOLUTION, KIND_COMBO, ROW_RING, 0, 30, 90, 200, 200},
    {0, KIND_CENTRED_LABEL, 0, STR_ASPECT_CORRECTION, 275, 110, 150, 20},
};

const ControlRow graphics_rows[] = {
    {0, KIND_GROUP, 0, STR_3D_SETTINGS, 15, 6, 460, 215},
    {0, KIND_GROUP, 0, STR_SCENERY_QUALITY, 25, 20, 440, 120},
    {0, KIND_LABEL, ROW_GRAPHICS_LABEL, STR_TEXTURE_RESOLUTION, 45, 56, 160, 20},
    {ID_TEXTURE, KIND_COMBO, ROW_RING, 0, 45, 70, 220, 200},
    {0, KIND_LABEL, ROW_GRAPHICS_LABEL, STR_MODEL_QUALITY, 270, 56, 140, 20},
    {ID_MODEL, KIND_COMBO, ROW_RING, 0, 270, 70, 180, 200},
    {0, KIND_LABEL, ROW_GRAPHICS_LABEL, STR_SHADOW_QUALITY, 45, 150, 140, 20},
    {ID_SHADOW, KIND_COMBO, ROW_RING, 0, 45, 168, 400, 200},
    {ID_OMIT_GROUND_SERVICE, KIND_CHECK, ROW_RING, STR_OMIT_GROUND_SERVICE, 45, 192, 300, 20},
    {ID_STROBE_LIGHT, KIND_CHECK, ROW_RING, STR_STROBE_LIGHT, 40, 250, 400, 20},
    {0, KIND_GROUP, 0, STR_DRAWING_SETTINGS, 15, 230, 460, 90},
    {0, KIND_LABEL, ROW_GRAPHICS_LABEL, STR_ANISOTROPY, 40, 295, 140, 20},
    {ID_ANISOTROPY, KIND_COMBO, ROW_RING, 0, 180, 293, 50, 200},
    {0, KIND_LABEL, ROW_GRAPHICS_LABEL, STR_ANTI_ALIAS, 260, 295, 140, 20},
    {ID_ANTI_ALIAS, KIND_COMBO, ROW_RING, 0, 400, 293, 50, 200},
    {ID_MIPMAP, KIND_CHECK, ROW_RING, STR_MIPMAP, 40, 270, 200, 20},
    {ID_OMIT_DISTANT, KIND_CHECK, ROW_RING, STR_OMIT_DISTANT, 45, 90, 300, 20},
    {ID_SCENERY_MINIMUM, KIND_AUTO_RADIO, ROW_RING, STR_SCENERY_MINIMUM, 35, 115, 300, 20},
    {ID_CUSTOMIZE, KIND_AUTO_RADIO, ROW_RING, STR_CUSTOMIZE, 35, 34, 300, 20},
};

const uint16_t game_system_checks[] = {ID_INFO_BAR_HIDE, ID_CAMERA_BAR_HIDE, ID_SMOOTH_CAMERA, ID_BUTTON_TIPS,
                                       ID_MENU_FRAME_RATE};
const uint16_t graphics_checks[] = {ID_OMIT_GROUND_SERVICE, ID_OMIT_DISTANT, ID_STROBE_LIGHT, ID_MIPMAP};

// What the anisotropy and anti-alias combos differ in.
struct LevelCombo {
    uint32_t (EngineInformation::*levels)[ENGINE_LEVEL_SLOTS];
    uint32_t EngineInformation::*current;
    uint32_t* setting;
    UINT nothing_text;
};

const LevelCombo anisotropy_combo = {&EngineInformation::anisotropy_levels, &EngineInformation::anisotropy_current,
                                     &game_settings.anisotropy, STR_ANISOTROPY_NOTHING};
const LevelCombo antialias_combo = {&EngineInformation::anti_alias_levels, &EngineInformation::anti_alias_current,
                                    &game_settings.anti_alias, STR_ANTI_ALIAS_NOTHING};

void fill_level_combo(HWND combo, const LevelCombo& kind) {
    uint32_t count = 0;
    const uint32_t* levels = nullptr;
    uint32_t current = 0;
    if (engine_available && engine_info) {
        levels = engine_info->*kind.levels;
        current = engine_info->*kind.current;
        count = engine_level_count(levels);
    }
    if (count == 0) {
        load_text(kind.nothing_text, message_buffer, TEXT_CAPACITY);
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)message_buffer);
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
        return;
    }
    uint32_t selected = 0;
    for (uint32_t i = 0; i < count; ++i) {
        format_text(message_buffer, TEXT_CAPACITY, L"%2dx", (int)levels[i]);
        SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)message_buffer);
        if (*kind.setting == 0 && levels[i] == current) {
            *kind.setting = levels[i];
            selected = i;
        } else if (*kind.setting != 0 && *kind.setting == levels[i]) {
            selected = i;
        }
    }
    SendMessageW(combo, CB_SETCURSEL, selected, 0);
}

void fill_resolution_combo() {
    wchar_t hz[64];
    load_text(STR_HZ, hz, 64);
    GameSettings& s = game_settings;
    uint32_t selected = 0;
    for (uint32_t i = 0; i < resolution_count; ++i) {
        const DisplayMode& mode = resolution_list[i];
        // Heights under 1000 get a second blank so that they line up with four-digit ones.
        format_text(message_buffer, TEXT_CAPACITY, mode.height >= 1000 ? L"%d x %d  %d%s" : L"%d x  %d  %d%s",
                    (int)mode.width, (int)mode.height, (int)mode.refresh_rate, hz);
        SendMessageW(page_control(ID_RESOLUTION), CB_ADDSTRING, 0, (LPARAM)message_buffer);
        if (mode.width != s.screen_width || mode.height != s.screen_height) continue;
        if (s.refresh_rate == 0) {
            s.refresh_rate = mode.refresh_rate;
            selected = i;
        } else if (mode.refresh_rate == s.refresh_rate) {
            selected = i;
        }
    }
    if (resolution_count == 0) return;
    const DisplayMode& mode = resolution_list[selected];
    s.screen_width = mode.width;
    s.screen_height = mode.height;
    s.refresh_rate = mode.refresh_rate;
    selected_mode_index = (int32_t)selected;
    select_item(ID_RESOLUTION, (int)selected);
}

}  // namespace

void show_cursor_controls(int engine, uint32_t cursor_mode) {
    int software = !engine || cursor_mode == 2 || cursor_mode == 3;
    set_checked(ID_SOFTWARE_CURSOR_CHECK, software);
    set_checked(ID_SOFTWARE_CURSOR, !engine || cursor_mode != 3);
    set_checked(ID_GENERAL_CURSOR, engine && cursor_mode == 3);
    enable_control(ID_SOFTWARE_CURSOR, software);
    enable_control(ID_GENERAL_CURSOR, software);
}

void build_game_system_page(const RECT* display) {
    HWND page = create_page_panel(display, PAGE_GAME_SYSTEM);
    create_page_controls(page, game_system_rows, COUNT(game_system_rows));
    show_check_settings(game_system_checks, COUNT(game_system_checks));
    show_cursor_controls(engine_available, game_settings.cursor_mode);
    show_radio_setting(ID_RADIO_ENGLISH);
}

void build_display_page(const RECT* display) {
    HWND page = create_page_panel(display, PAGE_DISPLAY);
    create_page_controls(page, display_rows, COUNT(display_rows));
    fill_resolution_combo();
    create_aspect_preview(page);
    show_radio_setting(ID_FULL_SCREEN);
}

int texture_index(uint32_t level) { return superlow_listed ? (int)level : (int)level - 1; }

void show_scenery_minimum() {
    set_checked(ID_SCENERY_MINIMUM, 1);
    select_item(ID_TEXTURE, 0);
    select_item(ID_MODEL, 0);
    set_checked(ID_OMIT_DISTANT, 1);
    enable_control(ID_TEXTURE, 0);
    enable_control(ID_MODEL, 0);
    enable_control(ID_OMIT_DISTANT, 0);
}

void build_graphics_page(const RECT* display) {
    HWND page = create_page_panel(display, PAGE_GRAPHICS);
    create_page_controls(page, graphics_rows, COUNT(graphics_rows));
    GameSettings& s = game_settings;

    superlow_listed = 0;
    if (engine_entries.ext_function)
        superlow_listed =
            engine_entries.ext_function(engine_handle, ENGINE_FUNCTION_PRODUCT_LEVEL, 0, 0, 0, 0, 0, 0) == 1;
    if (superlow_listed) add_text_item(ID_TEXTURE, STR_TEXTURE_SUPERLOW);
    add_text_item(ID_TEXTURE, STR_TEXTURE_LOW);
    add_text_item(ID_TEXTURE, STR_TEXTURE_HIGH);
    select_item(ID_TEXTURE, texture_index(s.scenery_word & 0xF));
    static const UINT model_items[] = {STR_MODEL_LOW, STR_MODEL_MIDDLE, STR_MODEL_HIGH};
    for (UINT text : model_items) add_text_item(ID_MODEL, text);
    select_item(ID_MODEL, (int)((s.scenery_word >> 16) & 0xF00F) - 1);
    add_text_item(ID_SHADOW, STR_SHADOW_LOW);
    add_text_item(ID_SHADOW, STR_SHADOW_HIGH);
    select_item(ID_SHADOW, (int)s.shadow_quality - 1);

    show_check_settings(graphics_checks, COUNT(graphics_checks));
    if (s.scenery_flags & 2)
        show_scenery_minimum();
    else
        set_checked(ID_CUSTOMIZE, 1);
    fill_anisotropy_combo(page_control(ID_ANISOTROPY));
    fill_antialias_combo(page_control(ID_ANTI_ALIAS));
}

void build_system_info_page(const RECT* display) {
    HWND page = create_page_panel(display, PAGE_SYSTEM_INFO);
    // The list's size comes from the rectangle's edges in tab-control coordinates.
    HWND list = CreateWindowExW(0, L"SysListView32", L"", 0x5000000D, 0, 0, display->right - 4, display->bottom - 4,
                                page, (HMENU)(INT_PTR)ID_SYSTEM_INFO_LIST, program_instance, nullptr);
    if (!list) return;
    DWORD extended = (DWORD)SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const struct {
        UINT text;
        int width;
    } columns[] = {{STR_COLUMN_FIELD, 160}, {STR_COLUMN_VALUE, (int)(display->right - display->left) - 160}};
    for (int i = 0; i < 2; ++i) {
        load_text(columns[i].text, message_buffer, TEXT_CAPACITY);
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = columns[i].width;
        column.pszText = message_buffer;
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, (LPARAM)&column);
    }
}

void fill_anisotropy_combo(HWND combo) { fill_level_combo(combo, anisotropy_combo); }
void fill_antialias_combo(HWND combo) { fill_level_combo(combo, antialias_combo); }

uint32_t parse_level_item(const wchar_t* text) {
    wchar_t digits[16];
    int count = 0;
    for (int i = 0; text[i] && text[i] != L'x'; ++i) {
        if (text[i] < L'0' || text[i] > L'9') continue;
        if (i == 0 && text[i] == L'0') continue;  // a leading zero is not taken
        if (count < 15) digits[count++] = text[i];
    }
    digits[count] = 0;
    return (uint32_t)parse_decimal(digits);
}
