// Engine spool (slot 28): engines ramp to a power setting, together or one after the other,
// and their fan blades turn and cross-fade with power.
#pragma once

#include "action_slot.h"

// One engine. DO NOT MOVE A FIELD: a type's slot 28 block is an array of these, two floats each.
struct EngineSpool {
    float spool;  // current power 0..100
    float angle;  // blade angle in degrees, [0, 360)
};
static_assert(offsetof(EngineSpool, spool) == 0 && offsetof(EngineSpool, angle) == 4, "spool, then angle");
static_assert(sizeof(EngineSpool) == 8, "two floats per engine");

// Slot 28 words: word1 = together flag, word3 = EngineSpool block (one record per engine),
// word4 = ramp time in ms for the whole change, word5 = target power, word6 = previous target.
// Layers: slow blades then fast blades of engine 1, then of engine 2, and so on.

// ival1 = new power (0..100), ival2 = together flag. Returns the time until every engine
// has arrived.
StartRoutine engine_spool_start;
UpdateRoutine engine_spool_update;

// Builder setup of slot 28: a zeroed block of the type's engines in word3.
SetupRoutine engine_spool_setup;

// The ramp of one update, last engine first; engines wait for the one before them unless
// the together flag is set. For engine forms that turn other things than fans.
void engine_spool_ramp(ActionSlot* slot, uint32_t engines);

// Fan blades of one engine at its power: slow layer turning, fast layer fading in above 60.
void fan_blades_update(KvrnContext context, EngineSpool* engine, KvrnLayer slow, KvrnLayer fast, int32_t step_ms);
