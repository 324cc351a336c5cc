// The reference aircraft type: the framework's own rows, routines and numbers.
#pragma once

#include "aircraft_type.h"

extern const AircraftType reference_type;
