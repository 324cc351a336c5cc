#include "acplug16_routines.h"
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
    DOOR_3,
    DOOR_4,
    SHAFT_R,
    SHAFT_L,
    LINK_R,
    LINK_L,
};
const float NOSE_HEIGHT = 2.1895f;
const float NOSE_PLACE = -10.0f;  // z of the folded strut
const float NOSE_TRAVEL = -0.5f;  // the strut's slide as it swings down
const float NOSE_STRUT_UP = 100.0f;
const float NOSE_DOOR_OPEN = 90.0f;
const float NACELLE_DOOR_OPEN = 70.0f;
const float SHAFT_UP = 90.0f;
const float LINK_UP = 45.0f;

// Nose gear: doors N open from 0.1 to 0.6, then the strut S swings down and slides back until 0.9.
struct NosePose {
    float doors, strut, z;
};
NosePose nose_pose(float p) {
    if (p < 0.1f) return {0, NOSE_STRUT_UP, NOSE_PLACE};
    if (p < 0.6f) return {2.0f * (p - 0.1f) * NOSE_DOOR_OPEN, NOSE_STRUT_UP, NOSE_PLACE};
    if (p < 0.9f) {
        float d = (p - 0.6f) / 0.3f;
        return {NOSE_DOOR_OPEN, (1.0f - d) * NOSE_STRUT_UP, NOSE_PLACE + NOSE_TRAVEL * d};
    }
    return {NOSE_DOOR_OPEN, 0, NOSE_PLACE + NOSE_TRAVEL};
}

// Main gear: nacelle doors D open by 0.25, then the shafts H and links L unfold until 0.75.
struct MainPose {
    float doors, shaft, link;
};
MainPose main_pose(float p) {
    if (p <= 0.0f) return {0, SHAFT_UP, LINK_UP};
    if (p < 0.25f) return {4.0f * p * NACELLE_DOOR_OPEN, SHAFT_UP, LINK_UP};
    if (p < 0.75f) {
        float e = 1.0f - 2.0f * (p - 0.25f);
        return {NACELLE_DOOR_OPEN, e * SHAFT_UP, e * LINK_UP};
    }
    return {NACELLE_DOOR_OPEN, 0, 0};
}
}  // namespace

namespace acplug16 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    NosePose nose = nose_pose(p);
    show_layer(context, layers[NOSE_GEAR], p >= 0.1f);
    move_layer(context, layers[NOSE_GEAR], {0.0f, NOSE_HEIGHT, nose.z, 0.0f}, {nose.strut, 0.0f, 0.0f, 0.0f});
    rotate_pair_about_z(context, layers[NOSE_DOOR_2], layers[NOSE_DOOR_1], nose.doors);

    MainPose main = main_pose(p);
    show_layer(context, layers[TYRES], p != 0.0f);
    show_layer(context, layers[WELL_BODY], p != 0.0f);
    rotate_pair_about_z(context, layers[DOOR_2], layers[DOOR_1], main.doors);
    rotate_pair_about_z(context, layers[DOOR_4], layers[DOOR_3], main.doors);
    rotate_layer(context, layers[SHAFT_R], main.shaft, 0.0f, 0.0f);
    rotate_layer(context, layers[SHAFT_L], main.shaft, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_R], main.link, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_L], main.link, 0.0f, 0.0f);
}
}  // namespace acplug16
