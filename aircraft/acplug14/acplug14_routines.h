// acplug14's own landing gear and its two doors.
#pragma once

#include "action_slot.h"

namespace acplug14 {
// Layers: "nosegear", the nose doors "Z_1nose01", "Z_2nose01" and the rear nose door
// "X_3nose01"; the seven layers shown while the gear is out ("01body03", "03body03",
// "04body03", "tire001", "tire002", "tire004", "tire005"); the wing doors "Z_1wing01",
// "Z_2wing01"; the outer struts "Z_01t1Rshaft", "Z_01t1Lshaft" and the inner ones
// "Z_0102t1Rshaft", "Z_0102t1Lshaft".
UpdateRoutine gear_update;
// Slot 29, the front door: "03body03", then "Z_door01", which swings out to -165 degrees,
// fast at first and slowing as it opens.
UpdateRoutine second_door_update;
// Slot 37, the rear door: "04body03", then "Z_door02", which swings to the type's door angle on
// a cosine ease.
UpdateRoutine door_update;
}  // namespace acplug14
