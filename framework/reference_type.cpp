#include "reference_type.h"

#include "ground_path.h"

extern const AircraftType reference_type = {
    nullptr,  // build_part_slots
    nullptr,  // build_sequence_slots
    nullptr,  // reset
    nullptr,  // light_update
    12.296f,  // wheelbase
    &reference_ground_path,  // ground
};
