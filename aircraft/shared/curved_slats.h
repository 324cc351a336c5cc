// Slats on a curved track (slot 24): all four run forward by reach × sin(90° × f) and drop by
// drop × (1 - cos(90° × f)), f being the slat setting as a fraction; the outer slats "Z_1slat"
// and "Z_4slat" also turn, each by its own yaw × f about y and roll × ease(f) about z. "slat" and
// any layers after the four slats are shown unless a move to 0 rests. Numbers:
// SharedNumbers::curved_slats (acplug04, acplug05).
#pragma once

#include "action_slot.h"

namespace curved_slats {
// Layers: "slat", "Z_1slat", "Z_2slat", "Z_3slat", "Z_4slat", then the layers shown with "slat".
UpdateRoutine slat_update;
}  // namespace curved_slats
