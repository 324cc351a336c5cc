// The helicopter's cabin doors (slot 29): the sliding doors step out and slide back over the
// first 70 percent of the run, then the hinged doors swing open on a cosine ease.
#include <math.h>

#include "acplug17_routines.h"
#include "curves.h"
#include "layer_ops.h"

namespace {
const float SLIDE_END = 0.7f;     // progress at which the sliding doors stand open
const float STEP_OUT_END = 0.2f;  // share of the slide spent stepping out
const float STEP_OUT = 0.1f;      // outward, model units
const float SLIDE_BACK = 1.5f;    // back along z, model units
const float HINGE_OPEN = 50.0f;   // degrees about y

enum DoorLayer { DOOR_BODY, HINGED_LEFT, HINGED_RIGHT, SLIDING_LEFT, SLIDING_RIGHT };

// Cosine ease from 0 to 1.

struct DoorPose {
    float hinge, out, slide;
};

DoorPose door_pose(float p) {
    if (p <= 0.0f) return {0.0f, 0.0f, 0.0f};
    if (p < SLIDE_END) {
        float q = p / SLIDE_END;
        if (q < STEP_OUT_END) return {0.0f, q / STEP_OUT_END * STEP_OUT, 0.0f};
        return {0.0f, STEP_OUT, cosine_ease((q - STEP_OUT_END) / (1.0f - STEP_OUT_END)) * SLIDE_BACK};
    }
    if (p < 1.0f) return {cosine_ease((p - SLIDE_END) / (1.0f - SLIDE_END)) * HINGE_OPEN, STEP_OUT, SLIDE_BACK};
    return {HINGE_OPEN, STEP_OUT, SLIDE_BACK};
}
}  // namespace

namespace acplug17 {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const KvrnLayer* layers = slot->layers;
    DoorPose pose = door_pose(p);
    show_layer(context, layers[DOOR_BODY], p != 0.0f);
    rotate_layer(context, layers[HINGED_LEFT], 0.0f, pose.hinge, 0.0f);
    rotate_layer(context, layers[HINGED_RIGHT], 0.0f, -pose.hinge, 0.0f);
    translate_layer(context, layers[SLIDING_LEFT], pose.out, 0.0f, pose.slide);
    translate_layer(context, layers[SLIDING_RIGHT], -pose.out, 0.0f, pose.slide);
}
}  // namespace acplug17
