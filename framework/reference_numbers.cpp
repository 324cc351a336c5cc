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
}  // namespace

extern const TypeNumbers reference_numbers = {
    6.0f,    // rotate_pitch
    6.0f,    // climb_pitch
    2.0f,    // final_pitch
    2.0f,    // flare_pitch
    2.0f,    // flare_rise
    10.0f,   // flare_height
    4.0f,    // touchdown_pitch
    -80.0f,  // spoiler_angle
    0.5f,    // reverser_slide
    8000,    // flap_time
    4000,    // slat_time
    reference_flap_moves,
    sizeof reference_flap_moves / sizeof reference_flap_moves[0],
    0.2f,    // slat_drop
    0.3f,    // slat_reach
    1.0f,    // slat_roll
    50.0f,   // slat_pitch
    40.0f,   // door_angle
    80.0f,   // nose_door_angle
    6,       // tyres
    2,       // nose_tyres
    2.607522f,   // nose_tyre_circumference
    3.8327432f,  // main_tyre_circumference
    2,       // engines
    {1.8f, 100},        // upper_beacon: red 100
    {2.8f, 50},         // lower_beacon: red 50
    {15.0f, 0xFFFFFF},  // strobe: white
};

const TypeNumbers& type_numbers() {
    return aircraft_type && aircraft_type->numbers ? *aircraft_type->numbers : reference_numbers;
}
