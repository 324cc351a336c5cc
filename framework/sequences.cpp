#include "sequences.h"

#include "slot_clock.h"
#include "type_numbers.h"

namespace {
enum {
    LEVEL1 = 1, SPOILERS = 21, REVERSERS = 22, FLAPS = 23, SLATS = 24, NOSE_STEER = 25, ENGINES = 28,
    BEACON = 30, NAV_LIGHTS = 31, ROLIGHT = 32, LANDING_LIGHTS = 33, FRONT_LIGHT = 34, LOGO_LIGHT = 35,
    STROBES = 36, DOOR = 37, LIGHT_PARAMS = 19,
};

void post(KvrnContext context, KvrnLayer object, int32_t command, int32_t ival1 = 0, int32_t ival2 = 0) {
    post_action(context, object, command, ival1, ival2, 0.0f, 0.0f);
}

void pitch(KvrnContext context, KvrnLayer object, float degrees, float height) {
    post_action(context, object, BODY_PITCH_SLOT, 0, 0, degrees, height);
}

int32_t run_clock(ActionSlot* slot) {
    start_clock(slot);
    return slot->duration;
}

const PostRow parked_posts[] = {
    {LEVEL1, 5, 0, 0, 0},          // hides "Level1"
    {SPOILERS, 0, 0, 0, 0},        {REVERSERS, 0, 0, 0, 0}, {FLAPS, 0, 0, 0, 0},
    {SLATS, 0, 0, 0, 0},           {NOSE_STEER, 0, 0, 0, 0},
    {GEAR_SLOT, 1, 0, 0, 0},       // gear down
};
const PostRow parked_posts_after_gear[] = {
    {ENGINES, 0, 0, 0, 0},         // engines to 0, one after the other
    {BEACON, 0, 0, 0, 0},          {NAV_LIGHTS, 0, 0, 0, 0}, {ROLIGHT, 0, 0, 0, 0},
    {LANDING_LIGHTS, 0, 0, 0, 0},  {FRONT_LIGHT, 0, 0, 0, 0}, {LOGO_LIGHT, 0, 0, 0, 0},
    {STROBES, 0, 0, 0, 0},
    {BODY_PITCH_SLOT, 0, 0, 0, 0}, // level
    {DOOR, 0, 0, 0, 0},            // closed
    {LIGHT_PARAMS, 0, 0, 0, 0},    // light 7 off
};
}  // namespace

void run_posts(KvrnContext context, KvrnLayer object, const PostRow* rows, size_t count) {
    for (size_t i = 0; i < count; ++i)
        post_action(context, object, rows[i].command, rows[i].ival1, rows[i].ival2, rows[i].fval1, rows[i].fval2);
}

void reset_actions(KvrnContext context, KvrnLayer object) {
    run_posts(context, object, parked_posts);
    if (ActionSlot* gear = get_action_slot(context, object, GEAR_SLOT)) gear->word5.f = 0.0f;
    run_posts(context, object, parked_posts_after_gear);
}

int32_t seq_nav_lights_on(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t ival1, int32_t, float,
                          float) {
    if (ival1 != 0) {
        post(context, object, ROLIGHT, 100);
        post(context, object, LOGO_LIGHT, 1);
    }
    post(context, object, NAV_LIGHTS, 1);
    return 0;
}

int32_t seq_beacon_on(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t, int32_t, float, float) {
    post(context, object, BEACON, 1);
    return 0;
}

int32_t seq_departure_setup(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t ival1, int32_t, float,
                            float) {
    post(context, object, FRONT_LIGHT, 1, ival1);
    post(context, object, FLAPS, 30);
    post(context, object, BEACON, 1);
    return 0;
}

int32_t seq_landing_lights_on(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t ival1, int32_t, float,
                              float) {
    if (ival1 != 0) post(context, object, ROLIGHT, 50);
    post(context, object, LANDING_LIGHTS, 100);
    return 0;
}

int32_t seq_climb_pitch(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t, int32_t, float, float height) {
    pitch(context, object, type_numbers().climb_pitch, height);
    return 0;
}

int32_t seq_approach_flaps(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t, int32_t, float, float) {
    post(context, object, FLAPS, 50);
    post(context, object, SLATS, 50);
    return 0;
}

