// acplug04's slats, which run forward on an eased curve with the outer pair rolling.
#include <math.h>

#include "acplug04_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
enum SlatLayer { SLAT_SHOWN, SLAT_1, SLAT_2, SLAT_3, SLAT_4 };
}  // namespace

namespace acplug04 {
void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float f = surface_setting(slot);
    const KvrnLayer* layers = slot->layers;
    KvrnVector travel = {0.0f, -0.3f * (1.0f - cosf(f * HALF_PI)), -0.45f * sinf(f * HALF_PI), 0.0f};
    float roll = cosine_ease(f);
    move_layer(context, layers[SLAT_1], travel, {0.0f, 0.0f, -roll, 0.0f});
    move_layer(context, layers[SLAT_4], travel, {0.0f, 0.0f, roll, 0.0f});
    translate_layer(context, layers[SLAT_2], travel.x, travel.y, travel.z);
    translate_layer(context, layers[SLAT_3], travel.x, travel.y, travel.z);
    show_layer(context, layers[SLAT_SHOWN], !surface_retracted(slot));
}
}  // namespace acplug04
