// acplug04's own slats and landing gear.
#pragma once

#include "action_slot.h"

namespace acplug04 {
// Layers: "slat", "Z_1slat" to "Z_4slat".
UpdateRoutine slat_update;
// Layers: the nose gear and its four doors, "body03", "tire", the two main struts, the four
// wing doors, the four shafts and the two bogies. word5 = bogie tilt once the gear is down.
UpdateRoutine gear_update;
}  // namespace acplug04
