// acplug06, the four-jet freighter, as data; acplug07 starts from it.
#pragma once

#include "aircraft_type.h"

// The type, made on first use so that another type may copy it while its own data is made.
const AircraftType& acplug06_type();

// How many reference part rows the type edits (its part_slots.edits), for a type that builds
// on them.
enum { ACPLUG06_PART_EDITS = 9 };
