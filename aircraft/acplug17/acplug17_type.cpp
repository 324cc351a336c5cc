// acplug17, a helicopter: a main and a tail rotor in the engine slot, three tyres, two hinged
// and two sliding cabin doors on slot 29, a horizontal stabilizer on slot 71 that turns like the
// body, a beacon, navigation, landing and front lights, and flight phases that lift and settle
// the whole object. No gear, flaps, slats, spoilers, reversers, nose-wheel steering,
// placeholder, "rolight", logo light, strobes, door 37, ground geometry or scripted landing. It
// taxis on the framework's taxi step without a nose wheel to turn and is pushed back behind the
// small tow vehicle.
#include "acplug17_routines.h"
#include "atm_tow_vehicle.h"
#include "ground_path.h"
#include "lights.h"
#include "reference_type.h"
#include "sequences.h"
#include "surfaces.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const wchar_t* const rotor_layers[] = {L"X_e2low", L"X_e2high", L"Y_e1low", L"Y_e1high", L"01e1low",
                                       L"02e1low", L"03e1low",  L"04e1low", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightr", L"ldlightm", nullptr};
const wchar_t* const front_light_layers[] = {L"frlightl", L"ldlightl", nullptr};
const wchar_t* const door_layers[] = {L"body03", L"Y_door01", L"Y_door02", L"Z_door03", L"Z_door04", nullptr};
const wchar_t* const stabilizer_layers[] = {L"X_horwing", nullptr};

const BaseScale landing_light_scales[] = {{0, 5}, {1, 6}, {}};  // each lamp its own
const int32_t landing_lamp_words[] = {5, 6};                    // "ldlightr" from word5, "ldlightm" from word6

const SlotRow part_rows[] = {
    // clang-format off
    // slot,               start,               update,                          timed,           ms,   loop, setup,   layers
    {SLOT_LANDING_LIGHTS, landing_light_start, landing_light_update,           TIMED_BY_LAYERS, 1000, 0, nullptr, landing_light_layers, 0, nullptr, landing_light_scales},
    {SLOT_SECOND_DOOR,    anim_toggle_start,   acplug17::second_door_update,   TIMED_BY_LAYERS, 5000, 0, nullptr, door_layers,          0, nullptr, nullptr},
    {SLOT_STABILIZERS,    body_pitch_set,      nullptr,                        TIMED_BY_LAYERS, 0,    0, nullptr, stabilizer_layers,    0, nullptr, nullptr},
};
// clang-format on
const int32_t part_left_out[] = {SLOT_LEVEL1,     SLOT_SPOILERS, SLOT_REVERSERS,  SLOT_FLAPS,      SLOT_SLATS,
                                 SLOT_NOSE_STEER, SLOT_GEAR,     SLOT_ROLIGHT,    SLOT_LOGO_LIGHT, SLOT_STROBES,
                                 SLOT_DOOR,       SLOT_GEOMETRY, SLOT_LANDING_RUN};
const SlotEdit part_edits[] = {
    {SLOT_ENGINES, rotor_layers, 0, acplug17::engine_spool_start, acplug17::engine_spool_update},
    {SLOT_FRONT_LIGHT, front_light_layers, 0, nullptr, nullptr},
};

