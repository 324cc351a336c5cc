// acplug05's reversers, whose doors pivot about the vertical axis, and its slats, which run
// forward and down on a curve.
#include <math.h>

#include "acplug05_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
const float REVERSER_DOOR_TURN = 30.0f;  // degrees about y, fully open

enum ReverserLayer { FIRST_DOOR = 1, DOORS = 8, REVERSER_LAYERS = 17 };
enum SlatLayer { SLAT_SHOWN, SLAT_1, SLAT_2, SLAT_3, SLAT_4, FIRST_SLAT_COVER, SLAT_LAYERS = 9 };
}  // namespace

namespace acplug05 {
void reverser_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    show_layer(context, slot->layers[0], p != 0.0f);
    for (int shown = FIRST_DOOR + DOORS; shown < REVERSER_LAYERS; ++shown)
        show_layer(context, slot->layers[shown], p != 0.0f);
    for (int door = 0; door < DOORS; ++door) {
        float turn = door % 2 == 0 ? REVERSER_DOOR_TURN * p : -REVERSER_DOOR_TURN * p;
        rotate_layer(context, slot->layers[FIRST_DOOR + door], 0.0f, turn, 0.0f);
    }
}

void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float f = surface_setting(slot);
    const KvrnLayer* layers = slot->layers;
    KvrnVector forward = {0.0f, -0.2f * (1.0f - cosf(f * HALF_PI)), -0.2f * sinf(f * HALF_PI), 0.0f};
    move_layer(context, layers[SLAT_1], forward, {0.0f, -0.5f * f, -1.3f * f, 0.0f});
    move_layer(context, layers[SLAT_4], forward, {0.0f, 0.5f * f, 1.3f * f, 0.0f});
    translate_layer(context, layers[SLAT_2], forward.x, forward.y, forward.z);
    translate_layer(context, layers[SLAT_3], forward.x, forward.y, forward.z);
    bool shown = !surface_retracted(slot);
    show_layer(context, layers[SLAT_SHOWN], shown);
    for (int cover = FIRST_SLAT_COVER; cover < SLAT_LAYERS; ++cover) show_layer(context, layers[cover], shown);
}
}  // namespace acplug05
