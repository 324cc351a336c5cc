// The host side of the stand-in scene engine: what the game host, tests and tools use to
// build a scene, load aircraft plug-ins, drive objects and read back what the plug-ins did.
// Plain C functions (cdecl) exported from kvrn.dll beside the engine functions.
#pragma once

#include "kvrn_engine.h"

#ifdef KVRN_ENGINE_BUILD
#define KVRN_HOST_API extern "C" __declspec(dllexport)
#else
#define KVRN_HOST_API extern "C" __declspec(dllimport)
#endif

enum { KVRN_HOST_NAME_CHARS = 64 };

// One layer as the engine holds it.
struct KvrnLayerState {
    wchar_t name[KVRN_HOST_NAME_CHARS];  // cut to fit
    KvrnLayer parent;                    // 0 for the scene root
    KvrnVector translation;
    KvrnVector rotation;
    KvrnVector scale;       // the transform's scale, (1, 1, 1) until set
    uint32_t visible;       // 1 shown (the initial state), 0 hidden
    uint32_t transparency;  // property 23: 0 opaque .. 255 invisible
    float sprite_scale;     // property 41 set: the glow sprite's scale, 1.0 until set
    float base_scale;       // property 41 get: the float the engine points to, 1.0 unless set by the host
    uint32_t moves;         // KVRNL_MoveLayer calls on this layer
    uint32_t switches;      // KVRNL_SwitchLayer calls
    uint32_t transparency_sets;
    uint32_t scale_sets;
};

// What the engine's heap saw.
struct KvrnHeapStats {
    uint32_t live_blocks;  // allocated and not yet freed
    uint32_t live_bytes;
    uint32_t allocations;  // every successful alloc and resize-from-NULL
    uint32_t frees;
    uint32_t double_frees;  // free or resize of a block already freed
    uint32_t foreign;       // free or resize of a pointer the heap never gave out
};

// Dynamic light state as the last KVRN_SetLight left it.
struct KvrnLightState {
    uint32_t on;         // 0 after KVRN_SetLight(..., NULL) or when never set
    uint32_t sets;       // KVRN_SetLight calls for this light
    uint8_t record[56];  // the last record given (zero while off)
};

// Engine calls as logged, in order.
enum KvrnCallKind {
    KVRN_CALL_HOST_SEND = 1,  // the host drove an object (kvrn_host_send)
    KVRN_CALL_MOVE_ACTION,    // ints: command, ival1, ival2; floats: fval1, fval2
    KVRN_CALL_SEARCH_LAYER,   // layer = parent, name, result
    KVRN_CALL_SWITCH_LAYER,   // ints[0] = on
    KVRN_CALL_MOVE_LAYER,     // vectors[0] translation, [1] rotation; flags bit 0/1/2 = given
    KVRN_CALL_GET_MOVE_LAYER,
    KVRN_CALL_RECALL_FUNCTION,  // ints: property, value
    KVRN_CALL_EXT_FUNCTION,     // ints: property
    KVRN_CALL_SET_LIGHT,        // ints: light, record given
    KVRN_CALL_ALLOC,            // ints: bytes
    KVRN_CALL_RESIZE,           // ints: bytes
    KVRN_CALL_FREE,
    KVRN_CALL_POST,  // a plug-in rewrote layer's record tail (a post); tail_* hold it
};

struct KvrnCall {
    uint32_t kind;  // KvrnCallKind
    KvrnContext context;
    KvrnLayer layer;
    KvrnInt ints[3];  // pointer-sized: an argument or property value may be an address
    float floats[2];
    KvrnVector vectors[2];
    uint32_t flags;
    KvrnWord result;
    // For MoveAction, host sends and posts: the object's record tail as the engine found it.
    int32_t tail_command;
    KvrnInt tail_ival1, tail_ival2;
    float tail_fval1, tail_fval2;
    wchar_t name[KVRN_HOST_NAME_CHARS];
    // For heap calls: the block handed in (resize, free) and the block handed out (alloc,
    // resize; 0 when refused).
    KvrnWord heap_block;
    KvrnWord heap_result;
};

