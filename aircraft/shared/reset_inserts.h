// Where the types with a second door or airstair on slot 29 park it closed in their reset.
#pragma once

#include "commands.h"
#include "sequences.h"

namespace reset_inserts {
// Right after the engines (acplug09, acplug10, acplug12, acplug13, acplug16).
inline constexpr ResetInsert door_after_engines[] = {{SLOT_ENGINES, {SLOT_SECOND_DOOR, 0, 0, 0.0f, 0.0f}}};
// Right after the body is levelled, before door 37 (acplug11, acplug14).
inline constexpr ResetInsert door_after_pitch[] = {{SLOT_BODY_PITCH, {SLOT_SECOND_DOOR, 0, 0, 0.0f, 0.0f}}};
}  // namespace reset_inserts
