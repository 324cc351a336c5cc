#include "four_beam_landing_light.h"

#include "layer_ops.h"

void four_beam_landing_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    float scale = p * slot->word5.f * static_cast<float>(slot->word1.u) / 100.0f;
    for (int beam = 0; beam < 4; ++beam) {
        show_layer(context, slot->layers[beam], p != 0.0f);
        set_glow_scale(context, slot->layers[beam], scale);
    }
}
