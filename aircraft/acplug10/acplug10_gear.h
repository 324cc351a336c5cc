// acplug10's landing gear: a nose gear with four doors, and a main gear that retracts into the
// engine nacelles behind three doors a side.
#pragma once

#include "action_slot.h"

namespace acplug10 {
// Layers: turboprop::nacelle_gear_layers.
UpdateRoutine gear_update;
}  // namespace acplug10
