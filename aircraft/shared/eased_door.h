// Doors that swing on a cosine ease, slow at both ends of their travel, and the eased one-layer
// door of slot 37, which turns about z to the type's door angle (TypeNumbers::door_angle):
// acplug07 -120 degrees, acplug11 110.
#pragma once

#include "action_slot.h"

// Layers: the door. Rotation (0, 0, door angle × ease); nothing is shown or hidden.
UpdateRoutine eased_door_update;
