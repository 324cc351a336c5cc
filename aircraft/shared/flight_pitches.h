// The body pitches of the flight phases that most types fly: K x progress over the final
// configuration (slot 10), a flare from level at a height of 10 to 6 degrees at touchdown
// (slot 11), and a touchdown that lowers the nose from 6 (slot 12). They are numbers of the
// framework's sequence routines.
#pragma once

#include "type_numbers.h"

constexpr float STEEP_FLARE_HEIGHT = 10.0f;
constexpr float STEEP_FLARE_RISE = 6.0f;
constexpr float STEEP_TOUCHDOWN_PITCH = 6.0f;

// K of the final configuration: 0 for a body that stays level, 4.0 or 3.0 for some types.
constexpr void fly_steep_flare(TypeNumbers& numbers, float final_pitch) {
    numbers.final_pitch = final_pitch;
    numbers.flare_pitch = 0.0f;
    numbers.flare_rise = STEEP_FLARE_RISE;
    numbers.flare_height = STEEP_FLARE_HEIGHT;
    numbers.touchdown_pitch = STEEP_TOUCHDOWN_PITCH;
}
