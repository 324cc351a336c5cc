// acplug04, a smaller wide-body twin-jet with eight main-gear tyres: the reference type with its
// own flaps and flap arms, slats, 10 tyres, a 19-layer gear whose two bogies tilt back, a body
// pitch that levels the bogies near the ground, one landing-light pair, a front light with two
// beams, an eased door, a level final approach with a steep flare, its own geometry, light
// values and wheelbase.
#include "acplug04_routines.h"
#include "bogies.h"
#include "curved_slats.h"
#include "eased_door.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "reference_type.h"
#include "shared_numbers.h"
#include "two_beam_lights.h"
#include "two_point_geometry.h"
#include "type_numbers.h"

namespace {
const wchar_t* const flap_layers[] = {
    L"mainwing01",   L"mainwing02",     L"X_flap0101",   L"X_flap0201",   L"X_flap0202",   L"X_flap0301",
    L"X_flap0302",   L"X_flap0401",     L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_0301",
    L"X_flaparm_04", L"X_flaparm_0401", L"X_flaparm_05", L"X_flaparm_06", nullptr};
const wchar_t* const slat_layers[] = {L"slat", L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat", nullptr};
const wchar_t* const gear_layers[] = {L"nosegear",       L"Z_1nose",      L"Z_2nose",      L"Z_3nose",
                                      L"Z_4nose",        L"body03",       L"tire",         L"Z_1main01",
                                      L"Z_2main01",      L"Z_1wing",      L"Z_2wing",      L"Z_3wing",
                                      L"Z_4wing",        L"Z_01t1Rshaft", L"Z_01t1Lshaft", L"Z_0102t1Rshaft",
                                      L"Z_0102t1Lshaft", L"X_02t1Rshaft", L"X_02t1Lshaft", nullptr};

const SlotEdit part_edits[] = {
    bogies::two_bogie_pitch_edit(bogies::left_first_bogies),
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_SLATS, slat_layers, 0, nullptr, curved_slats::slat_update},
    {SLOT_GEAR, gear_layers, 0, bogies::gear_start, acplug04::gear_update},
    two_beam::landing_light_edit,
    two_beam::front_light_edit,
    {SLOT_DOOR, nullptr, 5000, nullptr, nullptr},
};

const ScalePreset scale_presets[] = {two_beam::front_beam_preset};

// The flap layers in the order above; every panel slides aft by 0.4 but the second segments.
const FlapMove flap_moves[] = {
    {2, 1, 0.0f, 0.0f, 0.4f, 28.0f},   // X_flap0101
    {7, 1, 0.0f, 0.0f, 0.4f, 28.0f},   // X_flap0401
    {3, 1, 0.0f, 0.0f, 0.4f, 22.0f},   // X_flap0201
    {5, 1, 0.0f, 0.0f, 0.4f, 22.0f},   // X_flap0301
    {4, 1, 0.0f, 0.0f, 0.0f, 24.0f},   // X_flap0202
    {6, 1, 0.0f, 0.0f, 0.0f, 24.0f},   // X_flap0302
    {8, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_01
    {9, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_02
    {14, 0, 0.0f, 0.0f, 0.0f, 30.0f},  // X_flaparm_05
    {15, 0, 0.0f, 0.0f, 0.0f, 30.0f},  // X_flaparm_06
    {10, 0, 0.0f, 0.0f, 0.0f, 15.0f},  // X_flaparm_03
    {12, 0, 0.0f, 0.0f, 0.0f, 15.0f},  // X_flaparm_04
    {11, 0, 0.0f, 0.0f, 0.0f, 25.0f},  // X_flaparm_0301
    {13, 0, 0.0f, 0.0f, 0.0f, 25.0f},  // X_flaparm_0401
};

const SharedNumbers acplug04_shared = [] {
    SharedNumbers numbers{};
    numbers.bogie_hang = -10.0f;
    numbers.bogie_tilt = -10.0f;
    numbers.nose_strut_up = 130.0f;
    numbers.nose_door_open = 80.0f;
    numbers.nose_second_doors_from = 0.3f;
    numbers.nose_second_doors_span = 0.16f;                                          // as the strut starts down
    numbers.curved_slats = {0.3f, 0.45f, {0.0f, 0.0f}, {-1.0f, 1.0f}, cosine_ease};  // the roll eased
    return numbers;
}();

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug04_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    fly_steep_flare(numbers, 0.0f);
    numbers.flap_moves = list_of(flap_moves);
    numbers.door_angle = -130.0f;
    numbers.door_curve = sine_ease_out;  // swings out fast and slows as it opens
    numbers.tyres = 10;
    numbers.nose_tyres = 2;
    numbers.nose_tyre_circumference = 3.5814157f;  // diameter 1.14
    numbers.main_tyre_circumference = 4.9637165f;  // diameter 1.58
    numbers.upper_beacon = {3.0f, 20};             // red 20
    numbers.lower_beacon = {3.0f, 130};            // red 130
    numbers.strobe = {22.0f, 0xFFFFFF};            // white
    return numbers;
}();

const GroundPath acplug04_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 23.0f;
    ground.taxi.steer_time = 4000.0f;
    ground.geometry = two_point_geometry(0.7f, 5.243f, -1.45f);
    return ground;
}();

const AircraftType acplug04_type = [] {
    AircraftType type = reference_type;
    type.part_slots.edits = list_of(part_edits);
    type.scale_presets = list_of(scale_presets);
    type.numbers = &acplug04_numbers;
    type.ground = &acplug04_ground;
    type.shared = &acplug04_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug04_type;
