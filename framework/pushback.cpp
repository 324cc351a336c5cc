// Slot 41: pushback along the type's route, by the aircraft itself or behind a tow vehicle.
#include <string.h>

#include "ground_path.h"
#include "layer_ops.h"

namespace {
// The pushback state of this module, shared by every object of the type: only one object of a
// type is pushed back at a time.
PathState pushback_state;

void set_point(KvrnVector* v, const float (&point)[2]) { *v = {point[0], 0.0f, point[1], 0.0f}; }
}  // namespace

int32_t pushback_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2, float,
                       float fval2) {
    if (ival1 == 0) {
        slot->running = 0;
        return -1;
    }
    const GroundPath* ground = type_ground_path();
    PathState* s = &pushback_state;
    slot->running = 1;
    slot->elapsed = 0;
    memset(s, 0, sizeof *s);
    s->layer = object;
    s->speed = static_cast<float>(ival2) * 1000.0f / 3600.0f;
    set_point(&s->position, ground->waypoints[0]);
    s->rotation = {0.0f, ground->start_heading, 0.0f, 0.0f};
    set_point(&s->target, ground->waypoints[1]);
    slot->word2.i = 1;
    if (fval2 == 0.0f) return -1;

    // A step of no time through the object's own slot 40 places the nose wheel.
    post_action(context, object, TOW_TAXI_STEP, path_state_argument(s), 0, 0.0f, 0.0f);
    KvrnLayer tow = find_scene_layer(context, ground->tow_name);
    if (!tow) return -1;
    s->tow = s->tow_object = tow;
    s->tow_layer = KVRNL_SearchLayer(context, tow, ground->tow_body_name);
    s->bar_layer = KVRNL_SearchLayer(context, tow, ground->tow_bar_name);
    s->hitch_offset = ground->hitch_offset;
    s->bar_length = ground->bar_length;
    s->tow_position = {s->nose.x - ground->hitch_offset - ground->bar_length, s->nose.y, s->nose.z, 0.0f};
    s->tow_rotation = {0.0f, ground->start_heading, 0.0f, 0.0f};
    s->tow_steer = 0.0f;
    s->bar_end = s->nose;
    return -1;
}

void pushback_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    PathState* s = &pushback_state;
    ActionSlot* taxi = static_cast<ActionSlot*>(slot->word1.p);
    // Another object of this type has since started its own pushback: this one is over.
    if (s->layer != object || !taxi || !taxi->start) {
        slot->running = 0;
        return;
    }
    const GroundPath* ground = type_ground_path();
    while (taxi->start(context, object, taxi, path_state_argument(s), slot->last_step, 0.0f, 0.0f) == 0) {
        int32_t next = slot->word2.i + 1;
        slot->word2.i = next;
        if (next < 1 || next >= PUSHBACK_WAYPOINTS) {
            slot->running = 0;
            return;
        }
        set_point(&s->target, ground->waypoints[next]);
    }
}

void pushback_slot_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    slot->word1.p = get_action_slot(context, object, SLOT_TAXI);
}
