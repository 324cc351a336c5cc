// The support report's lines: the PC Information (the system information list's rows and the
// packages) and the setting lines, one table row each.
#include <windows.h>
#include <commctrl.h>
#include "engine_library.h"
#include "files.h"
#include "libraries.h"
#include "package_catalogue.h"
#include "program_state.h"
#include "settings_store.h"
#include "system_info_list.h"
#include "string_ids.h"
#include "string_table.h"
#include "support_report.h"

namespace {

enum SettingTest : uint8_t {
    LINE_ANY_BIT,    // "Effective" when any bit of mask is set
    LINE_CHOICE,     // the text of the first choice equal to the value, else the other text
    LINE_TEXT_BASE,  // the text base + the value's masked bits
    LINE_SIZE,       // "%s = %d x %d": screen width and height
    LINE_FACTOR,     // "%s = %dx"
};

struct SettingChoice {
    uint32_t value;
    uint16_t text;
};

// One setting line. field NULL reads the MipMap switch of kvrn.ini.
struct SettingLine {
    uint16_t label;
    uint8_t test;
    uint32_t GameSettings::*field;
    uint32_t mask;        // LINE_ANY_BIT, LINE_TEXT_BASE: the bits that count
    uint16_t other_text;  // LINE_CHOICE: when no choice matches; LINE_TEXT_BASE: the base
    SettingChoice choices[2];
};

const SettingLine setting_lines[] = {
    {STR_INFO_BAR_HIDE, LINE_ANY_BIT, &GameSettings::bar_flags, 0x0000000F, 0, {}},
    {STR_CAMERA_BAR_HIDE, LINE_ANY_BIT, &GameSettings::bar_flags, 0x000000F0, 0, {}},
    {STR_SMOOTH_CAMERA, LINE_CHOICE, &GameSettings::smooth_camera, 0, STR_INVALIDITY, {{2, STR_EFFECTIVE}}},
    {STR_CURSOR_MODE,
     LINE_CHOICE,
     &GameSettings::cursor_mode,
     0,
     STR_HARDWARE_CURSOR,
     {{2, STR_SOFTWARE_CURSOR}, {3, STR_GENERAL_CURSOR}}},
    {STR_AVIATION_RADIO, LINE_CHOICE, &GameSettings::radio_language, 0, STR_RADIO_ENGLISH, {{2, STR_RADIO_JAPANESE}}},
    {STR_MENU_FRAME_RATE, LINE_CHOICE, &GameSettings::fixed_menu_frame_rate, 0, STR_INVALIDITY, {{1, STR_EFFECTIVE}}},
    {STR_SCREEN_MODE, LINE_CHOICE, &GameSettings::screen_mode, 0, STR_FULL_SCREEN, {{2, STR_WINDOW}, {3, STR_POPUP}}},
    {STR_RESOLUTION_GROUP, LINE_SIZE, nullptr, 0, 0, {}},
    {STR_SCENERY_QUALITY, LINE_TEXT_BASE, &GameSettings::scenery_word, 0x0000000F, STR_TEXTURE_SUPERLOW, {}},
    // The model level, with bits 28 to 31 added in as the page builder reads them (always 0).
    {STR_MODEL_QUALITY, LINE_TEXT_BASE, &GameSettings::scenery_word, 0xF00F0000, STR_MODEL_LOW - 1, {}},
    {STR_SHADOW_QUALITY, LINE_CHOICE, &GameSettings::shadow_quality, 0, STR_SHADOW_LOW, {{2, STR_SHADOW_HIGH}}},
    {STR_OMIT_GROUND_SERVICE, LINE_CHOICE, &GameSettings::omit_ground_service, 0, STR_INVALIDITY, {{1, STR_EFFECTIVE}}},
    {STR_OMIT_DISTANT, LINE_ANY_BIT, &GameSettings::scenery_flags, 0x1, 0, {}},
    {STR_SCENERY_MINIMUM, LINE_ANY_BIT, &GameSettings::scenery_flags, 0x2, 0, {}},
    {STR_STROBE_LIGHT, LINE_CHOICE, &GameSettings::strobe_light, 0, STR_INVALIDITY, {{2, STR_EFFECTIVE}}},
    {STR_MIPMAP, LINE_CHOICE, nullptr, 0, STR_INVALIDITY, {{0, STR_EFFECTIVE}}},
    {STR_ANTI_ALIAS, LINE_FACTOR, &GameSettings::anti_alias, 0, 0, {}},
    {STR_ANISOTROPY, LINE_FACTOR, &GameSettings::anisotropy, 0, 0, {}},
    {STR_INFO_SOUND_3D, LINE_CHOICE, &GameSettings::sound_3d, 0, STR_INFO_HARDWARE, {{2, STR_INFO_SOFTWARE}}},
};

// Bits of value under mask, moved down to the mask's lowest 16-bit half.
uint32_t masked(uint32_t value, uint32_t mask) { return (mask & 0xFFFF) ? value & mask : (value & mask) >> 16; }

UINT line_text(const SettingLine& line, uint32_t value) {
    switch (line.test) {
        case LINE_ANY_BIT:
            return (value & line.mask) ? STR_EFFECTIVE : STR_INVALIDITY;
        case LINE_TEXT_BASE:
            return line.other_text + masked(value, line.mask);
        default:
            for (const SettingChoice& choice : line.choices)
                if (choice.text && choice.value == value) return choice.text;
            return line.other_text;
    }
}

// One cell of a list row into out (256 characters).
void list_cell(HWND list, int row, int column, wchar_t* out) {
    out[0] = 0;
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = out;
    item.cchTextMax = TEXT_CAPACITY;
    SendMessageW(list, LVM_GETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
    out[TEXT_CAPACITY - 1] = 0;
}

}  // namespace

void append_setting_lines(ReportArea* area, const GameSettings* settings) {
    wchar_t label[TEXT_CAPACITY];
    wchar_t value[TEXT_CAPACITY];
    for (const SettingLine& line : setting_lines) {
        load_text(line.label, label, TEXT_CAPACITY);
        uint32_t number = line.field ? settings->*line.field : (uint32_t)mipmap_value;
        if (line.test == LINE_SIZE) {
            append_report_line(area, L"%s = %d x %d\n", label, (int)settings->screen_width,
                               (int)settings->screen_height);
        } else if (line.test == LINE_FACTOR) {
            append_report_line(area, L"%s = %dx\n", label, (int)number);
        } else {
            load_text(line_text(line, number), value, TEXT_CAPACITY);
            append_report_line(area, L"%s = %s\n", label, value);
        }
    }
}

void append_pc_information(ReportArea* area) {
    wchar_t label[TEXT_CAPACITY];
    wchar_t value[TEXT_CAPACITY];
    HWND list = system_info_list_view();
    for (int32_t row = 0; list && row < system_info_rows_before_packages; ++row) {
        list_cell(list, row, 0, label);
        if (!label[0]) continue;  // a blank separator row
        list_cell(list, row, 1, value);
        append_report_line(area, L"%s : %s\n", label, value);
    }
    if (!engine_available || !engine_info) return;
    for (uint32_t i = 0; i < package_count; ++i) {
        const PackageRecord& p = package_list[i];
        wchar_t title[64 + 1];
        copy_text(title, 64 + 1, p.english_title);  // NUL-terminated within its field
        format_text(label, TEXT_CAPACITY, L"%s (Ver)", title);
        if (p.version == 0)
            copy_text(value, TEXT_CAPACITY, L"--------");
        else
            format_text(value, TEXT_CAPACITY, L"%d ---install %02d/%02d/%02d---", (int)p.version,
                        (int)(p.install_date / 10000), (int)(p.install_date % 10000 / 100),
                        (int)(p.install_date % 100));
        append_report_line(area, L"%s : %s\n", label, value);
    }
}
