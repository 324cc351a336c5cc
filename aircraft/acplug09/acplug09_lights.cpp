// acplug09's landing lights: a main beam and three more on each side, the main beams glowing
// from their own base scale and the others from theirs.
#include "acplug09_routines.h"
#include "layer_ops.h"

namespace {
enum LandingLightLayer { LEFT_MAIN = 0, RIGHT_MAIN = 4, BEAMS = 8 };
}

namespace acplug09 {
void landing_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    float p = slot->progress;
    float level = static_cast<float>(slot->word1.u) / 100.0f;
    for (int beam = 0; beam < BEAMS; ++beam) {
        bool main = beam == LEFT_MAIN || beam == RIGHT_MAIN;
        show_layer(context, slot->layers[beam], p != 0.0f);
        set_glow_scale(context, slot->layers[beam], main ? p * slot->word5.f * level : level * slot->word6.f * p);
    }
}
}  // namespace acplug09
