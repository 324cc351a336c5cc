// acplug14's front and rear doors: each shows its opening's body layer while it is not closed
// and turns its door about z.
#include <math.h>

#include "acplug14_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "type_numbers.h"

namespace {
const float FRONT_DOOR_OPEN = -165.0f;  // degrees about z

// Layers: the opening's body layer, then the door.
void swing_door(KvrnContext context, const ActionSlot* slot, float angle) {
    show_layer(context, slot->layers[0], slot->progress != 0.0f);
    rotate_layer(context, slot->layers[1], 0.0f, 0.0f, angle);
}
}  // namespace

namespace acplug14 {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    float angle = 0.0f;
    if (p >= 1.0f)
        angle = FRONT_DOOR_OPEN;
    else if (p != 0.0f)
        angle = FRONT_DOOR_OPEN * sinf(p * HALF_PI);
    swing_door(context, slot, angle);
}

void door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    swing_door(context, slot, p != 0.0f ? type_numbers().door_angle * cosine_ease(p) : 0.0f);
}
}  // namespace acplug14
