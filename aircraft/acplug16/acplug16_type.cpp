// acplug16, a twin-turboprop airliner: built like the propeller reference acplug10, with
// four-blade propellers turning the other way, flaps of four panels, its own nacelle gear, a
// door with a three-section airstair on slot 29, two-lamp beacon, no "Level1", spoilers,
// reversers, slats, logo light, strobes, door 37 or roll-out, and its own numbers.
#include "acplug16_routines.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "landing_gear.h"
#include "propeller_sequences.h"
#include "propellers.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "short_pushback_route.h"
#include "turboprop.h"
#include "two_beam_lights.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const wchar_t* const flap_layers[] = {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201",
                                      L"X_flap0301", L"X_flap0401", nullptr};
const FlapMove flap_moves[] = {
    {2, 1, 0, 0.05f, 0.5f, 30},
    {3, 1, 0, 0.05f, 0.5f, 30},
    {4, 1, 0, 0.05f, 0.5f, 30},
    {5, 1, 0, 0.05f, 0.5f, 30},
};
// "X_0103t1Rshaf" is the model's spelling.
const wchar_t* const gear_layers[] = {
    L"nosegear", L"Z_1nose",  L"Z_2nose",      L"tire",         L"body03",        L"Z_1eng01",       L"Z_2eng01",
    L"Z_3eng01", L"Z_4eng01", L"X_01t1Rshaft", L"X_01t1Lshaft", L"X_0103t1Rshaf", L"X_0103t1Lshaft", nullptr};
const wchar_t* const airstair_layers[] = {L"X_door01", L"on_trap", L"Z_trap01", L"Z_trap02", L"Z_trap03", nullptr};

const SlotRow part_rows[] = {
    {SLOT_SECOND_DOOR, gear_start, acplug16::second_door_update, TIMED_BY_LAYERS, 10000, 0, nullptr, airstair_layers, 0,
     nullptr, nullptr},
};
const int32_t part_left_out[] = {SLOT_LEVEL1,     SLOT_SPOILERS, SLOT_REVERSERS, SLOT_SLATS,
                                 SLOT_LOGO_LIGHT, SLOT_STROBES,  SLOT_DOOR};
const SlotEdit part_edits[] = {
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_GEAR, gear_layers, 0, nullptr, acplug16::gear_update},
    propellers::four_blade_edit,
    two_beam::landing_light_edit,
    two_beam::front_light_edit,
};
const int32_t sequence_left_out[] = {SEQ_ROLLOUT};

// Parked with the surfaces, placeholder, logo light, strobes and door 37 it lacks left out of
// the reference posts; the door and airstair close after the engines.
const int32_t reset_left_out[] = {SLOT_LEVEL1,     SLOT_SPOILERS, SLOT_REVERSERS, SLOT_SLATS,
                                  SLOT_LOGO_LIGHT, SLOT_STROBES,  SLOT_DOOR};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserts::door_after_engines), {}};

const ScalePreset scale_presets[] = {
    {SLOT_BEACON, 0, 1.5f},          // "atlightu"
    {SLOT_BEACON, 1, 1.5f},          // "atlightd"
    {SLOT_LANDING_LIGHTS, 0, 1.5f},  // "ldlightl1"
    turboprop::front_beam_preset,
};

const SharedNumbers acplug16_shared = [] {
    SharedNumbers numbers{};
    numbers.propeller = propellers::four_blade_propellers;
    numbers.propeller.turn = -1.0f;
    return numbers;
}();

const TypeNumbers acplug16_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    fly_steep_flare(numbers, 0.0f);
    propeller_sequences::without_slats(numbers);
    // Its light sequences 2, 8, 10 and 16 switch neither logo light nor strobes.
    leave_out_post(numbers, SEQ_NAV_LIGHTS_ON, SLOT_LOGO_LIGHT);
    leave_out_post(numbers, SEQ_AFTER_TAKEOFF, SLOT_LOGO_LIGHT);
    leave_out_post(numbers, SEQ_AFTER_TAKEOFF, SLOT_STROBES);
    leave_out_post(numbers, SEQ_FINAL, SLOT_STROBES);
    leave_out_post(numbers, SEQ_NAV_LIGHTS_OFF, SLOT_LOGO_LIGHT);
    numbers.flap_moves = list_of(flap_moves);
    numbers.nose_tyre_circumference = 2.617575f;
    numbers.main_tyre_circumference = 3.3052695f;
    numbers.upper_beacon = {1.0f, 1};    // red 1
    numbers.lower_beacon = {2.0f, 100};  // red 100
    return numbers;
}();

const GroundPath acplug16_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 10.7f;
    ground.taxi.steer_time = 4000.0f;
    drive_short_pushback_route(ground);
    ground.geometry = two_point_geometry(0.6f, 5.0794f, 1.3126f);
    return ground;
}();

const AircraftType acplug16_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_engines);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.left_out = list_of(sequence_left_out);
    type.reset_plan = &reset_plan;
    type.scale_presets = list_of(scale_presets);
    type.numbers = &acplug16_numbers;
    type.ground = &acplug16_ground;
    type.shared = &acplug16_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug16_type;
