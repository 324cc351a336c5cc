#include "hinged_door.h"

#include <math.h>

#include "layer_ops.h"
#include "shared_numbers.h"

namespace {
const float PI = 3.14159265359f;
}

namespace hinged_door {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float eased = (1.0f - cosf(PI * slot->progress)) / 2.0f;
    rotate_layer(context, slot->layers[0], 0.0f, 0.0f, shared_numbers().hinged_door_angle * eased);
}
}  // namespace hinged_door
