// acplug12's front light, a lamp without a beam, and the base scale of its landing lamps.
#include "acplug12_routines.h"
#include "lights.h"
#include "slot_builder.h"

namespace acplug12 {
void front_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) { fade_front_lamp(context, slot); }

void landing_light_setup(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    // Without its glow layer the lamp is not looked for: a search under layer 0 would search the
    // whole scene and could read another aircraft's lamp.
    KvrnLayer glow = slot->layers[0];
    KvrnLayer lamp = glow ? KVRNL_SearchLayer(context, glow, L"ldlightl1") : 0;
    slot->word5.f = lamp ? layer_base_scale(context, lamp) : 0.0f;
}
}  // namespace acplug12
