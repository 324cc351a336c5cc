// acplug06's own routines, which acplug07 runs unchanged: the body pitch that levels six bogie
// layers, twelve slats, the 33-layer gear with two bogie tilts and the door that reveals the
// inner body.
#pragma once

#include "action_slot.h"

namespace acplug06 {
// Slot 20: fval1 = pitch, fval2 = height above the ground. Layers: the root, "X_02t1Lshaft",
// "X_02t1Rshaft", "X_02t2Lshaft", "X_02t2Rshaft", "X_01t2Rshaft", "X_01t2Lshaft". Near the
// ground the body bogies counter the pitch; from a height of 0.5 they hang at 45 and 10.
StartRoutine body_pitch_set;

// Slot 24, word1/word2 as the framework's slats. Layers: "slat", "X_1slat" to "X_6slat",
// "01_slat" to "06_slat".
UpdateRoutine slat_update;

// Slot 27: word5 = tilt of the body bogies once the gear is down, word6 = tilt of the second
// bogie pair at every progress; the start sets 45 and 10, the reset clears both.
StartRoutine gear_start;
// Layers: the nose gear and its four doors, "tire", "body03", the main-gear doors and struts,
// the wing gear, then the bogie shafts (see the gear layer list of the type).
UpdateRoutine gear_update;

// Slot 37. Layers: "inbody", shown while the door is open, and "X_door01".
UpdateRoutine door_update;
}  // namespace acplug06
