// acplug08: the reference aircraft type in every builder, routine and number but one, the
// taxi wheelbase (slot 40's word6).
#include "reference_type.h"

namespace {
const float ACPLUG08_WHEELBASE = 15.0f;

AircraftType with_own_wheelbase(AircraftType type) {
    type.wheelbase = ACPLUG08_WHEELBASE;
    return type;
}

// reference_type is constant-initialized, so it is complete before this copy is made.
const AircraftType acplug08_type = with_own_wheelbase(reference_type);
}  // namespace

extern const AircraftType* const aircraft_type = &acplug08_type;
