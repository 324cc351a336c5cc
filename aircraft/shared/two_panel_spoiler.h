// Spoilers of two panels (slot 21): the framework's spoiler update on "spoiler" and the panels
// "X_spoiler01" and "X_spoiler02", each turned to TypeNumbers::spoiler_angle × progress about x
// (acplug12 -80, as the reference; acplug13 -60).
#pragma once

#include "commands.h"
#include "slot_builder.h"

namespace two_panel_spoiler {
inline constexpr const wchar_t* spoiler_layers[] = {L"spoiler", L"X_spoiler01", L"X_spoiler02", nullptr};
inline constexpr SlotEdit spoiler_edit = {SLOT_SPOILERS, spoiler_layers, 0, nullptr, nullptr};
}  // namespace two_panel_spoiler
