// The stand-in "Slip" effect: what it was told. An object of the scene named "Slip" driven by
// slip.dll keeps every command 2 it receives; tests and tools read them back here.
#pragma once

#include "kvrn_engine.h"

#ifdef SLIP_BUILD
#define SLIP_API extern "C"
#else
#define SLIP_API extern "C" __declspec(dllimport)
#endif

// One start of the effect.
struct SlipStart {
    KvrnContext context;
    KvrnLayer slip;              // the Slip object's own root layer
    KvrnLayer object;            // ival1: root layer of the object that touched down
    uint32_t translation_given;  // ival2 was not NULL
    KvrnVector translation;      // what ival2 pointed to at the time of the call
    float fval1;                 // heading of the effect (180.0)
    float fval2;                 // speed in km/h
};

enum { SLIP_START_MAX = 64 };  // starts kept; later ones are counted but not kept

SLIP_API uint32_t slip_start_count(void);
// Start `index` (0 = first); 0 when there is no such start kept.
SLIP_API int slip_start_get(uint32_t index, SlipStart* out);
SLIP_API void slip_clear(void);
