// acplug15's navigation-lights-on phase: the door closes once its 4000 ms are over.
#include "acplug15_routines.h"

namespace acplug15 {
void seq_nav_lights_update(KvrnContext context, KvrnLayer object, ActionSlot* slot) {
    if (slot->progress == 1.0f) post_action(context, object, SLOT_DOOR_LADDER, 0, 1, 0.0f, 0.0f);
}
}  // namespace acplug15
