// The helicopter's landing lights (slot 33): two lamps, each glowing from its own base scale.
#include "acplug17_routines.h"
#include "layer_ops.h"

namespace acplug17 {
void landing_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    float level = static_cast<float>(slot->word1.u) / 100.0f;
    const float base[] = {slot->word5.f, slot->word6.f};
    for (uint32_t lamp = 0; lamp < 2; ++lamp) {
        show_layer(context, slot->layers[lamp], p != 0.0f);
        set_glow_scale(context, slot->layers[lamp], p * level * base[lamp]);
    }
}
}  // namespace acplug17
