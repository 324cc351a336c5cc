// acplug15's afterburner (slot 61) and stabilators (slot 71).
#include "acplug15_routines.h"
#include "layer_ops.h"

namespace {
const int32_t FULL_CHANGE_MS = 2000;  // afterburner from out to full length
// The stabilators stand at STABILATOR_ANGLE when the body is pitched to BODY_PITCH.
const float BODY_PITCH = 6.0f;
const float STABILATOR_ANGLE = -20.0f;
}  // namespace

namespace acplug15 {
int32_t afterburner_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    uint32_t target = ival1 != 0 ? 100 : 0;
    slot->running = 1;
    slot->direction = 1;
    slot->word2.u = slot->word1.u;
    slot->word1.u = target;
    slot->elapsed = 0;
    int32_t change = static_cast<int32_t>(target) - static_cast<int32_t>(slot->word2.u);
    if (change < 0) change = -change;
    slot->duration = change * FULL_CHANGE_MS / 100;
    return slot->duration;
}

void afterburner_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float from = static_cast<float>(slot->word2.u);
    float to = static_cast<float>(slot->word1.u);
    float length = (from + (to - from) * slot->progress) / 100.0f;
    KvrnVector scale = {1.0f, 1.0f, length, 0.0f};
    KVRNL_MoveLayer(context, slot->layers[0], nullptr, nullptr, &scale, 0, 0);
    show_layer(context, slot->layers[0], length != 0.0f);
}

int32_t stabilator_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float pitch, float) {
    float angle = pitch / BODY_PITCH * STABILATOR_ANGLE;
    rotate_layer(context, slot->layers[0], angle, 0.0f, 0.0f);
    rotate_layer(context, slot->layers[1], angle, 0.0f, 0.0f);
    return 0;
}
}  // namespace acplug15
