// Module-wide state of the configuration program, shared by its start-up, pages and probes.
#pragma once
#include <windows.h>
#include <stdint.h>

struct DisplayMode;
struct DisplayAdapter;
struct PackageRecord;

// Every fixed text buffer of the program holds this many UTF-16 characters.
constexpr int TEXT_CAPACITY = 256;

extern volatile int32_t running;    // the message loop runs while non-zero
extern int32_t install_mode;        // 1 when started with the install switch (/i)
extern HINSTANCE program_instance;  // for strings, bitmaps and icons
extern int32_t string_offset;       // (language - 1) * 10000, added to every string id
extern HFONT dialog_font;           // font of every page control

extern DisplayAdapter* adapter_list;  // display adapters, when the engine is not available
extern uint32_t adapter_count;
extern DisplayMode* resolution_list;  // full-screen modes offered on the Display page
extern uint32_t resolution_count;
extern PackageRecord* package_list;  // installed add-on packages, newest first
extern uint32_t package_count;

extern wchar_t first_bgm_name[TEXT_CAPACITY];          // first music file in common\bgm
extern wchar_t engine_test_sound_name[TEXT_CAPACITY];  // file played on the engine channel

// One shared text buffer for message texts; every load or format into it stays within it.
extern wchar_t message_buffer[TEXT_CAPACITY];
