// The lists built once at start-up and freed at exit: dialog font, display lists, packages,
// the first background-music file and the engine test sound.
#pragma once
#include <stdint.h>
#include <wchar.h>
#include "folder_walk.h"

void load_startup_lists();
// dialog_font: the font of every page control, with the character set of the language setting.
void create_dialog_font();
void free_startup_lists();

// The extension of a file name with its dot: 1 when it has one (shorter than 16 characters).
int get_extension(const wchar_t* name, wchar_t out[16]);
// Appends to out (TEXT_CAPACITY characters) the bare name of the first .wav file below folder,
// depth first, that is neither clear.wav nor gameover.wav.
void find_first_bgm(wchar_t* out, const wchar_t* folder);
// The engine test sound for the installed packages: "" without packages, "acplug02_engine.wav"
// for the one package named 北浜国際空港 in the Japanese interface, else "config_engine.wav".
const wchar_t* choose_engine_test_sound(uint32_t packages, uint32_t language, const wchar_t* first_display_name);
