// The engine heap: zero-filled blocks, zero-filled growth, and an account of every block so
// that tests can see leaks, double frees and pointers the heap never gave out. For tests it can
// also refuse one resize, and place blocks against an inaccessible page so that any touch past
// a block's end faults at once.
#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <set>

#include "engine_state.h"

namespace {
struct LiveBlock {
    uint32_t bytes;
    uint32_t number;  // the allocation that gave it out, counted from 1; kept through a resize
    void* pages;      // a guarded block: the reservation that holds it (NULL: from the C heap)
};
std::map<void*, LiveBlock> live_blocks;
std::set<void*> freed_blocks;  // freed and not handed out again
KvrnHeapStats heap_stats;
uint32_t resizes_until_refusal;  // 0: none refused; 1: the next resize is refused
bool guard_blocks;

// A guarded block ends where an inaccessible page begins. Its start keeps the 4-byte alignment
// of the engine's 32-bit records, so that its last byte is the page's last one.
void* guarded_block(uint32_t bytes, void** pages) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    size_t page = info.dwPageSize;
    size_t rounded = (static_cast<size_t>(bytes) + 3) & ~static_cast<size_t>(3);
    size_t data_pages = (rounded + page - 1) / page;
    if (data_pages == 0) data_pages = 1;
    char* base = static_cast<char*>(VirtualAlloc(nullptr, (data_pages + 1) * page, MEM_RESERVE, PAGE_NOACCESS));
    if (!base) return nullptr;
    if (!VirtualAlloc(base, data_pages * page, MEM_COMMIT, PAGE_READWRITE)) {
        VirtualFree(base, 0, MEM_RELEASE);
        return nullptr;
    }
    *pages = base;
    return base + data_pages * page - rounded;  // committed pages are zero-filled
}

void release(void* block, const LiveBlock& live) {
    if (live.pages)
        VirtualFree(live.pages, 0, MEM_RELEASE);
    else
        free(block);
}

// Zero-filled memory for a block: guarded while guarding is on, else from the C heap.
void* fresh_block(uint32_t bytes, void** pages) {
    *pages = nullptr;
    return guard_blocks ? guarded_block(bytes, pages) : calloc(1, bytes ? bytes : 1);
}

void* new_block(uint32_t bytes) {
    void* pages;
    void* block = fresh_block(bytes, &pages);
    if (!block) return nullptr;
    ++heap_stats.allocations;
    live_blocks[block] = {bytes, heap_stats.allocations, pages};
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

bool refuse_this_resize() {
    if (resizes_until_refusal == 0) return false;
    return --resizes_until_refusal == 0;
}

// Moves a live block into a new one of `bytes`: contents kept, what is added zero-filled.
void* moved_block(void* block, LiveBlock kept, uint32_t bytes) {
    void* pages;
    void* grown = fresh_block(bytes, &pages);
    if (!grown) return nullptr;
    memcpy(grown, block, kept.bytes < bytes ? kept.bytes : bytes);
    release(block, kept);
    live_blocks.erase(block);
    live_blocks[grown] = {bytes, kept.number, pages};
    freed_blocks.insert(block);
    freed_blocks.erase(grown);
    return grown;
}
}  // namespace

void reset_heap() {
    live_blocks.clear();
    freed_blocks.clear();
    memset(&heap_stats, 0, sizeof heap_stats);
    resizes_until_refusal = 0;
    guard_blocks = false;
}

extern "C" void* __stdcall KVRN_AllocMemory(KvrnContext context, uint32_t bytes) {
    KvrnCall* call = log_call(KVRN_CALL_ALLOC, context, 0);
    if (call) call->ints[0] = static_cast<int32_t>(bytes);
    void* block = new_block(bytes);
    if (call) call->heap_result = reinterpret_cast<KvrnWord>(block);
    return block;
}

extern "C" void* __stdcall KVRN_ResizeMemory(KvrnContext context, void* block, uint32_t bytes) {
    KvrnCall* call = log_call(KVRN_CALL_RESIZE, context, 0);
    if (call) {
        call->ints[0] = static_cast<int32_t>(bytes);
        call->heap_block = reinterpret_cast<KvrnWord>(block);
    }
    void* grown = nullptr;
    if (!refuse_this_resize()) {
        auto it = live_blocks.find(block);
        if (!block)
            grown = new_block(bytes);
        else if (it == live_blocks.end())
            count_bad_pointer(block);
        else
            grown = moved_block(block, it->second, bytes);
    }
    if (call) call->heap_result = reinterpret_cast<KvrnWord>(grown);
    return grown;
}

extern "C" void __stdcall KVRN_FreeMemory(KvrnContext context, void* block) {
    if (KvrnCall* call = log_call(KVRN_CALL_FREE, context, 0)) call->heap_block = reinterpret_cast<KvrnWord>(block);
    if (!block) return;
    auto it = live_blocks.find(block);
    if (it == live_blocks.end()) {
        count_bad_pointer(block);
        return;
    }
    LiveBlock live = it->second;
    live_blocks.erase(it);
    release(block, live);
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

KVRN_HOST_API uint32_t kvrn_host_block_bytes(const void* block) {
    auto it = live_blocks.find(const_cast<void*>(block));
    return it == live_blocks.end() ? 0 : it->second.bytes;
}

KVRN_HOST_API void kvrn_host_heap_refuse_resize(uint32_t nth) { resizes_until_refusal = nth; }

KVRN_HOST_API void kvrn_host_heap_guard(int on) { guard_blocks = on != 0; }
