// The slots acplug01 to acplug09 build.
#include "built_slots.h"

std::vector<TypeBuild> jet_type_builds() { return {}; }
