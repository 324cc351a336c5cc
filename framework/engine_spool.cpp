#include "engine_spool.h"

#include "angles.h"
#include "layer_ops.h"
#include "slot_clock.h"
#include "type_numbers.h"

namespace {
const int32_t FULL_RAMP_MS = 20000;          // a change of 100 percent
const float FULL_POWER_TURN_RATE = 1440.0f;  // slow blades, degrees per second at power 100
const float FADE_FROM = 60.0f;               // the fast blades fade in above this power

EngineSpool* engine_block(ActionSlot* slot) { return static_cast<EngineSpool*>(slot->word3.p); }
}  // namespace

void engine_spool_setup(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    slot->word3.p = KVRN_AllocMemory(context, type_numbers().engines * sizeof(EngineSpool));
}

int32_t engine_spool_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2, float, float) {
    uint32_t engines = type_numbers().engines;
    // Power is percent; the blades' cross-fade has no meaning outside 0..100.
    int32_t target = clamp_percent(ival1);
    start_clock(slot);
    slot->direction = 1;
    slot->word6.f = slot->word5.f;
    slot->word5.f = static_cast<float>(target);
    slot->word1.i = ival2;
    if (EngineSpool* block = engine_block(slot))
        for (uint32_t e = 0; e < engines; ++e) block[e].spool = slot->word6.f;
    int32_t change = target - static_cast<int32_t>(slot->word6.f);
    if (change < 0) change = -change;
    slot->word4.u = static_cast<uint32_t>(change * FULL_RAMP_MS / 100);
    int32_t ramp = static_cast<int32_t>(slot->word4.u);
    return ival2 != 0 ? ramp : static_cast<int32_t>(engines) * ramp;
}

void engine_spool_ramp(ActionSlot* slot, uint32_t engines) {
    EngineSpool* block = engine_block(slot);
    float target = slot->word5.f, previous = slot->word6.f;
    if (!block || target == previous) return;
    // A ramp time of 0 only comes with an unchanged target; guard the division all the same.
    float delta = slot->word4.u != 0
                      ? static_cast<float>(slot->last_step) / static_cast<float>(slot->word4.u) * (target - previous)
                      : target - previous;
    bool rising = target > previous;
    for (uint32_t e = engines; e-- > 0;) {
        EngineSpool& engine = block[e];
        engine.spool += delta;
        if (rising ? engine.spool >= target : engine.spool <= target)
            engine.spool = target;
        else if (slot->word1.i == 0)
            break;  // the engines before this one wait until it has arrived
    }
}

void fan_blades_update(KvrnContext context, EngineSpool* engine, KvrnLayer slow, KvrnLayer fast, int32_t step_ms) {
    float s = engine->spool;
    if (s == 0.0f || s == 100.0f) {
        bool full = s == 100.0f;
        show_layer(context, slow, !full);
        set_transparency(context, slow, full ? 255 : 0);
        show_layer(context, fast, full);
        set_transparency(context, fast, full ? 0 : 255);
        return;
    }
    float seconds = static_cast<float>(step_ms) / 1000.0f;
    engine->angle = wrap_angle_360(engine->angle + s / 100.0f * seconds * FULL_POWER_TURN_RATE);
    rotate_layer(context, slow, 0.0f, 0.0f, engine->angle);
    if (s > FADE_FROM) {
        uint32_t fade = static_cast<uint32_t>((s - FADE_FROM) / (100.0f - FADE_FROM) * 255.0f);
        show_layer(context, slow, true);
        show_layer(context, fast, true);
        set_transparency(context, slow, fade);
        set_transparency(context, fast, 255 - fade);
    } else {
        show_layer(context, slow, true);
        set_transparency(context, slow, 0);
        show_layer(context, fast, false);
        set_transparency(context, fast, 255);
    }
}

void engine_spool_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    if (slot->last_step == 0) return;
    EngineSpool* block = engine_block(slot);
    if (!block) return;
    uint32_t engines = type_numbers().engines;
    engine_spool_ramp(slot, engines);
    bool turning = false;
    for (uint32_t e = 0; e < engines; ++e) {
        fan_blades_update(context, &block[e], slot->layers[2 * e], slot->layers[2 * e + 1], slot->last_step);
        if (block[e].spool > 0.0f && block[e].spool < 100.0f) turning = true;
    }
    if (!turning) slot->running = 0;
}
