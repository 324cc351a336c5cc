// acplug05's landing gear: a nose strut that stays shown while it folds, with two door pairs on
// the shared four-door schedule in this type's own layer order, and main gear on the shared
// quarter-half-quarter schedule whose inner shafts fold and rise into the wing after the outer.
#include "acplug05_routines.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"
#include "main_gear.h"

namespace {
enum GearLayer {
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    STRUT_1,
    STRUT_2,
    NOSE_STRUT,
    NOSE_DOOR_3,
    NOSE_DOOR_4,
    SHAFT_R,
    SHAFT_R2,
    SHAFT_L,
    SHAFT_L2,
    WING_DOOR_1,
    WING_DOOR_2,
    WELL_BODY,
    TYRES,
};
const MainGearLayers main_layers = {{WELL_BODY, TYRES}, STRUT_1, STRUT_2, WING_DOOR_2, WING_DOOR_1, SHAFT_R, SHAFT_L};
const float INNER_FOLDED = 30.0f, INNER_LOW = -2.3f, INNER_RISE = 0.3f;

// How far the inner shafts have unfolded: they wait for the outer ones until 0.45 and are down
// by 0.75.
float inner_unfolded(float p) {
    if (p <= 0.45f) return 0.0f;
    return p < 0.75f ? (p - 0.45f) / 0.3f : 1.0f;
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

    pose_main_gear(context, slot, main_layers, main_gear_pose(p));
    float v = inner_unfolded(p);
    float inner = INNER_FOLDED * (1.0f - v), height = INNER_LOW + INNER_RISE * v;
    move_layer(context, layers[SHAFT_R2], {0.0f, height, 0.0f, 0.0f}, {0.0f, 0.0f, inner, 0.0f});
    move_layer(context, layers[SHAFT_L2], {0.0f, height, 0.0f, 0.0f}, {0.0f, 0.0f, -inner, 0.0f});
}
}  // namespace acplug05
