// The reference type as a plug-in of its own: the framework alone.
#include "reference_type.h"

extern const AircraftType* const aircraft_type = &reference_type;
