#include "acplug10_gear.h"

#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    TYRES = 5, WELL_BODY, DOOR_1, DOOR_2, DOOR_3, DOOR_4, DOOR_5, DOOR_6, SHAFT_R, SHAFT_L, LINK_R, LINK_L,
};
const float NACELLE_DOOR_OPEN = 90.0f;
const float SHAFT_UP = 86.0f;
const float LINK_UP = 20.0f;

// Main gear: nacelle doors D1 (stays open once down), D2 and D3 (close again, D3 first), shaft H,
// link L.
struct MainPose {
    float d1, d2, d3, h, l;
};

float min1(float x) { return x < 1.0f ? x : 1.0f; }

MainPose main_pose(float p) {
    if (p <= 0.0f) return {0, 0, 0, SHAFT_UP, LINK_UP};
    if (p < 0.25f) {
        float t = 4.0f * p;
        float d2 = t > 0.3f ? NACELLE_DOOR_OPEN * (t - 0.3f) / 0.7f : 0.0f;
        float d3 = t > 0.6f ? NACELLE_DOOR_OPEN * (t - 0.6f) / 0.4f : 0.0f;
        return {t * NACELLE_DOOR_OPEN, d2, d3, SHAFT_UP, LINK_UP};
    }
    if (p < 0.75f) {
        float u = 2.0f * (p - 0.25f);
        return {NACELLE_DOOR_OPEN, NACELLE_DOOR_OPEN, NACELLE_DOOR_OPEN, (1.0f - u) * SHAFT_UP, (1.0f - u) * LINK_UP};
    }
    if (p < 1.0f) {
        float u = 4.0f * (p - 0.75f);
        return {NACELLE_DOOR_OPEN, NACELLE_DOOR_OPEN * (1.0f - min1(u / 0.6f)),
                NACELLE_DOOR_OPEN * (1.0f - min1(u / 0.3f)), 0, 0};
    }
    return {NACELLE_DOOR_OPEN, 0, 0, 0, 0};
}
}  // namespace

namespace acplug10 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    four_door_nose_update(context, slot);
    const KvrnLayer* layers = slot->layers;
    MainPose pose = main_pose(slot->progress);
    show_layer(context, layers[TYRES], slot->progress != 0.0f);
    show_layer(context, layers[WELL_BODY], slot->progress != 0.0f);
    rotate_layer(context, layers[DOOR_1], 0.0f, 0.0f, pose.d1);
    rotate_layer(context, layers[DOOR_4], 0.0f, 0.0f, pose.d1);
    rotate_layer(context, layers[DOOR_2], 0.0f, 0.0f, pose.d2);
    rotate_layer(context, layers[DOOR_5], 0.0f, 0.0f, pose.d2);
    rotate_layer(context, layers[DOOR_3], 0.0f, 0.0f, pose.d3);
    rotate_layer(context, layers[DOOR_6], 0.0f, 0.0f, pose.d3);
    rotate_layer(context, layers[SHAFT_R], -pose.h, 0.0f, 0.0f);
    rotate_layer(context, layers[SHAFT_L], -pose.h, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_R], pose.l, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_L], pose.l, 0.0f, 0.0f);
}
}  // namespace acplug10
