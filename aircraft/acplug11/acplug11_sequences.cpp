#include "acplug11_routines.h"
#include "commands.h"
#include "sequences.h"
#include "slot_clock.h"

namespace {
const float TRIGGER_CEILING = 10.0f;  // above this height the trigger does nothing
const float TAKEOFF_PITCH = 6.0f;
const int32_t TAKEOFF_FLAPS = 30;
}  // namespace

namespace acplug11 {
int32_t seq_takeoff_trigger(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt, KvrnInt, float,
                            float height) {
    if (height > TRIGGER_CEILING) return 0;
    // The take-off flaps once a take-off, on the ground; the after-take-off phase clears the flag.
    if (slot->word1.u == 0 && height == 0.0f) {
        post_action(context, object, SLOT_FLAPS, TAKEOFF_FLAPS, 0, 0.0f, 0.0f);
        slot->word1.u = 1;
    }
    if (height > 0.0f) post_action(context, object, SLOT_BODY_PITCH, 0, 0, TAKEOFF_PITCH, height);
    return 0;
}

int32_t seq_after_takeoff_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                                float fval1, float fval2) {
    int32_t duration = ::seq_after_takeoff_start(context, object, slot, ival1, ival2, fval1, fval2);
    if (ActionSlot* trigger = get_action_slot(context, object, SLOT_TAKEOFF_TRIGGER)) trigger->word1.u = 0;
    return duration;
}

int32_t seq_rollout_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float, float) {
    start_clock(slot);
    return slot->duration;
}
}  // namespace acplug11
