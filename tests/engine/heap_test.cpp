// The stand-in engine's heap: what plug-ins rely on (zero-filled blocks and growth) and the
// faults it must catch for the plug-in tests to mean anything.
#include <windows.h>
#include <gtest/gtest.h>
#include <string.h>

#include "kvrn_host.h"

namespace {
KvrnHeapStats stats() {
    KvrnHeapStats s;
    memset(&s, 0xcc, sizeof s);
    kvrn_host_heap_stats(&s);
    return s;
}

bool all_zero(const void* block, size_t bytes) {
    const unsigned char* p = static_cast<const unsigned char*>(block);
    for (size_t i = 0; i < bytes; ++i)
        if (p[i]) return false;
    return true;
}

class EngineHeap : public ::testing::Test {
protected:
    void SetUp() override { kvrn_host_reset(); }
    KvrnContext context = kvrn_host_context();
};

TEST_F(EngineHeap, BlocksAndGrowthAreZeroFilled) {
    unsigned char* block = static_cast<unsigned char*>(KVRN_AllocMemory(context, 64));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(all_zero(block, 64));
    memset(block, 0xab, 64);
    block = static_cast<unsigned char*>(KVRN_ResizeMemory(context, block, 4096));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[63], 0xab) << "contents kept";
    EXPECT_TRUE(all_zero(block + 64, 4096 - 64)) << "added bytes zero-filled";
    KVRN_FreeMemory(context, block);
    KvrnHeapStats s = stats();
    EXPECT_EQ(s.live_blocks, 0u);
    EXPECT_EQ(s.double_frees + s.foreign, 0u);
}

TEST_F(EngineHeap, ZeroBytesIsAValidBlockThatGrows) {
    void* block = KVRN_AllocMemory(context, 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(stats().live_blocks, 1u);
    block = KVRN_ResizeMemory(context, block, 12);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(all_zero(block, 12));
    EXPECT_EQ(stats().live_bytes, 12u);
    KVRN_FreeMemory(context, block);
    EXPECT_EQ(stats().live_blocks, 0u);
}

TEST_F(EngineHeap, CatchesLeakDoubleFreeAndForeignPointer) {
    void* kept = KVRN_AllocMemory(context, 10);
    void* freed = KVRN_AllocMemory(context, 20);
    KVRN_FreeMemory(context, freed);
    KVRN_FreeMemory(context, freed);
    int on_stack = 0;
    KVRN_FreeMemory(context, &on_stack);
    EXPECT_EQ(KVRN_ResizeMemory(context, &on_stack, 8), nullptr);

    KvrnHeapStats s = stats();
    EXPECT_EQ(s.live_blocks, 1u) << "the leak";
    EXPECT_EQ(s.live_bytes, 10u);
    EXPECT_EQ(s.double_frees, 1u);
    EXPECT_EQ(s.foreign, 2u);
    EXPECT_EQ(s.allocations, 2u);
    EXPECT_EQ(s.frees, 1u);
    KVRN_FreeMemory(context, kept);
}

// The order in which live blocks were given out reads back, a resized block keeping its place.
TEST_F(EngineHeap, NumbersEachLiveBlockByTheAllocationThatGaveItOut) {
    void* first = KVRN_AllocMemory(context, 8);
    void* second = KVRN_ResizeMemory(context, nullptr, 8);  // a resize from NULL allocates
    void* third = KVRN_AllocMemory(context, 8);
    first = KVRN_ResizeMemory(context, first, 4096);
    EXPECT_EQ(kvrn_host_block_number(first), 1u);
    EXPECT_EQ(kvrn_host_block_number(second), 2u);
    EXPECT_EQ(kvrn_host_block_number(third), 3u);
    KVRN_FreeMemory(context, second);
    EXPECT_EQ(kvrn_host_block_number(second), 0u) << "freed";
    int on_stack = 0;
    EXPECT_EQ(kvrn_host_block_number(&on_stack), 0u) << "never the heap's";
    KVRN_FreeMemory(context, first);
    KVRN_FreeMemory(context, third);
    kvrn_host_reset();
    void* again = KVRN_AllocMemory(context, 8);
    EXPECT_EQ(kvrn_host_block_number(again), 1u) << "counted anew after a reset";
    KVRN_FreeMemory(context, again);
}
// A refused resize answers NULL and leaves the block, its size and contents as they were.
TEST_F(EngineHeap, RefusesTheNamedResizeAndKeepsTheBlock) {
    char* block = static_cast<char*>(KVRN_AllocMemory(context, 8));
    memcpy(block, "kept", 5);
    kvrn_host_heap_refuse_resize(2);
    block = static_cast<char*>(KVRN_ResizeMemory(context, block, 16));
    ASSERT_NE(block, nullptr) << "the first resize is not the refused one";
    EXPECT_EQ(KVRN_ResizeMemory(context, block, 32), nullptr);
    EXPECT_EQ(kvrn_host_block_bytes(block), 16u);
    EXPECT_STREQ(block, "kept");
    block = static_cast<char*>(KVRN_ResizeMemory(context, block, 32));
    ASSERT_NE(block, nullptr) << "one resize refused, no more";
    EXPECT_STREQ(block, "kept");
    KVRN_FreeMemory(context, block);
    EXPECT_EQ(stats().live_blocks, 0u);
}

bool inaccessible(const void* at) {
    MEMORY_BASIC_INFORMATION info;
    return VirtualQuery(at, &info, sizeof info) == sizeof info &&
           (info.State != MEM_COMMIT || (info.Protect & PAGE_NOACCESS) != 0);
}

// A guarded block's last byte is followed by memory that faults when touched, through a resize too.
TEST_F(EngineHeap, GuardedBlocksEndAgainstAnInaccessiblePage) {
    kvrn_host_heap_guard(1);
    for (uint32_t bytes : {0u, 12u, 4096u}) {
        char* block = static_cast<char*>(KVRN_AllocMemory(context, bytes));
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(all_zero(block, bytes));
        EXPECT_TRUE(inaccessible(block + bytes)) << bytes << " bytes";
        EXPECT_EQ(kvrn_host_block_bytes(block), bytes);
        memset(block, 7, bytes);
        block = static_cast<char*>(KVRN_ResizeMemory(context, block, bytes + 20));
        ASSERT_NE(block, nullptr);
        for (uint32_t i = 0; i < bytes + 20; ++i) ASSERT_EQ(block[i], i < bytes ? 7 : 0) << "byte " << i;
        EXPECT_TRUE(inaccessible(block + bytes + 20));
        KVRN_FreeMemory(context, block);
    }
    KvrnHeapStats s = stats();
    EXPECT_EQ(s.live_blocks, 0u);
    EXPECT_EQ(s.double_frees + s.foreign, 0u);
}
}  // namespace
