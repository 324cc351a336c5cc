#include "sequences.h"

#include "aircraft_type.h"
#include "layer_ops.h"
#include "slot_clock.h"
#include "type_numbers.h"

namespace {
// A post of a sequence slot: made through post_action unless the type's variant of that
// sequence leaves it out. A post to a slot the type does not build still writes the record.
void post(KvrnContext context, KvrnLayer object, int32_t sequence, int32_t command, int32_t ival1 = 0,
          int32_t ival2 = 0) {
    if (command >= 0 && command < 64 && (type_numbers().posts_left_out[sequence] >> command & 1u)) return;
    post_command(context, object, command, ival1, ival2);
}

// Height of slots 8 and 10: the one their start was given, or the type's held height.
float airborne_height(const ActionSlot* slot) {
    float held = type_numbers().held_height;
    return held != 0.0f ? held : slot->word5.f;
}

int32_t run_clock(ActionSlot* slot) {
    start_clock(slot);
    return slot->duration;
}

const PostRow parked_posts[] = {
    {SLOT_LEVEL1, 5, 0, 0, 0},  // hides "Level1"
    {SLOT_SPOILERS, 0, 0, 0, 0},     {SLOT_REVERSERS, 0, 0, 0, 0},
    {SLOT_FLAPS, 0, 0, 0, 0},        {SLOT_SLATS, 0, 0, 0, 0},
    {SLOT_NOSE_STEER, 0, 0, 0, 0},   {SLOT_GEAR, 1, 0, 0, 0},  // gear down; then the gear slot's word5 is cleared
    {SLOT_ENGINES, 0, 0, 0, 0},                                // engines to 0, one after the other
    {SLOT_BEACON, 0, 0, 0, 0},       {SLOT_NAV_LIGHTS, 0, 0, 0, 0},
    {SLOT_ROLIGHT, 0, 0, 0, 0},      {SLOT_LANDING_LIGHTS, 0, 0, 0, 0},
    {SLOT_FRONT_LIGHT, 0, 0, 0, 0},  {SLOT_LOGO_LIGHT, 0, 0, 0, 0},
    {SLOT_STROBES, 0, 0, 0, 0},      {SLOT_BODY_PITCH, 0, 0, 0, 0},  // level
    {SLOT_DOOR, 0, 0, 0, 0},                                         // closed
    {SLOT_LIGHT_PARAMS, 0, 0, 0, 0},                                 // light 7 off
};
const SlotWordClear parked_clears[] = {{SLOT_GEAR, 5}};

const ResetPlan* type_reset_plan() {
    return aircraft_type && aircraft_type->reset_plan ? aircraft_type->reset_plan : &reference_reset_plan;
}

bool left_out(const List<int32_t>& commands, int32_t command) {
    for (size_t i = 0; i < commands.count; ++i)
        if (commands.items[i] == command) return true;
    return false;
}

void clear_words(KvrnContext context, KvrnLayer object, const List<SlotWordClear>& clears) {
    for (size_t i = 0; i < clears.count; ++i) {
        const SlotWordClear& clear = clears.items[i];
        ActionSlot* slot = get_action_slot(context, object, clear.slot);
        if (slot && clear.word >= 1 && clear.word <= 8) slot_word(slot, clear.word)->u = 0;
    }
}

void post_row(KvrnContext context, KvrnLayer object, const PostRow& row) {
    post_action(context, object, row.command, row.ival1, row.ival2, row.fval1, row.fval2);
}
}  // namespace

void post_command(KvrnContext context, KvrnLayer object, int32_t command, int32_t ival1, int32_t ival2) {
    post_action(context, object, command, ival1, ival2, 0.0f, 0.0f);
}

void post_body_pitch(KvrnContext context, KvrnLayer object, float degrees, float height) {
    post_action(context, object, SLOT_BODY_PITCH, 0, 0, degrees, height);
    int32_t follower = type_numbers().pitch_follower;
    if (follower != 0) post_action(context, object, follower, 0, 0, degrees, 0.0f);
}

