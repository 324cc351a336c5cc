// acplug12's landing gear: a nose gear with a door pair and a rear door that drops and slides
// back, and main gear on the shared quarter-half-quarter schedule, whose struts swing in behind
// doors that close again once they are down.
#include "acplug12_routines.h"
#include "layer_ops.h"
#include "main_gear.h"

namespace {
enum GearLayer {
    NOSE_STRUT,
    NOSE_DOOR_1,
    NOSE_DOOR_2,
    NOSE_REAR_DOOR,
    MAIN_TYRES,
    MAIN_BODY,
    MAIN_DOOR_1,
    MAIN_DOOR_2,
    LEFT_SHAFT,
    RIGHT_SHAFT,
    WING_DOOR_1,
    WING_DOOR_2
};

const float NOSE_STRUT_UP = 125.0f;
const float NOSE_DOOR_OPEN = 80.0f;
const float REAR_DOOR_OPEN = 10.0f;    // degrees about -x
const float REAR_DOOR_DROP = 0.15f;    // model units down
const float REAR_DOOR_SLIDE = 0.42f;   // model units back along z
const float MAIN_STRUT_SPREAD = 0.2f;  // model units outwards while up

float at_most_one(float x) { return x < 1.0f ? x : 1.0f; }

struct NosePose {
    bool shown;
    float strut, doors, rear_door, drop, slide;
};

// Doors open over 0.1 to 0.3, the strut comes down over 0.3 to 0.7 while the rear door opens,
// drops and then slides back, and the door pair closes over 0.7 to 0.9.
NosePose nose_pose(float p) {
    if (p < 0.1f) return {false, NOSE_STRUT_UP, 0, 0, 0, 0};
    if (p < 0.3f) return {true, NOSE_STRUT_UP, (p - 0.1f) / 0.2f * NOSE_DOOR_OPEN, 0, 0, 0};
    if (p < 0.7f) {
        float c = (p - 0.3f) / 0.4f;
        float slide = c < 0.2f ? 0.0f : (c - 0.2f) / 0.8f * REAR_DOOR_SLIDE;
        return {true,
                (1.0f - c) * NOSE_STRUT_UP,
                NOSE_DOOR_OPEN,
                REAR_DOOR_OPEN * c,
                REAR_DOOR_DROP * at_most_one(c / 0.2f),
                slide};
    }
    if (p < 0.9f) {
        float c = (p - 0.7f) / 0.2f;
        return {true, 0, (1.0f - c) * NOSE_DOOR_OPEN, REAR_DOOR_OPEN, REAR_DOOR_DROP, REAR_DOOR_SLIDE};
    }
    return {true, 0, 0, REAR_DOOR_OPEN, REAR_DOOR_DROP, REAR_DOOR_SLIDE};
}
}  // namespace

namespace acplug12 {
void gear_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;

    NosePose nose = nose_pose(p);
    show_layer(context, layers[NOSE_STRUT], nose.shown);
    rotate_layer(context, layers[NOSE_STRUT], nose.strut, 0.0f, 0.0f);
    rotate_pair_about_z(context, layers[NOSE_DOOR_1], layers[NOSE_DOOR_2], nose.doors);
    move_layer(context, layers[NOSE_REAR_DOOR], {0.0f, -nose.drop, nose.slide, 0.0f},
               {-nose.rear_door, 0.0f, 0.0f, 0.0f});

    // The struts move out as they fold, so this type poses its main layers itself.
    MainGearPose main = main_gear_pose(p);
    float spread = (1.0f - main.unfolded) * MAIN_STRUT_SPREAD;
    show_layer(context, layers[MAIN_TYRES], p != 0.0f);
    show_layer(context, layers[MAIN_BODY], p != 0.0f);
    rotate_pair_about_z(context, layers[MAIN_DOOR_2], layers[MAIN_DOOR_1], main.doors);
    move_layer(context, layers[LEFT_SHAFT], {-spread, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -main.shafts, 0.0f});
    move_layer(context, layers[RIGHT_SHAFT], {spread, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, main.shafts, 0.0f});
    rotate_pair_about_z(context, layers[WING_DOOR_1], layers[WING_DOOR_2], main.wing_doors);
}
}  // namespace acplug12
