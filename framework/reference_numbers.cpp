// The reference type's numbers for the shared routines.
#include "type_numbers.h"

#include "aircraft_type.h"

namespace {
// Flap layers as the reference builder looks them up: "mainwing01", "mainwing02", then
// "X_flap0101", "X_flap0102", ..., "X_flap0402", then "X_flaparm_01" to "X_flaparm_06".
const FlapMove reference_flap_moves[] = {
    {2, 1, -0.05f, 0.0f, 0.2f, 25.0f},  // X_flap0101
    {3, 1, 0.0f, 0.0f, 0.1f, 20.0f},    // X_flap0102
    {4, 1, 0.0f, 0.0f, 0.2f, 25.0f},    // X_flap0201
    {5, 1, 0.0f, 0.0f, 0.1f, 20.0f},    // X_flap0202
    {6, 1, 0.0f, 0.0f, 0.2f, 25.0f},    // X_flap0301
    {7, 1, 0.0f, 0.0f, 0.1f, 20.0f},    // X_flap0302
    {8, 1, 0.05f, 0.0f, 0.2f, 25.0f},   // X_flap0401
    {9, 1, 0.0f, 0.0f, 0.1f, 20.0f},    // X_flap0402
    {10, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_01
    {11, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_02
    {12, 0, 0.0f, 0.0f, 0.0f, 20.0f},   // X_flaparm_03
    {13, 0, 0.0f, 0.0f, 0.0f, 20.0f},   // X_flaparm_04
    {14, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_05
    {15, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_06
};

// "ldlightl1" and "ldlightr1" glow from the first pair's base scale, "ldlightl2" and
// "ldlightr2" from the second's.
const int32_t reference_landing_lamp_words[] = {5, 5, 6, 6};

constexpr TypeNumbers reference_type_numbers() {
    TypeNumbers n{};
    n.rotate_pitch = 6.0f;
    n.climb_pitch = 6.0f;
    n.final_pitch = 2.0f;
    n.flare_pitch = 2.0f;
    n.flare_rise = 2.0f;
    n.flare_height = 10.0f;
    n.touchdown_pitch = 4.0f;
    n.spoiler_angle = -80.0f;
    n.spoiler_covers = 1;
    n.reverser_slide = 0.5f;
    n.flap_time = 8000;
    n.slat_time = 4000;
    n.flap_moves = list_of(reference_flap_moves);
    n.slat_drop = 0.2f;
    n.slat_reach = 0.3f;
    n.slat_roll = 1.0f;
    n.slat_pitch = 50.0f;
    n.door_angle = 40.0f;
    n.nose_door_angle = 80.0f;
    n.tyres = 6;
    n.nose_tyres = 2;
    n.nose_tyre_circumference = 2.607522f;
    n.main_tyre_circumference = 3.8327432f;
    n.engines = 2;
    n.landing_lamp_words = list_of(reference_landing_lamp_words);
    n.beacon_lamps = 2;
    n.upper_beacon = {1.8f, 100};  // red 100
    n.lower_beacon = {2.8f, 50};   // red 50
    n.strobe = {15.0f, 0xFFFFFF};  // white
    n.landing_final_snap = 1;
    n.landing_keeps_sway = 0;
    return n;
}
}  // namespace

extern constexpr TypeNumbers reference_numbers = reference_type_numbers();

const TypeNumbers& type_numbers() {
    return aircraft_type && aircraft_type->numbers ? *aircraft_type->numbers : reference_numbers;
}
