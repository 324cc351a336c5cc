// Flight-phase sequences (slots 2 to 16) and the reset to the parked state (command 0).
// Each starts other slots of the same object through post_action; the timed ones also
// pitch the body (slot 20, fval1 = pitch, fval2 = height) over their run.
#pragma once

#include "action_slot.h"

enum { BODY_PITCH_SLOT = 20, GEAR_SLOT = 27 };

// A command one slot posts to another, as a row of a table.
struct PostRow {
    int32_t command, ival1, ival2;
    float fval1, fval2;
};

void run_posts(KvrnContext context, KvrnLayer object, const PostRow* rows, size_t count);
template <size_t N>
void run_posts(KvrnContext context, KvrnLayer object, const PostRow (&rows)[N]) {
    run_posts(context, object, rows, N);
}

// Command 0: gear down, surfaces stowed, engines and lights off, pitch 0, door closed.
void reset_actions(KvrnContext context, KvrnLayer object);

// Immediate sequences; ival1 of 2, 5 and 14 chooses whether "rolight", logo light and strobes
// take part; ival1 of 4 is the "frlight" state. Return 0.
int32_t seq_nav_lights_on(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                          float fval1, float fval2);
int32_t seq_beacon_on(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                      float fval1, float fval2);
int32_t seq_departure_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                            float fval1, float fval2);
int32_t seq_landing_lights_on(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1,
                              int32_t ival2, float fval1, float fval2);
int32_t seq_climb_pitch(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                        float fval1, float fval2);
int32_t seq_approach_flaps(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                           float fval1, float fval2);
int32_t seq_flare_pitch(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                        float fval1, float fval2);
int32_t seq_after_landing(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                          float fval1, float fval2);
int32_t seq_beacon_off(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                       float fval1, float fval2);
int32_t seq_nav_lights_off(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                           float fval1, float fval2);

// Timed sequences: each start runs the clock from 0 and returns the duration.
// Slot 6, rotation: pitch up over the run.
int32_t seq_rotate_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                         float fval1, float fval2);
void seq_rotate_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Slot 8, after take-off: word5 = height (fval2), word6 = body pitch at the start, lowered to 0.
int32_t seq_after_takeoff_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1,
                                int32_t ival2, float fval1, float fval2);
void seq_after_takeoff_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Slot 10, final configuration: word5 = height (fval2); runs as long as the gear.
int32_t seq_final_config_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1,
                               int32_t ival2, float fval1, float fval2);
void seq_final_config_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Slot 12, touchdown: word1 = "frlight" state for the front light at the end (0: none).
int32_t seq_touchdown_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                            float fval1, float fval2);
void seq_touchdown_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Slot 13, roll-out: spoilers and reversers out for the run, stowed at its end.
int32_t seq_rollout_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                          float fval1, float fval2);
void seq_rollout_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
