#include "four_door_nose_gear.h"

#include "layer_ops.h"
#include "shared_numbers.h"

namespace {
float opened(float p, float from, float span) {
    if (p <= from) return 0.0f;
    return span > 0.0f && p < from + span ? (p - from) / span : 1.0f;
}
}  // namespace

NoseGearPose four_door_nose_schedule(float p) {
    const SharedNumbers& numbers = shared_numbers();
    float open = numbers.nose_door_open;
    float swing = numbers.nose_strut_swing != 0.0f ? numbers.nose_strut_swing : numbers.nose_strut_up;
    NoseGearPose pose = {numbers.nose_strut_up, 0.0f, 0.0f};
    if (p >= 0.9f) {
        pose.strut = 0.0f;
    } else if (p >= 0.7f) {
        pose.strut = 0.0f;
        pose.first_pair = open * (1.0f - (p - 0.7f) / 0.2f);
    } else if (p >= 0.3f) {
        pose.strut = swing * (1.0f - (p - 0.3f) / 0.4f);
        pose.first_pair = open;
    } else if (p >= 0.1f) {
        pose.first_pair = open * (p - 0.1f) / 0.2f;
    } else {
        pose.strut += numbers.nose_strut_hidden_fold;
    }
    float second_open = numbers.nose_second_door_open != 0.0f ? numbers.nose_second_door_open : open;
    pose.second_pair = second_open * opened(p, numbers.nose_second_doors_from, numbers.nose_second_doors_span);
    return pose;
}

void four_door_nose_update(KvrnContext context, const ActionSlot* slot) {
    NoseGearPose pose = four_door_nose_schedule(slot->progress);
    pose_four_door_nose(context, slot, pose.strut, pose.first_pair, pose.second_pair);
}

void pose_four_door_nose(KvrnContext context, const ActionSlot* slot, float strut, float first, float second) {
    const SharedNumbers& numbers = shared_numbers();
    KvrnLayer strut_layer = slot->layers[numbers.nose_strut_layer];
    const KvrnLayer* doors = slot->layers + numbers.nose_first_door_layer;
    show_layer(context, strut_layer, slot->progress >= 0.1f);
    rotate_layer(context, strut_layer, strut, 0.0f, 0.0f);
    rotate_pair_about_z(context, doors[1], doors[0], first);
    rotate_pair_about_z(context, doors[3], doors[2], second);
}
