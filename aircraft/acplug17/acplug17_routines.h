// The helicopter's own routines and its variants of framework routines.
#pragma once

#include "action_slot.h"

namespace acplug17 {
// Slot 28, the rotors. Layers: tail rotor slow and fast ("X_e2low", "X_e2high"), main rotor slow
// and fast ("Y_e1low", "Y_e1high"), then the main rotor's four blades. word3 = EngineSpool block
// (record 0 tail rotor, record 1 main rotor: spool, slow-layer angle), word1 = 1 (both rotors
// always ramp together), word4 = ramp time, word5 = target power, word6 = previous target,
// word7 = angle of both fast layers. The start answers twice the ramp time.
StartRoutine engine_spool_start;
UpdateRoutine engine_spool_update;

// Slot 29, the cabin doors: "body03", the hinged doors "Y_door01" and "Y_door02", the sliding
// doors "Z_door03" and "Z_door04". Opened by a non-zero wish (anim_toggle_start).
UpdateRoutine second_door_update;

// Flight-phase sequences. The take-off lifts the whole object (the root layer) 2.5 above the
// ground with the nose going down; the landing settles it back with the nose up.
StartRoutine seq_nav_lights_on;    // 2: navigation lights on, doors closed
StartRoutine seq_departure_setup;  // 4: front light and beacon; lift-off over the run
UpdateRoutine seq_liftoff_update;
StartRoutine seq_landing_lights_on;  // 5: landing lights; the nose goes from -5 to -10
UpdateRoutine seq_nose_down_update;
UpdateRoutine seq_rotate_update;         // 6: the nose comes back from -10 to level
StartRoutine seq_climb_pitch;            // 7: pitch 5 above a height of 10, less below
StartRoutine seq_after_takeoff_start;    // 8: doors closed, every run ended, held at 2.5
UpdateRoutine seq_after_takeoff_update;  //  the stabilizer from 30 to 8 degrees
StartRoutine seq_final_config_start;     // 10: the landing lights full
UpdateRoutine seq_final_config_update;   // 10: the front light at the end of the run
StartRoutine seq_flare_pitch;            // 11: nose and stabilizer up as the height falls
StartRoutine seq_touchdown_start;        // 12: word1 = front lamp wish at the end, word6 = pitch
UpdateRoutine seq_touchdown_update;      //  lowered from word6 to level
StartRoutine seq_after_landing;          // 14: landing lights off; settle over the run
UpdateRoutine seq_settle_update;
StartRoutine seq_beacon_off;      // 15: front light and beacon off, doors open
StartRoutine seq_nav_lights_off;  // 16: navigation lights off, doors closed
}  // namespace acplug17
