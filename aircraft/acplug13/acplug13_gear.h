// acplug13's landing gear: a nose gear with four doors whose strut also slides as it folds, and
// a main gear that retracts into the engine nacelles behind three doors a side.
#pragma once

#include "action_slot.h"

namespace acplug13 {
// Layers: turboprop::nacelle_gear_layers.
UpdateRoutine gear_update;
}  // namespace acplug13
