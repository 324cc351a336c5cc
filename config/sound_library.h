// The sound library RUQ6X.DLL as the configuration program uses it: the 17 RUQ2_ entries
// (stdcall, bound by decorated name), the wave slot and the capability record.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

// A wave slot: its contents belong to the sound library, which fills it on a read. The program
// clears it and reads only the last word, non-zero while the slot holds a loaded sound. The
// library keeps a pointer of its own in the slot, so where pointers are wider the slot is too.
enum : uint32_t { SOUND_SLOT_BYTES = sizeof(void*) == 4 ? 536 : 544 };
struct SoundSlot {
    uint8_t library_data[SOUND_SLOT_BYTES - 4];
    uint32_t loaded;
};
static_assert(sizeof(void*) != 4 || sizeof(SoundSlot) == 536, "sound slots are 536 bytes");

// Filled by RUQ2_GetCaps; the program reads the first word only.
struct SoundCaps {
    uint32_t kind;  // 1 hardware 3D sound, 2 software sound only, 0 not filled
    uint32_t library_data[7];
};
static_assert(sizeof(SoundCaps) == 32, "capability record is 8 words");

enum {
    SOUND_KIND_HARDWARE = 1,
    SOUND_KIND_SOFTWARE = 2,
    SOUND_START_FLAGS = 0x1000,  // RUQ2_Start's second argument
    SOUND_LOOP = -1,             // last argument of RUQ2_WavePlay / RUQ2_WaveStreamPlay
    SOUND_ALL_CHANNELS = -1,     // RUQ2_WaveStop: every channel
    SOUND_SLOT_COUNT = 8,
};

// The sound library's entry points in binding order; each null until bound. Bit k of the
// entry-error mask stands for the k-th entry.
struct SoundEntries {
    int32_t(__stdcall* start)(HWND window, uint32_t flags);                                                  // 0x1
    int32_t(__stdcall* get_caps)(SoundCaps* caps);                                                           // 0x2
    void(__stdcall* end)();                                                                                  // 0x4
    int32_t(__stdcall* wave_read)(const wchar_t* path, SoundSlot* slot);                                     // 0x8
    int32_t(__stdcall* wave_play)(int32_t channel, SoundSlot* slot, int32_t loops);                          // 0x10
    int32_t(__stdcall* wave_stream_play)(int32_t channel, const wchar_t* path, int32_t loops);               // 0x20
    int32_t(__stdcall* wave_change_play)(int32_t channel, SoundSlot* slot, int32_t loops, int32_t fade_ms);  // 0x40
    int32_t(__stdcall* wave_stop)(int32_t channel);                                                          // 0x80
    int32_t(__stdcall* wave_free)(SoundSlot* slot);                                                          // 0x100
    int32_t(__stdcall* wave_status)(int32_t channel);                                                        // 0x200
    int32_t(__stdcall* wave_set_master_vol)(int32_t volume);                                                 // 0x400
    int32_t(__stdcall* wave_set_local_vol)(int32_t channel, int32_t volume);                                 // 0x800
    int32_t(__stdcall* wave_get_local_vol)(int32_t channel);                                                 // 0x1000
    int32_t(__stdcall* wave_master_fade)(int32_t volume, int32_t fade_ms);                                   // 0x2000
    int32_t(__stdcall* wave_get_master_vol)();                                                               // 0x4000
    int32_t(__stdcall* get_master_vol)();                // 0x8000: Windows master volume 0..100
    int32_t(__stdcall* set_master_vol)(int32_t volume);  // 0x10000
};
static_assert(sizeof(SoundEntries) == 17 * sizeof(void*), "17 sound entries");
