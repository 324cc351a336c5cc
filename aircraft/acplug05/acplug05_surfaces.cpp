// acplug05's reversers, whose doors pivot about the vertical axis.
#include "acplug05_routines.h"
#include "layer_ops.h"

namespace {
const float REVERSER_DOOR_TURN = 30.0f;  // degrees about y, fully open

enum ReverserLayer { FIRST_DOOR = 1, DOORS = 8, REVERSER_LAYERS = 17 };
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
}  // namespace acplug05
