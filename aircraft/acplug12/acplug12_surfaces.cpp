// acplug12's reversers, whose four doors swing open about x, and its cabin door, which swings
// open on a cosine ease and shows its step once it stands fully open.
#include <math.h>

#include "acplug12_routines.h"
#include "curves.h"
#include "layer_ops.h"

namespace {
enum ReverserLayer { ENGINE_ON, ENGINE_OFF, REVERSER_DOOR_1, REVERSER_DOOR_2, REVERSER_DOOR_3, REVERSER_DOOR_4 };
// Out of the stowed position, the doors jump this far outwards and this many degrees open.
const float DOOR_LIFT = 0.01f;
const float DOOR_CRACK = 0.15f;
const float DOOR_SWING = 75.0f;

enum CabinDoorLayer { DOOR_BODY, DOOR, DOOR_STEP };
const float CABIN_DOOR_OPEN = 125.0f;     // degrees, turned about -z
const float CABIN_DOOR_SWING_END = 0.9f;  // progress at which the door stands open
}  // namespace

namespace acplug12 {
void reverser_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;
    show_layer(context, layers[ENGINE_ON], p != 0.0f);
    show_layer(context, layers[ENGINE_OFF], p == 0.0f);
    float lift = 0.0f, angle = 0.0f;
    if (p != 0.0f) {
        lift = DOOR_LIFT;
        angle = DOOR_CRACK + DOOR_SWING * p;
    }
    // Doors 1 and 3 swing up, 2 and 4 down.
    for (int door = REVERSER_DOOR_1; door <= REVERSER_DOOR_4; ++door) {
        float side = (door - REVERSER_DOOR_1) % 2 == 0 ? 1.0f : -1.0f;
        move_layer(context, layers[door], {0.0f, side * lift, 0.0f, 0.0f}, {side * angle, 0.0f, 0.0f, 0.0f});
    }
}

void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;
    float angle = 0.0f;
    if (p >= CABIN_DOOR_SWING_END)
        angle = CABIN_DOOR_OPEN;
    else if (p != 0.0f)
        angle = CABIN_DOOR_OPEN * cosine_ease(p / CABIN_DOOR_SWING_END);
    show_layer(context, layers[DOOR_BODY], p != 0.0f);
    show_layer(context, layers[DOOR_STEP], p == 1.0f);
    rotate_layer(context, layers[DOOR], 0.0f, 0.0f, -angle);
}
}  // namespace acplug12
