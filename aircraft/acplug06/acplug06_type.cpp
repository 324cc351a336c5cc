// acplug06, a four-jet wide-body freighter: four engines and reversers, spoilers with four
// covers, flaps of three segments, twelve slats, 18 tyres on one angle, a 33-layer gear with two
// bogie tilts, a body pitch that levels six bogie layers, the four-beam landing light, a door
// that reveals the inner body, four ground points and its own light values.
#include "acplug06_type.h"

#include "acplug06_routines.h"
#include "flight_pitches.h"
#include "four_beam_landing_light.h"
#include "ground_path.h"
#include "reference_type.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "two_beam_lights.h"
#include "type_numbers.h"

namespace {
const wchar_t* const body_pitch_layers[] = {L"X_02t1Lshaft", L"X_02t1Rshaft", L"X_02t2Lshaft", L"X_02t2Rshaft",
                                            L"X_01t2Rshaft", L"X_01t2Lshaft", nullptr};
const wchar_t* const spoiler_layers[] = {L"spoiler",     L"01_spoiler",  L"02_spoiler",  L"03_spoiler",  L"04_spoiler",
                                         L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04", nullptr};
const wchar_t* const reverser_layers[] = {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02",
                                          L"Z_revon03", L"Z_revon04",  nullptr};
const wchar_t* const flap_layers[] = {
    L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0102",   L"X_flap0103",   L"X_flap0201",
    L"X_flap0202",   L"X_flap0203",   L"X_flap0301",   L"X_flap0302",   L"X_flap0303",   L"X_flap0401",
    L"X_flap0402",   L"X_flap0403",   L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04",
    L"X_flaparm_05", L"X_flaparm_06", L"X_flaparm_07", L"X_flaparm_08", nullptr};
const wchar_t* const slat_layers[] = {L"slat",    L"X_1slat", L"X_2slat", L"X_3slat", L"X_4slat",
                                      L"X_5slat", L"X_6slat", L"01_slat", L"02_slat", L"03_slat",
                                      L"04_slat", L"05_slat", L"06_slat", nullptr};
const wchar_t* const gear_layers[] = {
    L"nosegear",     L"Z_1nose01",      L"Z_2nose01",    L"Z_3nose01",    L"Z_4nose01",      L"tire",
    L"body03",       L"Z_1main01",      L"Z_1main02",    L"Z_2main01",    L"Z_2main02",      L"Z_3main01",
    L"Z_3main02",    L"Z_4main01",      L"Z_4main02",    L"Z_5main01",    L"Z_6main01",      L"Z_7main01",
    L"Z_8main01",    L"Z_1wing01",      L"Z_1wing02",    L"Z_2wing01",    L"Z_2wing02",      L"Z_01t1Rshaft",
    L"X_02t1Rshaft", L"Z_0101t1Rshaft", L"Z_01t1Lshaft", L"X_02t1Lshaft", L"Z_0102t1Lshaft", L"X_01t2Rshaft",
    L"X_01t2Lshaft", L"X_02t2Rshaft",   L"X_02t2Lshaft", nullptr};
const wchar_t* const engine_layers[] = {L"Z_e1low",  L"Z_e1high", L"Z_e2low",  L"Z_e2high", L"Z_e3low",
                                        L"Z_e3high", L"Z_e4low",  L"Z_e4high", nullptr};
const wchar_t* const landing_light_layers[] = {L"ldlightl1", L"ldlightl2", L"ldlightr1", L"ldlightr2", nullptr};
const wchar_t* const door_layers[] = {L"inbody", L"X_door01", nullptr};

// The four-beam landing light; every other slot is a reference row with its own layers and
// routines below.
const SlotRow part_rows[] = {four_beam::landing_light_row(landing_light_layers)};

const SlotEdit part_edits[] = {
    // clang-format off
    // slot,          layers,            ms,    start,                    update
    {SLOT_BODY_PITCH, body_pitch_layers, 0,     acplug06::body_pitch_set, nullptr},  // after the root layer
    {SLOT_SPOILERS,   spoiler_layers,    0,     nullptr,                  nullptr},
    {SLOT_REVERSERS,  reverser_layers,   0,     nullptr,                  nullptr},
    {SLOT_FLAPS,      flap_layers,       0,     nullptr,                  nullptr},
    {SLOT_SLATS,      slat_layers,       0,     nullptr,                  acplug06::slat_update},
    {SLOT_GEAR,       gear_layers,       0,     acplug06::gear_start,     acplug06::gear_update},
    {SLOT_ENGINES,    engine_layers,     0,     nullptr,                  nullptr},
    two_beam::front_light_edit,
    {SLOT_DOOR,       door_layers,       10000, nullptr,                  acplug06::door_update},
};
// clang-format on
static_assert(sizeof part_edits / sizeof part_edits[0] == ACPLUG06_PART_EDITS, "the count acplug07 builds on");

const ScalePreset scale_presets[] = {
    {SLOT_BEACON, 0, 3.0f},  // "atlightu"
    {SLOT_BEACON, 1, 3.0f},  // "atlightd"
    two_beam::front_beam_preset,
};

// Flap layers as looked up above: three segments a flap, the third moving only in the second
// half of the travel, and eight arms.
const FlapMove flap_moves[] = {
    // layer, translates, tx, ty, tz, rx, rz, late
    {2, 1, -0.4f, 0.0f, 0.8f, 40.0f, 0.0f, 0},     // X_flap0101
    {11, 1, 0.4f, 0.0f, 0.8f, 40.0f, 0.0f, 0},     // X_flap0401
    {5, 1, -0.25f, 0.0f, 1.0f, 20.0f, 0.0f, 0},    // X_flap0201
    {8, 1, 0.25f, 0.0f, 1.0f, 20.0f, 0.0f, 0},     // X_flap0301
    {3, 1, -0.4f, 0.1f, 0.85f, 0.0f, 1.5f, 0},     // X_flap0102
    {12, 1, 0.4f, 0.1f, 0.85f, 0.0f, -1.5f, 0},    // X_flap0402
    {6, 1, -0.4f, 0.2f, 1.5f, 10.0f, 0.7f, 0},     // X_flap0202
    {9, 1, 0.4f, 0.2f, 1.5f, 10.0f, -0.7f, 0},     // X_flap0302
    {4, 1, -0.2f, 0.0f, 0.4f, 30.0f, 0.6f, 1},     // X_flap0103
    {7, 1, -0.25f, 0.05f, 0.7f, 30.0f, 0.5f, 1},   // X_flap0203
    {10, 1, 0.25f, 0.05f, 0.7f, 30.0f, -0.5f, 1},  // X_flap0303
    {13, 1, 0.2f, 0.0f, 0.4f, 30.0f, -0.8f, 1},    // X_flap0403: -0.8, not the mirror of -0.6
    {14, 0, 0.0f, 0.0f, 0.0f, 30.0f, 0.0f, 0},     // X_flaparm_01
    {21, 0, 0.0f, 0.0f, 0.0f, 30.0f, 0.0f, 0},     // X_flaparm_08
    {15, 0, 0.0f, 0.0f, 0.0f, 28.0f, 0.0f, 0},     // X_flaparm_02
    {20, 0, 0.0f, 0.0f, 0.0f, 28.0f, 0.0f, 0},     // X_flaparm_07
    {16, 0, 0.0f, 0.0f, 0.0f, 17.0f, 0.0f, 0},     // X_flaparm_03
    {17, 0, 0.0f, 0.0f, 0.0f, 17.0f, 0.0f, 0},     // X_flaparm_04
    {18, 0, 0.0f, 0.0f, 0.0f, 17.0f, 0.0f, 0},     // X_flaparm_05
    {19, 0, 0.0f, 0.0f, 0.0f, 17.0f, 0.0f, 0},     // X_flaparm_06
};

// The reference reset, clearing the second bogie tilt beside the first once the gear is posted
// down.
const SlotWordClear gear_clears[] = {{SLOT_GEAR, 6}};
const ResetPlan acplug06_reset = {{}, {}, list_of(gear_clears)};

// reference_numbers, reference_ground_path and reference_type are
// constant-initialized, so they are complete before these copies are made. The copies are made
// on first use, so that acplug07 can copy them in turn.
const TypeNumbers& acplug06_numbers() {
    static const TypeNumbers made = [] {
        TypeNumbers numbers = reference_numbers;
        fly_steep_flare(numbers, 0.0f);  // level through the final configuration
        numbers.spoiler_covers = 5;      // "spoiler", "01_spoiler" to "04_spoiler"
        numbers.reverser_slide = 0.7f;
        numbers.flap_moves = list_of(flap_moves);
        numbers.tyres = 18;
        numbers.nose_tyres = 18;                      // one group: every tyre turns with the one angle in word5
        numbers.nose_tyre_circumference = 4.165752f;  // a wheel of diameter 1.326
        numbers.main_tyre_circumference = 0.0f;       // no second group
        numbers.engines = 4;
        numbers.landing_lamp_words = list_of(four_beam::lamp_words);
        numbers.upper_beacon = {1.0f, 20};   // red 20
        numbers.lower_beacon = {4.5f, 150};  // red 150
        numbers.strobe = {14.0f, 0xFFFFFF};  // white
        return numbers;
    }();
    return made;
}

const GroundPath& acplug06_ground() {
    static const GroundPath made = [] {
        GroundPath ground = reference_ground_path;
        ground.taxi.wheelbase = 26.7f;
        ground.taxi.steer_time = 4000.0f;
        // Two inner points and two outer ones.
        ground.geometry = {4, 1.0f, {2.388f, -2.388f, 6.088f, -6.088f}, {0.58f, 0.58f, -3.171f, -3.171f}};
        return ground;
    }();
    return made;
}

const SharedNumbers& acplug06_shared() {
    static const SharedNumbers made = [] {
        SharedNumbers numbers{};
        numbers.bogie_hang = 45.0f;  // the body bogies; the second pair hangs at 10
        numbers.bogie_tilt = 45.0f;
        numbers.nose_strut_up = 110.0f;
        numbers.nose_door_open = 80.0f;
        numbers.nose_second_doors_from = 0.1f;
        numbers.nose_second_doors_span = 0.2f;  // with the first pair
        numbers.nose_strut_hidden_fold = 2.0f;  // 112 while hidden
        return numbers;
    }();
    return made;
}

}  // namespace

const AircraftType& acplug06_type() {
    static const AircraftType type = [] {
        AircraftType t = reference_type;
        t.part_slots.rows = list_of(part_rows);
        t.part_slots.edits = list_of(part_edits);
        t.reset_plan = &acplug06_reset;
        t.scale_presets = list_of(scale_presets);
        t.numbers = &acplug06_numbers();
        t.ground = &acplug06_ground();
        t.shared = &acplug06_shared();
        return t;
    }();
    return type;
}
