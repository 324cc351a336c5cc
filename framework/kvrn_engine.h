// The scene engine kvrn.dll as the plug-ins see it: the per-object record and the
// engine functions they call. All functions use the standard Windows calling
// convention and are bound by their decorated names (_KVRNL_MoveLayer@28 ...).
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "commands.h"

#ifdef KVRN_ENGINE_BUILD
#define KVRN_API
#else
#define KVRN_API __declspec(dllimport)
#endif

typedef uint32_t KvrnContext;  // engine context handle
typedef uint32_t KvrnLayer;    // layer handle; 0 is "no layer" and every function accepts it

// An integer argument or result that may carry a pointer (command 40's path state, the
// translation of a start of "Slip", the record of command -4, the base scale of property 41):
// 32-bit on the 32-bit platform, pointer-sized wherever pointers are wider.
typedef intptr_t KvrnInt;
typedef uintptr_t KvrnWord;

// An engine vector: x, y, z and w (w is always 0). Rotations are
// (x pitch, y heading, z roll) in degrees.
struct KvrnVector {
    float x, y, z, w;
};
static_assert(sizeof(KvrnVector) == 16, "engine vectors are four floats");

struct ActionTable;

// The engine's per-object record. DO NOT MOVE ANYTHING: the engine owns bytes 0 to 403
// and expects the tail at byte 404 in exactly this order.
struct tagKVRNFILE {
    uint8_t engine[404];   // the engine's own, never touched by a plug-in
    int32_t command;       // command to execute
    KvrnInt ival1;         // first integer argument (for some slots a pointer)
    KvrnInt ival2;         // second integer argument
    float fval1;           // first float argument
    float fval2;           // second float argument
    ActionTable* actions;  // the object's action table; NULL before create and after destroy
};
static_assert(offsetof(tagKVRNFILE, command) == 404, "record tail starts at byte 404");
static_assert(offsetof(tagKVRNFILE, ival1) == 408, "ival1 at 408");
#if UINTPTR_MAX == UINT32_MAX
static_assert(offsetof(tagKVRNFILE, ival2) == 412, "ival2 at 412");
static_assert(offsetof(tagKVRNFILE, fval1) == 416, "fval1 at 416");
static_assert(offsetof(tagKVRNFILE, fval2) == 420, "fval2 at 420");
static_assert(offsetof(tagKVRNFILE, actions) == 424, "actions at 424");
static_assert(sizeof(tagKVRNFILE) == 428, "the engine's record is 428 bytes");
#endif

// Layer properties of KVRNL_EXT_RecallFunction and KVRNL_EXT_Function.
enum {
    KVRN_PROP_TRANSPARENCY = 23,  // 0 opaque .. 255 invisible
    KVRN_PROP_SCALE = 41,         // set: pointer to a float; get: pointer to the base scale
    KVRN_PROP_WORLD = 203,        // fills a record; x, y, z floats at bytes 32, 36, 40
};

enum { KVRN_DYNAMIC_LIGHT = 7 };  // the light the plug-ins place at a flashing light

typedef uint32_t(__stdcall* KvrnActionInterface)(uint32_t context, uint32_t layer, tagKVRNFILE* record);

extern "C" {
KVRN_API KvrnWord __stdcall KVRNL_MoveAction(KvrnContext context, KvrnLayer object, int32_t command, KvrnInt ival1,
                                             KvrnInt ival2, float fval1, float fval2);
KVRN_API KvrnLayer __stdcall KVRNL_SearchLayer(KvrnContext context, KvrnLayer parent, const wchar_t* name);
KVRN_API uint32_t __stdcall KVRNL_SwitchLayer(KvrnContext context, KvrnLayer layer, uint32_t on);
KVRN_API uint32_t __stdcall KVRNL_MoveLayer(KvrnContext context, KvrnLayer layer, const KvrnVector* translation,
                                            const KvrnVector* rotation, const KvrnVector* scale, uint32_t zero1,
                                            uint32_t zero2);
KVRN_API uint32_t __stdcall KVRNL_GetMoveLayer(KvrnContext context, KvrnLayer layer, KvrnVector* translation,
                                               KvrnVector* rotation, KvrnVector* scale, uint32_t zero1, uint32_t zero2);
KVRN_API uint32_t __stdcall KVRNL_EXT_RecallFunction(KvrnContext context, KvrnLayer layer, uint32_t property,
                                                     KvrnWord value, uint32_t zero, uint32_t one);
KVRN_API KvrnWord __stdcall KVRNL_EXT_Function(KvrnContext context, KvrnLayer layer, uint32_t property, void* output,
                                               uint32_t zero1, uint32_t zero2, uint32_t zero3, uint32_t zero4,
                                               uint32_t zero5);
KVRN_API uint32_t __stdcall KVRN_SetLight(KvrnContext context, uint32_t light, const void* record);
KVRN_API void __stdcall KVRN_Set3D(KvrnVector* vector, float x, float y, float z, float w);
KVRN_API void __stdcall KVRN_Copy3D(KvrnVector* destination, const KvrnVector* source);
KVRN_API void* __stdcall KVRN_AllocMemory(KvrnContext context, uint32_t bytes);
KVRN_API void* __stdcall KVRN_ResizeMemory(KvrnContext context, void* block, uint32_t bytes);
KVRN_API void __stdcall KVRN_FreeMemory(KvrnContext context, void* block);
}
