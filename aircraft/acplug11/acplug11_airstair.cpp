#include "acplug11_routines.h"
#include "layer_ops.h"

namespace {
enum StairLayer { DOOR, STAIR_1, STAIR_2, STAIR_ON, DOOR_BODY };
const float DOOR_OUT = 0.1f;    // x, moved out over the first 0.05
const float DOOR_DOWN = -0.8f;  // z, slid down from 0.05 to 0.2
const float STAIR_1_FOLDED = 145.0f;
const float STAIR_2_FOLDED = -175.0f;
const float STAIR_2_TUCKED = -5.0f;  // more while the door slides down
const float STAIR_TUCK = -0.1f;      // the first section's offset, gone by 0.2

struct StairPose {
    float x, z, a1, a2, k;
    bool body_shown, stair_shown, stair_on;
};

StairPose stair_pose(float p) {
    if (p <= 0.0f) return {0, 0, STAIR_1_FOLDED, STAIR_2_FOLDED + STAIR_2_TUCKED, STAIR_TUCK, false, false, false};
    if (p < 0.05f)
        return {p / 0.05f * DOOR_OUT, 0,    STAIR_1_FOLDED, STAIR_2_FOLDED + STAIR_2_TUCKED,
                STAIR_TUCK,           true, false,          false};
    if (p < 0.2f) {
        float e = (p - 0.05f) / 0.15f;
        return {DOOR_OUT,
                DOOR_DOWN * e,
                STAIR_1_FOLDED,
                STAIR_2_FOLDED + (1.0f - e) * STAIR_2_TUCKED,
                STAIR_TUCK * (1.0f - e),
                true,
                true,
                false};
    }
    if (p < 1.0f) {
        float d = (p - 0.2f) / 0.8f;
        return {DOOR_OUT, DOOR_DOWN, (1.0f - d) * STAIR_1_FOLDED, (1.0f - d) * STAIR_2_FOLDED, 0, true, true, false};
    }
    return {DOOR_OUT, DOOR_DOWN, 0, 0, 0, true, true, true};
}
}  // namespace

namespace acplug11 {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    StairPose pose = stair_pose(slot->progress);
    show_layer(context, layers[STAIR_ON], pose.stair_on);
    translate_layer(context, layers[DOOR], pose.x, 0.0f, pose.z);
    move_layer(context, layers[STAIR_1], {pose.k, pose.k, 0.0f, 0.0f}, {0.0f, 0.0f, pose.a1, 0.0f});
    show_layer(context, layers[STAIR_1], pose.stair_shown);
    rotate_layer(context, layers[STAIR_2], 0.0f, 0.0f, pose.a2);
    show_layer(context, layers[DOOR_BODY], pose.body_shown);
}
}  // namespace acplug11
