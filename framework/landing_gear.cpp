#include "landing_gear.h"

#include <math.h>

#include "angles.h"
#include "curves.h"
#include "layer_ops.h"
#include "slot_clock.h"
#include "type_numbers.h"

namespace {
const float NOSE_STRUT_UP = 115.0f;  // nose strut folded, degrees
const float MAIN_STRUT_UP = 85.0f;   // main struts folded
const float MAIN_DOOR_OPEN = 90.0f;
const float DOOR_SLIDE = 0.55f;   // inner doors slide aside
const float STRUT_SWING = 0.65f;  // struts move outward while they swing down
const float STRUT_DIP = 0.1f;

// Layers of the gear slot, in the order the reference builder looks them up.
enum GearLayer {
    NOSE_GEAR,
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    WELL_BODY,
    WELL_R1,
    WELL_R2,
    WELL_R3,
    WELL_L1,
    WELL_L2,
    WELL_L3,
    OUTER_DOOR_1,
    INNER_DOOR_1,
    INNER_FLAP_1,
    OUTER_DOOR_2,
    INNER_DOOR_2,
    INNER_FLAP_2,
    STRUT_R,
    STRUT_L,
    WELL_TYRES,
};
const GearLayer wheel_well[] = {WELL_BODY, WELL_R1, WELL_R2, WELL_R3, WELL_L1, WELL_L2, WELL_L3, WELL_TYRES};

// Main gear pose: V visibility, B outer door, A inner door, Q door slide, X strut offset,
// E strut angle, Y strut drop.
struct MainGearPose {
    bool shown;
    float b, a, q, x, e, y;
};

MainGearPose main_gear_pose(float p) {
    if (p <= 0.0f) return {false, 0, 0, 0, 0, MAIN_STRUT_UP, 0};
    if (p < 0.1f) {
        float f = p / 0.1f;
        return {true, MAIN_DOOR_OPEN * f, 0, DOOR_SLIDE * f, 0, MAIN_STRUT_UP, 0};
    }
    if (p < 0.5f) {
        float f = (p - 0.1f) / 0.4f;
        float e = 1.0f - cosf(f * PI / 2.0f);
        return {true, MAIN_DOOR_OPEN, 57.6f * f, DOOR_SLIDE, -STRUT_SWING * e, 30.6f + 54.4f * (1.0f - f), 0};
    }
    if (p < 1.0f) {
        float g = 2.0f * (p - 0.5f);
        return {true,
                MAIN_DOOR_OPEN,
                90.0f - 32.4f * (1.0f - g),
                DOOR_SLIDE,
                STRUT_SWING * g - STRUT_SWING,
                30.6f * (1.0f - g),
                STRUT_DIP * sinf(g * PI)};
    }
    return {true, MAIN_DOOR_OPEN, 90.0f, DOOR_SLIDE, 0, 0, 0};
}

// Rolls `count` tyre layers by `distance`, keeping the group's angle in `angle`.
void roll_group(KvrnContext context, const KvrnLayer* tyres, uint32_t count, SlotWord* angle, float distance,
                float circumference) {
    if (circumference > 0.0f) angle->f = wrap_angle_360(angle->f + distance / circumference * 360.0f);
    for (uint32_t i = 0; i < count; ++i) rotate_layer(context, tyres[i], -angle->f, 0.0f, 0.0f);
}
}  // namespace

int32_t nose_steer_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float angle, float) {
    rotate_layer(context, slot->layers[0], 0.0f, angle, 0.0f);
    return 0;
}

int32_t tire_roll(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float distance, float) {
    if (ival1 != 0) {
        start_clock(slot);
        return 0;
    }
    slot->running = 0;
    const TypeNumbers& numbers = type_numbers();
    uint32_t nose = numbers.nose_tyres < numbers.tyres ? numbers.nose_tyres : numbers.tyres;
    roll_group(context, slot->layers, nose, &slot->word5, distance, numbers.nose_tyre_circumference);
    roll_group(context, slot->layers + nose, numbers.tyres - nose, &slot->word6, distance,
               numbers.main_tyre_circumference);
    return 0;
}

void tire_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    tire_roll(context, object, slot, 0, 0, static_cast<float>(slot->last_step) / 1000.0f, 0.0f);
    slot->running = 1;
}

int32_t gear_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    start_two_way(slot, ival1);
    return 0;
}

void nose_gear_update(KvrnContext context, ActionSlot* slot, float door_angle) {
    float p = slot->progress;
    float door = 0.0f, strut = NOSE_STRUT_UP;
    if (p >= 0.9f) {
        door = door_angle;
        strut = 0.0f;
    } else if (p >= 0.3f) {
        door = door_angle;
        strut = (1.0f - (p - 0.3f) / 0.6f) * NOSE_STRUT_UP;
    } else if (p >= 0.1f) {
        door = (p - 0.1f) / 0.2f * door_angle;
    }
    show_layer(context, slot->layers[NOSE_GEAR], p >= 0.1f);
    rotate_layer(context, slot->layers[NOSE_GEAR], strut, 0.0f, 0.0f);
    rotate_layer(context, slot->layers[NOSE_DOOR_1], 0.0f, 0.0f, -door);
    rotate_layer(context, slot->layers[NOSE_DOOR_2], 0.0f, 0.0f, door);
}

void main_gear_update(KvrnContext context, ActionSlot* slot) {
    MainGearPose pose = main_gear_pose(slot->progress);
    const KvrnLayer* layers = slot->layers;
    for (GearLayer well : wheel_well) show_layer(context, layers[well], pose.shown);
    rotate_layer(context, layers[OUTER_DOOR_1], 0.0f, 0.0f, -pose.b);
    rotate_layer(context, layers[OUTER_DOOR_2], 0.0f, 0.0f, pose.b);
    move_layer(context, layers[INNER_DOOR_1], {-pose.q, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.a, 0.0f});
    move_layer(context, layers[INNER_DOOR_2], {pose.q, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, pose.a, 0.0f});
    rotate_layer(context, layers[INNER_FLAP_1], 0.0f, 0.0f, -pose.a / 3.0f);
    rotate_layer(context, layers[INNER_FLAP_2], 0.0f, 0.0f, pose.a / 3.0f);
    move_layer(context, layers[STRUT_R], {-pose.x, -pose.y, 0.0f, 0.0f}, {0.0f, 0.0f, pose.e, 0.0f});
    move_layer(context, layers[STRUT_L], {pose.x, -pose.y, 0.0f, 0.0f}, {0.0f, 0.0f, -pose.e, 0.0f});
}

void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    nose_gear_update(context, slot, type_numbers().nose_door_angle);
    main_gear_update(context, slot);
}
