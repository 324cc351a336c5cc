#include "turboprop.h"

#include "layer_ops.h"

namespace turboprop {
void nacelle_gear_update(KvrnContext context, const ActionSlot* slot, const NacelleGear& gear) {
    const KvrnLayer* layers = slot->layers;
    float p = slot->progress;
    show_layer(context, layers[TYRES], p != 0.0f);
    show_layer(context, layers[WELL_BODY], p != 0.0f);
    gear.doors(context, layers, p);
    float shaft = gear.shaft_up, link = gear.link_up;
    if (p >= 0.75f) {
        shaft = 0.0f;
        link = 0.0f;
    } else if (p >= 0.25f) {
        float u = 2.0f * (p - 0.25f);
        shaft = (1.0f - u) * gear.shaft_up;
        link = (1.0f - u) * gear.link_up;
    }
    rotate_layer(context, layers[SHAFT_R], -shaft, 0.0f, 0.0f);
    rotate_layer(context, layers[SHAFT_L], -shaft, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_R], link, 0.0f, 0.0f);
    rotate_layer(context, layers[LINK_L], link, 0.0f, 0.0f);
}
}  // namespace turboprop
