// Slot 42: the scripted landing run.
#include "landing_run.h"

#include <math.h>

#include "layer_ops.h"
#include "type_numbers.h"

namespace {
const float START_SPEED = 200.0f;    // km/h
const float BRAKING = 10.0f;         // km/h per second on the roll-out
const float SWAY_PERIOD = 20000.0f;  // ms
const wchar_t SLIP_NAME[] = L"Slip";

void run_command(KvrnContext context, KvrnLayer object, int32_t command, KvrnInt ival1, KvrnInt ival2, float fval1,
                 float fval2) {
    KVRNL_MoveAction(context, object, command, ival1, ival2, fval1, fval2);
}

void jump_to_end(KvrnContext context, KvrnLayer object) {
    run_command(context, object, KVRN_CMD_TICK, -1, 0, 0.0f, 0.0f);
}

// The sway clock runs on by the step and drops whole periods while it is past one; a clock at
// exactly a period stays there. Taken in one division, so that a huge step ends at once.
float advance_sway_clock(float clock, int32_t step_ms) {
    clock += static_cast<float>(step_ms);
    if (clock > SWAY_PERIOD) {
        clock = fmodf(clock, SWAY_PERIOD);
        if (clock == 0.0f) clock = SWAY_PERIOD;
    }
    return clock;
}

// Roll in degrees: three and five sway cycles per period, faded out near the ground.
float sway_roll(float clock, float height) {
    float t = clock / SWAY_PERIOD;
    float roll = 3.0f * sinf(t * 18.849556f) + sinf(t * 31.415928f);
    if (height < 10.0f) roll = roll * height / 10.0f;
    return roll;
}

void tell_slip(KvrnContext context, KvrnLayer object, const KvrnVector* translation, float speed) {
    KvrnLayer slip = find_scene_layer(context, SLIP_NAME);
    if (slip)
        run_command(context, slip, SLIP_START, static_cast<KvrnInt>(object), reinterpret_cast<KvrnInt>(translation),
                    180.0f, speed);
}

// Height above the runway at distance d before the touchdown point: the glide line, the flare
// curve from height 25 at distance 200 down to 0 at the point, and 0 past it.
float landing_height(float d) {
    float height = 0.0f;
    if (d >= 0.0f) {
        height = 0.15f * d - 5.0f;
        if (d < 200.0f) {
            float f = 1.0f - d / 200.0f;
            height = 5.0f * f * f + 0.15f * d - 5.0f;
        }
        if (height < 0.0f) height = 0.0f;
    }
    return height;
}
}  // namespace

int32_t landing_demo_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                           float fval1, float) {
    const TypeNumbers& numbers = type_numbers();
    slot->word5.f = fval1;
    slot->word6.f = START_SPEED;
    if (!numbers.landing_keeps_sway) slot->word7.f = 0.0f;
    slot->running = 1;
    slot->elapsed = 0;
    slot->word1.i = ival1;
    slot->word2.u = static_cast<uint32_t>(ival2);
    slot->word3.i = 0;
    slot->word4.i = 0;
    // Straight into landing configuration; each jump to the end also runs this run a second on.
    run_command(context, object, SEQ_AFTER_TAKEOFF, ival1, 0, 0.0f, 0.0f);
    jump_to_end(context, object);
    run_command(context, object, SEQ_APPROACH, ival1, 0, 0.0f, 0.0f);
    jump_to_end(context, object);
    run_command(context, object, SEQ_FINAL, ival1, 0, 0.0f, 0.0f);
    slot->word3.i = SEQ_FINAL;
    // Without this last jump the final configuration runs on its own clocks during the approach.
    if (numbers.landing_final_snap) jump_to_end(context, object);
    return -1;
}

void landing_demo_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    float d = slot->word5.f;
    float v = slot->word6.f;
    float dt = static_cast<float>(slot->last_step) / 1000.0f;
    int32_t flag = slot->word1.i;
    float height = 0.0f;

    if (d < -300.0f) {
        v -= BRAKING * dt;
        if (v < 0.0f) v = 0.0f;
        if (slot->word3.i != SEQ_ROLLOUT) {
            run_command(context, object, SEQ_ROLLOUT, flag, 0, 0.0f, 0.0f);
            slot->word3.i = SEQ_ROLLOUT;
        }
    } else if (d < -100.0f) {
        if (slot->word3.i != SEQ_TOUCHDOWN) {
            run_command(context, object, SEQ_TOUCHDOWN, flag, 0, 0.0f, 0.0f);
            slot->word3.i = SEQ_TOUCHDOWN;
        }
    } else {
        height = landing_height(d);
        if (d < 200.0f) {
            run_command(context, object, SEQ_FLARE, flag, 0, 0.0f, height);
            slot->word3.i = SEQ_FLARE;
        }
    }
    if (v <= 0.0f) slot->running = 0;
    d -= v * 1000.0f / 3600.0f * dt;
    slot->word5.f = d;
    slot->word6.f = v;

    slot->word7.f = advance_sway_clock(slot->word7.f, slot->last_step);

    KvrnVector translation = {0.0f, height, d, 0.0f};
    KvrnVector rotation = {0.0f, 0.0f, sway_roll(slot->word7.f, height), 0.0f};
    KVRNL_MoveLayer(context, slot->word2.u, &translation, &rotation, nullptr, 0, 0);

    if (height == 0.0f && slot->word4.i == 0) {
        tell_slip(context, object, &translation, v);
        slot->word4.i = 1;
    }
}
