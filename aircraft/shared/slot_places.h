// Where the types with a second door or airstair on slot 29 build it among the reference slots.
#pragma once

#include "commands.h"
#include "slot_builder.h"

namespace slot_places {
// Right after the engines (acplug10, acplug13, acplug16).
inline constexpr SlotPlace door_after_engines[] = {{SLOT_SECOND_DOOR, SLOT_ENGINES}};
// Right after the body pitch, before door 37 (acplug09, acplug11, acplug12, acplug14, acplug17).
inline constexpr SlotPlace door_after_pitch[] = {{SLOT_SECOND_DOOR, SLOT_BODY_PITCH}};
}  // namespace slot_places