extern constexpr ResetPlan reference_reset_plan = {};

// The reference posts in order, less those the type leaves out, each followed by the type's
// posts inserted after it; the slot words are cleared once the gear is posted down.
void reset_actions(KvrnContext context, KvrnLayer object) {
    const ResetPlan* plan = type_reset_plan();
    for (const PostRow& row : parked_posts) {
        if (!left_out(plan->left_out, row.command)) {
            post_row(context, object, row);
            if (row.command == SLOT_GEAR) {
                clear_words(context, object, list_of(parked_clears));
                clear_words(context, object, plan->clears);
            }
        }
        for (size_t i = 0; i < plan->inserted.count; ++i)
            if (plan->inserted.items[i].after == row.command) post_row(context, object, plan->inserted.items[i].post);
    }
}

int32_t seq_nav_lights_on(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt ival1, KvrnInt, float, float) {
    if (ival1 != 0) {
        post(context, object, SEQ_NAV_LIGHTS_ON, SLOT_ROLIGHT, 100);
        post(context, object, SEQ_NAV_LIGHTS_ON, SLOT_LOGO_LIGHT, 1);
    }
    post(context, object, SEQ_NAV_LIGHTS_ON, SLOT_NAV_LIGHTS, 1);
    return 0;
}

int32_t seq_beacon_on(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float) {
    post(context, object, SEQ_BEACON_ON, SLOT_BEACON, 1);
    return 0;
}

int32_t seq_departure_setup(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt ival1, KvrnInt, float, float) {
    post(context, object, SEQ_DEPARTURE, SLOT_FRONT_LIGHT, 1, ival1);
    post(context, object, SEQ_DEPARTURE, SLOT_FLAPS, 30);
    post(context, object, SEQ_DEPARTURE, SLOT_BEACON, 1);
    return 0;
}

int32_t seq_landing_lights_on(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt ival1, KvrnInt, float,
                              float) {
    if (ival1 != 0) post(context, object, SEQ_LANDING_LIGHTS_ON, SLOT_ROLIGHT, 50);
    post(context, object, SEQ_LANDING_LIGHTS_ON, SLOT_LANDING_LIGHTS, 100);
    return 0;
}

int32_t seq_climb_pitch(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float height) {
    post_body_pitch(context, object, type_numbers().climb_pitch, height);
    return 0;
}

int32_t seq_approach_flaps(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float) {
    post(context, object, SEQ_APPROACH, SLOT_FLAPS, 50);
    post(context, object, SEQ_APPROACH, SLOT_SLATS, 50);
    return 0;
}

int32_t seq_flare_pitch(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float height) {
    const TypeNumbers& numbers = type_numbers();
    float degrees = numbers.flare_pitch;
    if (height <= numbers.flare_height && numbers.flare_height > 0.0f)
        degrees += (1.0f - height / numbers.flare_height) * numbers.flare_rise;
    post_body_pitch(context, object, degrees, height);
    return 0;
}

int32_t seq_after_landing(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt ival1, KvrnInt, float, float) {
    if (ival1 != 0) post(context, object, SEQ_AFTER_LANDING, SLOT_ROLIGHT, 100);
    post(context, object, SEQ_AFTER_LANDING, SLOT_FLAPS, 0);
    post(context, object, SEQ_AFTER_LANDING, SLOT_SLATS, 0);
    post(context, object, SEQ_AFTER_LANDING, SLOT_LANDING_LIGHTS, 0);
    return 0;
}

int32_t seq_beacon_off(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float) {
    post(context, object, SEQ_BEACON_OFF, SLOT_FRONT_LIGHT, 0, 0);
    post(context, object, SEQ_BEACON_OFF, SLOT_BEACON, 0);
    return 0;
}

