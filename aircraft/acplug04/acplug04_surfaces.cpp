// acplug04's door, which swings out fast and slows as it opens.
#include <math.h>

#include "acplug04_routines.h"
#include "layer_ops.h"

namespace {
const float HALF_PI = 1.57079632679f;
const float PI = 3.14159265359f;
const float DOOR_OPEN = -130.0f;  // degrees about z
}  // namespace

namespace acplug04 {
void door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    float angle = 0.0f;
    if (p != 0.0f) angle = p >= 1.0f ? DOOR_OPEN : DOOR_OPEN * sinf(p * HALF_PI);
    show_layer(context, slot->layers[0], p != 0.0f);
    rotate_layer(context, slot->layers[1], 0.0f, 0.0f, angle);
}
}  // namespace acplug04
