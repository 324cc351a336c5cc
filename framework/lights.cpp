#include "lights.h"

#include <math.h>
#include <string.h>

#include "curves.h"
#include "layer_ops.h"
#include "slot_builder.h"
#include "slot_clock.h"
#include "type_numbers.h"

namespace {
// One lamp's flash: a sine pulse over a tenth of the beacon second starting at `from`.
float flash(float p, float from) {
    if (p < from || p >= from + 0.1f) return 0.0f;
    return sinf((p - from) / 0.1f * PI);
}

// The lower lamp flashes and lights the dynamic light only on types that have one.
bool has_lower_lamp() { return type_numbers().beacon_lamps >= 2; }

// Where light 7 sits for beacon lamp `lamp` (0 upper, 1 lower): at the lamp, or at its marker
// layer where the type has one.
KvrnLayer beacon_light_at(const ActionSlot* beacon, uint32_t lamp) {
    uint32_t at = type_numbers().beacon_light_marks + lamp;
    return at < slot_layer_count(SLOT_BEACON) ? beacon->layers[at] : beacon->layers[lamp];
}
}  // namespace

int32_t beacon_start(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    bool on = ival1 != 0;
    if (on)
        start_clock(slot);
    else
        slot->running = 0;
    show_layer(context, slot->layers[0], on);
    if (has_lower_lamp()) show_layer(context, slot->layers[1], on);
    return -1;
}

void beacon_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    set_glow_scale(context, slot->layers[0], flash(p, 0.0f) * slot->word5.f);
    if (has_lower_lamp()) set_glow_scale(context, slot->layers[1], flash(p, 0.1f) * slot->word6.f);
}

int32_t nav_lights_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    slot->word1.i = ival1;
    uint32_t layers = slot_layer_count(SLOT_NAV_LIGHTS);
    for (uint32_t i = 0; i < layers; ++i) show_layer(context, slot->layers[i], ival1 != 0);
    return 0;
}

int32_t rolight_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    // Levels are percent: a level above 100 would wrap the transparency.
    int32_t level = clamp_percent(ival1);
    if (level == 0) {
        show_layer(context, slot->layers[0], false);
        return 0;
    }
    set_transparency(context, slot->layers[0], static_cast<uint32_t>((100 - level) * 255 / 100));
    show_layer(context, slot->layers[0], true);
    return 0;
}

int32_t landing_light_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    int32_t level = clamp_percent(ival1);
    start_two_way(slot, level);
    if (level != 0) slot->word1.u = static_cast<uint32_t>(level);  // 0 fades out at the last level
    return slot->duration;
}

void landing_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const List<int32_t>& words = type_numbers().landing_lamp_words;
    uint32_t lamps = slot_layer_count(SLOT_LANDING_LIGHTS);
    for (uint32_t i = 0; i < lamps && i < words.count; ++i) {
        float base = slot_word(slot, words.items[i])->f;
        show_layer(context, slot->layers[i], p != 0.0f);
        set_glow_scale(context, slot->layers[i], p * base * static_cast<float>(slot->word1.u) / 100.0f);
    }
}

int32_t front_light_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2, float, float) {
    start_clock(slot);
    // States are on or off: any non-zero wish is "on", so that it compares equal to the state.
    slot->word3.u = ival1 != 0 ? 1 : 0;
    slot->word4.u = ival2 != 0 ? 1 : 0;
    return slot->duration;
}

void front_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    if (slot->word3.u != slot->word1.u) {
        float beam = slot->word3.u != 0 ? p * slot->word5.f : (1.0f - p) * slot->word5.f;
        // Every layer after "frlight" is a beam: one, or a left and a right one.
        uint32_t layers = slot_layer_count(SLOT_FRONT_LIGHT);
        for (uint32_t i = 1; i < layers; ++i) set_glow_scale(context, slot->layers[i], beam);
        if (p == 1.0f) slot->word1.u = slot->word3.u;
    }
    fade_front_lamp(context, slot);
}