int32_t seq_nav_lights_off(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float) {
    post(context, object, SEQ_NAV_LIGHTS_OFF, SLOT_ROLIGHT, 0);
    post(context, object, SEQ_NAV_LIGHTS_OFF, SLOT_LOGO_LIGHT, 0);
    post(context, object, SEQ_NAV_LIGHTS_OFF, SLOT_NAV_LIGHTS, 0);
    return 0;
}

int32_t seq_rotate_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt, KvrnInt, float, float) {
    post(context, object, SEQ_ROTATE, SLOT_FRONT_LIGHT, 1, 0);
    return run_clock(slot);
}

void seq_rotate_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, type_numbers().rotate_pitch * slot->progress, 0.0f);
}

int32_t seq_after_takeoff_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt, float,
                                float height) {
    slot->word5.f = height;
    slot->word6.f = layer_pitch(context, object);
    if (ival1 != 0) {
        post(context, object, SEQ_AFTER_TAKEOFF, SLOT_ROLIGHT, 100);
        post(context, object, SEQ_AFTER_TAKEOFF, SLOT_LOGO_LIGHT, 1);
        post(context, object, SEQ_AFTER_TAKEOFF, SLOT_STROBES, 1);
    }
    post(context, object, SEQ_AFTER_TAKEOFF, SLOT_BEACON, 1);
    post(context, object, SEQ_AFTER_TAKEOFF, SLOT_GEAR, 0);  // gear up
    post(context, object, SEQ_AFTER_TAKEOFF, SLOT_NAV_LIGHTS, 1);
    post(context, object, SEQ_AFTER_TAKEOFF, SLOT_FLAPS, 0);
    post(context, object, SEQ_AFTER_TAKEOFF, SLOT_LANDING_LIGHTS, 0);
    post(context, object, SEQ_AFTER_TAKEOFF, SLOT_FRONT_LIGHT, 0, 0);
    return run_clock(slot);
}

void seq_after_takeoff_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, (1.0f - slot->progress) * slot->word6.f, airborne_height(slot));
}

int32_t seq_final_config_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt, float,
                               float height) {
    slot->word5.f = height;
    // The final configuration lasts as long as the gear takes to come down.
    ActionSlot* gear = get_action_slot(context, object, SLOT_GEAR);
    if (gear && gear->timed) slot->duration = gear->duration;
    if (ival1 != 0) {
        post(context, object, SEQ_FINAL, SLOT_ROLIGHT, 0);
        post(context, object, SEQ_FINAL, SLOT_STROBES, 0);
    }
    post(context, object, SEQ_FINAL, SLOT_FLAPS, 100);
    post(context, object, SEQ_FINAL, SLOT_SLATS, 100);
    post(context, object, SEQ_FINAL, SLOT_GEAR, 1);  // gear down
    post(context, object, SEQ_FINAL, SLOT_LANDING_LIGHTS, 100);
    return run_clock(slot);
}

void seq_final_config_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, type_numbers().final_pitch * slot->progress, airborne_height(slot));
    if (slot->progress == 1.0f) post(context, object, SEQ_FINAL, SLOT_FRONT_LIGHT, 1, 0);
}

int32_t seq_touchdown_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    slot->word1.i = ival1;
    return run_clock(slot);
}

void seq_touchdown_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    post_body_pitch(context, object, (1.0f - slot->progress) * type_numbers().touchdown_pitch, 0.0f);
    if (slot->progress == 1.0f && slot->word1.i != 0)
        post(context, object, SEQ_TOUCHDOWN, SLOT_FRONT_LIGHT, 1, slot->word1.i);
}

int32_t seq_rollout_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt, KvrnInt, float, float) {
    post(context, object, SEQ_ROLLOUT, SLOT_SPOILERS, 1);
    post(context, object, SEQ_ROLLOUT, SLOT_REVERSERS, 1);
    return run_clock(slot);
}

void seq_rollout_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    if (slot->progress == 1.0f) {
        post(context, object, SEQ_ROLLOUT, SLOT_SPOILERS, 0);
        post(context, object, SEQ_ROLLOUT, SLOT_REVERSERS, 0);
    }
}
