#include "bogies.h"

#include "layer_ops.h"
#include "shared_numbers.h"
#include "slot_clock.h"

namespace {
const float BOGIES_FOLLOW_BELOW = 0.5f;  // height under which the bogies meet the runway
}

namespace bogies {
float ground_tilt(float hang, float pitch, float height) {
    return height < BOGIES_FOLLOW_BELOW ? hang * 2.0f * height - pitch : hang;
}

int32_t body_pitch_set(KvrnContext context, KvrnLayer, ActionSlot* slot, KvrnInt, KvrnInt, float pitch, float height) {
    float tilt = ground_tilt(shared_numbers().bogie_hang, pitch, height);
    rotate_layer(context, slot->layers[0], pitch, 0.0f, 0.0f);
    rotate_layer(context, slot->layers[1], tilt, 0.0f, 0.0f);
    rotate_layer(context, slot->layers[2], tilt, 0.0f, 0.0f);
    return 0;
}

int32_t gear_start(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    slot->word5.f = shared_numbers().bogie_tilt;
    start_two_way(slot, ival1);
    return 0;
}
}  // namespace bogies
