// acplug15's slats (slot 24): four segments that move forward and out, the middle pair on an
// eased path, with the leading-edge layers shown while the slats are out or moving.
#include <math.h>

#include "acplug15_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
enum SlatLayer { SLAT_SHOWN, SLAT_1, SLAT_2, SLAT_3, SLAT_4, EDGE_FIRST };
const uint32_t EDGES = 4;  // "01_slat" to "04_slat"
}  // namespace

namespace acplug15 {
void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float P = surface_setting(slot);
    float s = sinf(P * HALF_PI);
    const KvrnLayer* layers = slot->layers;
    move_layer(context, layers[SLAT_1], {0.1f * P, 0.0f, -0.25f * P, 0.0f}, {-5.0f * P, 2.0f * P, 0.0f, 0.0f});
    move_layer(context, layers[SLAT_2], {0.1f * P, 0.0f, -0.4f * s, 0.0f}, {-10.0f * P, 2.5f * P, 0.0f, 0.0f});
    move_layer(context, layers[SLAT_3], {-0.1f * P, 0.0f, -0.4f * s, 0.0f}, {-10.0f * P, -2.5f * P, 0.0f, 0.0f});
    move_layer(context, layers[SLAT_4], {-0.1f * P, 0.0f, -0.25f * P, 0.0f}, {-5.0f * P, -2.0f * P, 0.0f, 0.0f});
    bool out = !surface_retracted(slot);
    show_layer(context, layers[SLAT_SHOWN], out);
    for (uint32_t edge = 0; edge < EDGES; ++edge) show_layer(context, layers[EDGE_FIRST + edge], out);
}
}  // namespace acplug15
