// acplug08: the reference aircraft type in every row, routine and number but one, the taxi
// wheelbase (slot 40's word6).
#include "ground_path.h"
#include "reference_type.h"

namespace {
// reference_type and reference_ground_path are constant-initialized, so they are complete
// before these copies are made.
const GroundPath acplug08_ground = [] {
    GroundPath ground = reference_ground_path;
    ground.taxi.wheelbase = 15.0f;
    return ground;
}();

const AircraftType acplug08_type = [] {
    AircraftType type = reference_type;
    type.ground = &acplug08_ground;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &acplug08_type;
