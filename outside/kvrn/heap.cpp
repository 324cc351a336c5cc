// The engine heap: zero-filled blocks, zero-filled growth, and an account of every block so
// that tests can see leaks, double frees and pointers the heap never gave out.
#include <stdlib.h>
#include <string.h>

#include <map>
#include <set>

#include "engine_state.h"

namespace {
struct LiveBlock {
    uint32_t bytes;
    uint32_t number;  // the allocation that gave it out, counted from 1; kept through a resize
};
std::map<void*, LiveBlock> live_blocks;
std::set<void*> freed_blocks;  // freed and not handed out again
KvrnHeapStats heap_stats;

void* new_block(uint32_t bytes) {
    void* block = calloc(1, bytes ? bytes : 1);
    if (!block) return nullptr;
    ++heap_stats.allocations;
    live_blocks[block] = {bytes, heap_stats.allocations};
    freed_blocks.erase(block);
    return block;
}

// A pointer that is not live is a fault: either freed before or never ours.
void count_bad_pointer(void* block) {
    if (freed_blocks.count(block))
        ++heap_stats.double_frees;
    else
        ++heap_stats.foreign;
}
}  // namespace

void reset_heap() {
    live_blocks.clear();
    freed_blocks.clear();
    memset(&heap_stats, 0, sizeof heap_stats);
}

extern "C" void* __stdcall KVRN_AllocMemory(KvrnContext context, uint32_t bytes) {
    if (KvrnCall* call = log_call(KVRN_CALL_ALLOC, context, 0)) call->ints[0] = static_cast<int32_t>(bytes);
    return new_block(bytes);
}

extern "C" void* __stdcall KVRN_ResizeMemory(KvrnContext context, void* block, uint32_t bytes) {
    if (KvrnCall* call = log_call(KVRN_CALL_RESIZE, context, 0)) call->ints[0] = static_cast<int32_t>(bytes);
    if (!block) return new_block(bytes);
    auto it = live_blocks.find(block);
    if (it == live_blocks.end()) {
        count_bad_pointer(block);
        return nullptr;
    }
    LiveBlock kept = it->second;
    void* grown = realloc(block, bytes ? bytes : 1);
    if (!grown) return nullptr;
    if (bytes > kept.bytes) memset(static_cast<char*>(grown) + kept.bytes, 0, bytes - kept.bytes);
    live_blocks.erase(it);
    live_blocks[grown] = {bytes, kept.number};
    if (grown != block) freed_blocks.insert(block);
    freed_blocks.erase(grown);
    return grown;
}

extern "C" void __stdcall KVRN_FreeMemory(KvrnContext context, void* block) {
    log_call(KVRN_CALL_FREE, context, 0);
    if (!block) return;
    auto it = live_blocks.find(block);
    if (it == live_blocks.end()) {
        count_bad_pointer(block);
        return;
    }
    live_blocks.erase(it);
    free(block);
    freed_blocks.insert(block);
    ++heap_stats.frees;
}

KVRN_HOST_API void kvrn_host_heap_stats(KvrnHeapStats* out) {
    if (!out) return;
    *out = heap_stats;
    out->live_blocks = static_cast<uint32_t>(live_blocks.size());
    out->live_bytes = 0;
    for (const auto& block : live_blocks) out->live_bytes += block.second.bytes;
}

KVRN_HOST_API uint32_t kvrn_host_block_number(const void* block) {
    auto it = live_blocks.find(const_cast<void*>(block));
    return it == live_blocks.end() ? 0 : it->second.number;
}
