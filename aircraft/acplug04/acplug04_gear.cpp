// acplug04's landing gear: a nose gear with four doors, main struts behind two pairs of wing
// doors, and bogies that tilt with the gear's travel.
#include <math.h>

#include "acplug04_routines.h"
#include "curves.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    WELL_BODY = 5,
    TYRES,
    STRUT_1,
    STRUT_2,
    WING_1,
    WING_2,
    WING_3,
    WING_4,
    SHAFT_R,
    SHAFT_L,
    SHAFT_R2,
    SHAFT_L2,
    BOGIE_R,
    BOGIE_L,
};

// Main gear: R strut, Q inner wing doors, V outer wing doors with their offset O and lift Y,
// E shafts with their offset D, P inner shafts, T bogies.
struct MainPose {
    float r, q, v, o, y, e, d, p, t;
};

MainPose main_pose(float p, float tilt) {
    if (p <= 0.0f) return {0, 0, 0, 0, 0, 80, 0.5f, 25, 0};
    if (p < 0.2f) {
        float g = p / 0.2f;
        return {80 * g, 80 * g, 0, 0.57f * g, 0, 80, 0.5f, 25, p * tilt};
    }
    if (p < 0.8f) {
        float g = (p - 0.2f) / 0.6f;
        return {80, 80, 80 * g, 0.57f, 0.3f * g, 80 * (1 - g), 0.5f * (1 - g), 25 * sinf(HALF_PI * (1 - g)), p * tilt};
    }
    if (p < 1.0f) {
        float g = (p - 0.8f) / 0.2f;
        return {80 * (1 - g), 80, 80, 0.57f, 0.3f, 0, 0, 0, p * tilt};
    }
    return {0, 80, 80, 0.57f, 0.3f, 0, 0, 0, tilt};
}
}  // namespace

namespace acplug04 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    four_door_nose_update(context, slot);
    const KvrnLayer* layers = slot->layers;
    MainPose pose = main_pose(slot->progress, slot->word5.f);
    show_layer(context, layers[WELL_BODY], slot->progress != 0.0f);
    show_layer(context, layers[TYRES], slot->progress != 0.0f);
    rotate_pair_about_z(context, layers[STRUT_1], layers[STRUT_2], pose.r);
    rotate_pair_about_z(context, layers[WING_3], layers[WING_1], pose.q);
    move_layer(context, layers[WING_2], {-pose.o, pose.y, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.v, 0.0f});
    move_layer(context, layers[WING_4], {pose.o, pose.y, 0.0f, 0.0f}, {0.0f, 0.0f, pose.v, 0.0f});
    move_layer(context, layers[SHAFT_R], {pose.d, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, pose.e, 0.0f});
    move_layer(context, layers[SHAFT_L], {-pose.d, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.e, 0.0f});
    rotate_pair_about_z(context, layers[SHAFT_R2], layers[SHAFT_L2], pose.p);
    rotate_layer(context, layers[BOGIE_R], pose.t, 0.0f, 0.0f);
    rotate_layer(context, layers[BOGIE_L], pose.t, 0.0f, 0.0f);
}
}  // namespace acplug04
