// The helicopter's flight phases. The take-off lifts the whole object 2.5 above the ground on a
// half cosine with the nose going down, the climb holds it there, the landing flares with the
// nose and the stabilizer up and settles it back to the ground; the cabin doors close for the
// flight and open at the stand. Where a phase switches the same lights as the framework's, the
// framework's start does it, without the posts that this type's numbers leave out.
#include <math.h>

#include "acplug17_routines.h"
#include "commands.h"
#include "curves.h"
#include "layer_ops.h"
#include "sequences.h"
#include "slot_clock.h"

namespace {
const float HOVER_HEIGHT = 2.5f;     // above the ground after lift-off
const float LIFTOFF_PITCH = -5.0f;   // nose down at the end of the lift-off
const float NOSE_DOWN_MORE = -5.0f;  // slot 5 lowers it this much further
const float CLIMB_PITCH = 5.0f;      // slot 7 above the flare height
const float FLARE_HEIGHT = 10.0f;
const float FLARE_PITCH = 5.0f;  // slot 11 above the flare height; twice this at the ground
const float STABILIZER_PARKED = 30.0f;
const float STABILIZER_CRUISE = 8.0f;
const float SETTLE_FLARE = 10.0f;  // slot 14's pitch while it holds
const float SETTLE_HOLD_FROM = 0.3f, SETTLE_LEVEL_FROM = 0.63f, SETTLE_DESCENT_FROM = 0.2f;

void stabilizer(KvrnContext context, KvrnLayer object, float degrees) {
    post_action(context, object, SLOT_STABILIZERS, 0, 0, degrees, 0.0f);
}

// The whole object lifted to `height`: its own translation becomes (0, height, 0), its rotation
// stays.
void lift_object(KvrnContext context, KvrnLayer object, float height) {
    translate_layer(context, object, 0.0f, height, 0.0f);
}
}  // namespace

namespace acplug17 {
int32_t seq_nav_lights_on(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                          float fval1, float fval2) {
    ::seq_nav_lights_on(context, object, slot, ival1, ival2, fval1, fval2);
    post_command(context, object, SLOT_SECOND_DOOR, 0);
    return 0;
}

int32_t seq_departure_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                            float fval1, float fval2) {
    start_clock(slot);
    ::seq_departure_setup(context, object, slot, ival1, ival2, fval1, fval2);
    return slot->duration;
}

void seq_liftoff_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    float p = slot->progress;
    lift_object(context, object, HOVER_HEIGHT * cosine_ease(p));
    post_body_pitch(context, object, LIFTOFF_PITCH * p, 0.0f);
}

int32_t seq_landing_lights_on(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                              float fval1, float fval2) {
    start_clock(slot);
    ::seq_landing_lights_on(context, object, slot, ival1, ival2, fval1, fval2);
    return slot->duration;
}

void seq_nose_down_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, LIFTOFF_PITCH + NOSE_DOWN_MORE * slot->progress, 0.0f);
}

void seq_rotate_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, (1.0f - slot->progress) * (LIFTOFF_PITCH + NOSE_DOWN_MORE), 0.0f);
}

int32_t seq_climb_pitch(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float height) {
    float degrees = height > FLARE_HEIGHT ? CLIMB_PITCH : height / FLARE_HEIGHT * CLIMB_PITCH;
    post_body_pitch(context, object, degrees, 0.0f);
    return 0;
}

int32_t seq_after_takeoff_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt, KvrnInt, float,
                                float) {
    post_command(context, object, SLOT_SECOND_DOOR, 0);
    // Every running action of the object jumps to its end: the doors stand closed and the
    // lift-off is complete.
    KVRNL_MoveAction(context, object, KVRN_CMD_TICK, -1, 0, 0.0f, 0.0f);
    start_clock(slot);
    post_command(context, object, SLOT_BEACON, 1);
    post_command(context, object, SLOT_NAV_LIGHTS, 1);
    post_command(context, object, SLOT_LANDING_LIGHTS, 0);
    post_command(context, object, SLOT_FRONT_LIGHT, 0);
    lift_object(context, object, HOVER_HEIGHT);
    return slot->duration;
}

void seq_after_takeoff_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    stabilizer(context, object, STABILIZER_PARKED - (STABILIZER_PARKED - STABILIZER_CRUISE) * slot->progress);
}

// The landing lights full at once; the run lasts the slot's own duration.
int32_t seq_final_config_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt, KvrnInt, float,
                               float) {
    start_clock(slot);
    post_command(context, object, SLOT_LANDING_LIGHTS, 100);
    return slot->duration;
}

void seq_final_config_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    if (slot->progress == 1.0f) post_command(context, object, SLOT_FRONT_LIGHT, 1);
}

// The nose rises from 5 at the flare height to 10 at the ground, the stabilizer from 8 to 30.
int32_t seq_flare_pitch(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float height) {
    float nose = height > FLARE_HEIGHT ? FLARE_PITCH : (1.0f - height / FLARE_HEIGHT) * FLARE_PITCH + FLARE_PITCH;
    post_body_pitch(context, object, nose, height + HOVER_HEIGHT);
    stabilizer(context, object,
               STABILIZER_CRUISE - (1.0f - nose / FLARE_PITCH) * (STABILIZER_PARKED - STABILIZER_CRUISE));
    return 0;
}

int32_t seq_touchdown_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt, float,
                            float) {
    slot->word1.i = ival1;
    start_clock(slot);
    slot->word6.f = layer_pitch(context, object);
    return slot->duration;
}

void seq_touchdown_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, (1.0f - slot->progress) * slot->word6.f, 0.0f);
    if (slot->progress == 1.0f && slot->word1.i != 0) post_command(context, object, SLOT_FRONT_LIGHT, 1, slot->word1.i);
}

int32_t seq_after_landing(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                          float fval1, float fval2) {
    start_clock(slot);
    ::seq_after_landing(context, object, slot, ival1, ival2, fval1, fval2);
    return slot->duration;
}

// The nose rises to 10 over the first 30 percent, holds, and levels out from 63 percent; the
// object descends from 2.5 to the ground from a fifth of the run on.
void seq_settle_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    float p = slot->progress;
    float nose = SETTLE_FLARE;
    if (p < SETTLE_HOLD_FROM)
        nose = SETTLE_FLARE * cosine_ease(p / SETTLE_HOLD_FROM);
    else if (p >= SETTLE_LEVEL_FROM)
        nose = SETTLE_FLARE - SETTLE_FLARE * sinf(PI / 2.0f * (p - SETTLE_LEVEL_FROM) / (1.0f - SETTLE_LEVEL_FROM));
    rotate_layer(context, object, nose, 0.0f, 0.0f);
    float height = HOVER_HEIGHT;
    if (p >= SETTLE_DESCENT_FROM)
        height = HOVER_HEIGHT * (1.0f + cosf(PI * (p - SETTLE_DESCENT_FROM) / (1.0f - SETTLE_DESCENT_FROM))) / 2.0f;
    lift_object(context, object, height);
}

int32_t seq_beacon_off(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                       float fval1, float fval2) {
    ::seq_beacon_off(context, object, slot, ival1, ival2, fval1, fval2);
    post_command(context, object, SLOT_SECOND_DOOR, 1);
    return 0;
}

int32_t seq_nav_lights_off(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                           float fval1, float fval2) {
    ::seq_nav_lights_off(context, object, slot, ival1, ival2, fval1, fval2);
    post_command(context, object, SLOT_SECOND_DOOR, 0);
    return 0;
}
}  // namespace acplug17
