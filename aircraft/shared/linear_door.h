// A door of one layer, "Z_1door", that swings linearly to TypeNumbers::door_angle about z
// (slot 37), with no body layer to show or hide.
#pragma once

#include "action_slot.h"
#include "commands.h"
#include "slot_builder.h"

namespace linear_door {
UpdateRoutine door_update;

inline constexpr const wchar_t* door_layers[] = {L"Z_1door", nullptr};
inline constexpr SlotEdit door_edit = {SLOT_DOOR, door_layers, 0, nullptr, door_update};
}  // namespace linear_door
