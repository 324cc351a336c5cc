// The Sound page: 3D-sound radios and the five volume rows.
#include "sound_page.h"
#include <commctrl.h>
#include "control_ids.h"
#include "files.h"
#include "key_rings.h"
#include "libraries.h"
#include "page_controls.h"
#include "program_state.h"
#include "setting_controls.h"
#include "settings_store.h"
#include "string_ids.h"
#include "test_sounds.h"

HWND volume_trackbars[VOLUME_ROWS];
HWND volume_labels[VOLUME_ROWS];
int32_t test_sound_playing[VOLUME_ROWS];
MoxelButton test_buttons[VOLUME_ROWS];

namespace {

const ControlRow sound_rows[] = {
    {0, KIND_GROUP, 0, STR_SOUND_3D, 15, 10, 460, 50},
    {ID_SOUND_HARDWARE, KIND_RADIO, ROW_RING, STR_SOUND_HARDWARE, 40, 30, 120, 20},
    {ID_SOUND_SOFTWARE, KIND_RADIO, ROW_RING, STR_SOUND_SOFTWARE, 200, 30, 120, 20},
    {0, KIND_GROUP, ROW_UNREGISTERED, STR_VOLUME_DETAILS, 15, 70, 460, 170},
};

const UINT row_texts[VOLUME_ROWS] = {STR_VOLUME_BGM, STR_VOLUME_AIRBAND, STR_VOLUME_AMBIENT, STR_VOLUME_EFFECT,
                                     STR_VOLUME_ANNOUNCEMENT};

}  // namespace

void show_volume(int row, uint32_t volume) {
    wchar_t text[16];
    format_text(text, 16, L"%3d%s", (int)volume, L"%");
    SetWindowTextW(volume_labels[row], text);
}

void create_volume_row(UINT text, int y, int trackbar_id, int button_id, uint32_t volume, int row, HWND page) {
    create_page_control(page, KIND_LABEL, text, 30, y + 3, 140, 20, 0);
    HWND trackbar = CreateWindowExW(0, L"msctls_trackbar32", L"TEST", 0x50000001, 170, y, 200, 20, page,
                                    (HMENU)(INT_PTR)trackbar_id, program_instance, nullptr);
    volume_trackbars[row] = trackbar;
    install_ring_key_proc(trackbar, trackbar_id);
    volume_labels[row] = create_page_control(page, KIND_LABEL, 0, 390, y + 3, 40, 20, 0);
    show_volume(row, volume);

    test_sound_playing[row] = 0;
    MoxelButton& button = test_buttons[row];
    button = MoxelButton{};
    show_test_button(row, 0);
    button.x = 432;
    button.y = y;
    button.width = 27;
    button.height = 16;
    button.handle = MOXEL_CreatePushButton(page, &button, 0, button_id);

    SendMessageW(trackbar, TBM_SETPAGESIZE, 0, 10);
    SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageW(trackbar, TBM_SETPOS, TRUE, (LPARAM)volume);
    if (!sound_module && button.handle) ShowWindow(button.handle, SW_HIDE);
}

void build_sound_page(const RECT* display) {
    HWND page = create_page_panel(display, PAGE_SOUND);
    create_page_controls(page, sound_rows, (int)(sizeof sound_rows / sizeof sound_rows[0]));
    for (int row = 0; row < VOLUME_ROWS; ++row)
        create_volume_row(row_texts[row], 90 + 30 * row, ID_FIRST_TRACKBAR + row, ID_FIRST_TEST_BUTTON + row,
                          game_settings.volumes[row], row, page);
    if (sound_caps.kind == SOUND_KIND_SOFTWARE) {
        // Without hardware 3D sound only software sound can be chosen, whatever was saved.
        enable_control(ID_SOUND_HARDWARE, 0);
        set_checked(ID_SOUND_SOFTWARE, 1);
    } else {
        show_radio_setting(ID_SOUND_HARDWARE);
    }
}
