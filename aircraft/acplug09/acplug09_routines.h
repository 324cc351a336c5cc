// acplug09's own body pitch, slats, landing gear and boarding stair.
#pragma once

#include "action_slot.h"

namespace acplug09 {
// Slot 20: pitches the root layer to fval1 degrees and raises it by 0.5 for every 7 degrees,
// keeping where it stands on the ground.
StartRoutine body_pitch_set;
// Layers: "slat", then "Y_1slat" and "Y_2slat", which swing about the vertical axis.
UpdateRoutine slat_update;
// Layers: the four nose doors "Z_1nose01" to "Z_4nose01", "nosegear", the two main struts, the
// four shafts, the two wing doors, "tire" and "body03".
UpdateRoutine gear_update;
// Slot 29, the forward door and its boarding stair: "Z_door02", "X_trap01", "Z_trap02",
// "Y_door01", "trap_on", "01_door", "2_door", "05body03", "102door", "103door".
UpdateRoutine second_door_update;
}  // namespace acplug09
