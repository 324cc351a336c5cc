// acplug14, a regional twin-jet with rear engines: the reference type with eight spoiler panels
// under nine covers, four flap panels on ten arms, no slats or placeholder, its own gear, a
// front door on slot 29 and a rear door on slot 37, a beacon whose dynamic light sits at two
// marker layers, the two-beam lights, two bogies that meet the runway, the level final
// approach with the steep flare, after-take-off and final phases of 12000 ms, the short taxi
// look-ahead and its own numbers.
#include "acplug14_routines.h"
#include "bogies.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "long_climb_sequences.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "short_lookahead_taxi.h"
#include "surfaces.h"
#include "two_beam_lights.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
// Nine covers ("spoiler", "01_spoiler" to "08_spoiler"), then the eight panels.
const wchar_t* const spoiler_layers[] = {L"spoiler",     L"01_spoiler",  L"02_spoiler",  L"03_spoiler",  L"04_spoiler",
                                         L"05_spoiler",  L"06_spoiler",  L"07_spoiler",  L"08_spoiler",  L"X_spoiler01",
                                         L"X_spoiler02", L"X_spoiler03", L"X_spoiler04", L"X_spoiler05", L"X_spoiler06",
                                         L"X_spoiler07", L"X_spoiler08", nullptr};
const uint32_t SPOILER_COVERS = 9;
const wchar_t* const flap_layers[] = {
    L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201",   L"X_flap0301",   L"X_flap0401",
    L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06",
    L"X_flaparm_07", L"X_flaparm_08", L"X_flaparm_09", L"X_flaparm_10", nullptr};
const wchar_t* const gear_layers[] = {
    L"nosegear",  L"Z_1nose01",    L"Z_2nose01",    L"X_3nose01",      L"01body03",       L"03body03",
    L"04body03",  L"tire001",      L"tire002",      L"tire004",        L"tire005",        L"Z_1wing01",
    L"Z_2wing01", L"Z_01t1Rshaft", L"Z_01t1Lshaft", L"Z_0102t1Rshaft", L"Z_0102t1Lshaft", nullptr};
// The two lamps, then the markers where the dynamic light sits for their flashes.
const wchar_t* const beacon_layers[] = {L"atlightu", L"atlightd", L"at_pointu", L"at_pointd", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl", L"ldlightr", nullptr};
const wchar_t* const front_door_layers[] = {L"03body03", L"Z_door01", nullptr};
const wchar_t* const rear_door_layers[] = {L"04body03", L"Z_door02", nullptr};
// The body pitch's bogies, the right one first.
const wchar_t* const bogie_layers[] = {L"X_02t1Rshaft", L"X_02t1Lshaft", nullptr};

const SlotRow part_rows[] = {
    {SLOT_SECOND_DOOR, anim_toggle_start, acplug14::second_door_update, TIMED_BY_LAYERS, 12000, 0, nullptr,
     front_door_layers, 0, nullptr, nullptr},
};
const int32_t part_left_out[] = {SLOT_LEVEL1, SLOT_SLATS};
const SlotEdit part_edits[] = {
    {SLOT_SPOILERS, spoiler_layers, 0, nullptr, nullptr},
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_GEAR, gear_layers, 0, nullptr, acplug14::gear_update},
    {SLOT_BEACON, beacon_layers, 0, nullptr, nullptr},
    {SLOT_LANDING_LIGHTS, landing_light_layers, 0, nullptr, nullptr},
    two_beam::front_light_edit,
    bogies::two_bogie_pitch_edit(bogie_layers),
    {SLOT_DOOR, rear_door_layers, 0, nullptr, acplug14::door_update},
};

// Parked without the placeholder or slats to post; the rear door on slot 29 closes after the
// body is levelled, before door 37.
const int32_t reset_left_out[] = {SLOT_LEVEL1, SLOT_SLATS};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserts::door_after_pitch), {}};

// The flap layers in the order above: the panels slide back 0.15 as they turn, the outer ones to
// 40 degrees and the inner ones to 37.5; the ten arms turn to 40.
const FlapMove flap_moves[] = {
    {2, 1, 0.0f, 0.0f, 0.15f, 40.0f},  // X_flap0101
    {3, 1, 0.0f, 0.0f, 0.15f, 37.5f},  // X_flap0201
    {4, 1, 0.0f, 0.0f, 0.15f, 37.5f},  // X_flap0301
    {5, 1, 0.0f, 0.0f, 0.15f, 40.0f},  // X_flap0401
    {6, 0, 0.0f, 0.0f, 0.0f, 40.0f},   // X_flaparm_01
    {7, 0, 0.0f, 0.0f, 0.0f, 40.0f},   // X_flaparm_02
    {8, 0, 0.0f, 0.0f, 0.0f, 40.0f},   // X_flaparm_03
    {9, 0, 0.0f, 0.0f, 0.0f, 40.0f},   // X_flaparm_04
    {10, 0, 0.0f, 0.0f, 0.0f, 40.0f},  // X_flaparm_05
    {11, 0, 0.0f, 0.0f, 0.0f, 40.0f},  // X_flaparm_06
    {12, 0, 0.0f, 0.0f, 0.0f, 40.0f},  // X_flaparm_07
    {13, 0, 0.0f, 0.0f, 0.0f, 40.0f},  // X_flaparm_08
    {14, 0, 0.0f, 0.0f, 0.0f, 40.0f},  // X_flaparm_09
    {15, 0, 0.0f, 0.0f, 0.0f, 40.0f},  // X_flaparm_10
};

// Bogies hanging at 10 degrees; the nose gear's strut folds to 115, its door pair opens to 90 and
// its rear door to 115 alongside them.
const SharedNumbers acplug14_shared = [] {
    SharedNumbers numbers{};
    numbers.bogie_hang = 10.0f;
    numbers.nose_strut_up = 115.0f;
    numbers.nose_door_open = 90.0f;
    numbers.nose_second_door_open = 115.0f;
    numbers.nose_second_doors_from = 0.1f;
    numbers.nose_second_doors_span = 0.2f;
    return numbers;
}();

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug14_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    fly_steep_flare(numbers, 0.0f);
    numbers.spoiler_covers = SPOILER_COVERS;
    numbers.flap_moves = list_of(flap_moves);
    numbers.nose_tyre_circumference = 1.3791592f;
    numbers.main_tyre_circumference = 2.1928318f;
    numbers.beacon_light_marks = 2;      // "at_pointu", "at_pointd"
    numbers.upper_beacon = {2.5f, 255};  // red 255
    numbers.lower_beacon = {1.5f, 255};  // red 255
    numbers.strobe = {7.0f, 0xFFFFFF};   // white
    return numbers;
}();

const GroundPath acplug14_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi = short_lookahead_taxi(11.2f, 60.0f, 3000.0f);
    ground.geometry = two_point_geometry(0.3f, 1.57f, 0.0f);
    return ground;
}();

const AircraftType acplug14_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_pitch);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.edits = long_climb::sequence_edits;
    type.reset_plan = &reset_plan;
    type.scale_presets = {};  // the front beam's base scale is read as the model gives it
    type.numbers = &acplug14_numbers;
    type.ground = &acplug14_ground;
    type.shared = &acplug14_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug14_type;
