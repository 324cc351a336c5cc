// acplug09's body pitch, which lifts the body as it pitches, and its two slats, which swing
// about the vertical axis.
#include "acplug09_routines.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
const float LIFT_PER_DEGREE = 0.5f / 7.0f;  // the body stands 0.5 higher at the climb pitch of 7
const float SLAT_SWING = 2.0f;              // degrees about y at full extension
enum SlatLayer { SLAT_SHOWN, SLAT_1, SLAT_2 };
}  // namespace

namespace acplug09 {
int32_t body_pitch_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float pitch, float) {
    KvrnLayer root = slot->layers[0];
    // Only the height changes: the root's place on the ground is where taxi and pushback put it.
    KvrnVector translation = {}, rotation = {}, scale = {};
    KVRNL_GetMoveLayer(context, root, &translation, &rotation, &scale, 0, 0);
    translation.y = pitch * LIFT_PER_DEGREE;
    move_layer(context, root, translation, {pitch, 0.0f, 0.0f, 0.0f});
    return 0;
}

void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float swing = SLAT_SWING * surface_setting(slot);
    rotate_layer(context, slot->layers[SLAT_1], 0.0f, swing, 0.0f);
    rotate_layer(context, slot->layers[SLAT_2], 0.0f, -swing, 0.0f);
    show_layer(context, slot->layers[SLAT_SHOWN], !surface_retracted(slot));
}
}  // namespace acplug09