void fade_front_lamp(KvrnContext context, ActionSlot* slot) {
    if (slot->word4.u == slot->word2.u) return;
    float p = slot->progress;
    float faded = slot->word4.u != 0 ? 255.0f - p * 255.0f : p * 255.0f;
    uint32_t transparency = static_cast<uint32_t>(faded);
    set_transparency(context, slot->layers[0], transparency);
    if (p == 1.0f) slot->word2.u = slot->word4.u;
}

int32_t logo_light_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    show_layer(context, slot->layers[0], ival1 != 0);
    return 0;
}

int32_t strobe_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    if (ival1 != 0)
        start_clock(slot);
    else
        slot->running = 0;
    return -1;
}

void idle_update(KvrnContext, KvrnLayer, ActionSlot*) {}

int32_t light_params_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2, float fval1,
                         float fval2) {
    slot->word1.i = ival1;
    slot->word2.i = ival2;
    slot->word5.f = fval1;
    slot->word6.f = fval2;
    if (ival2 == 0) dynamic_light_off(context);
    return 0;
}

void dynamic_light_off(KvrnContext context) { KVRN_SetLight(context, KVRN_DYNAMIC_LIGHT, nullptr); }

void place_dynamic_light(KvrnContext context, KvrnLayer lamp, float range, uint32_t colour, float lowered) {
    // The engine fills a record of its own; the position is at bytes 32 to 43 of it.
    alignas(8) uint8_t world[256] = {};
    KVRNL_EXT_Function(context, lamp, KVRN_PROP_WORLD, world, 0, 0, 0, 0, 0);
    LightRecord light;
    memset(&light, 0, sizeof light);
    light.type = 3;
    memcpy(&light.x, world + 32, sizeof(float));
    memcpy(&light.y, world + 36, sizeof(float));
    memcpy(&light.z, world + 40, sizeof(float));
    light.y -= lowered;
    light.range = range;
    light.colour[0] = light.colour[1] = light.colour[2] = colour;
    KVRN_SetLight(context, KVRN_DYNAMIC_LIGHT, &light);
}

void light_update(KvrnContext context, KvrnLayer object) {
    // One fetch of the object's record serves the four slots that the light reads; it runs every frame.
    tagKVRNFILE* record = object_record(context, object);
    const ActionTable* table = record ? record->actions : nullptr;
    ActionSlot* params = table_slot(table, SLOT_LIGHT_PARAMS);
    if (!params || params->word1.i == 0 || params->word2.i == 0) return;
    ActionSlot* beacon = table_slot(table, SLOT_BEACON);
    if (!beacon || !beacon->timed || !beacon->running) {
        dynamic_light_off(context);
        return;
    }
    const TypeNumbers& numbers = type_numbers();
    float p = beacon->progress;
    const LightFlash* flash_at = nullptr;
    KvrnLayer lamp = 0;
    if (p > 0.0f && p < 0.1f) {
        flash_at = &numbers.upper_beacon;
        lamp = beacon_light_at(beacon, 0);
    } else if (p >= 0.1f && p < 0.2f && has_lower_lamp() && numbers.lower_beacon.range > 0.0f) {
        flash_at = &numbers.lower_beacon;
        lamp = beacon_light_at(beacon, 1);
    }
    ActionSlot* nav = table_slot(table, SLOT_NAV_LIGHTS);
    ActionSlot* strobes = table_slot(table, SLOT_STROBES);
    if (nav && nav->word1.i != 0 && p > 0.5f && p < 0.7f && strobes && strobes->timed && strobes->running) {
        flash_at = &numbers.strobe;
        lamp = strobes->layers[p < 0.6f ? 0 : 1];
    }
    if (!flash_at) {
        dynamic_light_off(context);
        return;
    }
    place_dynamic_light(context, lamp, flash_at->range, flash_at->colour, flash_at->lowered);
}
