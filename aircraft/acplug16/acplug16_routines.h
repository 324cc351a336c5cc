// acplug16's own routines.
#pragma once

#include "action_slot.h"

namespace acplug16 {
// Slot 27. Layers: "nosegear", "Z_1nose", "Z_2nose", "tire", "body03", the four nacelle doors
// "Z_1eng01" to "Z_4eng01", the shafts "X_01t1Rshaft", "X_01t1Lshaft" and the links
// "X_0103t1Rshaf", "X_0103t1Lshaft". The nose and nacelle doors stay open once the gear is down.
UpdateRoutine gear_update;

// Slot 29. Layers: "X_door01", "on_trap", "Z_trap01", "Z_trap02", "Z_trap03". The door moves
// out and slides aside, then the stair moves into place and unfolds its three sections.
UpdateRoutine second_door_update;
}  // namespace acplug16
