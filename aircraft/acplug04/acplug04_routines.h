// acplug04's own landing gear.
#pragma once

#include "action_slot.h"

namespace acplug04 {
// Layers: the nose gear and its four doors, "body03", "tire", the two main struts, the four
// wing doors, the four shafts and the two bogies. word5 = bogie tilt once the gear is down.
UpdateRoutine gear_update;
}  // namespace acplug04
