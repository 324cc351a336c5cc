// A nose gear with two pairs of doors: "nosegear", and the doors of the first pair and of the
// second, each pair turning about z in opposite senses, at the gear slot's layers that
// SharedNumbers::nose_strut_layer and nose_first_door_layer name. On the shared schedule the
// first pair opens over progress 0.1 to 0.3 and closes over 0.7 to 0.9, the second opens over
// the type's own span (to its own angle where the type gives one) and stays open, and the strut
// swings down from its stowed angle (or from the type's swing angle) over 0.3 to 0.7; hidden
// below 0.1, the strut may fold a little further. Its numbers are the SharedNumbers nose_* fields.
#pragma once

#include "action_slot.h"

// Strut angle about x and the two door pairs' angles about z at one moment of the gear's run.
struct NoseGearPose {
    float strut, first_pair, second_pair;
};

// The schedule above at progress p, for types that pose their nose layers their own way.
NoseGearPose four_door_nose_schedule(float p);

// The nose half of a gear update, on the schedule above.
void four_door_nose_update(KvrnContext context, const ActionSlot* slot);

// The same layers posed for a type's own schedule: the strut shows from progress 0.1 on,
// rotated `strut` degrees about x; the doors stand at -first, +first, -second, +second
// degrees about z.
void pose_four_door_nose(KvrnContext context, const ActionSlot* slot, float strut, float first_pair, float second_pair);
