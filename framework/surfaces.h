// Control surfaces, reversers, body pitch, the cabin door and the hidden placeholder layer
// (slots 1, 20 to 24 and 37).
#pragma once

#include "action_slot.h"

// Slot 1: hides "Level1" (layer 1).
int32_t level1_hide(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                    float fval1, float fval2);

// Slot 20: pitches the object's root layer (layer 1) to fval1 degrees; fval2 is the height.
int32_t body_pitch_set(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                       float fval1, float fval2);

// Two-state slots (spoilers, reversers, doors): ival1 non-zero deploys (direction +1, progress
// 0 to 1), zero stows (direction -1, progress 1 to 0). Returns the duration.
int32_t anim_toggle_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                          float fval1, float fval2);

// Flaps (slot 23) and slats (slot 24) move from the previous target to ival1 percent.
// word1 = target 0..100, word2 = previous target (where the motion starts).
int32_t flap_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                   float fval1, float fval2);
int32_t slat_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                   float fval1, float fval2);

// Layers: "spoiler", then the four panels.
void spoiler_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Layers: "engine_on", "engine_off", then the two reverser sleeves.
void reverser_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Layers: "mainwing01", "mainwing02", then the flap layers that the type's FlapMove rows name.
void flap_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Layers: "slat", the outer slat on one side, the two inner slats, the outer slat on the other.
void slat_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Layers: the door opening's body layer, then the door.
void door_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);

// Flap or slat setting at the slot's progress, as a fraction 0..1 (word2 towards word1).
float surface_setting(const ActionSlot* slot);

// "mainwing01"/"mainwing02" and "slat": the retracted wing shows only when a move to 0 rests.
bool surface_retracted(const ActionSlot* slot);
