// acplug05, a narrow-body twin-jet whose thrust reversers open by pivoting doors: the reference
// type with spoiler panel covers, eight reverser doors, flaps with eight arms, slats that run
// on a curve, a 15-layer gear, one landing-light pair, a front light with two beams, a door with
// its own start, a final approach that pitches to 4 and a flare that holds 4 or more, its own
// tyres, geometry, light values and wheelbase.
#include "acplug05_routines.h"
#include "curved_slats.h"
#include "eased_door.h"
#include "flight_pitches.h"
#include "ground_path.h"
#include "lights.h"
#include "linear_door.h"
#include "reference_type.h"
#include "shared_numbers.h"
#include "two_beam_lights.h"
#include "two_point_geometry.h"
#include "type_numbers.h"

namespace {
const wchar_t* const spoiler_layers[] = {L"spoiler",      L"X_spoiler01",  L"X_spoiler02",  L"X_spoiler03",
                                         L"X_spoiler04",  L"01_spoiler01", L"02_spoiler01", L"03_spoiler01",
                                         L"04_spoiler01", nullptr};
const wchar_t* const reverser_layers[] = {
    L"engine_on",   L"Y_revon0101", L"Y_revon0102", L"Y_revon0103", L"Y_revon0104", L"Y_revon0201",
    L"Y_revon0202", L"Y_revon0203", L"Y_revon0204", L"01_revon01",  L"02_revon01",  L"03_revon01",
    L"04_revon01",  L"01_revon02",  L"02_revon02",  L"03_revon02",  L"04_revon02",  nullptr};
const wchar_t* const flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0201",
                                      L"X_flap0301",   L"X_flap0401",   L"X_flaparm_01", L"X_flaparm_02",
                                      L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06",
                                      L"X_flaparm_07", L"X_flaparm_08", nullptr};
const wchar_t* const slat_layers[] = {L"slat",    L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat",
                                      L"01_slat", L"02_slat", L"03_slat", L"04_slat", nullptr};
// "Z_0102t1Rshaf" is the model's own spelling.
const wchar_t* const gear_layers[] = {L"Z_1nose01",     L"Z_2nose01",    L"Z_1main01",      L"Z_2main01",
                                      L"nosegear",      L"Z_3nose01",    L"Z_4nose01",      L"Z_01t1Rshaft",
                                      L"Z_0102t1Rshaf", L"Z_01t1Lshaft", L"Z_0102t1Lshaft", L"Z_1wing01",
                                      L"Z_2wing01",     L"body03",       L"tire",           nullptr};

const SlotEdit part_edits[] = {
    {SLOT_SPOILERS, spoiler_layers, 0, nullptr, nullptr},
    {SLOT_REVERSERS, reverser_layers, 0, nullptr, acplug05::reverser_update},
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
    {SLOT_SLATS, slat_layers, 0, nullptr, curved_slats::slat_update},
    {SLOT_GEAR, gear_layers, 0, nullptr, acplug05::gear_update},
    two_beam::front_light_edit,
    {SLOT_DOOR, linear_door::door_layers, 0, acplug05::door_start, acplug05::door_update},
};

// The landing-light pair, built with its level and second word at 1.
const SlotConstant landing_light_words[] = {{1, WORD_UNSIGNED, 1}, {2, WORD_UNSIGNED, 1}, {}};
const BaseScale landing_light_scales[] = {{0, 5}, {}};
const SlotRow part_rows[] = {
    {SLOT_LANDING_LIGHTS, landing_light_start, landing_light_update, TIMED_BY_LAYERS, 1000, 0, nullptr,
     two_beam::landing_light_layers, 0, landing_light_words, landing_light_scales},
};

// The flap layers in the order above: the panels slide aft as they turn, the arms only turn.
const FlapMove flap_moves[] = {
    {2, 1, 0.0f, 0.0f, 0.2f, 35.0f},   // X_flap0101
    {3, 1, 0.0f, 0.0f, 0.2f, 32.0f},   // X_flap0201
    {4, 1, 0.0f, 0.0f, 0.2f, 32.0f},   // X_flap0301
    {5, 1, 0.0f, 0.0f, 0.2f, 32.0f},   // X_flap0401
    {6, 0, 0.0f, 0.0f, 0.0f, 19.0f},   // X_flaparm_01
    {13, 0, 0.0f, 0.0f, 0.0f, 19.0f},  // X_flaparm_08
    {7, 0, 0.0f, 0.0f, 0.0f, 23.0f},   // X_flaparm_02
    {12, 0, 0.0f, 0.0f, 0.0f, 23.0f},  // X_flaparm_07
    {8, 0, 0.0f, 0.0f, 0.0f, 25.0f},   // X_flaparm_03
    {11, 0, 0.0f, 0.0f, 0.0f, 25.0f},  // X_flaparm_06
    {9, 0, 0.0f, 0.0f, 0.0f, 24.0f},   // X_flaparm_04
    {10, 0, 0.0f, 0.0f, 0.0f, 24.0f},  // X_flaparm_05
};

const SharedNumbers acplug05_shared = [] {
    SharedNumbers numbers{};
    numbers.nose_strut_up = 100.0f;
    numbers.nose_door_open = 80.0f;
    numbers.nose_second_doors_from = 0.1f;
    numbers.nose_second_doors_span = 0.2f;  // with the first pair
    numbers.main_door_open = 80.0f;
    numbers.main_wing_door_open = 80.0f;
    numbers.main_shaft_up = 86.0f;
    numbers.curved_slats = {0.2f, 0.2f, {-0.5f, 0.5f}, {-1.3f, 1.3f}};  // the roll in proportion
    return numbers;
}();

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug05_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    numbers.final_pitch = 4.0f;
    numbers.flare_pitch = 4.0f;  // and up to 2 more as the height falls from 10 to 0
    numbers.touchdown_pitch = STEEP_TOUCHDOWN_PITCH;
    numbers.spoiler_angle = -70.0f;
    numbers.spoiler_covers_after = 4;      // "01_spoiler01" to "04_spoiler01"
    numbers.spoiler_stowed_angle = -0.0f;  // -70 × 0
    numbers.flap_moves = list_of(flap_moves);
    numbers.nose_tyre_circumference = 2.9992785f;  // diameter 0.9547
    numbers.main_tyre_circumference = 4.0526547f;  // diameter 1.29
    numbers.upper_beacon = {0.15f, 200, 0.24f};    // red 200, below the lamp
    numbers.lower_beacon = {2.8f, 200};            // red 200
    numbers.strobe = {13.852f, 0xFFFFFF};          // white
    return numbers;
}();

const GroundPath acplug05_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 13.5485f;
    ground.geometry = two_point_geometry(0.8f, 3.916f, -0.81f);
    return ground;
}();

const AircraftType acplug05_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.edits = list_of(part_edits);
    type.numbers = &acplug05_numbers;
    type.ground = &acplug05_ground;
    type.shared = &acplug05_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug05_type;
