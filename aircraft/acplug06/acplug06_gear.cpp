// acplug06's landing gear: the shared four-door nose gear, main-gear doors that open before the
// gear swings down and close behind it, wing gear, struts, and two bogie pairs with their tilts.
#include "acplug06_routines.h"

#include <math.h>

#include "bogies.h"
#include "curves.h"
#include "four_door_nose_gear.h"
#include "layer_ops.h"

namespace {
const float SECOND_BOGIE_TILT = 10.0f;  // word6; word5 is SharedNumbers::bogie_tilt

// The gear slot's layers, in the order the builder looks them up.
enum GearLayer {
    NOSE_GEAR,
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    NOSE_DOOR_3,
    NOSE_DOOR_4,
    TYRES,
    BODY03,
    MAIN_1_01,
    MAIN_1_02,
    MAIN_2_01,
    MAIN_2_02,
    MAIN_3_01,
    MAIN_3_02,
    MAIN_4_01,
    MAIN_4_02,
    MAIN_5_01,
    MAIN_6_01,
    MAIN_7_01,
    MAIN_8_01,
    WING_1_01,
    WING_1_02,
    WING_2_01,
    WING_2_02,
    STRUT_R,
    BODY_BOGIE_R,
    STRUT_LINK_R,
    STRUT_L,
    BODY_BOGIE_L,
    STRUT_LINK_L,
    FRONT_SHAFT_R,
    FRONT_SHAFT_L,
    SECOND_BOGIE_R,
    SECOND_BOGIE_L,
};

// The main gear's angles at one progress: doors A, B, V, D, E, F, wing gear W1, W2, struts S1,
// S2 (all about z), body bogies T1, front shafts U (about x) and their drop H.
enum PoseValue { A, B, V, D, E, F, W1, W2, S1, S2, T1, U, H, POSE_VALUES };
struct MainGearPose {
    float v[POSE_VALUES];
};

// Mirrored pairs turned about z by a pose value: the first layer by +value, the second by -value.
struct DoorPair {
    GearLayer plus, minus;
    PoseValue value;
};
const DoorPair door_pairs[] = {
    {MAIN_1_01, MAIN_2_01, A}, {MAIN_2_02, MAIN_1_02, B},        {MAIN_4_01, MAIN_3_01, V},  {MAIN_3_02, MAIN_4_02, D},
    {MAIN_5_01, MAIN_6_01, E}, {MAIN_8_01, MAIN_7_01, F},        {WING_2_01, WING_1_01, W1}, {WING_2_02, WING_1_02, W2},
    {STRUT_R, STRUT_L, S1},    {STRUT_LINK_R, STRUT_LINK_L, S2},
};

// Doors A, B and V open in the first quarter of the travel and close in the last, D opens from
// 0.15 and closes from 0.9; the gear itself swings down in the middle half. `body_tilt` is word5.
MainGearPose main_gear_pose(float p, float body_tilt) {
    if (p <= 0.0f) return {{0, 0, 0, 0, 0, 0, 0, 0, 85, 15, 60, 120, 0}};
    if (p < 0.25f) {
        float a = 4.0f * p, d = p < 0.15f ? 0.0f : (p - 0.15f) / 0.1f;
        return {{80 * a, 100 * a, 170 * a, 120 * d, 0, 0, 0, 0, 85, 15, 60, 120, 0}};
    }
    if (p < 0.75f) {
        float s = 2.0f * (p - 0.25f);
        float w = p < 0.5f ? 4.0f * (p - 0.25f) : 1.0f;
        float m = p < 0.5f ? 0.0f : 4.0f * (p - 0.5f);
        return {{80, 100, 170, 120, 100 * sinf(s * PI / 2.0f), 100 * s, 82 * w, 40 * w, 85 * (1 - w), 15 * (1 - w),
                 15 * (1 - m) + body_tilt, 120 * (1 - s), -0.2f * s}};
    }
    if (p < 1.0f) {
        float k = 4.0f * (p - 0.75f), e = p < 0.9f ? 0.0f : (p - 0.9f) / 0.1f;
        return {{80 * (1 - k), 100 * (1 - k), 170 * (1 - k), 120 * (1 - e), 100, 100, 82, 40, 0, 0, body_tilt, 0,
                 -0.2f * (1 - e)}};
    }
    return {{0, 0, 0, 0, 100, 100, 82, 40, 0, 0, body_tilt, 0, 0}};
}
}  // namespace

namespace acplug06 {
int32_t gear_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2, float fval1,
                   float fval2) {
    slot->word6.f = SECOND_BOGIE_TILT;
    return bogies::gear_start(context, object, slot, ival1, ival2, fval1, fval2);  // word5: the body bogies
}

void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;
    four_door_nose_update(context, slot);
    show_layer(context, layers[TYRES], p != 0.0f);
    show_layer(context, layers[BODY03], p != 0.0f);
    MainGearPose pose = main_gear_pose(p, slot->word5.f);
    for (const DoorPair& pair : door_pairs)
        rotate_pair_about_z(context, layers[pair.plus], layers[pair.minus], pose.v[pair.value]);
    rotate_layer(context, layers[BODY_BOGIE_R], pose.v[T1], 0.0f, 0.0f);
    rotate_layer(context, layers[BODY_BOGIE_L], pose.v[T1], 0.0f, 0.0f);
    move_layer(context, layers[FRONT_SHAFT_R], {0.0f, pose.v[H], 0.0f, 0.0f}, {pose.v[U], 0.0f, 0.0f, 0.0f});
    move_layer(context, layers[FRONT_SHAFT_L], {0.0f, pose.v[H], 0.0f, 0.0f}, {pose.v[U], 0.0f, 0.0f, 0.0f});
    rotate_layer(context, layers[SECOND_BOGIE_R], slot->word6.f, 0.0f, 0.0f);
    rotate_layer(context, layers[SECOND_BOGIE_L], slot->word6.f, 0.0f, 0.0f);
}
}  // namespace acplug06
