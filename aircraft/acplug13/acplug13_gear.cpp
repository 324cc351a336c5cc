#include "acplug13_gear.h"

#include <math.h>

#include "curves.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    NOSE_GEAR, TYRES = 5, WELL_BODY, DOOR_1, DOOR_2, DOOR_3, DOOR_4, DOOR_5, DOOR_6, SHAFT_R, SHAFT_L, LINK_R,
    LINK_L,
};
const float NOSE_HEIGHT = 1.1f;        // the strut's place under the body
const float NOSE_REACH = -14.8541f;    // the strut's place along the body, a wheelbase from the main gear
const float NOSE_SLIDE = 0.2f;         // the folded strut's slide back
const float OUTER_DOOR_OPEN = 70.0f;
const float THIRD_DOOR_OPEN = 80.0f;
const float SHAFT_UP = 90.0f;
const float LINK_UP = 22.0f;

// The nose strut's slide: all of it while the strut is up, none once it is down.
float nose_slide(float p) {
    if (p < 0.3f) return NOSE_SLIDE;
    if (p < 0.7f) return (1.0f - (p - 0.3f) / 0.4f) * NOSE_SLIDE;
    return 0.0f;
}

// Main gear: outer door pairs M (stay open once down), third doors R (close again), shaft Q,
// link L.
struct MainPose {
    float m, r, q, l;
};

MainPose main_pose(float p) {
    if (p <= 0.0f) return {0, 0, SHAFT_UP, LINK_UP};
    if (p < 0.25f) return {0, 4.0f * p * THIRD_DOOR_OPEN, SHAFT_UP, LINK_UP};
    if (p < 0.75f) {
        float t = 2.0f * (p - 0.25f);
        return {OUTER_DOOR_OPEN * sinf(t * HALF_PI), THIRD_DOOR_OPEN, (1.0f - t) * SHAFT_UP, (1.0f - t) * LINK_UP};
    }
    if (p < 1.0f) return {OUTER_DOOR_OPEN, (1.0f - 4.0f * (p - 0.75f)) * THIRD_DOOR_OPEN, 0, 0};
    return {OUTER_DOOR_OPEN, 0, 0, 0};
}
}  // namespace

namespace acplug13 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    four_door_nose_update(context, slot);
    translate_layer(context, layers[NOSE_GEAR], 0.0f, NOSE_HEIGHT, nose_slide(p) + NOSE_REACH);
    MainPose pose = main_pose(p);
    show_layer(context, layers[TYRES], p != 0.0f);
    show_layer(context, layers[WELL_BODY], p != 0.0f);
    rotate_pair_about_z(context, layers[DOOR_2], layers[DOOR_1], pose.m);
    rotate_pair_about_z(context, layers[DOOR_5], layers[DOOR_4], pose.m);
    rotate_pair_about_z(context, layers[DOOR_6], layers[DOOR_3], pose.r);
    rotate_layer(context, layers[SHAFT_R], -pose.q, 0.0f, 0.0f);
    rotate_layer(context, layers[SHAFT_L], -pose.q, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_R], pose.l, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_L], pose.l, 0.0f, 0.0f);
}
}  // namespace acplug13
