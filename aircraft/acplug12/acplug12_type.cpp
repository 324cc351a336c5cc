// acplug12, a business twin-jet: the reference type with two spoiler panels, reversers of four
// doors, two flap panels on four arms, no slats, its own gear, a cabin door with a step on slot
// 29, no door 37, placeholder, "rolight" or logo light, a front light without a beam, landing
// lamps inside their glow layers, landing lights switched by other phases, a steeper approach
// and flare, the short taxi look-ahead, the small tow vehicle and its own numbers.
#include "acplug12_routines.h"
#include "atm_tow_vehicle.h"
#include "empty_sequence_start.h"
#include "ground_path.h"
#include "landing_gear.h"
#include "lights.h"
#include "propeller_sequences.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "short_lookahead_taxi.h"
#include "surfaces.h"
#include "two_panel_spoiler.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const wchar_t* const reverser_layers[] = {L"engine_on", L"engine_off", L"X_revon01", L"X_revon02",
                                          L"X_revon03", L"X_revon04",  nullptr};
const wchar_t* const flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201", L"X_flaparm_01",
                                      L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04", nullptr};
const wchar_t* const gear_layers[] = {L"nosegear",  L"Z_1nose01", L"Z_2nose01", L"X_3nose01",    L"tire",
                                      L"body03",    L"Z_1main01", L"Z_2main01", L"Z_01t1Lshaft", L"Z_01t1Rshaft",
                                      L"Z_1wing01", L"Z_2wing01", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl", L"ldlightr", nullptr};
const wchar_t* const front_light_layers[] = {L"frlight", nullptr};
const wchar_t* const cabin_door_layers[] = {L"04body03", L"Z_door01", L"trap_on", nullptr};

const SlotRow part_rows[] = {
    // clang-format off
    // slot,               start,               update,                        timed,           ms,   loop, setup,                         layers
    {SLOT_LANDING_LIGHTS, landing_light_start, landing_light_update,          TIMED_BY_LAYERS, 1000, 0, acplug12::landing_light_setup, landing_light_layers, 0, nullptr, nullptr},
    {SLOT_SECOND_DOOR,    anim_toggle_start,   acplug12::second_door_update, TIMED_BY_LAYERS, 3000, 0, nullptr,                       cabin_door_layers,    0, nullptr, nullptr},
};
// clang-format on
const int32_t part_left_out[] = {SLOT_LEVEL1, SLOT_SLATS, SLOT_ROLIGHT, SLOT_LOGO_LIGHT, SLOT_DOOR};
const SlotEdit part_edits[] = {
    two_panel_spoiler::spoiler_edit,
    {SLOT_REVERSERS, reverser_layers, 0, nullptr, acplug12::reverser_update},
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_GEAR, gear_layers, 0, nullptr, acplug12::gear_update},
    {SLOT_FRONT_LIGHT, front_light_layers, 0, nullptr, acplug12::front_light_update},
};

const SlotEdit sequence_edits[] = {
    {SEQ_DEPARTURE, nullptr, 0, acplug12::seq_departure_setup, nullptr},
    empty_sequence::landing_lights_on_edit,
    {SEQ_AFTER_LANDING, nullptr, 0, acplug12::seq_after_landing, nullptr},
    {SEQ_BEACON_OFF, nullptr, 0, acplug12::seq_beacon_off, nullptr},
};

// Parked without the placeholder, slats, "rolight", logo light or door 37 to post; the cabin
// door closes after the engines.
const int32_t reset_left_out[] = {SLOT_LEVEL1, SLOT_SLATS, SLOT_ROLIGHT, SLOT_LOGO_LIGHT, SLOT_DOOR};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserts::door_after_engines), {}};

// The flap layers in the order above: both panels move back and down 50 degrees, the outer
// arms turn to 47 and the inner ones to 51.
const FlapMove flap_moves[] = {
    {2, 1, 0.0f, -0.1f, 0.2f, 50.0f},  // X_flap0101
    {3, 1, 0.0f, -0.1f, 0.2f, 50.0f},  // X_flap0201
    {4, 0, 0.0f, 0.0f, 0.0f, 47.0f},   // X_flaparm_01
    {5, 0, 0.0f, 0.0f, 0.0f, 51.0f},   // X_flaparm_02
    {6, 0, 0.0f, 0.0f, 0.0f, 51.0f},   // X_flaparm_03
    {7, 0, 0.0f, 0.0f, 0.0f, 47.0f},   // X_flaparm_04
};

const SharedNumbers acplug12_shared = [] {
    SharedNumbers numbers{};
    numbers.main_door_open = 90.0f;
    numbers.main_wing_door_open = 120.0f;
    numbers.main_shaft_up = 91.0f;
    return numbers;
}();

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug12_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    numbers.final_pitch = 3.0f;
    numbers.flare_pitch = 3.0f;
    numbers.flare_rise = 3.0f;
    numbers.touchdown_pitch = 6.0f;
    // Slot 2 turns on the logo light alone with its flag, slot 8 the strobes alone; slot 16
    // turns off the navigation lights only; slot 10 posts no slats.
    leave_out_post(numbers, SEQ_NAV_LIGHTS_ON, SLOT_ROLIGHT);
    leave_out_post(numbers, SEQ_AFTER_TAKEOFF, SLOT_ROLIGHT);
    leave_out_post(numbers, SEQ_AFTER_TAKEOFF, SLOT_LOGO_LIGHT);
    leave_out_post(numbers, SEQ_NAV_LIGHTS_OFF, SLOT_ROLIGHT);
    leave_out_post(numbers, SEQ_NAV_LIGHTS_OFF, SLOT_LOGO_LIGHT);
    propeller_sequences::final_config_without_slats(numbers);
    numbers.flap_moves = list_of(flap_moves);
    numbers.nose_tyre_circumference = 1.6713274f;
    numbers.main_tyre_circumference = 2.2965043f;
    numbers.upper_beacon = {1.0f, 255};  // red 255
    numbers.lower_beacon = {1.0f, 255};  // red 255
    numbers.strobe = {5.0f, 0xFFFFFF};   // white
    return numbers;
}();

const GroundPath acplug12_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi = short_lookahead_taxi(5.5f, 60.0f, 2000.0f);
    ground.geometry = two_point_geometry(0.3f, 1.595f, 0.735f);
    pull_behind_atm(ground);
    return ground;
}();

const AircraftType acplug12_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_pitch);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.edits = list_of(sequence_edits);
    type.reset_plan = &reset_plan;
    type.scale_presets = {};  // no beam to preset
    type.numbers = &acplug12_numbers;
    type.ground = &acplug12_ground;
    type.shared = &acplug12_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug12_type;
