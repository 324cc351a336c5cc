// acplug09's forward door and boarding stair (slot 29): over one opening run the door swings
// open, the stair slides out, moves to its place and unfolds, the outer door moves aside and
// turns round, and the stair's lit steps come on for the last twentieth. Closing runs the same
// curve backwards.
#include <math.h>

#include "acplug09_routines.h"
#include "curves.h"
#include "layer_ops.h"

namespace {
const float DOOR_OPEN = 90.0f;
const float STAIR_SLIDE = -0.3f;              // along x, stowed
const float STAIR_X = -3.2f, STAIR_Y = 0.1f;  // stair offset, stowed
const float STAIR_FOLD = 43.0f;               // degrees about z, stowed
const float OUTER_DOOR_STEP = 0.1f;           // the outer door first moves out this far
const float OUTER_DOOR_SLIDE = 0.11f;         // and this much more as it turns
const float OUTER_DOOR_REACH = 0.21f;
const float OUTER_DOOR_TURN = 180.0f;

enum StairLayer {
    DOOR,
    STAIR_SLIDER,
    STAIR,
    OUTER_DOOR,
    LIT_STEPS,
    DOOR_1,
    DOOR_2,
    OPENING_BODY,
    OUTER_1,
    OUTER_2,
};

// q door angle, x1 stair slide, (x2, y2) stair offset, z2 stair fold, r outer-door offset, yaw
// outer-door turn.
struct StairPose {
    float q, x1, x2, y2, z2, r, yaw;
};

// The outer door's turn as a fraction, eased three times over its part of the run.
float outer_door_turn(float p) {
    float e = (p - 0.75f) / 0.2f;
    float eased = cosine_ease(e);
    float a = sinf(eased * PI / 2.0f) * PI / 2.0f;
    return sinf(a);
}

// Each stage starts where the one before it ended.
StairPose stair_pose(float p) {
    StairPose pose = {0.0f, STAIR_SLIDE, STAIR_X, STAIR_Y, STAIR_FOLD, 0.0f, 0.0f};  // stowed
    if (p <= 0.0f) return pose;
    if (p < 0.2f) {
        pose.q = DOOR_OPEN * p / 0.2f;
        return pose;
    }
    pose.q = DOOR_OPEN;
    if (p < 0.3f) {
        pose.x1 = (1.0f - (p - 0.2f) / 0.1f) * STAIR_SLIDE;
        return pose;
    }
    pose.x1 = 0.0f;
    if (p < 0.5f) {
        float e = (p - 0.3f) / 0.2f;
        pose.x2 = (1.0f - e) * STAIR_X;
        pose.y2 = (1.0f - e) * STAIR_Y;
        return pose;
    }
    pose.x2 = pose.y2 = 0.0f;
    if (p < 0.7f) {
        pose.z2 = (1.0f - (p - 0.5f) / 0.2f) * STAIR_FOLD;
        return pose;
    }
    pose.z2 = 0.0f;
    if (p < 0.75f) {
        pose.r = OUTER_DOOR_STEP * (p - 0.7f) / 0.05f;
    } else if (p < 0.95f) {
        float h = outer_door_turn(p);
        pose.r = OUTER_DOOR_STEP + OUTER_DOOR_SLIDE * sinf(h * PI / 2.0f);
        pose.yaw = OUTER_DOOR_TURN * h;
    } else {
        pose.r = OUTER_DOOR_REACH;
        pose.yaw = OUTER_DOOR_TURN;
    }
    return pose;
}
}  // namespace

namespace acplug09 {
void second_door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    StairPose pose = stair_pose(p);
    rotate_layer(context, layers[DOOR], 0.0f, 0.0f, -pose.q);
    translate_layer(context, layers[STAIR_SLIDER], pose.x1, 0.0f, 0.0f);
    move_layer(context, layers[STAIR], {pose.x2, pose.y2, 0.0f, 0.0f}, {0.0f, 0.0f, pose.z2, 0.0f});
    move_layer(context, layers[OUTER_DOOR], {pose.r, 0.0f, 0.0f, 0.0f}, {0.0f, pose.yaw, 0.0f, 0.0f});
    bool door_open = p > 0.0f, outer_open = p >= 0.7f;
    show_layer(context, layers[DOOR_1], door_open);
    show_layer(context, layers[DOOR_2], door_open);
    show_layer(context, layers[OPENING_BODY], outer_open);
    show_layer(context, layers[OUTER_1], outer_open);
    show_layer(context, layers[OUTER_2], outer_open);
    show_layer(context, layers[LIT_STEPS], p >= 0.95f);
}
}  // namespace acplug09
