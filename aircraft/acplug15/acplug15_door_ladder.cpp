// acplug15's cockpit door and boarding ladder (slot 62). The door swings up to 30 degrees over
// the first nine tenths of a run. The ladder's phases are fixed times within the run: going to
// state 1, "ps01" fades in over the first second and the ladder "trap" goes at the second;
// going to state 0, the ladder is back at the first second and "ps01" fades out over the third.
#include "acplug15_routines.h"
#include "layer_ops.h"

namespace {
enum DoorLadderLayer { DOOR, PS01, LADDER };
const float DOOR_OPEN = 30.0f;       // degrees about x
const float DOOR_SWING_PART = 0.9f;  // of the run
const float PHASE_MS = 1000.0f;      // each ladder phase
const float INVISIBLE = 255.0f;

// How far the door stands open (0..1) at progress p of a run towards `opening`.
float door_opening(float p, bool opening) {
    float towards = opening ? p : 1.0f - p;
    return towards < DOOR_SWING_PART ? towards / DOOR_SWING_PART : 1.0f;
}

struct LadderPose {
    uint32_t transparency;  // of "ps01"
    bool ps01_shown, ladder_shown;
};

// The ladder at progress p of a run of `duration` ms towards `state`.
LadderPose ladder_pose(float p, int32_t duration, bool state) {
    float a = PHASE_MS / duration, b = 2.0f * PHASE_MS / duration, c = 3.0f * PHASE_MS / duration;
    if (state) {
        if (p == 0.0f) return {255, false, false};
        if (p < a) return {static_cast<uint32_t>(INVISIBLE - p / a * INVISIBLE), true, true};
        return {0, true, p < b};
    }
    if (p < a) return {0, true, false};
    if (p < b) return {0, true, true};
    if (p < c) return {static_cast<uint32_t>((p - b) / a * INVISIBLE), true, true};
    return {255, false, true};
}
}  // namespace

namespace acplug15 {
void door_ladder_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    if (slot->word3.u != slot->word1.u) {
        float open = door_opening(p, slot->word3.u != 0);
        rotate_layer(context, slot->layers[DOOR], DOOR_OPEN * open, 0.0f, 0.0f);
        if (p == 1.0f) slot->word1.u = slot->word3.u;
    }
    if (slot->word4.u != slot->word2.u && slot->duration > 0) {
        LadderPose pose = ladder_pose(p, slot->duration, slot->word4.u != 0);
        set_transparency(context, slot->layers[PS01], pose.transparency);
        show_layer(context, slot->layers[PS01], pose.ps01_shown);
        show_layer(context, slot->layers[LADDER], pose.ladder_shown);
        if (p == 1.0f) slot->word2.u = slot->word4.u;
    }
}
}  // namespace acplug15
