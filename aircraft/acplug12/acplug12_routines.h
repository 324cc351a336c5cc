// acplug12's own reversers, landing gear, cabin door, lights and flight-phase starts.
#pragma once

#include "action_slot.h"

namespace acplug12 {
// Layers: "engine_on", "engine_off", then the doors "X_revon01" to "X_revon04"; doors 1 and 3
// swing up, 2 and 4 down.
UpdateRoutine reverser_update;
// Layers: "04body03", "Z_door01", "trap_on" (the step, shown once the door stands open).
UpdateRoutine second_door_update;
// Layers: "nosegear", "Z_1nose01", "Z_2nose01", "X_3nose01", "tire", "body03", "Z_1main01",
// "Z_2main01", "Z_01t1Lshaft", "Z_01t1Rshaft", "Z_1wing01", "Z_2wing01".
UpdateRoutine gear_update;
// Layers: "frlight" alone; the front light has no beam.
UpdateRoutine front_light_update;
// Slot 33's word5: the base scale of "ldlightl1", the lamp inside "ldlightl" (layer 1).
SetupRoutine landing_light_setup;

// Slot 4: the framework's departure set-up, then the landing lights on.
StartRoutine seq_departure_setup;
// Slot 14: "rolight" when ival1 is non-zero, then flaps in; the landing lights stay on.
StartRoutine seq_after_landing;
// Slot 15: the framework's beacon off, then the landing lights off.
StartRoutine seq_beacon_off;
}  // namespace acplug12
