// acplug05's landing gear: a nose strut that stays shown while it folds, with two door pairs on
// the shared four-door schedule in this type's own layer order, and main struts whose two-piece
// shafts fold and rise into the wing.
#include "acplug05_routines.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    NOSE_DOOR_1, NOSE_DOOR_2, STRUT_1, STRUT_2, NOSE_STRUT, NOSE_DOOR_3, NOSE_DOOR_4,
    SHAFT_R, SHAFT_R2, SHAFT_L, SHAFT_L2, WING_DOOR_1, WING_DOOR_2, WELL_BODY, TYRES,
};
const float DOOR_OPEN = 80.0f;  // main struts and wing doors

// Main gear: D strut angle, L wing-door angle, S outer shaft angle, B inner shaft angle, Y inner
// shaft height.
struct MainPose {
    float d, l, s, b, y;
};
const float SHAFT_FOLDED = 86.0f, INNER_FOLDED = 30.0f, INNER_LOW = -2.3f, INNER_RISE = 0.3f;

MainPose main_pose(float p) {
    if (p <= 0.0f) return {0.0f, 0.0f, SHAFT_FOLDED, INNER_FOLDED, INNER_LOW};
    if (p < 0.25f) return {320.0f * p, 0.0f, SHAFT_FOLDED, INNER_FOLDED, INNER_LOW};
    if (p < 0.75f) {
        float u = 2.0f * (p - 0.25f);
        float v = p <= 0.45f ? 0.0f : (p - 0.45f) / 0.3f;  // the inner shaft waits for the outer
        return {DOOR_OPEN, DOOR_OPEN * u, SHAFT_FOLDED * (1.0f - u), INNER_FOLDED * (1.0f - v),
                INNER_LOW + INNER_RISE * v};
    }
    float lowered = INNER_LOW + INNER_RISE;
    if (p < 1.0f) return {DOOR_OPEN * (1.0f - 4.0f * (p - 0.75f)), DOOR_OPEN, 0.0f, 0.0f, lowered};
    return {0.0f, DOOR_OPEN, 0.0f, 0.0f, lowered};
}
}  // namespace

namespace acplug05 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    NoseGearPose nose = four_door_nose_schedule(p);
    rotate_layer(context, layers[NOSE_STRUT], nose.strut, 0.0f, 0.0f);
    rotate_pair_about_z(context, layers[NOSE_DOOR_2], layers[NOSE_DOOR_1], nose.first_pair);
    rotate_pair_about_z(context, layers[NOSE_DOOR_4], layers[NOSE_DOOR_3], nose.second_pair);

    MainPose pose = main_pose(p);
    show_layer(context, layers[WELL_BODY], p != 0.0f);
    show_layer(context, layers[TYRES], p != 0.0f);
    rotate_pair_about_z(context, layers[STRUT_1], layers[STRUT_2], pose.d);
    rotate_pair_about_z(context, layers[WING_DOOR_2], layers[WING_DOOR_1], pose.l);
    rotate_pair_about_z(context, layers[SHAFT_R], layers[SHAFT_L], pose.s);
    move_layer(context, layers[SHAFT_R2], {0.0f, pose.y, 0.0f, 0.0f}, {0.0f, 0.0f, pose.b, 0.0f});
    move_layer(context, layers[SHAFT_L2], {0.0f, pose.y, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.b, 0.0f});
}
}  // namespace acplug05
