#include <math.h>

#include "acplug11_routines.h"
#include "curves.h"
#include "engine_spool.h"

namespace {
const float REST_PITCH = 30.0f;
const float FULL_PITCH = 60.0f;
}  // namespace

namespace acplug11 {
int32_t engine_spool_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                           float fval1, float fval2) {
    int32_t answer = ::engine_spool_start(context, object, slot, ival1, ival2, fval1, fval2);
    slot->word2.u = slot->word5.f < slot->word6.f ? 1 : 0;  // target below the previous one
    return answer;
}

float blade_pitch(const ActionSlot* slot, float spool) {
    if (spool <= 0.0f) return REST_PITCH;
    if (spool >= 100.0f) return FULL_PITCH;
    if (slot->word2.u != 0) return REST_PITCH;  // power coming down
    if (spool < 10.0f) return spool + REST_PITCH;
    if (spool < 25.0f) return 40.0f + 20.0f * sinf((spool - 10.0f) / 15.0f * HALF_PI);
    return FULL_PITCH;
}
}  // namespace acplug11
