// Control surfaces, reversers, body pitch, the cabin door and the hidden placeholder layer
// (slots 1, 20 to 24 and 37).
#pragma once

#include "action_slot.h"

// Slot 1: hides "Level1" (layer 1).
StartRoutine level1_hide;

// Slot 20: pitches the object's root layer (layer 1) to fval1 degrees; fval2 is the height.
StartRoutine body_pitch_set;

// Two-state slots (spoilers, reversers, doors): ival1 non-zero deploys (direction +1, progress
// 0 to 1), zero stows (direction -1, progress 1 to 0). Returns the duration.
StartRoutine anim_toggle_start;

// Flaps (slot 23) and slats (slot 24) move from the previous target to ival1 percent.
// word1 = target 0..100, word2 = previous target (where the motion starts).
StartRoutine flap_start;
StartRoutine slat_start;

// Layers: the type's covers ("spoiler" and the like), shown while out, then the panels.
UpdateRoutine spoiler_update;
// Layers: "engine_on", "engine_off", then the reverser sleeves.
UpdateRoutine reverser_update;
// Layers: "mainwing01", "mainwing02", then the flap layers that the type's FlapMove rows name.
UpdateRoutine flap_update;
// Layers: "slat", the outer slat on one side, the two inner slats, the outer slat on the other.
UpdateRoutine slat_update;
// Layers: the door opening's body layer, then the door.
UpdateRoutine door_update;

// Flap or slat setting at the slot's progress, as a fraction 0..1 (word2 towards word1).
float surface_setting(const ActionSlot* slot);

// "mainwing01"/"mainwing02" and "slat": the retracted wing shows only when a move to 0 rests.
bool surface_retracted(const ActionSlot* slot);

// The flap slot's "mainwing01" (layer 1) and "mainwing02" (layer 2), as the flaps rest or move.
void show_flap_wing(KvrnContext context, const ActionSlot* slot);
