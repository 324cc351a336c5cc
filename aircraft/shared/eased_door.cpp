#include "eased_door.h"

#include "curves.h"
#include "layer_ops.h"
#include "type_numbers.h"

void eased_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    rotate_layer(context, slot->layers[0], 0.0f, 0.0f, p != 0.0f ? type_numbers().door_angle * cosine_ease(p) : 0.0f);
}
