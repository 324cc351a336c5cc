// acplug11, a twin-turboprop commuter: the reference type with four-blade propellers whose
// pitch remembers the last change of power, flaps that swap the engine parts, a nacelle gear,
// a door with a two-section airstair on slot 29, the eased door "Z_door02", the take-off
// trigger on slot 126, no "Level1", spoilers, reversers or slats, and its own numbers.
#include "acplug11_routines.h"
#include "eased_door.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "lights.h"
#include "one_beam_front_light.h"
#include "propeller_sequences.h"
#include "propellers.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "surfaces.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const wchar_t* const flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201",
                                      L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04",
                                      L"X_flaparm_05", L"X_flaparm_06", L"X_revon102",   L"X_revon202",
                                      L"engine_off",   L"engine_on",    nullptr};
const FlapMove flap_moves[] = {
    {2, 0, 0, 0, 0, 20},  {3, 0, 0, 0, 0, 20},  {4, 0, 0, 0, 0, 20}, {5, 0, 0, 0, 0, 20},  // flaps, arms 1 and 2
    {6, 0, 0, 0, 0, 20},  {7, 0, 0, 0, 0, 20},  {8, 0, 0, 0, 0, 20}, {9, 0, 0, 0, 0, 20},  // arms 3 to 6
    {10, 0, 0, 0, 0, 21}, {11, 0, 0, 0, 0, 21},                                            // "X_revon102", "X_revon202"
};
// "X_3eng01" and "X_6eng01" are the legs, the other four nacelle layers its doors.
const wchar_t* const gear_layers[] = {L"nosegear", L"Z_1nose01",    L"Z_2nose01",    L"tire",     L"body03",
                                      L"Z_1eng01", L"Z_2eng01",     L"X_3eng01",     L"Z_4eng01", L"Z_5eng01",
                                      L"X_6eng01", L"X_01t1Rshaft", L"X_01t1Lshaft", nullptr};
const wchar_t* const engine_layers[] = {L"Z_e1low",   L"Z_e1high",  L"Z_e2low",   L"Z_e2high",  L"Y_01e1low",
                                        L"Y_02e1low", L"Y_03e1low", L"Y_04e1low", L"Y_01e2low", L"Y_02e2low",
                                        L"Y_03e2low", L"Y_04e2low", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl", L"ldlightr", nullptr};
const wchar_t* const airstair_layers[] = {L"Z_door01", L"Z_trap01", L"Z_trap02", L"trap_on", L"S1door01", nullptr};
const wchar_t* const door_layers[] = {L"Z_door02", nullptr};

const SlotRow part_rows[] = {
    {SLOT_SECOND_DOOR, anim_toggle_start, acplug11::second_door_update, TIMED_BY_LAYERS, 10000, 0, nullptr,
     airstair_layers, 0, nullptr, nullptr},
};
const int32_t part_left_out[] = {SLOT_LEVEL1, SLOT_SPOILERS, SLOT_REVERSERS, SLOT_SLATS};
const SlotEdit part_edits[] = {
    {SLOT_FLAPS, flap_layers, 0, nullptr, acplug11::flap_update},
    {SLOT_GEAR, gear_layers, 10000, nullptr, acplug11::gear_update},
    {SLOT_ENGINES, engine_layers, 0, acplug11::engine_spool_start, propellers::engine_spool_update},
    {SLOT_LANDING_LIGHTS, landing_light_layers, 0, nullptr, nullptr},
    one_beam::front_light_edit,
    {SLOT_DOOR, door_layers, 1000, nullptr, eased_door_update},
};

// The take-off trigger keeps its once flag in word1 and runs no clock.
const SlotRow sequence_rows[] = {
    {SLOT_TAKEOFF_TRIGGER, acplug11::seq_takeoff_trigger, nullptr, 1, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
};
const SlotEdit sequence_edits[] = {
    {SEQ_AFTER_TAKEOFF, nullptr, 0, acplug11::seq_after_takeoff_start, nullptr},
    {SEQ_ROLLOUT, nullptr, 0, acplug11::seq_rollout_start, idle_update},
};

// The reset: no "Level1", spoilers, reversers or slats to post; the door and airstair close
// after the body is levelled, before door 37.
const int32_t reset_left_out[] = {SLOT_LEVEL1, SLOT_SPOILERS, SLOT_REVERSERS, SLOT_SLATS};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserts::door_after_pitch), {}};

const BladePose blade_poses[] = {{0, 1, 0}, {0, 1, 90}, {0, 1, 180}, {0, 1, -90}};  // all pitch about y

const SharedNumbers acplug11_shared = [] {
    SharedNumbers numbers{};
    numbers.propeller = {4, blade_poses, 1.0f, acplug11::blade_pitch};
    return numbers;
}();

const TypeNumbers acplug11_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    fly_steep_flare(numbers, 0.0f);
    propeller_sequences::without_slats(numbers);
    numbers.flap_time = 6000;
    numbers.flap_moves = list_of(flap_moves);
    numbers.door_angle = 110.0f;
    numbers.nose_tyre_circumference = 1.564042f;
    numbers.main_tyre_circumference = 2.4062402f;
    numbers.upper_beacon = {2.0f, 255};  // red 255
    numbers.lower_beacon = {0.0f, 0};    // the lower lamp flashes, but lights nothing
    numbers.strobe = {7.0f, 0xFFFFFF};   // white
    // The approach's final configuration runs on its own clocks; a later run sways on.
    numbers.landing_final_snap = 0;
    numbers.landing_keeps_sway = 1;
    return numbers;
}();

const GroundPath acplug11_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 7.5f;
    ground.geometry = two_point_geometry(0.5f, 3.7054f, -0.26f);
    return ground;
}();

const AircraftType acplug11_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_pitch);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.rows = list_of(sequence_rows);
    type.sequence_slots.edits = list_of(sequence_edits);
    type.reset_plan = &reset_plan;
    type.scale_presets = {nullptr, 0};  // base scales as the model gives them
    type.numbers = &acplug11_numbers;
    type.ground = &acplug11_ground;
    type.shared = &acplug11_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug11_type;
