#include "propellers.h"

#include <math.h>

#include "angles.h"
#include "curves.h"
#include "engine_spool.h"
#include "layer_ops.h"
#include "type_numbers.h"

namespace {
const float HUB_TURN_RATE = 3240.0f;  // degrees per second at power 100
const float DISC_TURN_RATE = 90.0f;   // degrees per second at power 100 of the second engine
const float FULL_PITCH = 30.0f;       // blade pitch from power 10 on
const float FULL_PITCH_FROM = 10.0f;
const float FADE_FROM = 25.0f;  // the disc fades in above this power
const uint32_t HUB_LAYERS_PER_ENGINE = 2;

float standard_blade_pitch(const ActionSlot*, float spool) {
    if (spool <= 0.0f) return 0.0f;
    return spool > FULL_PITCH_FROM ? FULL_PITCH : spool / FULL_PITCH_FROM * FULL_PITCH;
}

void pose_blades(KvrnContext context, const KvrnLayer* blades, const PropellerNumbers& numbers, float pitch) {
    for (uint32_t b = 0; b < numbers.blades; ++b) {
        const BladePose& pose = numbers.poses[b];
        rotate_layer(context, blades[b], pose.pitch_x * pitch, pose.pitch_y * pitch, pose.roll);
    }
}

// Transparencies first, then visibility.
void fade(KvrnContext context, KvrnLayer hub, KvrnLayer disc, uint32_t hub_transparency, bool hub_shown,
          bool disc_shown) {
    set_transparency(context, hub, hub_transparency);
    set_transparency(context, disc, 255 - hub_transparency);
    show_layer(context, hub, hub_shown);
    show_layer(context, disc, disc_shown);
}

// One propeller at its engine's power; true while it is not at rest at 0.
bool propeller_update(KvrnContext context, const ActionSlot* slot, EngineSpool* engine, KvrnLayer hub, KvrnLayer disc,
                      const KvrnLayer* blades, const PropellerNumbers& numbers, float seconds) {
    float s = engine->spool;
    BladePitch* pitch = numbers.pitch ? numbers.pitch : standard_blade_pitch;
    pose_blades(context, blades, numbers, pitch(slot, s));
    if (s == 0.0f) {
        fade(context, hub, disc, 0, true, false);
        return false;
    }
    if (s == 100.0f) {
        fade(context, hub, disc, 255, false, true);
        return true;
    }
    engine->angle = wrap_angle_360(engine->angle + seconds * HUB_TURN_RATE * s / 100.0f);
    rotate_layer(context, hub, 0.0f, 0.0f, numbers.turn * engine->angle);
    if (s > FADE_FROM) {
        float eased = sinf((s - FADE_FROM) / (100.0f - FADE_FROM) * HALF_PI);
        fade(context, hub, disc, static_cast<uint32_t>(eased * 255.0f), true, true);
    } else {
        fade(context, hub, disc, 0, true, false);
    }
    return true;
}
}  // namespace

namespace propellers {
void engine_spool_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    if (slot->last_step == 0) return;
    EngineSpool* block = static_cast<EngineSpool*>(slot->word3.p);
    if (!block) return;
    uint32_t engines = type_numbers().engines;
    const PropellerNumbers& numbers = shared_numbers().propeller;
    engine_spool_ramp(slot, engines);
    float seconds = static_cast<float>(slot->last_step) / 1000.0f;
    const KvrnLayer* blades = slot->layers + HUB_LAYERS_PER_ENGINE * engines;
    bool turning = false;
    for (uint32_t e = 0; e < engines; ++e) {
        KvrnLayer hub = slot->layers[HUB_LAYERS_PER_ENGINE * e], disc = slot->layers[HUB_LAYERS_PER_ENGINE * e + 1];
        if (propeller_update(context, slot, &block[e], hub, disc, blades + e * numbers.blades, numbers, seconds))
            turning = true;
    }
    // Both discs turn with the second engine, the last one to spool up.
    float driving = block[engines - 1].spool;
    if (driving > FADE_FROM) {
        slot->word7.f = wrap_angle_360(slot->word7.f + driving / 100.0f * seconds * DISC_TURN_RATE);
        for (uint32_t e = 0; e < engines; ++e)
            rotate_layer(context, slot->layers[HUB_LAYERS_PER_ENGINE * e + 1], 0.0f, 0.0f,
                         numbers.turn * slot->word7.f);
    }
    if (!turning) slot->running = 0;
}
}  // namespace propellers
