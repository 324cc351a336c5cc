// Flight-phase sequences (slots 2 to 16) and the reset to the parked state (command 0).
// Each starts other slots of the same object through post_action; the timed ones also
// pitch the body (slot 20, fval1 = pitch, fval2 = height) over their run.
#pragma once

#include "action_slot.h"
#include "slot_builder.h"

// A command one slot posts to another, as a row of a table.
struct PostRow {
    int32_t command, ival1, ival2;
    float fval1, fval2;
};

void run_posts(KvrnContext context, KvrnLayer object, const PostRow* rows, size_t count);

// Pitches the body (slot 20) to `degrees` at `height` above the ground, then the type's pitch
// follower (TypeNumbers::pitch_follower) to the same pitch. Every body pitch of the sequences
// goes through it.
void post_body_pitch(KvrnContext context, KvrnLayer object, float degrees, float height);

// A slot word that the reset sets to 0.
struct SlotWordClear {
    int32_t slot, word;
};

// What the reset does: the posts in order, with the slot words cleared after the first
// `clears_after` of them.
struct ResetPlan {
    List<PostRow> posts;
    size_t clears_after;
    List<SlotWordClear> clears;
};

// The reference reset: gear down, surfaces stowed, engines and lights off, pitch 0, door closed,
// and the gear slot's word5 cleared once the gear is posted down.
extern const ResetPlan reference_reset_plan;

// Command 0: runs the type's reset plan (the reference plan when it has none).
void reset_actions(KvrnContext context, KvrnLayer object);

// Immediate sequences; ival1 of 2, 5 and 14 chooses whether "rolight", logo light and strobes
// take part; ival1 of 4 is the "frlight" state. Return 0.
StartRoutine seq_nav_lights_on;
StartRoutine seq_beacon_on;
StartRoutine seq_departure_setup;
StartRoutine seq_landing_lights_on;
StartRoutine seq_climb_pitch;
StartRoutine seq_approach_flaps;
StartRoutine seq_flare_pitch;
StartRoutine seq_after_landing;
StartRoutine seq_beacon_off;
StartRoutine seq_nav_lights_off;

// Timed sequences: each start runs the clock from 0 and returns the duration.
// Slot 6, rotation: pitch up over the run.
StartRoutine seq_rotate_start;
UpdateRoutine seq_rotate_update;
// Slot 8, after take-off: word5 = height (fval2), word6 = body pitch at the start, lowered to 0.
StartRoutine seq_after_takeoff_start;
UpdateRoutine seq_after_takeoff_update;
// Slot 10, final configuration: word5 = height (fval2); runs as long as the gear.
StartRoutine seq_final_config_start;
UpdateRoutine seq_final_config_update;
// Slot 12, touchdown: word1 = "frlight" state for the front light at the end (0: none).
StartRoutine seq_touchdown_start;
UpdateRoutine seq_touchdown_update;
// Slot 13, roll-out: spoilers and reversers out for the run, stowed at its end.
StartRoutine seq_rollout_start;
UpdateRoutine seq_rollout_update;
