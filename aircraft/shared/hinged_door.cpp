#include "hinged_door.h"

#include "curves.h"
#include "layer_ops.h"
#include "shared_numbers.h"

namespace hinged_door {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float eased = cosine_ease(slot->progress);
    rotate_layer(context, slot->layers[0], 0.0f, 0.0f, shared_numbers().hinged_door_angle * eased);
}
}  // namespace hinged_door
