// Loading and binding of the sound library and the 3D engine library, the 3D gate and the
// shut-down of both.
#pragma once
#include <windows.h>
#include <stdint.h>
#include "engine_library.h"
#include "sound_library.h"

extern HMODULE sound_module;                     // RUQ6X.DLL, 0 when not loaded
extern HMODULE engine_module;                    // KVRN.DLL, 0 when not loaded
extern SoundEntries sound_entries;               // null entries are skipped by every caller
extern EngineEntries engine_entries;             // bound only when the files and DirectDraw/Direct3D allow
extern uint32_t engine_handle;                   // KVRN_Start's result, 0 until the main window starts it
extern EngineInformation* engine_info;           // KVRN_GetInformation's record, NULL without the engine
extern int32_t engine_available;                 // 1: engine loaded and bound, accelerated, DirectX 9 or later
extern SoundCaps sound_caps;                     // the sound library's capability record
extern SoundSlot sound_slots[SOUND_SLOT_COUNT];  // test-sound records, record k for channel k
extern HBITMAP aspect_bitmap;                    // bitmap 109, the strip of aspect pictures

// Settles language and settings, binds both libraries, decides the 3D gate and applies the
// hardware-dependent defaults. Every problem is reported in a box; start-up goes on. Returns 1.
int init_settings_and_libraries();
// Starts the engine for the settings window when the gate is open: engine_handle, engine_info
// and the resolution list from the engine's modes (the default entry when it gives no record).
void start_engine(HWND window);
// Ends the sound system and the engine and unloads both libraries (start-up failure paths).
void shutdown_libraries();

// Binds the 17 sound entries of a loaded library in order; returns the mask of missing ones.
uint32_t bind_sound_entries(HMODULE module, SoundEntries* entries);
// Binds the four engine entries; 1 when all were found (else all are left null).
int bind_engine_entries(HMODULE module, EngineEntries* entries);

// What the 3D gate sees, and what it decides.
struct EngineGateInput {
    int32_t engine_loaded;      // KVRN.DLL loaded
    int32_t entries_bound;      // all four engine entries found (asked only when both statuses allow)
    const wchar_t* dd_status;   // DxDiag DirectDraw status text
    const wchar_t* d3d_status;  // DxDiag Direct3D status text
    uint32_t directx_version;   // the setup library's version word (0 without an answer)
};
struct EngineGateResult {
    int32_t available;          // engine_available
    int32_t show_engine_error;  // 1: box 906 "3D Device error.(KVRN)"
    int32_t bind_entries;       // 1: the gate reached the point where the entries are bound
};
EngineGateResult decide_engine_gate(const EngineGateInput* input);
// 1 when a DxDiag status text reads "Enabled" (case ignored).
int status_enabled(const wchar_t* status);
