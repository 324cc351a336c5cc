#include "curved_slats.h"

#include <math.h>

#include "curves.h"
#include "layer_ops.h"
#include "slot_builder.h"
#include "shared_numbers.h"
#include "surfaces.h"

namespace {
enum SlatLayer { SLAT_SHOWN, SLAT_1, SLAT_2, SLAT_3, SLAT_4, FIRST_COVER };
}  // namespace

namespace curved_slats {
void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const CurvedSlatNumbers& numbers = shared_numbers().curved_slats;
    float f = surface_setting(slot);
    const KvrnLayer* layers = slot->layers;
    KvrnVector travel = {0.0f, -numbers.drop * (1.0f - cosf(f * HALF_PI)), -numbers.reach * sinf(f * HALF_PI), 0.0f};
    float roll = numbers.roll_curve(f);
    for (int side = 0; side < 2; ++side)
        move_layer(context, layers[side == 0 ? SLAT_1 : SLAT_4], travel,
                   {0.0f, numbers.yaw[side] * f, numbers.roll[side] * roll, 0.0f});
    translate_layer(context, layers[SLAT_2], travel.x, travel.y, travel.z);
    translate_layer(context, layers[SLAT_3], travel.x, travel.y, travel.z);
    bool shown = !surface_retracted(slot);
    show_layer(context, layers[SLAT_SHOWN], shown);
    uint32_t count = slot_layer_count(SLOT_SLATS);
    for (uint32_t cover = FIRST_COVER; cover < count; ++cover) show_layer(context, layers[cover], shown);
}
}  // namespace curved_slats
