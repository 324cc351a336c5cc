// acplug14's landing gear: a nose gear with a door pair that opens and closes again and a rear
// door that stays open, on the shared four-door schedule, and main gear whose wing doors hand
// over to each other while the outer struts swing down, the inner struts folding after them.
#include "acplug14_routines.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
enum GearLayer {
    NOSE_STRUT,
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    NOSE_REAR_DOOR,
    FIRST_SHOWN,
    LAST_SHOWN = FIRST_SHOWN + 6,  // wheel wells, door openings and tyres shown while out
    WING_DOOR_1,
    WING_DOOR_2,
    OUTER_STRUT_R,
    OUTER_STRUT_L,
    INNER_STRUT_R,
    INNER_STRUT_L
};

const float WING_DOOR_OPEN = 115.0f;
const float OUTER_STRUT_UP = 83.0f;
const float INNER_STRUT_FOLD = 45.0f;  // where the inner struts stand as the outer ones start down

struct MainPose {
    float wing_door_1, wing_door_2, outer, inner;
};

// The first wing door closes from -115 as the second opens to -115 over the first quarter; the
// outer struts swing down over the second quarter with the inner ones folded to 45, which then
// straighten over the third.
MainPose main_pose(float p) {
    if (p < 0.25f) {
        float h = 4.0f * p;
        return {WING_DOOR_OPEN * h - WING_DOOR_OPEN, -WING_DOOR_OPEN * h, OUTER_STRUT_UP, 0.0f};
    }
    if (p < 0.5f) return {0.0f, -WING_DOOR_OPEN, (1.0f - (p - 0.25f) * 4.0f) * OUTER_STRUT_UP, INNER_STRUT_FOLD};
    if (p < 0.75f) return {0.0f, -WING_DOOR_OPEN, 0.0f, (1.0f - (p - 0.5f) * 4.0f) * INNER_STRUT_FOLD};
    return {0.0f, -WING_DOOR_OPEN, 0.0f, 0.0f};
}
}  // namespace

namespace acplug14 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;

    // The door pair is the schedule's first pair; the rear door, turning about x, its second.
    NoseGearPose nose = four_door_nose_schedule(p);
    show_layer(context, layers[NOSE_STRUT], p >= 0.1f);
    rotate_layer(context, layers[NOSE_STRUT], nose.strut, 0.0f, 0.0f);
    rotate_pair_about_z(context, layers[NOSE_DOOR_1], layers[NOSE_DOOR_2], nose.first_pair);
    rotate_layer(context, layers[NOSE_REAR_DOOR], -nose.second_pair, 0.0f, 0.0f);

    MainPose main = main_pose(p);
    for (int i = FIRST_SHOWN; i <= LAST_SHOWN; ++i) show_layer(context, layers[i], p != 0.0f);
    rotate_layer(context, layers[WING_DOOR_1], 0.0f, 0.0f, main.wing_door_1);
    rotate_layer(context, layers[WING_DOOR_2], 0.0f, 0.0f, main.wing_door_2);
    rotate_pair_about_z(context, layers[OUTER_STRUT_R], layers[OUTER_STRUT_L], main.outer);
    rotate_pair_about_z(context, layers[INNER_STRUT_R], layers[INNER_STRUT_L], main.inner);
}
}  // namespace acplug14