const uint32_t TIMED = 1;  // a timed sequence record, which animates no layers of its own
const SlotRow sequence_rows[] = {
    // clang-format off
    // slot,                 start,                             update,                          timed, ms,   loop
    {SEQ_DEPARTURE,         acplug17::seq_departure_setup,     acplug17::seq_liftoff_update,    TIMED, 4000, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_LANDING_LIGHTS_ON, acplug17::seq_landing_lights_on,   acplug17::seq_nose_down_update,  TIMED, 3000, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SEQ_AFTER_LANDING,     acplug17::seq_after_landing,       acplug17::seq_settle_update,     TIMED, 8000, 0, nullptr, nullptr, 0, nullptr, nullptr},
};
// clang-format on
const int32_t sequence_left_out[] = {SEQ_BEACON_ON, SEQ_APPROACH, SEQ_ROLLOUT};
const SlotEdit sequence_edits[] = {
    {SEQ_NAV_LIGHTS_ON, nullptr, 0, acplug17::seq_nav_lights_on, nullptr},
    {SEQ_ROTATE, nullptr, 0, nullptr, acplug17::seq_rotate_update},
    {SEQ_CLIMB, nullptr, 0, acplug17::seq_climb_pitch, nullptr},
    {SEQ_AFTER_TAKEOFF, nullptr, 5000, acplug17::seq_after_takeoff_start, acplug17::seq_after_takeoff_update},
    {SEQ_FINAL, nullptr, 3000, acplug17::seq_final_config_start, acplug17::seq_final_config_update},
    {SEQ_FLARE, nullptr, 0, acplug17::seq_flare_pitch, nullptr},
    {SEQ_TOUCHDOWN, nullptr, 0, acplug17::seq_touchdown_start, acplug17::seq_touchdown_update},
    {SEQ_BEACON_OFF, nullptr, 0, acplug17::seq_beacon_off, nullptr},
    {SEQ_NAV_LIGHTS_OFF, nullptr, 0, acplug17::seq_nav_lights_off, nullptr},
};

// Parked: rotors stopped with the blades drooped, doors open, lights off, level, light 7 off,
// the stabilizer at 30 degrees. None of the gear, surfaces, placeholder, "rolight", logo light,
// strobes or door 37 is posted.
const int32_t reset_left_out[] = {SLOT_LEVEL1,     SLOT_SPOILERS,   SLOT_REVERSERS, SLOT_FLAPS,
                                  SLOT_SLATS,      SLOT_NOSE_STEER, SLOT_GEAR,      SLOT_ROLIGHT,
                                  SLOT_LOGO_LIGHT, SLOT_STROBES,    SLOT_DOOR};
const ResetInsert reset_inserted[] = {
    {SLOT_ENGINES, {SLOT_SECOND_DOOR, 1, 0, 0.0f, 0.0f}},  // doors open
    {SLOT_LIGHT_PARAMS, {SLOT_STABILIZERS, 0, 0, 30.0f, 0.0f}},
};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserted), {}};

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug17_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    numbers.tyres = 3;
    numbers.nose_tyres = 1;  // the front tyre, then the two main tyres
    numbers.nose_tyre_circumference = 1.2849115f;
    numbers.main_tyre_circumference = 2.0891593f;
    numbers.landing_lamp_words = list_of(landing_lamp_words);
    numbers.engines = 2;  // the tail rotor, then the main rotor
    // The framework's sequences that it runs post nothing to the flaps, slats, gear, "rolight",
    // logo light or strobes.
    const int32_t parts_lacked[] = {SLOT_FLAPS, SLOT_SLATS, SLOT_GEAR, SLOT_ROLIGHT, SLOT_LOGO_LIGHT, SLOT_STROBES};
    for (int32_t sequence = SEQ_NAV_LIGHTS_ON; sequence <= SEQ_NAV_LIGHTS_OFF; ++sequence)
        for (int32_t part : parts_lacked) leave_out_post(numbers, sequence, part);
    numbers.upper_beacon = {1.0f, 255};  // red 255
    numbers.lower_beacon = {1.5f, 255};  // red 255
    return numbers;
}();

const GroundPath acplug17_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 2.86f;
    ground.taxi.steer_limit = 60.0f;
    ground.taxi.steer_time = 1600.0f;
    pull_behind_atm(ground);
    return ground;
}();

const AircraftType acplug17_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_pitch);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.rows = list_of(sequence_rows);
    type.sequence_slots.left_out = list_of(sequence_left_out);
    type.sequence_slots.edits = list_of(sequence_edits);
    type.reset_plan = &reset_plan;
    type.numbers = &acplug17_numbers;
    type.ground = &acplug17_ground;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug17_type;
