// acplug02's own flaps, slats and landing gear.
#pragma once

#include "action_slot.h"

namespace acplug02 {
// Layers: "mainwing01", "mainwing02", "X_flap0101", "X_flap0201", "X_flap0202", "X_flap0301",
// "X_flap0302", "X_flap0401", "X_flaparm_01" to "X_flaparm_06".
UpdateRoutine flap_update;
// Layers: "slat", "Z_1slat" to "Z_4slat" (then "01_slat" to "04_slat", looked up, never moved).
UpdateRoutine slat_update;
// Layers: the nose gear and its four doors, "tire", "body03", the two main struts, the four
// shafts, the two wing doors and the two bogies. word5 = bogie tilt once the gear is down.
UpdateRoutine gear_update;
}  // namespace acplug02
