// Lights (slots 19, 30 to 36) and the engine dynamic light 7 that follows the flashing ones.
#pragma once

#include "action_slot.h"

// The record handed to KVRN_SetLight. DO NOT MOVE A FIELD: the engine reads it by these offsets.
struct LightRecord {
    int32_t type;   // 3: a point light
    float x, y, z;  // where the light is, from the lamp's layer
    uint32_t unused1[5];
    float range;
    uint32_t unused2;
    uint32_t colour[3];  // the same 0x00BBGGRR in all three
};
static_assert(offsetof(LightRecord, x) == 4 && offsetof(LightRecord, z) == 12, "position at 4");
static_assert(offsetof(LightRecord, range) == 36, "range at 36");
static_assert(offsetof(LightRecord, colour) == 44, "colours at 44");
static_assert(sizeof(LightRecord) == 56, "the light record is 56 bytes");

// Slot 30: ival1 non-zero shows "atlightu" and "atlightd" and starts the 1000 ms flash loop.
// word5, word6 = base scales of the two lamps (stored by the builder). A type whose beacon has
// only "atlightu" (TypeNumbers::beacon_lamps 1) flashes that lamp alone. Returns -1.
StartRoutine beacon_start;
UpdateRoutine beacon_update;

// Slot 31: word1 = on flag; shows or hides every layer of the slot.
StartRoutine nav_lights_set;

// Slot 32: ival1 = level 0..100; 0 hides "rolight".
StartRoutine rolight_set;

// Slot 33: ival1 = level 0..100; 0 fades out at the last level. word1 = level; each lamp glows
// from the base scale in its word of TypeNumbers::landing_lamp_words (the reference type: word5
// for the first lamp pair, word6 for the second). Returns the duration.
StartRoutine landing_light_start;
UpdateRoutine landing_light_update;

// Slot 34: ival1 = beam wanted on, ival2 = "frlight" wanted on. word1/word2 = beam/lamp state,
// word3/word4 = wanted states, word5 = base scale of the beam. Layers: "frlight", then one
// beam or two that scale alike. Returns the duration.
StartRoutine front_light_start;
UpdateRoutine front_light_update;
// The "frlight" half of front_light_update: fades layer 1 towards word4 until word2 = word4.
void fade_front_lamp(KvrnContext context, ActionSlot* slot);

// Slot 35: "lglight" shown while ival1 is non-zero.
StartRoutine logo_light_set;

// Slot 36: the strobes are only a running clock that the dynamic light reads. Returns -1.
StartRoutine strobe_start;
// The update that does nothing.
UpdateRoutine idle_update;

// Slot 19: word1 = ival1, word2 = ival2, word5 = fval1, word6 = fval2. ival2 = 0 switches
// light 7 off; the dynamic light runs only while word1 and word2 are both non-zero.
StartRoutine light_params_set;

// Command -6: places light 7 at whichever lamp flashes in this moment of the beacon second.
void light_update(KvrnContext context, KvrnLayer object);

// Light 7 at the layer's position, `lowered` below it in height, with the given range and colour.
void place_dynamic_light(KvrnContext context, KvrnLayer lamp, float range, uint32_t colour, float lowered = 0.0f);
void dynamic_light_off(KvrnContext context);
