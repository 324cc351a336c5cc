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

// Posts `command` with two integers and both floats 0.
void post_command(KvrnContext context, KvrnLayer object, int32_t command, int32_t ival1 = 0, int32_t ival2 = 0);

// Pitches the body (slot 20) to `degrees` at `height` above the ground, then the type's pitch
// follower (TypeNumbers::pitch_follower) to the same pitch. Every body pitch of the sequences
// goes through it.
void post_body_pitch(KvrnContext context, KvrnLayer object, float degrees, float height);

// A slot word that the reset sets to 0.
struct SlotWordClear {
    int32_t slot, word;
};

// A post that a type adds to the reference reset, made right after the reference post of
// `after`.
struct ResetInsert {
    int32_t after;
    PostRow post;
};

// A type's reset: the reference reset (gear down, surfaces stowed, engines and lights off, pitch
// 0, door closed, light 7 off, the gear slot's word5 cleared once the gear is posted down) with
// the type's changes.
struct ResetPlan {
    List<int32_t> left_out;      // reference posts the type does not make, by command
    List<ResetInsert> inserted;  // the type's own posts, in order
    List<SlotWordClear> clears;  // cleared beside the reference's word, once the gear is posted down
};

// The reference reset, unchanged.
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
