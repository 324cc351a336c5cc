#include "linear_door.h"

#include "layer_ops.h"
#include "type_numbers.h"

namespace linear_door {
void door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    rotate_layer(context, slot->layers[0], 0.0f, 0.0f, type_numbers().door_angle * slot->progress);
}
}  // namespace linear_door
