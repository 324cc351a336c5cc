// The reference aircraft type: the framework's own builders and routines.
#pragma once

#include "aircraft_type.h"

extern const AircraftType reference_type;
