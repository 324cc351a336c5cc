// Landing lights of one lamp pair and a front light with a left and a right beam: the
// framework's slot 33 and 34 routines on these layers, the beams glowing at 1.5 before their
// base scale is read.
#pragma once

#include "commands.h"
#include "slot_builder.h"

namespace two_beam {
inline constexpr const wchar_t* landing_light_layers[] = {L"ldlightl1", L"ldlightr1", nullptr};
inline constexpr const wchar_t* front_light_layers[] = {L"frlight", L"ldlightml", L"ldlightmr", nullptr};

inline constexpr SlotEdit landing_light_edit = {SLOT_LANDING_LIGHTS, landing_light_layers, 0, nullptr, nullptr};
inline constexpr SlotEdit front_light_edit = {SLOT_FRONT_LIGHT, front_light_layers, 0, nullptr, nullptr};
inline constexpr ScalePreset front_beam_preset = {SLOT_FRONT_LIGHT, 1, 1.5f};  // "ldlightml"
}  // namespace two_beam