int32_t seq_flare_pitch(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t, int32_t, float, float height) {
    const TypeNumbers& numbers = type_numbers();
    float degrees = numbers.flare_pitch;
    if (height <= numbers.flare_height && numbers.flare_height > 0.0f)
        degrees += (1.0f - height / numbers.flare_height) * numbers.flare_rise;
    pitch(context, object, degrees, height);
    return 0;
}

int32_t seq_after_landing(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t ival1, int32_t, float,
                          float) {
    if (ival1 != 0) post(context, object, ROLIGHT, 100);
    post(context, object, FLAPS, 0);
    post(context, object, SLATS, 0);
    post(context, object, LANDING_LIGHTS, 0);
    return 0;
}

int32_t seq_beacon_off(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t, int32_t, float, float) {
    post(context, object, FRONT_LIGHT, 0, 0);
    post(context, object, BEACON, 0);
    return 0;
}

int32_t seq_nav_lights_off(KvrnContext context, KvrnLayer object, ActionSlot*, int32_t, int32_t, float, float) {
    post(context, object, ROLIGHT, 0);
    post(context, object, LOGO_LIGHT, 0);
    post(context, object, NAV_LIGHTS, 0);
    return 0;
}

int32_t seq_rotate_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t, int32_t, float, float) {
    post(context, object, FRONT_LIGHT, 1, 0);
    return run_clock(slot);
}

void seq_rotate_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    pitch(context, object, type_numbers().rotate_pitch * slot->progress, 0.0f);
}

int32_t seq_after_takeoff_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t,
                                float, float height) {
    slot->word5.f = height;
    KvrnVector translation = {}, rotation = {}, scale = {};
    KVRNL_GetMoveLayer(context, object, &translation, &rotation, &scale, 0, 0);
    slot->word6.f = rotation.x;
    if (ival1 != 0) {
        post(context, object, ROLIGHT, 100);
        post(context, object, LOGO_LIGHT, 1);
        post(context, object, STROBES, 1);
    }
    post(context, object, BEACON, 1);
    post(context, object, GEAR_SLOT, 0);  // gear up
    post(context, object, NAV_LIGHTS, 1);
    post(context, object, FLAPS, 0);
    post(context, object, LANDING_LIGHTS, 0);
    post(context, object, FRONT_LIGHT, 0, 0);
    return run_clock(slot);
}

void seq_after_takeoff_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    pitch(context, object, (1.0f - slot->progress) * slot->word6.f, slot->word5.f);
}

int32_t seq_final_config_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t,
                               float, float height) {
    slot->word5.f = height;
    // The final configuration lasts as long as the gear takes to come down.
    ActionSlot* gear = get_action_slot(context, object, GEAR_SLOT);
    if (gear && gear->timed) slot->duration = gear->duration;
    if (ival1 != 0) {
        post(context, object, ROLIGHT, 0);
        post(context, object, STROBES, 0);
    }
    post(context, object, FLAPS, 100);
    post(context, object, SLATS, 100);
    post(context, object, GEAR_SLOT, 1);  // gear down
    post(context, object, LANDING_LIGHTS, 100);
    return run_clock(slot);
}

void seq_final_config_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    pitch(context, object, type_numbers().final_pitch * slot->progress, slot->word5.f);
    if (slot->progress == 1.0f) post(context, object, FRONT_LIGHT, 1, 0);
}

int32_t seq_touchdown_start(KvrnContext, KvrnLayer, ActionSlot* slot, int32_t ival1, int32_t, float, float) {
    slot->word1.i = ival1;
    return run_clock(slot);
}

void seq_touchdown_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    pitch(context, object, (1.0f - slot->progress) * type_numbers().touchdown_pitch, 0.0f);
    if (slot->progress == 1.0f && slot->word1.i != 0) post(context, object, FRONT_LIGHT, 1, slot->word1.i);
}

int32_t seq_rollout_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t, int32_t, float, float) {
    post(context, object, SPOILERS, 1);
    post(context, object, REVERSERS, 1);
    return run_clock(slot);
}

void seq_rollout_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    if (slot->progress == 1.0f) {
        post(context, object, SPOILERS, 0);
        post(context, object, REVERSERS, 0);
    }
}
