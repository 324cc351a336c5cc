// acplug09's landing gear: a nose gear with two door pairs on the shared four-door schedule in
// this type's own layer order, its strut resting at 120 when stowed but swinging from 110, and
// main struts with an outer and an inner shaft that slide as they fold.
#include "acplug09_routines.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    NOSE_DOOR_3,
    NOSE_DOOR_4,
    NOSE_STRUT,
    STRUT_1,
    STRUT_2,
    SHAFT_R,
    SHAFT_R2,
    SHAFT_L,
    SHAFT_L2,
    WING_DOOR_1,
    WING_DOOR_2,
    TYRES,
    WELL_BODY,
};

// Main gear: b strut angle, a wing-door angle, t1 outer shaft angle, o its sideways offset, t2
// inner shaft angle, (h, -s) its offset.
struct MainPose {
    float b, a, t1, o, t2, h, s;
};
const MainPose FOLDED = {0.0f, 0.0f, 85.0f, 0.5f, 30.0f, 0.22595f, 1.75f};
const MainPose EXTENDED = {80.0f, 130.0f, 0.0f, 0.0f, 0.0f, 0.12595f, 0.965f};

MainPose main_pose(float p) {
    if (p <= 0.0f) return FOLDED;
    MainPose pose = FOLDED;
    if (p < 0.25f) {
        pose.b = 4.0f * p * EXTENDED.b;
        return pose;
    }
    if (p < 0.75f) {
        float l = (p - 0.25f) * 2.0f;
        return {EXTENDED.b,
                EXTENDED.a * l,
                (1.0f - l) * FOLDED.t1,
                (1.0f - l) * FOLDED.o,
                (1.0f - l) * FOLDED.t2,
                FOLDED.h - 0.1f * l,
                FOLDED.s - 0.785f * l};
    }
    pose = EXTENDED;
    pose.b = p < 1.0f ? (1.0f - (p - 0.75f) * 4.0f) * EXTENDED.b : 0.0f;
    return pose;
}
}  // namespace

namespace acplug09 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    four_door_nose_update(context, slot);

    MainPose pose = main_pose(p);
    show_layer(context, layers[TYRES], p != 0.0f);
    show_layer(context, layers[WELL_BODY], p != 0.0f);
    rotate_pair_about_z(context, layers[STRUT_1], layers[STRUT_2], pose.b);
    rotate_pair_about_z(context, layers[WING_DOOR_2], layers[WING_DOOR_1], pose.a);
    move_layer(context, layers[SHAFT_R], {pose.o, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, pose.t1, 0.0f});
    move_layer(context, layers[SHAFT_L], {-pose.o, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.t1, 0.0f});
    move_layer(context, layers[SHAFT_R2], {pose.h, -pose.s, 0.0f, 0.0f}, {0.0f, 0.0f, pose.t2, 0.0f});
    move_layer(context, layers[SHAFT_L2], {-pose.h, -pose.s, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.t2, 0.0f});
}
}  // namespace acplug09
