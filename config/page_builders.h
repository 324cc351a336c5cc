// The five tab pages of the settings window, built once in tab order, and the state the
// page procedure shares with them.
#pragma once
#include <windows.h>
#include <stdint.h>

extern int32_t selected_mode_index;  // resolution-list entry shown in combo 3000
extern int32_t superlow_listed;      // 1: texture combo 6000 starts with "SuperLow"

void build_game_system_page(const RECT* display);
void build_display_page(const RECT* display);
void build_graphics_page(const RECT* display);
void build_system_info_page(const RECT* display);
// build_sound_page is in sound_page.h.

// Items and selection of the anisotropy and anti-alias combos from the engine's level lists.
void fill_anisotropy_combo(HWND combo);
void fill_antialias_combo(HWND combo);
// The factor an item of those combos names: "16x" 16, " 2x" 2, "nothing" 0.
uint32_t parse_level_item(const wchar_t* text);

// Sets the Game System cursor controls for an available engine and a cursor mode.
void show_cursor_controls(int engine, uint32_t cursor_mode);
// Checks 6008 and locks the texture, model and omit-distant controls at their minimum.
void show_scenery_minimum();
// The texture combo's index of a texture level (-1 when that level is not listed).
int texture_index(uint32_t level);
