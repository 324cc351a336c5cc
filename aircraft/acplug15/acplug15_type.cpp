// acplug15, a carrier jet fighter: the reference type with an afterburner (slot 61), a cockpit
// door and boarding ladder (slot 62), stabilators that follow every body pitch of the flight
// phases (slot 71), main struts that compress on the ground, two spoiler panels, four rotating
// flaps, its own slats and gear, four tyres, no placeholder, engine slot, reversers, approach
// phase, door 37, landing, rotating or logo lights or strobes, a level final approach with the
// steep flare, the short taxi look-ahead and no engine dynamic light.
#include "acplug15_routines.h"
#include "empty_sequence_start.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "landing_gear.h"
#include "lights.h"
#include "reference_type.h"
#include "sequences.h"
#include "short_lookahead_taxi.h"
#include "two_panel_spoiler.h"
#include "two_point_geometry.h"
#include "type_numbers.h"

namespace {
const wchar_t* const flap_layers[] = {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0201",
                                      L"X_flap0301", L"X_flap0401", nullptr};
const wchar_t* const slat_layers[] = {L"slat",    L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat",
                                      L"01_slat", L"02_slat", L"03_slat", L"04_slat", nullptr};
const wchar_t* const gear_layers[] = {L"nosegear",  L"X_nose01",  L"X_nose02",  L"Z_1nose01",  L"Z_2nose01",
                                      L"Z_3nose01", L"X_4nose01", L"tire",      L"body03",     L"X_t1Rshaft",
                                      L"Z_1wing01", L"Z_2wing01", L"Z_3wing01", L"X_t1Lshaft", L"Z_4wing01",
                                      L"Z_5wing01", L"Z_6wing01", nullptr};
const wchar_t* const beacon_layers[] = {L"atlightu01", L"atlightu02", nullptr};
const wchar_t* const nav_light_layers[] = {L"wglightl", L"wglightr", L"ldlightb01", nullptr};
const wchar_t* const front_light_layers[] = {L"frlight", L"ldlightm", nullptr};
const wchar_t* const strut_layers[] = {L"X_t2Rshaft", L"X_t2Lshaft", nullptr};  // after the root layer
const wchar_t* const afterburner_layers[] = {L"afterburner", nullptr};
const wchar_t* const door_ladder_layers[] = {L"X_door01", L"ps01", L"trap", nullptr};
const wchar_t* const stabilator_layers[] = {L"X_l_horwing", L"X_r_horwing", nullptr};

const SlotConstant door_ladder_words[] = {
    {1, WORD_UNSIGNED, 0}, {2, WORD_UNSIGNED, 1}, {}};  // door shut, ladder state 1

const uint32_t BY_LAYERS = TIMED_BY_LAYERS;
const uint32_t TIMED = 1;  // a timed sequence, which animates no layers of its own

const SlotRow part_rows[] = {
    // clang-format off
    // slot,            start,                       update,                       timed,     ms,   loop, setup,   layers,             flags, words,             base scales
    {SLOT_AFTERBURNER,  acplug15::afterburner_start, acplug15::afterburner_update, BY_LAYERS, 0,    0,    nullptr, afterburner_layers, 0,     nullptr,           nullptr},
    {SLOT_DOOR_LADDER,  front_light_start,           acplug15::door_ladder_update, BY_LAYERS, 3000, 0,    nullptr, door_ladder_layers, 0,     door_ladder_words, nullptr},
    {SLOT_STABILIZERS,  acplug15::stabilator_set,    nullptr,                      BY_LAYERS, 0,    0,    nullptr, stabilator_layers,  0,     nullptr,           nullptr},
};
// clang-format on
const int32_t part_left_out[] = {SLOT_LEVEL1,         SLOT_REVERSERS,  SLOT_ENGINES, SLOT_ROLIGHT,
                                 SLOT_LANDING_LIGHTS, SLOT_LOGO_LIGHT, SLOT_STROBES, SLOT_DOOR};
const SlotEdit part_edits[] = {
    {SLOT_SPOILERS, two_panel_spoiler::spoiler_layers, 500, nullptr, nullptr},
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_SLATS, slat_layers, 0, nullptr, acplug15::slat_update},
    {SLOT_GEAR, gear_layers, 6000, nullptr, acplug15::gear_update},
    {SLOT_BEACON, beacon_layers, 0, nullptr, nullptr},
    {SLOT_NAV_LIGHTS, nav_light_layers, 0, nullptr, nullptr},
    {SLOT_FRONT_LIGHT, front_light_layers, 0, nullptr, nullptr},
    {SLOT_BODY_PITCH, strut_layers, 0, acplug15::body_pitch_set, nullptr},
};

