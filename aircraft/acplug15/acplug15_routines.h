// acplug15's own routines: afterburner, cockpit door and ladder, stabilators, body pitch with
// compressing struts, slats, landing gear and the flight phases that move the door and ladder.
#pragma once

#include "action_slot.h"
#include "commands.h"
#include "sequences.h"
#include "slot_clock.h"
#include "slot_builder.h"

namespace acplug15 {
// Slot 61: ival1 non-zero lights the afterburner (target 100), zero puts it out (0). word1 =
// target, word2 = previous target; 2000 ms for a full change. Returns the duration (0 when the
// target does not change).
StartRoutine afterburner_start;
// Layer "afterburner", stretched along z to the setting of the moment and hidden at 0.
UpdateRoutine afterburner_update;

// Slot 62, started by the framework's front-light start: word1/word2 = door/ladder state shown,
// word3/word4 = door/ladder wanted. Layers: "X_door01", "ps01", "trap".
UpdateRoutine door_ladder_update;

// Slot 71: turns "X_l_horwing" and "X_r_horwing" to -20 degrees for every 6 degrees of body
// pitch in fval1. Returns 0.
StartRoutine stabilator_set;

// Slot 20: pitches the root layer to fval1 and compresses the main struts "X_t2Rshaft" and
// "X_t2Lshaft" as the height fval2 falls below 0.5. Returns 0.
StartRoutine body_pitch_set;

// Slot 24. Layers: "slat", "Z_1slat" to "Z_4slat", "01_slat" to "04_slat".
UpdateRoutine slat_update;

// Slot 27. Layers: "nosegear", its doors "X_nose01", "X_nose02", "Z_1nose01", "Z_2nose01",
// "Z_3nose01", "X_4nose01", then "tire", "body03", "X_t1Rshaft", "Z_1wing01" to "Z_3wing01",
// "X_t1Lshaft", "Z_4wing01" to "Z_6wing01".
UpdateRoutine gear_update;

// A framework flight phase, then the cockpit door and ladder posted to the given states;
// returns what the phase returned.
template <StartRoutine* phase, int32_t door, int32_t ladder>
int32_t phase_then_door_ladder(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                               float fval1, float fval2) {
    int32_t result = phase(context, object, slot, ival1, ival2, fval1, fval2);
    post_action(context, object, SLOT_DOOR_LADDER, door, ladder, 0.0f, 0.0f);
    return result;
}

// The same phase made timed: its clock runs the slot's duration, which it returns.
template <StartRoutine* phase, int32_t door, int32_t ladder>
int32_t timed_phase_then_door_ladder(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1,
                                     KvrnInt ival2, float fval1, float fval2) {
    start_clock(slot);
    phase_then_door_ladder<phase, door, ladder>(context, object, slot, ival1, ival2, fval1, fval2);
    return slot->duration;
}

// Slot 2: navigation lights on and ladder state 1 with the door open, for 4000 ms; then the
// door closes (seq_nav_lights_update).
inline constexpr SlotStart seq_nav_lights_on = timed_phase_then_door_ladder<::seq_nav_lights_on, 1, 1>;
UpdateRoutine seq_nav_lights_update;
// Slots 4 and 8: the framework's phases with the door closed, ladder state 1.
inline constexpr SlotStart seq_departure_setup = phase_then_door_ladder<::seq_departure_setup, 0, 1>;
inline constexpr SlotStart seq_after_takeoff_start = phase_then_door_ladder<::seq_after_takeoff_start, 0, 1>;
// Slot 15: the framework's beacon off, then the door open again.
inline constexpr SlotStart seq_beacon_off = phase_then_door_ladder<::seq_beacon_off, 1, 1>;
// Slot 16: navigation lights off and ladder state 0 with the door open, for 4000 ms.
inline constexpr SlotStart seq_nav_lights_off = timed_phase_then_door_ladder<::seq_nav_lights_off, 1, 0>;
}  // namespace acplug15
