// A front light of one beam, "ldlightml": the framework's slot 34 routines on the lamp
// "frlight" and that beam, in place of the reference beam "ldlight".
#pragma once

#include "commands.h"
#include "slot_builder.h"

namespace one_beam {
inline constexpr const wchar_t* front_light_layers[] = {L"frlight", L"ldlightml", nullptr};
inline constexpr SlotEdit front_light_edit = {SLOT_FRONT_LIGHT, front_light_layers, 0, nullptr, nullptr};
}  // namespace one_beam
