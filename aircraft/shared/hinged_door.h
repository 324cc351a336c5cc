// A door of one layer, "Z_door01", hinged about z (slot 29): it swings on a cosine ease to
// SharedNumbers::hinged_door_angle, with no body layer to show or hide. It starts like the gear
// (the framework's gear_start: ival1 non-zero opens, zero closes) and so answers 0.
#pragma once

#include "action_slot.h"
#include "commands.h"
#include "landing_gear.h"
#include "slot_builder.h"

namespace hinged_door {
UpdateRoutine second_door_update;

inline constexpr const wchar_t* door_layers[] = {L"Z_door01", nullptr};
// The added slot 29: 6000 ms from closed to open.
inline constexpr SlotRow door_row = {
    SLOT_SECOND_DOOR, gear_start, second_door_update, TIMED_BY_LAYERS, 6000, 0, nullptr, door_layers, 0,
    nullptr,          nullptr};
}  // namespace hinged_door
