// acplug01, a narrow-body twin-jet: the reference type with four flap arms instead of six, its
// own flap and slat travel, nose-gear doors that open to 70 degrees, a smaller ground geometry,
// a shorter wheelbase and its own dynamic-light values. Everything else is the reference type's.
#include "ground_path.h"
#include "reference_type.h"
#include "type_numbers.h"

namespace {
const wchar_t* const flap_layers[] = {L"mainwing01",   L"mainwing02",   L"X_flap0101",   L"X_flap0102",   L"X_flap0201",
                                      L"X_flap0202",   L"X_flap0301",   L"X_flap0302",   L"X_flap0401",   L"X_flap0402",
                                      L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04", nullptr};

const SlotEdit part_edits[] = {
    {SLOT_FLAPS, flap_layers, 0, nullptr, nullptr},
};

// The reference flap panels, with "X_flap0201" and "X_flap0301" also sliding sideways, and four
// arms that all turn to 27 degrees; filled when the numbers below are made.
enum { FLAP_PANELS = 8, FLAP_ARMS = 4, FIRST_ARM_LAYER = 10 };
FlapMove flap_moves[FLAP_PANELS + FLAP_ARMS];

List<FlapMove> own_flap_moves(const List<FlapMove>& reference) {
    for (uint32_t i = 0; i < FLAP_PANELS && i < reference.count; ++i) flap_moves[i] = reference.items[i];
    flap_moves[2].tx = 0.05f;   // X_flap0201
    flap_moves[4].tx = -0.05f;  // X_flap0301
    for (uint32_t arm = 0; arm < FLAP_ARMS; ++arm)
        flap_moves[FLAP_PANELS + arm] = {FIRST_ARM_LAYER + arm, 0, 0.0f, 0.0f, 0.0f, 27.0f};
    return list_of(flap_moves);
}

// reference_numbers, reference_ground_path and reference_type are constant-initialized, so they
// are complete before these copies are made.
const TypeNumbers acplug01_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    numbers.flap_moves = own_flap_moves(reference_numbers.flap_moves);
    numbers.slat_drop = 0.1f;
    numbers.slat_roll = 0.7f;
    numbers.nose_door_angle = 70.0f;
    numbers.upper_beacon = {2.0f, 100};  // red 100
    numbers.lower_beacon = {2.5f, 80};   // red 80
    numbers.strobe = {13.3f, 0xFFFFFF};  // white
    return numbers;
}();

const GroundPath acplug01_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 11.0f;
    ground.geometry.size = 0.5f;
    return ground;
}();

const AircraftType acplug01_type = [] {
    AircraftType type = reference_type;
    type.part_slots.edits = list_of(part_edits);
    type.numbers = &acplug01_numbers;
    type.ground = &acplug01_ground;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug01_type;
