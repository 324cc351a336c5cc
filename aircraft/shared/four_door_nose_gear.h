// A nose gear with two pairs of doors: "nosegear" (layer 1), then the doors of the first pair
// and of the second, each pair turning about z in opposite senses. Over the gear's run (progress
// 0 up, 1 down) both pairs open from 0.1 to 0.3, the strut swings down from 0.3 to 0.7, the
// first pair closes again from 0.7 to 0.9 and the second pair stays open.
#pragma once

#include "action_slot.h"

// The gear's own angles: strut folded, and each door pair fully open.
struct FourDoorNose {
    float strut_up;
    float first_open, second_open;
};

// The nose gear at one moment: the strut's angle, the share of its fold left (1 up, 0 down)
// and the two pairs' door angles.
struct FourDoorNosePose {
    float strut, folded;
    float first_pair, second_pair;
};

FourDoorNosePose four_door_nose_pose(float progress, const FourDoorNose& gear);

// The strut shows from progress 0.1 on, rotated `strut` degrees about x; the doors stand at
// -first, +first, -second, +second degrees about z.
void pose_four_door_nose(KvrnContext context, const ActionSlot* slot, float strut, float first_pair,
                         float second_pair);

// The pose at the slot's progress, laid on the layers.
void four_door_nose_update(KvrnContext context, const ActionSlot* slot, const FourDoorNose& gear);
