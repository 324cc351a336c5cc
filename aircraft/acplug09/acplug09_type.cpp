// acplug09, a twin-jet with rear-mounted engines: the reference type with a forward door and a
// folding boarding stair (slot 29), a second door, single-slotted flaps with eight arms, two
// slats that swing about the vertical axis, a 15-layer gear, eight landing-light beams, a front
// light with two beams, a body that rises as it pitches, a steeper rotation and climb, its own
// tyres, geometry, light values and wheelbase.
#include "acplug09_routines.h"
#include "ground_path.h"
#include "lights.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "surfaces.h"
#include "two_beam_lights.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const wchar_t* const spoiler_layers[] = {L"X_spoiler01", L"X_spoiler02", L"X_spoiler03",
                                         L"X_spoiler04", L"spoiler",     nullptr};
const wchar_t* const flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201",
                                      L"X_flap0301",   L"X_flap0401",   L"X_flaparm_01", L"X_flaparm_02",
                                      L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06",
                                      L"X_flaparm_07", L"X_flaparm_08", nullptr};
const wchar_t* const slat_layers[] = {L"slat", L"Y_1slat", L"Y_2slat", nullptr};
const wchar_t* const gear_layers[] = {L"Z_1nose01",      L"Z_2nose01",    L"Z_3nose01",      L"Z_4nose01",
                                      L"nosegear",       L"Z_1main01",    L"Z_2main01",      L"Z_01t1Rshaft",
                                      L"Z_0102t1Rshaft", L"Z_01t1Lshaft", L"Z_0102t1Lshaft", L"Z_1wing01",
                                      L"Z_2wing01",      L"tire",         L"body03",         nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl",  L"ldlightl1", L"ldlightl2", L"ldlightl3", L"ldlightr",
                                               L"ldlightr1", L"ldlightr2", L"ldlightr3", nullptr};
const wchar_t* const stair_layers[] = {L"Z_door02", L"X_trap01", L"Z_trap02", L"Y_door01", L"trap_on", L"01_door",
                                       L"2_door",   L"05body03", L"102door",  L"103door",  nullptr};
const wchar_t* const door_layers[] = {L"06body03", L"Z_door03", nullptr};

const SlotEdit part_edits[] = {
    {SLOT_SPOILERS, spoiler_layers, 0, nullptr, nullptr},
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_SLATS, slat_layers, 0, nullptr, acplug09::slat_update},
    {SLOT_GEAR, gear_layers, 0, nullptr, acplug09::gear_update},
    two_beam::front_light_edit,
    {SLOT_BODY_PITCH, nullptr, 0, acplug09::body_pitch_set, nullptr},
    {SLOT_DOOR, door_layers, 0, nullptr, nullptr},
};

// The main beams' base scale and that of the others, and which of the two each beam glows from.
const BaseScale landing_light_scales[] = {{0, 5}, {1, 6}, {}};
const int32_t landing_lamp_words[] = {5, 6, 6, 6, 5, 6, 6, 6};
const SlotRow part_rows[] = {
    {SLOT_LANDING_LIGHTS, landing_light_start, landing_light_update, TIMED_BY_LAYERS, 1000, 0, nullptr,
     landing_light_layers, 0, nullptr, landing_light_scales},
    {SLOT_SECOND_DOOR, anim_toggle_start, acplug09::second_door_update, TIMED_BY_LAYERS, 20000, 0, nullptr,
     stair_layers, 0, nullptr, nullptr},
};

// The reference reset with the forward door and stair parked closed after the engines.
const ResetPlan reset_plan = {{}, list_of(reset_inserts::door_after_engines), {}};

// The flap layers in the order above: the panels slide aft as they turn, the arms only turn.
const FlapMove flap_moves[] = {
    {2, 1, 0.0f, 0.0f, 0.1f, 30.0f},   // X_flap0101
    {3, 1, 0.0f, 0.0f, 0.1f, 30.0f},   // X_flap0201
    {4, 1, 0.0f, 0.0f, 0.1f, 30.0f},   // X_flap0301
    {5, 1, 0.0f, 0.0f, 0.1f, 30.0f},   // X_flap0401
    {6, 0, 0.0f, 0.0f, 0.0f, 20.0f},   // X_flaparm_01
    {7, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_02
    {8, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_03
    {9, 0, 0.0f, 0.0f, 0.0f, 30.0f},   // X_flaparm_04
    {10, 0, 0.0f, 0.0f, 0.0f, 30.0f},  // X_flaparm_05
    {11, 0, 0.0f, 0.0f, 0.0f, 30.0f},  // X_flaparm_06
    {12, 0, 0.0f, 0.0f, 0.0f, 30.0f},  // X_flaparm_07
    {13, 0, 0.0f, 0.0f, 0.0f, 20.0f},  // X_flaparm_08
};

const SharedNumbers acplug09_shared = [] {
    SharedNumbers numbers{};
    numbers.nose_strut_up = 120.0f;
    numbers.nose_strut_swing = 110.0f;
    numbers.nose_door_open = 70.0f;
    numbers.nose_second_doors_from = 0.1f;
    numbers.nose_second_doors_span = 0.2f;  // with the first pair
    numbers.nose_strut_layer = 4;           // after its doors
    numbers.nose_first_door_layer = 0;
    return numbers;
}();

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug09_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    numbers.rotate_pitch = 7.0f;
    numbers.climb_pitch = 7.0f;
    numbers.spoiler_covers = 0;
    numbers.spoiler_covers_after = 1;      // "spoiler", after the four panels
    numbers.spoiler_stowed_angle = -0.0f;  // -80 × 0
    numbers.flap_moves = list_of(flap_moves);
    numbers.door_angle = 50.0f;
    numbers.nose_tyre_circumference = 2.4190264f;
    numbers.main_tyre_circumference = 3.4557521f;
    numbers.landing_lamp_words = list_of(landing_lamp_words);
    numbers.upper_beacon = {0.3f, 10};   // red 10
    numbers.lower_beacon = {1.5f, 10};   // red 10
    numbers.strobe = {12.0f, 0xFFFFFF};  // white
    return numbers;
}();

const GroundPath acplug09_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 20.3f;
    ground.geometry = two_point_geometry(0.5f, 2.85f, 3.1f);
    return ground;
}();

const AircraftType acplug09_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_pitch);
    type.part_slots.edits = list_of(part_edits);
    type.reset_plan = &reset_plan;
    type.numbers = &acplug09_numbers;
    type.ground = &acplug09_ground;
    type.shared = &acplug09_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug09_type;
