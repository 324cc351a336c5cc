#include "acplug11_routines.h"
#include "layer_ops.h"
#include "surfaces.h"

namespace {
enum { ENGINE_OFF = 12, ENGINE_ON = 13 };
}

namespace acplug11 {
void flap_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    ::flap_update(context, object, slot);
    bool retracted = surface_retracted(slot);
    show_layer(context, slot->layers[ENGINE_OFF], retracted);
    show_layer(context, slot->layers[ENGINE_ON], !retracted);
}
}  // namespace acplug11
