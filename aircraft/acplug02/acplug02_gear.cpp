// acplug02's landing gear: a nose gear with four doors, and main struts whose bogies turn from
// stowed to the bogie tilt as the gear comes down.
#include "acplug02_routines.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    TYRES = 5, WELL_BODY, STRUT_1, STRUT_2, SHAFT_L, SHAFT_L2, SHAFT_R, SHAFT_R2, WING_DOOR_1, WING_DOOR_2,
    BOGIE_L, BOGIE_R,
};

// Main gear: D strut angle, L wing-door angle, S and Q shaft angles, T bogie angle.
struct MainPose {
    float d, l, s, q, t;
};

MainPose main_pose(float p, float tilt) {
    if (p <= 0.0f) return {0.0f, 0.0f, 85.0f, 20.0f, 0.0f};
    if (p < 0.25f) return {320.0f * p, 0.0f, 85.0f, 20.0f, 0.0f};
    if (p < 0.75f) {
        float g = 2.0f * (p - 0.25f);
        return {80.0f, 80.0f * g, 85.0f * (1.0f - g), 20.0f * (1.0f - g), g * tilt};
    }
    if (p < 1.0f) return {80.0f * (1.0f - 4.0f * (p - 0.75f)), 80.0f, 0.0f, 0.0f, tilt};
    return {0.0f, 80.0f, 0.0f, 0.0f, tilt};
}
}  // namespace

namespace acplug02 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    four_door_nose_update(context, slot);
    const KvrnLayer* layers = slot->layers;
    MainPose pose = main_pose(slot->progress, slot->word5.f);
    show_layer(context, layers[TYRES], slot->progress != 0.0f);
    show_layer(context, layers[WELL_BODY], slot->progress != 0.0f);
    rotate_pair_about_z(context, layers[STRUT_1], layers[STRUT_2], pose.d);
    rotate_pair_about_z(context, layers[WING_DOOR_2], layers[WING_DOOR_1], pose.l);
    rotate_pair_about_z(context, layers[SHAFT_R], layers[SHAFT_L], pose.s);
    rotate_pair_about_z(context, layers[SHAFT_R2], layers[SHAFT_L2], pose.q);
    rotate_layer(context, layers[BOGIE_L], pose.t, 0.0f, 0.0f);
    rotate_layer(context, layers[BOGIE_R], pose.t, 0.0f, 0.0f);
}
}  // namespace acplug02
