// The 3D scene engine KVRN.DLL as the configuration program uses it: the information record
// it hands out and its four configuration functions (stdcall, bound by decorated name).
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

// One entry of the engine's mode table; the table ends at an entry whose width or height is 0.
struct EngineMode {
    uint32_t width;
    uint32_t height;
    uint32_t refresh_rate;  // Hz
};
static_assert(sizeof(EngineMode) == 12, "mode entries are three words");

enum { ENGINE_LEVEL_SLOTS = 15 };  // anisotropy and anti-alias lists: at most 15 words

// The engine's information record. DO NOT MOVE ANYTHING: the engine owns the layout, the
// program reads the fields at these byte offsets. The engine owns the record; never freed.
struct EngineInformation {
    uint8_t engine_head[0xA8];
    wchar_t pc_maker[80];                            // 0xA8: maker of the computer
    wchar_t pc_model[248];                           // 0x148: model of the computer
    uint32_t texture_stage_count;                    // 0x338
    uint32_t max_texture_width;                      // 0x33C
    uint32_t max_texture_height;                     // 0x340
    uint32_t light_count;                            // 0x344
    uint32_t stream_count;                           // 0x348
    uint32_t engine_reserved;                        // 0x34C
    uint32_t anisotropy_current;                     // 0x350: used when the setting is 0
    uint32_t anisotropy_levels[ENGINE_LEVEL_SLOTS];  // 0x354: ended by the first 0
    uint32_t anti_alias_current;                     // 0x390
    uint32_t anti_alias_levels[ENGINE_LEVEL_SLOTS];  // 0x394: ended by the first 0
    const EngineMode* mode_table;                    // 0x3D0
    uint32_t zbuffer_bits;                           // 0x3D4
    uint32_t stencil_bits;                           // 0x3D8
};
static_assert(offsetof(EngineInformation, pc_maker) == 0xA8, "maker text at 0xA8");
static_assert(offsetof(EngineInformation, pc_model) == 0x148, "model text at 0x148");
static_assert(offsetof(EngineInformation, texture_stage_count) == 0x338, "stages at 0x338");
static_assert(offsetof(EngineInformation, max_texture_width) == 0x33C, "texture width at 0x33C");
static_assert(offsetof(EngineInformation, light_count) == 0x344, "lights at 0x344");
static_assert(offsetof(EngineInformation, stream_count) == 0x348, "streams at 0x348");
static_assert(offsetof(EngineInformation, anisotropy_current) == 0x350, "anisotropy at 0x350");
static_assert(offsetof(EngineInformation, anisotropy_levels) == 0x354, "anisotropy list at 0x354");
static_assert(offsetof(EngineInformation, anti_alias_current) == 0x390, "anti-alias at 0x390");
static_assert(offsetof(EngineInformation, anti_alias_levels) == 0x394, "anti-alias list at 0x394");
static_assert(offsetof(EngineInformation, mode_table) == 0x3D0, "mode table pointer at 0x3D0");
#if UINTPTR_MAX == UINT32_MAX
static_assert(offsetof(EngineInformation, zbuffer_bits) == 0x3D4, "Z bits at 0x3D4");
static_assert(offsetof(EngineInformation, stencil_bits) == 0x3D8, "stencil bits at 0x3D8");
#else
// Where pointers are wider, the words after the mode table pointer follow it.
static_assert(offsetof(EngineInformation, zbuffer_bits) == 0x3D8, "Z bits at 0x3D8");
static_assert(offsetof(EngineInformation, stencil_bits) == 0x3DC, "stencil bits at 0x3DC");
#endif

enum {
    ENGINE_INFORMATION_KIND = 5,          // KVRN_GetInformation's second argument
    ENGINE_FUNCTION_PRODUCT_LEVEL = 113,  // KVRN_EXT_Function: 1 opens the SuperLow texture level
};

typedef uint32_t(__stdcall* KvrnStartFn)(HWND window, RECT* rect, int32_t mode);
typedef void(__stdcall* KvrnEndFn)(uint32_t engine);
typedef EngineInformation*(__stdcall* KvrnGetInformationFn)(uint32_t engine, int32_t kind);
typedef int32_t(__stdcall* KvrnExtFunctionFn)(uint32_t engine, int32_t function, uint32_t a1, uint32_t a2, uint32_t a3,
                                              uint32_t a4, uint32_t a5, uint32_t a6);

// The engine's entry points, null until the 3D gate binds them.
struct EngineEntries {
    KvrnStartFn start;                     // _KVRN_Start@12
    KvrnEndFn end;                         // _KVRN_End@4
    KvrnGetInformationFn get_information;  // _KVRN_GetInformation@8
    KvrnExtFunctionFn ext_function;        // _KVRN_EXT_Function@32
};

// Number of entries of a level list before its first 0, never more than its 15 slots.
uint32_t engine_level_count(const uint32_t levels[ENGINE_LEVEL_SLOTS]);
