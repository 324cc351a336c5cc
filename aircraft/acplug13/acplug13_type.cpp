// acplug13, a twin-turboprop airliner: built like the propeller reference acplug10, with
// six-blade propellers, two spoiler panels that alone rise on the roll-out, strobes, its own
// nacelle gear, a hinged door on slot 29 that opens further, no reversers or slats, and its own
// numbers.
#include "acplug13_gear.h"
#include "ground_path.h"
#include "hinged_door.h"
#include "one_beam_front_light.h"
#include "propeller_sequences.h"
#include "propellers.h"
#include "reference_type.h"
#include "reset_inserts.h"
#include "sequences.h"
#include "shared_numbers.h"
#include "short_lookahead_taxi.h"
#include "turboprop.h"
#include "two_panel_spoiler.h"
#include "two_point_geometry.h"
#include "type_numbers.h"
#include "slot_places.h"

namespace {
const SlotRow part_rows[] = {turboprop::landing_light_row, hinged_door::door_row};
const int32_t part_left_out[] = {SLOT_REVERSERS, SLOT_SLATS};
const SlotEdit part_edits[] = {
    two_panel_spoiler::spoiler_edit,
    turboprop::flap_edit,
    {SLOT_GEAR, turboprop::nacelle_gear_layers, 0, nullptr, acplug13::gear_update},
    propellers::six_blade_edit,
    turboprop::beacon_edit,
    one_beam::front_light_edit,
    turboprop::door_edit,
};

// Parked without reversers or slats to post; the door on slot 29 closes after the engines.
const int32_t reset_left_out[] = {SLOT_REVERSERS, SLOT_SLATS};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserts::door_after_engines), {}};

const ScalePreset scale_presets[] = {
    {SLOT_BEACON, 0, 1.5f},  // "atlightu"
    turboprop::landing_beam_preset,
    turboprop::front_beam_preset,
};

const SharedNumbers acplug13_shared = [] {
    SharedNumbers numbers{};
    numbers.propeller = propellers::six_blade_propellers;
    numbers.hinged_door_angle = -145.0f;
    turboprop::nacelle_nose_gear(numbers, 100.0f, 120.0f);
    return numbers;
}();

const TypeNumbers acplug13_numbers = [] {
    TypeNumbers numbers = reference_numbers;
    turboprop::turboprop_numbers(numbers);
    propeller_sequences::without_slats(numbers);
    leave_out_post(numbers, SEQ_ROLLOUT, SLOT_REVERSERS);  // the roll-out raises the spoilers alone
    numbers.spoiler_angle = -60.0f;
    numbers.nose_tyre_circumference = 1.5770795f;
    numbers.main_tyre_circumference = 2.674815f;
    numbers.upper_beacon = {2.0f, 90};  // red 90
    return numbers;
}();

const GroundPath acplug13_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi = short_lookahead_taxi(14.8541f, 70.0f, 2500.0f);
    ground.geometry = two_point_geometry(0.4f, 4.7629f, -1.2357f);
    return ground;
}();

const AircraftType acplug13_type = [] {
    AircraftType type = reference_type;
    type.part_slots.rows = list_of(part_rows);
    type.part_slots.places = list_of(slot_places::door_after_engines);
    type.part_slots.left_out = list_of(part_left_out);
    type.part_slots.edits = list_of(part_edits);
    type.reset_plan = &reset_plan;
    type.scale_presets = list_of(scale_presets);
    type.numbers = &acplug13_numbers;
    type.ground = &acplug13_ground;
    type.shared = &acplug13_shared;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug13_type;
