// acplug12's flight phases that switch its landing lights: on with the departure set-up, off
// with the beacon at the stand rather than after landing.
#include "acplug12_routines.h"
#include "commands.h"
#include "sequences.h"

namespace acplug12 {
int32_t seq_departure_setup(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                            float fval1, float fval2) {
    ::seq_departure_setup(context, object, slot, ival1, ival2, fval1, fval2);
    post_action(context, object, SLOT_LANDING_LIGHTS, 100, 0, 0.0f, 0.0f);
    return 0;
}

int32_t seq_after_landing(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt ival1, KvrnInt, float, float) {
    if (ival1 != 0) post_action(context, object, SLOT_ROLIGHT, 100, 0, 0.0f, 0.0f);
    post_action(context, object, SLOT_FLAPS, 0, 0, 0.0f, 0.0f);
    return 0;
}

int32_t seq_beacon_off(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                       float fval1, float fval2) {
    ::seq_beacon_off(context, object, slot, ival1, ival2, fval1, fval2);
    post_action(context, object, SLOT_LANDING_LIGHTS, 0, 0, 0.0f, 0.0f);
    return 0;
}
}  // namespace acplug12
