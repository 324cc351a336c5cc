// The reference aircraft type: the reference rows unchanged, the framework's reset and light
// update, and the reference numbers. Every other type starts from a copy of it.
#include "reference_type.h"

#include "ground_path.h"
#include "lights.h"
#include "reference_slots.h"
#include "sequences.h"
#include "type_numbers.h"

namespace {
const ScalePreset reference_scale_presets[] = {
    {SLOT_FRONT_LIGHT, 1, 1.0f},  // the beam, before its base scale is read
};

constexpr AircraftType reference_aircraft_type() {
    AircraftType type{};
    type.part_slots.base = &reference_part_rows;
    type.sequence_slots.base = &reference_sequence_rows;
    type.reset_plan = &reference_reset_plan;
    type.scale_presets = list_of(reference_scale_presets);
    type.numbers = &reference_numbers;
    type.ground = &reference_ground_path;
    type.reset = reset_actions;
    type.light_update = light_update;
    return type;
}
}  // namespace

// Constant-initialized, like the reference rows and numbers: complete before any type copies it.
extern constexpr AircraftType reference_type = reference_aircraft_type();
