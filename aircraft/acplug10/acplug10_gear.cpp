#include "acplug10_gear.h"

#include "four_door_nose_gear.h"
#include "layer_ops.h"
#include "turboprop.h"

namespace {
using namespace turboprop;

const float NACELLE_DOOR_OPEN = 90.0f;

// Nacelle doors D1 (stays open once down), D2 and D3 (close again, D3 first).
struct DoorPose {
    float d1, d2, d3;
};

float min1(float x) { return x < 1.0f ? x : 1.0f; }

DoorPose door_pose(float p) {
    if (p <= 0.0f) return {0, 0, 0};
    if (p < 0.25f) {
        float t = 4.0f * p;
        float d2 = t > 0.3f ? NACELLE_DOOR_OPEN * (t - 0.3f) / 0.7f : 0.0f;
        float d3 = t > 0.6f ? NACELLE_DOOR_OPEN * (t - 0.6f) / 0.4f : 0.0f;
        return {t * NACELLE_DOOR_OPEN, d2, d3};
    }
    if (p < 0.75f) return {NACELLE_DOOR_OPEN, NACELLE_DOOR_OPEN, NACELLE_DOOR_OPEN};
    if (p < 1.0f) {
        float u = 4.0f * (p - 0.75f);
        return {NACELLE_DOOR_OPEN, NACELLE_DOOR_OPEN * (1.0f - min1(u / 0.6f)),
                NACELLE_DOOR_OPEN * (1.0f - min1(u / 0.3f))};
    }
    return {NACELLE_DOOR_OPEN, 0, 0};
}

void pose_doors(KvrnContext context, const KvrnLayer* layers, float p) {
    DoorPose pose = door_pose(p);
    rotate_layer(context, layers[DOOR_1], 0.0f, 0.0f, pose.d1);
    rotate_layer(context, layers[DOOR_4], 0.0f, 0.0f, pose.d1);
    rotate_layer(context, layers[DOOR_2], 0.0f, 0.0f, pose.d2);
    rotate_layer(context, layers[DOOR_5], 0.0f, 0.0f, pose.d2);
    rotate_layer(context, layers[DOOR_3], 0.0f, 0.0f, pose.d3);
    rotate_layer(context, layers[DOOR_6], 0.0f, 0.0f, pose.d3);
}

// Shafts folded at 86 degrees, links at 20.
const NacelleGear main_gear = {86.0f, 20.0f, pose_doors};
}  // namespace

namespace acplug10 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    four_door_nose_update(context, slot);
    nacelle_gear_update(context, slot, main_gear);
}
}  // namespace acplug10
