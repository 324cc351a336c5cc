// The four-beam landing light (slot 33): the framework's landing light on four beams that all
// glow from the one base scale in word5, that of the first beam. Run by acplug06 and acplug07 with
// the base scale of "ldlightl1" as the model gives it, and by acplug10 and acplug13 after the
// builder has set that layer's scale to 1.2 (a ScalePreset of the type).
#pragma once

#include "commands.h"
#include "lights.h"
#include "slot_builder.h"

namespace four_beam {
inline constexpr BaseScale first_beam_scale[] = {{0, 5}, {}};
// TypeNumbers::landing_lamp_words of the types that run it.
inline constexpr int32_t lamp_words[] = {5, 5, 5, 5};

// The slot-33 row on the type's four beams, "ldlightl1" first.
constexpr SlotRow landing_light_row(const wchar_t* const* beams) {
    return {SLOT_LANDING_LIGHTS,
            landing_light_start,
            landing_light_update,
            TIMED_BY_LAYERS,
            1000,
            0,
            nullptr,
            beams,
            0,
            nullptr,
            first_beam_scale};
}
}  // namespace four_beam
