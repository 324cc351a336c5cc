// The engine's information record as the stand-in engine lays it out and hands it to the
// configuration program (KVRN_GetInformation). DO NOT MOVE ANYTHING: readers use these offsets.
#pragma once
#include <stddef.h>
#include <stdint.h>

struct KvrnModeEntry {
    uint32_t width, height, refresh_rate;  // the table ends at an entry with width or height 0
};

enum { KVRN_LEVEL_SLOTS = 15, KVRN_MODE_CAPACITY = 512 };

struct KvrnInformation {
    uint8_t head[0xA8];
    wchar_t pc_maker[80];                          // 0xA8
    wchar_t pc_model[248];                         // 0x148
    uint32_t texture_stage_count;                  // 0x338
    uint32_t max_texture_width;                    // 0x33C
    uint32_t max_texture_height;                   // 0x340
    uint32_t light_count;                          // 0x344
    uint32_t stream_count;                         // 0x348
    uint32_t reserved;                             // 0x34C
    uint32_t anisotropy_current;                   // 0x350
    uint32_t anisotropy_levels[KVRN_LEVEL_SLOTS];  // 0x354, ended by 0
    uint32_t anti_alias_current;                   // 0x390
    uint32_t anti_alias_levels[KVRN_LEVEL_SLOTS];  // 0x394, ended by 0
    const KvrnModeEntry* mode_table;               // 0x3D0
    uint32_t zbuffer_bits;                         // 0x3D4
    uint32_t stencil_bits;                         // 0x3D8
};
static_assert(offsetof(KvrnInformation, pc_maker) == 0xA8, "maker at 0xA8");
static_assert(offsetof(KvrnInformation, pc_model) == 0x148, "model at 0x148");
static_assert(offsetof(KvrnInformation, texture_stage_count) == 0x338, "stages at 0x338");
static_assert(offsetof(KvrnInformation, max_texture_width) == 0x33C, "texture size at 0x33C");
static_assert(offsetof(KvrnInformation, light_count) == 0x344, "lights at 0x344");
static_assert(offsetof(KvrnInformation, stream_count) == 0x348, "streams at 0x348");
static_assert(offsetof(KvrnInformation, anisotropy_current) == 0x350, "anisotropy at 0x350");
static_assert(offsetof(KvrnInformation, anisotropy_levels) == 0x354, "anisotropy list at 0x354");
static_assert(offsetof(KvrnInformation, anti_alias_current) == 0x390, "anti-alias at 0x390");
static_assert(offsetof(KvrnInformation, anti_alias_levels) == 0x394, "anti-alias list at 0x394");
static_assert(offsetof(KvrnInformation, mode_table) == 0x3D0, "mode table at 0x3D0");
#if UINTPTR_MAX == UINT32_MAX
static_assert(offsetof(KvrnInformation, zbuffer_bits) == 0x3D4, "Z bits at 0x3D4");
static_assert(offsetof(KvrnInformation, stencil_bits) == 0x3D8, "stencil bits at 0x3D8");
#else
// Where pointers are wider, the words after the mode table pointer follow it.
static_assert(offsetof(KvrnInformation, zbuffer_bits) == 0x3D8, "Z bits at 0x3D8");
static_assert(offsetof(KvrnInformation, stencil_bits) == 0x3DC, "stencil bits at 0x3DC");
#endif
