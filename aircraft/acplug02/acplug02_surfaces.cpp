// acplug02's flaps, whose panels roll outward as they extend, and its slats.
#include <math.h>

#include "acplug02_routines.h"
#include "curves.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
enum FlapLayer {
    FLAP_0101 = 2,
    FLAP_0201,
    FLAP_0202,
    FLAP_0301,
    FLAP_0302,
    FLAP_0401,
    ARM_01,
    ARM_02,
    ARM_03,
    ARM_04,
    ARM_05,
    ARM_06,
};
enum SlatLayer { SLAT_SHOWN, SLAT_1, SLAT_2, SLAT_3, SLAT_4 };
}  // namespace

namespace acplug02 {
void flap_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float f = surface_setting(slot);
    const KvrnLayer* layers = slot->layers;
    // Panels left of the axis roll one way, those right of it the other.
    KvrnVector left = {35.0f * f, 0.0f, f, 0.0f}, right = {35.0f * f, 0.0f, -f, 0.0f};
    float lift = 0.3f * (1.0f - cosf(f * HALF_PI));
    move_layer(context, layers[FLAP_0101], {-0.1f * f, 0.2f * f, 0.5f * f, 0.0f}, left);
    move_layer(context, layers[FLAP_0401], {0.1f * f, 0.2f * f, 0.5f * f, 0.0f}, right);
    move_layer(context, layers[FLAP_0201], {0.0f, lift, 1.2f * f, 0.0f}, left);
    move_layer(context, layers[FLAP_0301], {0.0f, lift, 1.2f * f, 0.0f}, right);
    move_layer(context, layers[FLAP_0202], {0.0f, 0.0f, 0.35f * f, 0.0f}, left);
    move_layer(context, layers[FLAP_0302], {0.0f, 0.0f, 0.35f * f, 0.0f}, right);
    float arms[] = {20.0f * f, 17.0f * f, 32.0f * sinf(f * HALF_PI)};  // outer, middle, inner pair
    rotate_layer(context, layers[ARM_01], arms[0], 0.0f, 0.0f);
    rotate_layer(context, layers[ARM_06], arms[0], 0.0f, 0.0f);
    rotate_layer(context, layers[ARM_02], arms[1], 0.0f, 0.0f);
    rotate_layer(context, layers[ARM_05], arms[1], 0.0f, 0.0f);
    rotate_layer(context, layers[ARM_03], arms[2], 0.0f, 0.0f);
    rotate_layer(context, layers[ARM_04], arms[2], 0.0f, 0.0f);
    show_flap_wing(context, slot);
}

void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float f = surface_setting(slot);
    const KvrnLayer* layers = slot->layers;
    // The outer slats drop on a doubly eased curve while they run forward; both get the same
    // vectors.
    KvrnVector outer = {0.0f, -0.3f * (1.0f - cosf(HALF_PI * (1.0f - cosf(f * HALF_PI)))), -0.5f * sinf(f * HALF_PI),
                        0.0f};
    KvrnVector outer_rotation = {-1.3f * f, 0.0f, 0.0f, 0.0f};
    move_layer(context, layers[SLAT_1], outer, outer_rotation);
    move_layer(context, layers[SLAT_4], outer, outer_rotation);
    translate_layer(context, layers[SLAT_2], 0.0f, -0.3f * f, -0.4f * f);
    translate_layer(context, layers[SLAT_3], 0.0f, -0.3f * f, -0.4f * f);
    show_layer(context, layers[SLAT_SHOWN], !surface_retracted(slot));
}
}  // namespace acplug02
