// Doors that swing on a cosine ease, slow at both ends of their travel, and the eased one-layer
// door of slot 37, which turns about z to the type's door angle (TypeNumbers::door_angle):
// acplug07 -120 degrees, acplug11 110.
#pragma once

#include <math.h>

#include "action_slot.h"

// 0 at progress 0, 1 at progress 1, half-way at 0.5: (1 - cos(180° × p)) / 2.
inline float door_ease(float p) { return (1.0f - cosf(p * 3.14159265359f)) / 2.0f; }

// Layers: the door. Rotation (0, 0, door angle × ease); nothing is shown or hidden.
UpdateRoutine eased_door_update;
