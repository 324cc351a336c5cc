// Main-gear bogies that tilt: the body pitch that levels two bogies near the ground (slot 20)
// and the gear start that sets the tilt the gear update gives them once down (slot 27). Their
// numbers are SharedNumbers::bogie_hang and SharedNumbers::bogie_tilt.
#pragma once

#include "action_slot.h"
#include "commands.h"
#include "slot_builder.h"

namespace bogies {
// Tilt of a bogie that hangs at `hang` degrees in the air: below a height of 0.5 it turns to
// 2 x hang x height - pitch, meeting the runway under the pitched body.
float ground_tilt(float hang, float pitch, float height);

// Slot 20, fval1 = pitch, fval2 = height. Layers: the object's root, then the two bogies.
StartRoutine body_pitch_set;
// Slot 27: stores the bogie tilt in word5, then extends (ival1 non-zero) or retracts. Returns 0.
StartRoutine gear_start;

// The reference body-pitch row with the two bogies after the root layer, in the type's order:
// both get the same tilt, and the slot turns them in the order it holds them.
constexpr SlotEdit two_bogie_pitch_edit(const wchar_t* const* bogie_layers) {
    return {SLOT_BODY_PITCH, bogie_layers, 0, body_pitch_set, nullptr};
}
// The order of acplug02 and acplug04: the left bogie first.
inline constexpr const wchar_t* left_first_bogies[] = {L"X_02t1Lshaft", L"X_02t1Rshaft", nullptr};
}  // namespace bogies
