// Pushback behind the small tow vehicle (slot 41, the framework's pushback start and update):
// the vehicle is the scene layer "atm" with its body "atm_all" and tow bar "tbr_M", hitched 2.5
// behind its point with the usual tow bar of 3.5, so that it starts 6.0 ahead of the nose wheel.
// Run by acplug12 and acplug17; the route stays the type's.
#pragma once

#include "ground_path.h"

constexpr void pull_behind_atm(GroundPath& ground) {
    ground.tow_name = L"atm";
    ground.tow_body_name = L"atm_all";
    ground.tow_bar_name = L"tbr_M";
    ground.hitch_offset = 2.5f;
    ground.bar_length = 3.5f;
}
