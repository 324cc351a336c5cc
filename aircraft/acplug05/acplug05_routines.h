// acplug05's own reversers, landing gear and door.
#pragma once

#include "action_slot.h"

namespace acplug05 {
// Layers: "engine_on", the eight doors "Y_revon0101" to "Y_revon0204" (the odd ones pivot one
// way, the even ones the other), then the eight layers "01_revon01" to "04_revon02" shown with
// "engine_on" while the reversers are out.
UpdateRoutine reverser_update;
// Layers: "Z_1nose01", "Z_2nose01", "Z_1main01", "Z_2main01", "nosegear", "Z_3nose01",
// "Z_4nose01", the four shafts, the two wing doors, "body03" and "tire".
UpdateRoutine gear_update;
// Slot 37, "Z_1door": ival1 non-zero opens (word1 = 1), zero closes (word1 = 0). Returns the
// duration.
StartRoutine door_start;
// The door swings over the first half of an opening and the second half of a closing.
UpdateRoutine door_update;
}  // namespace acplug05
