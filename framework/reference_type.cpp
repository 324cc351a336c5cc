// The reference aircraft type: the framework's own builders, reset and light update.
#include "reference_type.h"

#include "ground_path.h"
#include "lights.h"
#include "reference_slots.h"
#include "sequences.h"
#include "type_numbers.h"

extern const AircraftType reference_type = {
    build_reference_part_slots,
    build_reference_sequence_slots,
    reset_actions,
    light_update,
    12.296f,  // wheelbase
    &reference_ground_path,
    &reference_numbers,
};
