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

namespace {
bool same_tail(const tagKVRNFILE& a, const tagKVRNFILE& b) {
    return a.command == b.command && a.ival1 == b.ival1 && a.ival2 == b.ival2 &&
           memcmp(&a.fval1, &b.fval1, sizeof a.fval1) == 0 && memcmp(&a.fval2, &b.fval2, sizeof a.fval2) == 0;
}

KvrnCall* append(uint32_t kind, KvrnContext context, KvrnLayer layer) {
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
}  // namespace

// A post writes the tail and then starts a slot; the slot's first engine call (or the end of
// the engine's own call) shows the new tail. Two identical posts in a row show as one.
// While the log is off nothing is noticed: a scene of many objects pays nothing per call.
void notice_posts() {
    if (!log_enabled) return;
    for (EngineObject& object : scene_objects) {
        if (same_tail(object.record, object.seen)) continue;
        object.seen = object.record;
        if (KvrnCall* call = append(KVRN_CALL_POST, ENGINE_CONTEXT, object.root)) {
            call->tail_command = object.record.command;
            call->tail_ival1 = object.record.ival1;
            call->tail_ival2 = object.record.ival2;
            call->tail_fval1 = object.record.fval1;
            call->tail_fval2 = object.record.fval2;
        }
    }
}

KvrnCall* log_call(uint32_t kind, KvrnContext context, KvrnLayer layer) {
    notice_posts();
    if (!log_enabled) return nullptr;
    return append(kind, context, layer);
}

void log_set_result(uint32_t index, KvrnWord result) {
    if (index < call_log.size()) call_log[index].result = result;
}

void reset_log() {
    call_log.clear();
    dropped_calls = 0;
}

// Turning the log on takes every tail as seen, so that what changed while it was off does not
// show as a post.
KVRN_HOST_API void kvrn_host_log_enable(int enabled) {
    if (enabled && !log_enabled)
        for (EngineObject& object : scene_objects) object.seen = object.record;
    log_enabled = enabled != 0;
}
KVRN_HOST_API void kvrn_host_log_clear(void) { reset_log(); }
KVRN_HOST_API uint32_t kvrn_host_log_count(void) { return static_cast<uint32_t>(call_log.size()); }
KVRN_HOST_API uint32_t kvrn_host_log_dropped(void) { return dropped_calls; }

KVRN_HOST_API int kvrn_host_log_get(uint32_t index, KvrnCall* out) {
    if (index >= call_log.size() || !out) return 0;
    *out = call_log[index];
    return 1;
}
