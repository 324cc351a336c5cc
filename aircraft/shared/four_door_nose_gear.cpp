#include "four_door_nose_gear.h"

#include "layer_ops.h"

FourDoorNosePose four_door_nose_pose(float p, const FourDoorNose& gear) {
    if (p >= 0.9f) return {0.0f, 0.0f, 0.0f, gear.second_open};
    if (p >= 0.7f) return {0.0f, 0.0f, (1.0f - (p - 0.7f) / 0.2f) * gear.first_open, gear.second_open};
    if (p >= 0.3f) {
        float folded = 1.0f - (p - 0.3f) / 0.4f;
        return {folded * gear.strut_up, folded, gear.first_open, gear.second_open};
    }
    if (p >= 0.1f) {
        float m = (p - 0.1f) / 0.2f;
        return {gear.strut_up, 1.0f, m * gear.first_open, m * gear.second_open};
    }
    return {gear.strut_up, 1.0f, 0.0f, 0.0f};
}

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

void four_door_nose_update(KvrnContext context, const ActionSlot* slot, const FourDoorNose& gear) {
    FourDoorNosePose pose = four_door_nose_pose(slot->progress, gear);
    pose_four_door_nose(context, slot, pose.strut, pose.first_pair, pose.second_pair);
}
