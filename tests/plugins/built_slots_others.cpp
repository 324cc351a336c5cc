// The slots acplug10 to acplug17 build.
#include "built_slots.h"

std::vector<TypeBuild> other_type_builds() { return {}; }
