#include "acplug16_routines.h"
#include "curves.h"
#include "layer_ops.h"

namespace {
enum StairLayer { DOOR, STAIR_ON, STAIR_1, STAIR_2, STAIR_3 };
const float DOOR_OUT = 0.1f;      // x, eased out over the first 0.15
const float DOOR_SLIDE = 1.0f;    // z, eased from 0.15 to 0.4
const float STAIR_OFFSET = 0.4f;  // the folded stair's place, moved in from 0.4 to 0.5
const float FOLDED[3] = {150.0f, 170.0f, 180.0f};

struct DoorPlace {
    float x, z;
};
DoorPlace door_place(float p) {
    if (p <= 0.0f) return {0, 0};
    if (p < 0.15f) return {DOOR_OUT * cosine_ease(p / 0.15f), 0};
    if (p < 0.4f) return {DOOR_OUT, DOOR_SLIDE * cosine_ease(4.0f * (p - 0.15f))};
    return {DOOR_OUT, DOOR_SLIDE};
}

// The stair's offset, and how far its sections are still folded (1 folded, 0 unfolded).
struct StairPose {
    float offset, folded;
    bool on;
};
StairPose stair_pose(float p) {
    if (p < 0.4f) return {STAIR_OFFSET, 1, false};
    if (p < 0.5f) return {(1.0f - cosine_ease((p - 0.4f) / 0.1f)) * STAIR_OFFSET, 1, false};
    if (p < 0.95f) return {0, 1.0f - cosine_ease((p - 0.5f) / 0.45f), false};
    return {0, 0, true};
}
}  // namespace

namespace acplug16 {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    DoorPlace door = door_place(p);
    translate_layer(context, layers[DOOR], door.x, 0.0f, door.z);
    StairPose stair = stair_pose(p);
    show_layer(context, layers[STAIR_ON], stair.on);
    move_layer(context, layers[STAIR_1], {-stair.offset, 0.0f, 0.0f, 0.0f},
               {0.0f, 0.0f, stair.folded * FOLDED[0], 0.0f});
    rotate_layer(context, layers[STAIR_2], 0.0f, 0.0f, -stair.folded * FOLDED[1]);
    rotate_layer(context, layers[STAIR_3], 0.0f, 0.0f, -stair.folded * FOLDED[2]);
}
}  // namespace acplug16
