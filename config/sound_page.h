// The Sound page: 3D-sound radios and five volume rows (label, trackbar, value, test button).
#pragma once
#include <windows.h>
#include <stdint.h>
#include "moxel20.h"

enum { VOLUME_ROWS = 5 };  // 0 BGM, 1 Airband, 2 Ambient Sound, 3 Sound Effect, 4 Announcement

extern HWND volume_trackbars[VOLUME_ROWS];  // ids 4100 + row
extern HWND volume_labels[VOLUME_ROWS];     // "%3d%" of the row's volume
extern int32_t test_sound_playing[VOLUME_ROWS];
extern MoxelButton test_buttons[VOLUME_ROWS];  // ids 4200 + row, drawn by moxel20.dll

void build_sound_page(const RECT* display);
void create_volume_row(UINT text, int y, int trackbar_id, int button_id, uint32_t volume, int row, HWND page);
// Shows a volume in the row's label ("%3d%s" with "%").
void show_volume(int row, uint32_t volume);
