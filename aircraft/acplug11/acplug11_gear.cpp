#include <math.h>

#include "acplug11_routines.h"
#include "curves.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    NOSE_GEAR,
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    TYRES,
    WELL_BODY,
    DOOR_1,
    DOOR_2,
    LEG_1,
    DOOR_4,
    DOOR_5,
    LEG_2,
    SHAFT_R,
    SHAFT_L,
};
const float NOSE_STRUT_UP = 120.0f;
const float NOSE_DOOR_OPEN = 90.0f;
const float NACELLE_DOOR_OPEN = 90.0f;
const float LEG_DOWN = -115.0f;
const float SHAFT_UP = 110.0f;
const float SHAFT_LIFT = 0.1f;

// Nose gear: doors N open from 0.1 to 0.4, then the strut S swings down until 0.9.
struct NosePose {
    float doors, strut;
};
NosePose nose_pose(float p) {
    if (p < 0.1f) return {0, NOSE_STRUT_UP};
    if (p < 0.4f) return {(p - 0.1f) / 0.3f * NOSE_DOOR_OPEN, NOSE_STRUT_UP};
    if (p < 0.9f) return {NOSE_DOOR_OPEN, (1.0f - 2.0f * (p - 0.4f)) * NOSE_STRUT_UP};
    return {NOSE_DOOR_OPEN, 0};
}

// Main gear: nacelle doors D open, the legs X swing down while the shafts Q unfold and drop by
// h, then the doors close again.
struct MainPose {
    float doors, leg, shaft, lift;
};
MainPose main_pose(float p) {
    if (p <= 0.0f) return {0, 0, SHAFT_UP, SHAFT_LIFT};
    if (p < 0.25f) return {4.0f * p * NACELLE_DOOR_OPEN, 0, SHAFT_UP, SHAFT_LIFT};
    if (p < 0.75f) {
        float t = 2.0f * (p - 0.25f);
        return {NACELLE_DOOR_OPEN, LEG_DOWN * sinf(t * HALF_PI), (1.0f - t) * SHAFT_UP, (1.0f - t) * SHAFT_LIFT};
    }
    if (p < 1.0f) return {(1.0f - 4.0f * (p - 0.75f)) * NACELLE_DOOR_OPEN, LEG_DOWN, 0, 0};
    return {0, LEG_DOWN, 0, 0};
}
}  // namespace

namespace acplug11 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    NosePose nose = nose_pose(p);
    show_layer(context, layers[NOSE_GEAR], p >= 0.1f);
    rotate_layer(context, layers[NOSE_GEAR], nose.strut, 0.0f, 0.0f);
    rotate_pair_about_z(context, layers[NOSE_DOOR_1], layers[NOSE_DOOR_2], nose.doors);

    MainPose main = main_pose(p);
    show_layer(context, layers[TYRES], p != 0.0f);
    show_layer(context, layers[WELL_BODY], p != 0.0f);
    rotate_pair_about_z(context, layers[DOOR_1], layers[DOOR_2], main.doors);
    rotate_pair_about_z(context, layers[DOOR_4], layers[DOOR_5], main.doors);
    rotate_layer(context, layers[LEG_1], main.leg, 0.0f, 0.0f);
    rotate_layer(context, layers[LEG_2], main.leg, 0.0f, 0.0f);
    KvrnVector lift = {0.0f, main.lift, 0.0f, 0.0f}, fold = {main.shaft, 0.0f, 0.0f, 0.0f};
    move_layer(context, layers[SHAFT_R], lift, fold);
    move_layer(context, layers[SHAFT_L], lift, fold);
}
}  // namespace acplug11
