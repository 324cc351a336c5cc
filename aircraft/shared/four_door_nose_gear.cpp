#include "four_door_nose_gear.h"

#include "layer_ops.h"
#include "shared_numbers.h"

namespace {
float opened(float p, float from, float span) {
    if (p <= from) return 0.0f;
    return span > 0.0f && p < from + span ? (p - from) / span : 1.0f;
}
}  // namespace

void four_door_nose_update(KvrnContext context, const ActionSlot* slot) {
    const SharedNumbers& numbers = shared_numbers();
    float p = slot->progress;
    float open = numbers.nose_door_open;
    float strut = numbers.nose_strut_up, first = 0.0f;
    if (p >= 0.9f) {
        strut = 0.0f;
    } else if (p >= 0.7f) {
        strut = 0.0f;
        first = open * (1.0f - (p - 0.7f) / 0.2f);
    } else if (p >= 0.3f) {
        strut = numbers.nose_strut_up * (1.0f - (p - 0.3f) / 0.4f);
        first = open;
    } else if (p >= 0.1f) {
        first = open * (p - 0.1f) / 0.2f;
    } else {
        strut += numbers.nose_strut_hidden_fold;
    }
    float second_open = numbers.nose_second_door_open != 0.0f ? numbers.nose_second_door_open : open;
    float second = second_open * opened(p, numbers.nose_second_doors_from, numbers.nose_second_doors_span);
    pose_four_door_nose(context, slot, strut, first, second);
}

void pose_four_door_nose(KvrnContext context, const ActionSlot* slot, float strut, float first,
                         float second) {
    const KvrnLayer* layers = slot->layers;
    show_layer(context, layers[0], slot->progress >= 0.1f);
    rotate_layer(context, layers[0], strut, 0.0f, 0.0f);
    rotate_pair_about_z(context, layers[2], layers[1], first);
    rotate_pair_about_z(context, layers[4], layers[3], second);
}
