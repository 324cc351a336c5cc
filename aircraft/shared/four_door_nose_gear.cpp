#include "four_door_nose_gear.h"

#include "layer_ops.h"

void pose_four_door_nose(KvrnContext context, const ActionSlot* slot, float strut, float first_pair,
                         float second_pair) {
    const KvrnLayer* layers = slot->layers;
    show_layer(context, layers[0], slot->progress >= 0.1f);
    rotate_layer(context, layers[0], strut, 0.0f, 0.0f);
    rotate_layer(context, layers[1], 0.0f, 0.0f, -first_pair);
    rotate_layer(context, layers[2], 0.0f, 0.0f, first_pair);
    rotate_layer(context, layers[3], 0.0f, 0.0f, -second_pair);
    rotate_layer(context, layers[4], 0.0f, 0.0f, second_pair);
}
