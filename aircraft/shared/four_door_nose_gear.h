// A nose gear with two pairs of doors: "nosegear" (layer 1), then the doors of the first pair
// and of the second, each pair turning about z in opposite senses. The types give the angles
// at each moment of the gear's run; this poses the layers.
#pragma once

#include "action_slot.h"

// The strut shows from progress 0.1 on, rotated `strut` degrees about x; the doors stand at
// -first, +first, -second, +second degrees about z.
void pose_four_door_nose(KvrnContext context, const ActionSlot* slot, float strut, float first_pair,
                         float second_pair);
