#include "empty_sequence_start.h"

namespace empty_sequence {
int32_t seq_landing_lights_on(KvrnContext, KvrnLayer, ActionSlot*, KvrnInt, KvrnInt, float, float) { return 0; }
}  // namespace empty_sequence
