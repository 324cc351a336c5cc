// A nose gear with two pairs of doors: "nosegear" (layer 1), then the doors of the first pair
// and of the second, each pair turning about z in opposite senses. The first pair opens over
// progress 0.1 to 0.3 and closes over 0.7 to 0.9; the second opens over the type's own span
// and stays open; the strut swings down from its stowed angle over 0.3 to 0.7. The numbers are
// the SharedNumbers nose_* fields.
#pragma once

#include "action_slot.h"

// The nose half of a gear update (the slot's layers 1 to 5).
void four_door_nose_update(KvrnContext context, const ActionSlot* slot);
