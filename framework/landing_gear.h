// Landing gear, tyres and nose-wheel steering (slots 25, 26 and 27).
#pragma once

#include "action_slot.h"

// Slot 25: turns "Y_nosegear" (layer 1) to fval1 degrees of heading.
StartRoutine nose_steer_set;

// Slot 26: ival1 non-zero starts the looping roll; 0 stops it and rolls the tyres by the
// distance fval1. word5 = nose-tyre angle, word6 = main-tyre angle, both in [0, 360).
// Layers: the type's nose tyres, then its main tyres. The taxi step calls it directly.
StartRoutine tire_roll;
// The looping roll: one model unit per second of clock.
UpdateRoutine tire_update;

// Slot 27: ival1 non-zero extends (progress to 1, gear down), zero retracts. Returns 0.
StartRoutine gear_start;
// Layers: "nosegear" and its two doors, then the main gear's sixteen: the wheel-well body and
// six shaft layers, the six door layers, the two struts and "tire_off".
UpdateRoutine gear_update;

// The two halves of gear_update, for types that keep one of them.
void nose_gear_update(KvrnContext context, ActionSlot* slot, float door_angle);
void main_gear_update(KvrnContext context, ActionSlot* slot);
