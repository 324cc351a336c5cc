// acplug12's front light, a lamp without a beam, and the base scale of its landing lamps.
#include "acplug12_routines.h"
#include "lights.h"
#include "slot_builder.h"

namespace acplug12 {
void front_light_update(KvrnContext context, KvrnLayer, ActionSlot* slot) { fade_front_lamp(context, slot); }

void landing_light_setup(KvrnContext context, KvrnLayer, ActionSlot* slot) {
    KvrnLayer lamp = KVRNL_SearchLayer(context, slot->layers[0], L"ldlightl1");
    slot->word5.f = layer_base_scale(context, lamp);
}
}  // namespace acplug12
