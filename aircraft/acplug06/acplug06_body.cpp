// acplug06's body pitch with six bogie layers, its twelve slats and its door to the inner body.
#include "acplug06_routines.h"

#include "bogies.h"
#include "curves.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
enum PitchLayer { ROOT, BODY_BOGIE_L, BODY_BOGIE_R, SECOND_BOGIE_L, SECOND_BOGIE_R, FRONT_SHAFT_R, FRONT_SHAFT_L };

const float SECOND_BOGIE_HANG = 10.0f;  // the body bogies hang at SharedNumbers::bogie_hang
const float DOOR_OPEN = 70.0f;          // degrees about x

// Slats "X_1slat" to "X_6slat", outer to outer: degrees about x at full extension.
const float slat_pitch[6] = {120.0f, 110.0f, 100.0f, 100.0f, 110.0f, 120.0f};
enum { SLAT_COVER = 0, FIRST_SLAT = 1, FIRST_SLAT_COVER = 7, SLATS = 6 };
}  // namespace

namespace acplug06 {
int32_t body_pitch_set(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                       float pitch, float height) {
    bogies::body_pitch_set(context, object, slot, ival1, ival2, pitch, height);  // root and body bogies
    const KvrnLayer* layers = slot->layers;
    float second = bogies::ground_tilt(SECOND_BOGIE_HANG, pitch, height);
    rotate_layer(context, layers[SECOND_BOGIE_L], second, 0.0f, 0.0f);
    rotate_layer(context, layers[SECOND_BOGIE_R], second, 0.0f, 0.0f);
    translate_layer(context, layers[FRONT_SHAFT_R], 0.0f, 0.0f, 0.0f);
    translate_layer(context, layers[FRONT_SHAFT_L], 0.0f, 0.0f, 0.0f);
    return 0;
}

void slat_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float f = surface_setting(slot);
    for (int i = 0; i < SLATS; ++i) rotate_layer(context, slot->layers[FIRST_SLAT + i], slat_pitch[i] * f, 0.0f, 0.0f);
    bool shown = !surface_retracted(slot);
    show_layer(context, slot->layers[SLAT_COVER], shown);
    for (int i = 0; i < SLATS; ++i) show_layer(context, slot->layers[FIRST_SLAT_COVER + i], shown);
}

void door_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    show_layer(context, slot->layers[0], p != 0.0f);
    rotate_layer(context, slot->layers[1], p != 0.0f ? DOOR_OPEN * cosine_ease(p) : 0.0f, 0.0f, 0.0f);
}
}  // namespace acplug06
