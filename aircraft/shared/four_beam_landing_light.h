// The four-beam landing light (slot 33): every beam glows from the one base scale in word5.
// Run by acplug06 and acplug07 with the base scale of "ldlightl1" as the model gives it, and by
// acplug10 and acplug13 after the builder has set that layer's scale to 1.2.
#pragma once

#include "action_slot.h"

// word1 = level 0..100 (landing_light_start), word5 = base scale of the first beam. Layers: the
// four beams. Each is shown while progress is not 0 and glows at progress × word5 × level.
UpdateRoutine four_beam_landing_light_update;