// Slots 2 and 16 run 4000 ms, so that the door closes or the ladder goes after the lights.
const SlotRow sequence_rows[] = {
    // clang-format off
    // slot,             start,                        update,                          timed, ms,   loop, setup,   layers,  flags, words,   base scales
    {SEQ_NAV_LIGHTS_ON,  acplug15::seq_nav_lights_on,  acplug15::seq_nav_lights_update, TIMED, 4000, 0,    nullptr, nullptr, 0,     nullptr, nullptr},
    {SEQ_NAV_LIGHTS_OFF, acplug15::seq_nav_lights_off, idle_update,                     TIMED, 4000, 0,    nullptr, nullptr, 0,     nullptr, nullptr},
};
// clang-format on
const int32_t sequence_left_out[] = {SEQ_APPROACH};
const SlotEdit sequence_edits[] = {
    {SEQ_DEPARTURE, nullptr, 0, acplug15::seq_departure_setup, nullptr},
    empty_sequence::landing_lights_on_edit,
    {SEQ_AFTER_TAKEOFF, nullptr, 3000, acplug15::seq_after_takeoff_start, nullptr},
    {SEQ_BEACON_OFF, nullptr, 0, acplug15::seq_beacon_off, nullptr},
};

// Parked without the placeholder, reversers, engines, "rolight", landing lights, logo light,
// strobes or door 37 to post; after light 7 the afterburner goes out, the door opens with the
// ladder out and the stabilators level.
const int32_t reset_left_out[] = {SLOT_LEVEL1,         SLOT_REVERSERS,  SLOT_ENGINES, SLOT_ROLIGHT,
                                  SLOT_LANDING_LIGHTS, SLOT_LOGO_LIGHT, SLOT_STROBES, SLOT_DOOR};
const ResetInsert reset_inserted[] = {
    {SLOT_LIGHT_PARAMS, {SLOT_AFTERBURNER, 0, 0, 0.0f, 0.0f}},
    {SLOT_LIGHT_PARAMS, {SLOT_DOOR_LADDER, 1, 0, 0.0f, 0.0f}},
    {SLOT_LIGHT_PARAMS, {SLOT_STABILIZERS, 0, 0, 0.0f, 0.0f}},
};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserted), {}};

// Glow scales set before the base scales are read: both beacon lamps and the front beam.
const ScalePreset scale_presets[] = {
    {SLOT_BEACON, 0, 0.8f},
    {SLOT_BEACON, 1, 0.8f},
    {SLOT_FRONT_LIGHT, 1, 0.8f},
};

// The flap layers in the order above: each flap turns down 45 degrees, without moving back.
const FlapMove flap_moves[] = {
    {2, 0, 0.0f, 0.0f, 0.0f, 45.0f},  // X_flap0101
    {3, 0, 0.0f, 0.0f, 0.0f, 45.0f},  // X_flap0201
    {4, 0, 0.0f, 0.0f, 0.0f, 45.0f},  // X_flap0301
    {5, 0, 0.0f, 0.0f, 0.0f, 45.0f},  // X_flap0401
};

const float STRUTS_EXTENDED_HEIGHT = 5.0f;  // slots 8 and 10 hold the struts extended in the air

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug15_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    fly_steep_flare(numbers, 0.0f);
    numbers.pitch_follower = SLOT_STABILIZERS;
    numbers.held_height = STRUTS_EXTENDED_HEIGHT;
    // Its light sequences switch none of the lights it lacks; its roll-out raises the spoilers
    // alone.
    const int32_t light_sequences[] = {SEQ_NAV_LIGHTS_ON, SEQ_AFTER_TAKEOFF, SEQ_FINAL, SEQ_AFTER_LANDING,
                                       SEQ_NAV_LIGHTS_OFF};
    const int32_t lights_lacked[] = {SLOT_ROLIGHT, SLOT_LANDING_LIGHTS, SLOT_LOGO_LIGHT, SLOT_STROBES};
    for (int32_t sequence : light_sequences)
        for (int32_t light : lights_lacked) leave_out_post(numbers, sequence, light);
    leave_out_post(numbers, SEQ_ROLLOUT, SLOT_REVERSERS);
    numbers.spoiler_angle = -40.0f;
    numbers.flap_moves = list_of(flap_moves);
    numbers.tyres = 4;
    numbers.nose_tyres = 2;
    numbers.nose_tyre_circumference = 1.8997213f;
    numbers.main_tyre_circumference = 2.8274333f;
    return numbers;
}();

const GroundPath acplug15_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi = short_lookahead_taxi(4.0544f, 80.0f, 2000.0f);
    ground.geometry = two_point_geometry(0.5f, 1.7136f, 2.6435f);
    return ground;
}();

const AircraftType acplug15_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.rows = list_of(sequence_rows);
    type.sequence_slots.left_out = list_of(sequence_left_out);
    type.sequence_slots.edits = list_of(sequence_edits);
    type.reset_plan = &reset_plan;
    type.scale_presets = list_of(scale_presets);
    type.numbers = &acplug15_numbers;
    type.ground = &acplug15_ground;
    type.light_update = nullptr;  // no engine dynamic light: command -6 answers 0 at once
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug15_type;
