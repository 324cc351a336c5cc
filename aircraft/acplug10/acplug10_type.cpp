// acplug10, a twin-turboprop commuter and the reference of the propeller types: the reference
// type with four-blade propellers, flaps of two panels a side, a main gear that retracts into
// the nacelles, a hinged door on slot 29, a one-lamp beacon, the door "Z_door02", no spoilers,
// reversers, slats, strobes or roll-out, and its own numbers.
#include "acplug10_gear.h"
#include "ground_path.h"
#include "hinged_door.h"
#include "one_beam_front_light.h"
#include "propeller_sequences.h"
#include "propellers.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "turboprop.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const SlotRow part_rows[] = {turboprop::landing_light_row, hinged_door::door_row};
const int32_t part_left_out[] = {SLOT_SPOILERS, SLOT_REVERSERS, SLOT_SLATS, SLOT_STROBES};
const SlotEdit part_edits[] = {
    turboprop::flap_edit,        {SLOT_GEAR, turboprop::nacelle_gear_layers, 0, nullptr, acplug10::gear_update},
    propellers::four_blade_edit, turboprop::beacon_edit,
    one_beam::front_light_edit,  turboprop::door_edit,
};
const int32_t sequence_left_out[] = {SEQ_ROLLOUT};

// Parked without spoilers, reversers or slats to post; the door on slot 29 closes after the
// engines. The strobes are posted off, finding no slot.
const int32_t reset_left_out[] = {SLOT_SPOILERS, SLOT_REVERSERS, SLOT_SLATS};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserts::door_after_engines), {}};

const ScalePreset scale_presets[] = {
    {SLOT_BEACON, 0, 1.0f},  // "atlightu"
    turboprop::landing_beam_preset,
    turboprop::front_beam_preset,
};

const SharedNumbers acplug10_shared = [] {
    SharedNumbers numbers{};
    numbers.propeller = propellers::four_blade_propellers;
    numbers.hinged_door_angle = -130.0f;
    turboprop::nacelle_nose_gear(numbers, 93.0f, 125.0f);
    return numbers;
}();

const TypeNumbers acplug10_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    turboprop::turboprop_numbers(numbers);
    propeller_sequences::without_slats(numbers);
    numbers.nose_tyre_circumference = 1.433823f;
    numbers.main_tyre_circumference = 2.4315927f;
    numbers.upper_beacon = {0.4f, 50};  // red 50
    return numbers;
}();

const GroundPath acplug10_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 11.5f;
    ground.geometry = two_point_geometry(0.4f, 4.253f, -0.987f);
    return ground;
}();

const AircraftType acplug10_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_engines);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.sequence_slots.left_out = list_of(sequence_left_out);
    type.reset_plan = &reset_plan;
    type.scale_presets = list_of(scale_presets);
    type.numbers = &acplug10_numbers;
    type.ground = &acplug10_ground;
    type.shared = &acplug10_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug10_type;
