// acplug05's door: it swings out on a sine over the first half of an opening run and back over
// the last half of a closing run, so that it stands open through the middle of both.
#include <math.h>

#include "acplug05_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "slot_clock.h"

namespace {
const float DOOR_OPEN = -135.0f;  // degrees about z

float door_angle(float p, bool opening) {
    if (opening) return p < 0.5f ? DOOR_OPEN * sinf(p * PI) : DOOR_OPEN;
    if (p > 0.5f) return DOOR_OPEN;
    if (p <= 0.0f) return 0.0f;
    return DOOR_OPEN * (1.0f - sinf((1.0f - 2.0f * p) * PI / 2.0f));
}
}  // namespace

namespace acplug05 {
int32_t door_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    start_two_way(slot, ival1);
    slot->word1.u = ival1 != 0 ? 1 : 0;
    return slot->duration;
}

void door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    rotate_layer(context, slot->layers[0], 0.0f, 0.0f, door_angle(slot->progress, slot->word1.u != 0));
}
}  // namespace acplug05
