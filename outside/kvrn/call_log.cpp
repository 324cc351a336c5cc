// The engine's call log, read back by tests.
#include <string.h>
#include <wchar.h>

#include <vector>

#include "engine_state.h"

namespace {
constexpr size_t LOG_CAPACITY = 1u << 18;
std::vector<KvrnCall> call_log;
uint32_t dropped_calls;
bool log_enabled = true;
}  // namespace

void copy_name(wchar_t (&out)[KVRN_HOST_NAME_CHARS], const wchar_t* name) {
    out[0] = 0;
    if (name) {
        wcsncpy(out, name, KVRN_HOST_NAME_CHARS - 1);
        out[KVRN_HOST_NAME_CHARS - 1] = 0;
    }
}

KvrnCall* log_call(uint32_t kind, KvrnContext context, KvrnLayer layer) {
    if (!log_enabled) return nullptr;
    if (call_log.size() >= LOG_CAPACITY) {
        ++dropped_calls;
        return nullptr;
    }
    KvrnCall call;
    memset(&call, 0, sizeof call);
    call.kind = kind;
    call.context = context;
    call.layer = layer;
    call_log.push_back(call);
    return &call_log.back();
}

void log_set_result(uint32_t index, uint32_t result) {
    if (index < call_log.size()) call_log[index].result = result;
}

void reset_log() {
    call_log.clear();
    dropped_calls = 0;
}

KVRN_HOST_API void kvrn_host_log_enable(int enabled) { log_enabled = enabled != 0; }
KVRN_HOST_API void kvrn_host_log_clear(void) { reset_log(); }
KVRN_HOST_API uint32_t kvrn_host_log_count(void) { return static_cast<uint32_t>(call_log.size()); }
KVRN_HOST_API uint32_t kvrn_host_log_dropped(void) { return dropped_calls; }

KVRN_HOST_API int kvrn_host_log_get(uint32_t index, KvrnCall* out) {
    if (index >= call_log.size() || !out) return 0;
    *out = call_log[index];
    return 1;
}
