// The engine's dynamic lights, as KVRN_SetLight leaves them.
#include <string.h>

#include "engine_state.h"

namespace {
constexpr uint32_t LIGHT_COUNT = 16;
constexpr uint32_t LIGHT_RECORD_BYTES = 56;
KvrnLightState lights[LIGHT_COUNT];
}  // namespace

void reset_lights() { memset(lights, 0, sizeof lights); }

extern "C" uint32_t __stdcall KVRN_SetLight(KvrnContext context, uint32_t light, const void* record) {
    if (KvrnCall* call = log_call(KVRN_CALL_SET_LIGHT, context, 0)) {
        call->ints[0] = static_cast<int32_t>(light);
        call->ints[1] = record ? 1 : 0;
    }
    if (light >= LIGHT_COUNT) return 0;
    KvrnLightState& state = lights[light];
    ++state.sets;
    state.on = record ? 1 : 0;
    if (record)
        memcpy(state.record, record, LIGHT_RECORD_BYTES);
    else
        memset(state.record, 0, sizeof state.record);
    return 1;
}

KVRN_HOST_API int kvrn_host_light(uint32_t light, KvrnLightState* out) {
    if (light >= LIGHT_COUNT || !out) return 0;
    *out = lights[light];
    return 1;
}

KVRN_HOST_API void kvrn_host_reset(void) {
    reset_objects();
    reset_scene();
    reset_heap();
    reset_lights();
    reset_log();
}
