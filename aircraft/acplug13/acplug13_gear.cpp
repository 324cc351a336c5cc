#include "acplug13_gear.h"

#include <math.h>

#include "curves.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"
#include "turboprop.h"

namespace {
using namespace turboprop;

const float NOSE_HEIGHT = 1.1f;      // the strut's place under the body
const float NOSE_REACH = -14.8541f;  // the strut's place along the body, a wheelbase from the main gear
const float NOSE_SLIDE = 0.2f;       // the folded strut's slide back
const float OUTER_DOOR_OPEN = 70.0f;
const float THIRD_DOOR_OPEN = 80.0f;

// The nose strut's slide: all of it while the strut is up, none once it is down.
float nose_slide(float p) {
    if (p < 0.3f) return NOSE_SLIDE;
    if (p < 0.7f) return (1.0f - (p - 0.3f) / 0.4f) * NOSE_SLIDE;
    return 0.0f;
}

// Nacelle doors: outer door pairs M (stay open once down), third doors R (close again).
struct DoorPose {
    float m, r;
};

DoorPose door_pose(float p) {
    if (p <= 0.0f) return {0, 0};
    if (p < 0.25f) return {0, 4.0f * p * THIRD_DOOR_OPEN};
    if (p < 0.75f) {
        float t = 2.0f * (p - 0.25f);
        return {OUTER_DOOR_OPEN * sinf(t * HALF_PI), THIRD_DOOR_OPEN};
    }
    if (p < 1.0f) return {OUTER_DOOR_OPEN, (1.0f - 4.0f * (p - 0.75f)) * THIRD_DOOR_OPEN};
    return {OUTER_DOOR_OPEN, 0};
}

void pose_doors(KvrnContext context, const KvrnLayer* layers, float p) {
    DoorPose pose = door_pose(p);
    rotate_pair_about_z(context, layers[DOOR_2], layers[DOOR_1], pose.m);
    rotate_pair_about_z(context, layers[DOOR_5], layers[DOOR_4], pose.m);
    rotate_pair_about_z(context, layers[DOOR_6], layers[DOOR_3], pose.r);
}

// Shafts folded at 90 degrees, links at 22.
const NacelleGear main_gear = {90.0f, 22.0f, pose_doors};
}  // namespace

namespace acplug13 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    four_door_nose_update(context, slot);
    translate_layer(context, slot->layers[NOSE_GEAR], 0.0f, NOSE_HEIGHT, nose_slide(p) + NOSE_REACH);
    nacelle_gear_update(context, slot, main_gear);
}
}  // namespace acplug13
