// acplug11's own routines and its variants of framework routines.
#pragma once

#include "action_slot.h"

namespace acplug11 {
// Slot 23. Layers: "mainwing01", "mainwing02", the two flaps, six flap arms, "X_revon102",
// "X_revon202", "engine_off", "engine_on". The framework's flap form; the engine parts swap
// with the wings: "engine_off" shows with "mainwing01", "engine_on" with "mainwing02".
UpdateRoutine flap_update;

// Slot 27. Layers: "nosegear", "Z_1nose01", "Z_2nose01", "tire", "body03", the six nacelle
// door layers ("X_3eng01" and "X_6eng01" are the legs), "X_01t1Rshaft", "X_01t1Lshaft".
UpdateRoutine gear_update;

// Slot 28: the framework's engine start; word2 = 1 when the new power is below the last one.
StartRoutine engine_spool_start;
// The propellers' blade pitch: 30 at rest and while power is being reduced, rising with power
// to 60 by power 25. Reads the engine slot's word2.
float blade_pitch(const ActionSlot* slot, float spool);

// Slot 29. Layers: "Z_door01", "Z_trap01", "Z_trap02", "trap_on", "S1door01". The door moves
// out, slides down, then the two stair sections unfold.
UpdateRoutine second_door_update;

// Slot 126, the take-off trigger: word1 = once flag of the take-off flaps. fval2 = height.
StartRoutine seq_takeoff_trigger;
// Slot 8: the framework's start, then the take-off trigger's once flag is cleared.
StartRoutine seq_after_takeoff_start;
// Slot 13: only a clock of 5000 ms; no spoilers or reversers to deploy.
StartRoutine seq_rollout_start;
}  // namespace acplug11
