// The plug-in of acplug06.
#include "acplug06_type.h"

extern const AircraftType* const aircraft_type = &acplug06_type();
