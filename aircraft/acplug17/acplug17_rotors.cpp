// The helicopter's main and tail rotor (slot 28): both ramp together as the engines of the
// framework do, each rotor's slow layer turns with power and cross-fades on a sine ease into its
// fast layer above power 60, the main rotor's blades droop as power falls, and both fast layers
// turn slowly with the main rotor's power.
#include <math.h>

#include "acplug17_routines.h"
#include "angles.h"
#include "curves.h"
#include "engine_spool.h"
#include "layer_ops.h"

namespace {
const float SLOW_TURN_RATE = 1440.0f;  // slow layers, degrees per second at power 100
const float DISC_TURN_RATE = 90.0f;    // fast layers, degrees per second at power 100 of the main rotor
const float FADE_FROM = 60.0f;         // the fast layers fade in above this power
const float REST_DROOP = 5.0f;         // blade droop in degrees at power 0
const uint32_t BLADES = 4;

enum RotorLayer { TAIL_SLOW, TAIL_FAST, MAIN_SLOW, MAIN_FAST, FIRST_BLADE };
enum { TAIL_ROTOR, MAIN_ROTOR, ROTORS };

// The tail rotor turns about x, the main rotor about -y.
void turn_layer(KvrnContext context, int rotor, KvrnLayer layer, float angle) {
    if (rotor == TAIL_ROTOR)
        rotate_layer(context, layer, angle, 0.0f, 0.0f);
    else
        rotate_layer(context, layer, 0.0f, -angle, 0.0f);
}

void show_with_transparency(KvrnContext context, KvrnLayer layer, bool shown, uint32_t transparency) {
    show_layer(context, layer, shown);
    set_transparency(context, layer, transparency);
}

// The blades a quarter turn apart, drooping `droop` degrees. At rest and at full power the model
// takes them at headings 0, -90, -180, -270; while the rotor runs up at 0, 90, 180, 270.
void pose_blades(KvrnContext context, const KvrnLayer* blades, float droop, float quarter) {
    for (uint32_t b = 0; b < BLADES; ++b)
        rotate_layer(context, blades[b], -droop, quarter * static_cast<float>(b), 0.0f);
}

// One rotor at its power: which of its layers shows, how transparent, and its slow layer's turn.
void rotor_update(KvrnContext context, ActionSlot* slot, int rotor, EngineSpool* record, float seconds) {
    KvrnLayer slow = slot->layers[rotor == TAIL_ROTOR ? TAIL_SLOW : MAIN_SLOW];
    KvrnLayer fast = slot->layers[rotor == TAIL_ROTOR ? TAIL_FAST : MAIN_FAST];
    const KvrnLayer* blades = rotor == MAIN_ROTOR ? slot->layers + FIRST_BLADE : nullptr;
    float s = record->spool;
    if (s == 0.0f || s == 100.0f) {
        bool full = s == 100.0f;
        show_with_transparency(context, slow, !full, full ? 255 : 0);
        show_with_transparency(context, fast, full, full ? 0 : 255);
        if (blades) pose_blades(context, blades, full ? 0.0f : REST_DROOP, -90.0f);
        return;
    }
    record->angle = wrap_angle_360(record->angle + s / 100.0f * seconds * SLOW_TURN_RATE);
    turn_layer(context, rotor, slow, record->angle);
    if (blades) pose_blades(context, blades, (1.0f - s / 100.0f) * REST_DROOP, 90.0f);
    if (s > FADE_FROM) {
        uint32_t fade = static_cast<uint32_t>(sinf((s - FADE_FROM) / (100.0f - FADE_FROM) * HALF_PI) * 255.0f);
        show_with_transparency(context, slow, true, fade);
        show_with_transparency(context, fast, true, 255 - fade);
    } else {
        show_with_transparency(context, slow, true, 0);
        show_with_transparency(context, fast, false, 255);
    }
}
}  // namespace

namespace acplug17 {
int32_t engine_spool_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt, float,
                           float) {
    // The framework's start with the engines one after the other answers twice the ramp; the
    // rotors then ramp together within it.
    int32_t answer = ::engine_spool_start(context, object, slot, ival1, 0, 0.0f, 0.0f);
    slot->word1.i = 1;
    slot->word7.f = 0.0f;
    slot->word8.u = 0;
    return answer;
}

void engine_spool_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    if (slot->last_step == 0) return;
    EngineSpool* block = static_cast<EngineSpool*>(slot->word3.p);
    if (!block) return;
    engine_spool_ramp(slot, ROTORS);
    float seconds = static_cast<float>(slot->last_step) / 1000.0f;
    bool turning = false;
    for (int rotor = TAIL_ROTOR; rotor < ROTORS; ++rotor) {
        rotor_update(context, slot, rotor, &block[rotor], seconds);
        if (block[rotor].spool > 0.0f && block[rotor].spool < 100.0f) turning = true;
    }
    float main_power = block[MAIN_ROTOR].spool;
    if (main_power > FADE_FROM) {
        slot->word7.f = wrap_angle_360(slot->word7.f + main_power / 100.0f * seconds * DISC_TURN_RATE);
        turn_layer(context, TAIL_ROTOR, slot->layers[TAIL_FAST], slot->word7.f);
        turn_layer(context, MAIN_ROTOR, slot->layers[MAIN_FAST], slot->word7.f);
    }
    if (!turning) slot->running = 0;
}
}  // namespace acplug17
