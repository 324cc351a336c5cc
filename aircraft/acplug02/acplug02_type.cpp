// acplug02, a wide-body twin-jet with twelve main-gear tyres: the reference type with its own
// flaps, slats, 14 tyres, a 17-layer gear whose two bogies tilt, a body pitch that levels the
// bogies near the ground, four navigation-light layers, one landing-light pair, a front light
// with two beams, a one-layer door, a level final approach with a steep flare, its own geometry,
// light values, wheelbase and pushback route.
#include "acplug02_routines.h"
#include "bogies.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "linear_door.h"
#include "reference_type.h"
#include "shared_numbers.h"
#include "short_pushback_route.h"
#include "two_beam_lights.h"
#include "two_point_geometry.h"
#include "type_numbers.h"

namespace {
const wchar_t* const flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201",
                                      L"X_flap0202",   L"X_flap0301",   L"X_flap0302",   L"X_flap0401",
                                      L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04",
                                      L"X_flaparm_05", L"X_flaparm_06", nullptr};
const wchar_t* const slat_layers[] = {L"slat",    L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat",
                                      L"01_slat", L"02_slat", L"03_slat", L"04_slat", nullptr};
// "Z_0102t1Rshaf" is the model's own spelling.
const wchar_t* const gear_layers[] = {
    L"nosegear",      L"Z_1nose01", L"Z_2nose01", L"Z_3nose01",    L"Z_4nose01",      L"tire",
    L"body03",        L"Z_1main01", L"Z_2main01", L"Z_01t1Lshaft", L"Z_0102t1Lshaft", L"Z_01t1Rshaft",
    L"Z_0102t1Rshaf", L"Z_1wing01", L"Z_2wing01", L"X_02t1Lshaft", L"X_02t1Rshaft",   nullptr};
const wchar_t* const nav_light_layers[] = {L"wglightl", L"wglightr", L"ldlightb", L"ldlights", nullptr};

const SlotEdit part_edits[] = {
    bogies::two_bogie_pitch_edit(bogies::left_first_bogies),
    {SLOT_FLAPS, flap_layers, 0, nullptr, acplug02::flap_update},
    {SLOT_SLATS, slat_layers, 0, nullptr, acplug02::slat_update},
    {SLOT_GEAR, gear_layers, 0, bogies::gear_start, acplug02::gear_update},
    {SLOT_NAV_LIGHTS, nav_light_layers, 0, nullptr, nullptr},
    two_beam::landing_light_edit,
    two_beam::front_light_edit,
    linear_door::door_edit,
};

const ScalePreset scale_presets[] = {
    {SLOT_BEACON, 0, 3.0f},  // "atlightu"
    {SLOT_BEACON, 1, 3.0f},  // "atlightd"
    two_beam::front_beam_preset,
};

const SharedNumbers acplug02_shared = [] {
    SharedNumbers numbers{};
    numbers.bogie_hang = 10.0f;
    numbers.bogie_tilt = 10.0f;
    numbers.nose_strut_up = 110.0f;
    numbers.nose_door_open = 80.0f;
    numbers.nose_second_doors_from = 0.1f;
    numbers.nose_second_doors_span = 0.2f;  // with the first pair
    numbers.main_door_open = 80.0f;
    numbers.main_wing_door_open = 80.0f;
    numbers.main_shaft_up = 85.0f;
    return numbers;
}();

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug02_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    fly_steep_flare(numbers, 0.0f);
    numbers.reverser_slide = 0.7f;
    numbers.door_angle = -120.0f;
    numbers.tyres = 14;
    numbers.nose_tyres = 2;
    numbers.nose_tyre_circumference = 4.6181417f;  // diameter 1.47
    numbers.main_tyre_circumference = 5.152212f;   // diameter 1.64
    numbers.upper_beacon = {7.0f, 255};            // red 255
    numbers.lower_beacon = {4.0f, 50};             // red 50
    numbers.strobe = {30.0f, 0xFFFFFF};            // white
    return numbers;
}();

const GroundPath acplug02_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 31.0f;
    ground.taxi.steer_time = 4000.0f;
    drive_short_pushback_route(ground);
    ground.geometry = two_point_geometry(1.0f, 5.7384f, -1.22f);
    return ground;
}();

const AircraftType acplug02_type = [] {
    AircraftType type = reference_type;
    type.part_slots.edits = list_of(part_edits);
    type.scale_presets = list_of(scale_presets);
    type.numbers = &acplug02_numbers;
    type.ground = &acplug02_ground;
    type.shared = &acplug02_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug02_type;