// Scene. kvrn_host_reset empties the scene, objects, log, lights and heap accounting
// (blocks still live are forgotten, not freed).
KVRN_HOST_API void kvrn_host_reset(void);
KVRN_HOST_API KvrnContext kvrn_host_context(void);
KVRN_HOST_API KvrnLayer kvrn_host_root(void);
// Lenient: a name searched under any parent but the scene root exists (it is created on first search).
KVRN_HOST_API void kvrn_host_set_lenient(int lenient);
KVRN_HOST_API KvrnLayer kvrn_host_add_layer(KvrnLayer parent, const wchar_t* name);
// Adds each name of a NULL-terminated list under parent.
KVRN_HOST_API void kvrn_host_add_layers(KvrnLayer parent, const wchar_t* const* names);
// Finds a layer below parent (0: the root) without logging and without creating it.
KVRN_HOST_API KvrnLayer kvrn_host_find_layer(KvrnLayer parent, const wchar_t* name);
KVRN_HOST_API int kvrn_host_layer_state(KvrnLayer layer, KvrnLayerState* out);
KVRN_HOST_API void kvrn_host_set_transform(KvrnLayer layer, const KvrnVector* translation, const KvrnVector* rotation);
KVRN_HOST_API void kvrn_host_set_base_scale(KvrnLayer layer, float base_scale);
// World position as property 203 reports it: the sum of the translations from the layer up to the root.
KVRN_HOST_API void kvrn_host_world_position(KvrnLayer layer, KvrnVector* out);
KVRN_HOST_API uint32_t kvrn_host_layer_count(void);

// Plug-ins and objects.
// Loads a plug-in DLL and binds _KVRNACTIONINTERFACE@12; NULL when either fails.
KVRN_HOST_API KvrnActionInterface kvrn_host_load_plugin(const wchar_t* path);
// A new object: a root layer named `name` under the scene root, a zeroed record, the entry point.
KVRN_HOST_API KvrnLayer kvrn_host_create_object(const wchar_t* name, KvrnActionInterface entry);
KVRN_HOST_API tagKVRNFILE* kvrn_host_record(KvrnLayer object);
// Writes the command into the object's record and calls its entry point, as the game does.
KVRN_HOST_API KvrnWord kvrn_host_send(KvrnLayer object, int32_t command, KvrnInt ival1, KvrnInt ival2, float fval1,
                                      float fval2);

// Heap.
KVRN_HOST_API void kvrn_host_heap_stats(KvrnHeapStats* out);
// Which allocation gave out a live block, counted from 1 since the last reset (a resized block
// keeps its number), so that the order in which blocks were made can be read back; 0 for a
// pointer that is not a live block.
KVRN_HOST_API uint32_t kvrn_host_block_number(const void* block);
// The size a live block was given (0 for a pointer that is not a live block).
KVRN_HOST_API uint32_t kvrn_host_block_bytes(const void* block);
// The nth resize from now (1: the next one) is refused: it returns NULL and leaves the block as
// it was. 0 refuses none. kvrn_host_reset clears it.
KVRN_HOST_API void kvrn_host_heap_refuse_resize(uint32_t nth);
// While on, every block made or moved ends right before a page that cannot be read or written,
// so that any touch past its end faults at once. kvrn_host_reset turns it off.
KVRN_HOST_API void kvrn_host_heap_guard(int on);

// Lights (0 to 15).
KVRN_HOST_API int kvrn_host_light(uint32_t light, KvrnLightState* out);

// Call log, capped at a generous size; `dropped` counts what did not fit.
KVRN_HOST_API void kvrn_host_log_enable(int enabled);
KVRN_HOST_API void kvrn_host_log_clear(void);
KVRN_HOST_API uint32_t kvrn_host_log_count(void);
KVRN_HOST_API uint32_t kvrn_host_log_dropped(void);
KVRN_HOST_API int kvrn_host_log_get(uint32_t index, KvrnCall* out);
