#include "surfaces.h"

#include <math.h>

#include "curves.h"
#include "layer_ops.h"
#include "slot_builder.h"
#include "slot_clock.h"
#include "type_numbers.h"

namespace {
// A move of the flaps or slats from the previous target to a new one, at `full_time` ms per 100.
int32_t surface_start(ActionSlot* slot, int32_t target, int32_t full_time) {
    // Settings are percent: anything outside 0..100 would drive the surfaces past their stops.
    target = clamp_percent(target);
    start_clock(slot);
    slot->direction = 1;
    slot->word2.u = slot->word1.u;
    slot->word1.u = static_cast<uint32_t>(target);
    int32_t change = target - clamp_percent(static_cast<int32_t>(slot->word2.u));
    if (change < 0) change = -change;
    slot->duration = static_cast<int32_t>(static_cast<int64_t>(change) * full_time / 100);
    return slot->duration;
}
}  // namespace

int32_t level1_hide(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float, float) {
    show_layer(context, slot->layers[0], false);
    return 0;
}

int32_t body_pitch_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float pitch, float) {
    rotate_layer(context, slot->layers[0], pitch, 0.0f, 0.0f);
    return 0;
}

int32_t anim_toggle_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    start_two_way(slot, ival1);
    return slot->duration;
}

int32_t flap_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    return surface_start(slot, ival1, type_numbers().flap_time);
}

int32_t slat_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    return surface_start(slot, ival1, type_numbers().slat_time);
}

float surface_setting(const ActionSlot* slot) {
    float from = static_cast<float>(slot->word2.u);
    float to = static_cast<float>(slot->word1.u);
    return (from + (to - from) * slot->progress) / 100.0f;
}

bool surface_retracted(const ActionSlot* slot) {
    return (slot->progress == 0.0f || slot->progress == 1.0f) && slot->word1.u == 0;
}

void spoiler_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const TypeNumbers& numbers = type_numbers();
    float p = slot->progress;
    float angle = p != 0.0f ? numbers.spoiler_angle * p : numbers.spoiler_stowed_angle;
    uint32_t layers = slot_layer_count(SLOT_SPOILERS);
    uint32_t covers = numbers.spoiler_covers < layers ? numbers.spoiler_covers : layers;
    uint32_t after = numbers.spoiler_covers_after < layers - covers ? numbers.spoiler_covers_after : layers - covers;
    for (uint32_t i = 0; i < covers; ++i) show_layer(context, slot->layers[i], p != 0.0f);
    for (uint32_t panel = covers; panel < layers - after; ++panel)
        rotate_layer(context, slot->layers[panel], angle, 0.0f, 0.0f);
    for (uint32_t i = layers - after; i < layers; ++i) show_layer(context, slot->layers[i], p != 0.0f);
}

void reverser_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    show_layer(context, slot->layers[0], p != 0.0f);
    show_layer(context, slot->layers[1], p == 0.0f);
    float slide = type_numbers().reverser_slide * p;
    uint32_t layers = slot_layer_count(SLOT_REVERSERS);
    for (uint32_t sleeve = 2; sleeve < layers; ++sleeve)
        translate_layer(context, slot->layers[sleeve], 0.0f, 0.0f, slide);
}

void flap_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const TypeNumbers& numbers = type_numbers();
    float f = surface_setting(slot);
    float late = f < 0.5f ? 0.0f : 2.0f * (f - 0.5f);
    uint32_t layers = slot_layer_count(SLOT_FLAPS);
    for (size_t i = 0; i < numbers.flap_moves.count; ++i) {
        const FlapMove& move = numbers.flap_moves.items[i];
        if (move.layer >= layers) continue;  // a move of a layer that the type's flaps lack
        KvrnLayer layer = slot->layers[move.layer];
        float g = move.late ? late : f;
        if (move.translates)
            move_layer(context, layer, {move.tx * g, move.ty * g, move.tz * g, 0.0f},
                       {move.rx * g, 0.0f, move.rz * g, 0.0f});
        else
            rotate_layer(context, layer, move.rx * g, 0.0f, move.rz * g);
    }
    show_flap_wing(context, slot);
}

void show_flap_wing(KvrnContext context, const ActionSlot* slot) {
    bool retracted = surface_retracted(slot);
    show_layer(context, slot->layers[0], retracted);
    show_layer(context, slot->layers[1], !retracted);
}

void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    const TypeNumbers& numbers = type_numbers();
    float s = surface_setting(slot);
    KvrnVector outer = {0.0f, -numbers.slat_drop * (1.0f - cosf(s * HALF_PI)), -numbers.slat_reach * s, 0.0f};
    move_layer(context, slot->layers[1], outer, {0.0f, 0.0f, -numbers.slat_roll * s, 0.0f});
    move_layer(context, slot->layers[4], outer, {0.0f, 0.0f, numbers.slat_roll * s, 0.0f});
    KvrnVector inner_rotation = {numbers.slat_pitch * s, 0.0f, 0.0f, 0.0f};
    move_layer(context, slot->layers[2], {0.0f, 0.0f, 0.0f, 0.0f}, inner_rotation);
    move_layer(context, slot->layers[3], {0.0f, 0.0f, 0.0f, 0.0f}, inner_rotation);
    show_layer(context, slot->layers[0], !surface_retracted(slot));
}

void door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    const TypeNumbers& numbers = type_numbers();
    float full = numbers.door_angle;
    float angle = 0.0f;
    if (p != 0.0f) angle = p >= 1.0f ? full : full * numbers.door_curve(p);
    show_layer(context, slot->layers[0], p != 0.0f);
    rotate_layer(context, slot->layers[1], 0.0f, 0.0f, angle);
}
