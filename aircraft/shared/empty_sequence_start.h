// A flight-phase sequence that does nothing on a type: slot 5, the landing-lights-on phase,
// on the types that switch their landing lights with other phases (acplug12, acplug15).
#pragma once

#include "action_slot.h"
#include "commands.h"
#include "slot_builder.h"

namespace empty_sequence {
// Posts nothing; returns 0.
StartRoutine seq_landing_lights_on;

inline constexpr SlotEdit landing_lights_on_edit = {SEQ_LANDING_LIGHTS_ON, nullptr, 0, seq_landing_lights_on, nullptr};
}  // namespace empty_sequence
