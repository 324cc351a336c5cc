// How create grows the action table, read from the engine heap's log: the table, an empty entry
// array, then for each slot in the type's creation order a growth of the array to the slot's
// number + 1 pointers wherever the slot lies past its end, right before the slot's record. And
// what a refused growth leaves: the table as it was, that slot alone not built.
#include <wchar.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "built_slots.h"
#include "plugin_fixture.h"
#include "slot_lookups.h"

namespace {
constexpr uint32_t POINTER_BYTES = sizeof(void*);
constexpr uint32_t TABLE_BYTES = 2 * POINTER_BYTES;  // count and entry pointer: 8 bytes in the 32-bit build
static_assert(UINTPTR_MAX != UINT32_MAX || TABLE_BYTES == 8, "the 32-bit table");

const TypeBuild* build_of(const std::vector<TypeBuild>& builds, const std::wstring& dll) {
    for (const TypeBuild& build : builds)
        if (std::wstring(build.plugin, build.plugin + strlen(build.plugin)) + L".dll" == dll) return &build;
    return nullptr;
}

// The slots in the order create makes them: the part slots in the order of the type's table,
// then the sequence slots. Where a table lists its slots by number and does not say where the
// body pitch is made, it is made where the reference table makes it: after the strobes.
std::vector<int32_t> creation_order(const TypeLookups& type, const TypeBuild& build) {
    std::vector<int32_t> order;
    for (size_t r = 0; r < type.count; ++r) {
        int32_t n = type.rows[r].slot;
        if (type.body_pitch_placed_apart && n == SLOT_BODY_PITCH) continue;
        order.push_back(n);
        if (type.body_pitch_placed_apart && n == SLOT_STROBES) order.push_back(SLOT_BODY_PITCH);
    }
    for (const BuiltSlot& s : build.slots)
        if (std::find(order.begin(), order.end(), s.slot) == order.end()) order.push_back(s.slot);
    return order;
}

std::string grown_to(uint32_t entries) { return "entries grown to " + std::to_string(entries); }
std::string record_of(int32_t slot) { return "record of slot " + std::to_string(slot); }

// Each slot's record, after a growth to reach it where it lies past the array's end.
std::vector<std::string> expected_growth(const std::vector<int32_t>& order) {
    std::vector<std::string> events;
    int32_t entries = 0;
    for (int32_t n : order) {
        if (entries < n + 1) events.push_back(grown_to(static_cast<uint32_t>(entries = n + 1)));
        events.push_back(record_of(n));
    }
    return events;
}

class TableGrowth : public PluginFixture {
protected:
    std::vector<TypeBuild> builds = all_type_builds();

    // The heap calls of create after the table and the entry array, as growths of the entry
    // array and records of slots; every growth must be of the array as it last stood.
    std::vector<std::string> heap_events_of_create(uint32_t mark) {
        std::map<KvrnWord, int32_t> slot_of;
        for (int32_t n = 0; n < table()->count; ++n)
            if (ActionSlot* s = slot(n)) slot_of[reinterpret_cast<KvrnWord>(s)] = n;
        std::vector<KvrnCall> calls;
        KvrnCall call;
        for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i)
            if (call.kind == KVRN_CALL_ALLOC || call.kind == KVRN_CALL_RESIZE || call.kind == KVRN_CALL_FREE)
                calls.push_back(call);
        std::vector<std::string> events;
        if (calls.size() < 2) return events;
        EXPECT_EQ(calls[0].kind, KVRN_CALL_ALLOC);
        EXPECT_EQ(calls[0].ints[0], static_cast<KvrnInt>(TABLE_BYTES)) << "the table first";
        EXPECT_EQ(calls[0].heap_result, reinterpret_cast<KvrnWord>(table()));
        EXPECT_EQ(calls[1].kind, KVRN_CALL_ALLOC);
        EXPECT_EQ(calls[1].ints[0], 0) << "then an empty entry array";
        KvrnWord entries = calls[1].heap_result;
        for (size_t i = 2; i < calls.size(); ++i) {
            const KvrnCall& c = calls[i];
            if (c.kind == KVRN_CALL_RESIZE) {
                EXPECT_EQ(c.heap_block, entries) << "a resize of the entry array as it stood, call " << i;
                EXPECT_EQ(c.ints[0] % POINTER_BYTES, 0) << "whole pointers";
                events.push_back(grown_to(static_cast<uint32_t>(c.ints[0] / POINTER_BYTES)));
                entries = c.heap_result;
            } else if (c.kind == KVRN_CALL_FREE) {
                events.push_back("free");
            } else if (slot_of.count(c.heap_result)) {
                events.push_back(record_of(slot_of[c.heap_result]));
            }  // other blocks (the engines' spool) are no slot's record
        }
        EXPECT_EQ(entries, reinterpret_cast<KvrnWord>(table()->entries)) << "the array the table holds";
        return events;
    }
};

TEST_F(TableGrowth, CreateGrowsTheEntryArraySlotBySlot) {
    ASSERT_EQ(type_lookup_count, builds.size());
    for (size_t t = 0; t < type_lookup_count; ++t) {
        const TypeLookups& type = type_lookups[t];
        SCOPED_TRACE(testing::Message() << std::string(type.dll, type.dll + wcslen(type.dll)));
        const TypeBuild* build = build_of(builds, type.dll);
        ASSERT_NE(build, nullptr);
        load(type.dll);
        uint32_t mark = log_mark();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        EXPECT_EQ(heap_events_of_create(mark), expected_growth(creation_order(type, *build)));
        EXPECT_EQ(table()->count, build->count);
        std::vector<KvrnCall> resizes = calls_since(mark, KVRN_CALL_RESIZE);
        ASSERT_FALSE(resizes.empty());
        EXPECT_EQ(resizes.back().ints[0], static_cast<KvrnInt>(build->count * POINTER_BYTES));
        EXPECT_EQ(kvrn_host_block_bytes(table()->entries), build->count * POINTER_BYTES);
        send(KVRN_CMD_DESTROY);
    }
}

// Every growth of every type refused in turn, in a heap that faults on any touch past a block:
// that slot alone is missing, the rest is built, the object runs and destroy frees everything.
TEST_F(TableGrowth, ARefusedGrowthBuildsNoRecordForThatSlot) {
    for (size_t t = 0; t < type_lookup_count; ++t) {
        const TypeLookups& type = type_lookups[t];
        const TypeBuild* build = build_of(builds, type.dll);
        ASSERT_NE(build, nullptr);
        std::vector<int32_t> grown;  // the slots whose creation grows the array, in order
        int32_t entries = 0;
        for (int32_t n : creation_order(type, *build))
            if (entries < n + 1) grown.push_back(n), entries = n + 1;
        for (size_t k = 0; k < grown.size(); ++k) {
            const int32_t refused = grown[k];
            SCOPED_TRACE(testing::Message() << std::string(type.dll, type.dll + wcslen(type.dll))
                                            << ", the growth for slot " << refused << " refused");
            load(type.dll);
            kvrn_host_heap_guard(1);
            kvrn_host_heap_refuse_resize(static_cast<uint32_t>(k + 1));
            ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
            int32_t highest = 0;
            for (const BuiltSlot& s : build->slots) {
                if (s.slot == refused) continue;
                highest = std::max(highest, s.slot);
                EXPECT_NE(slot(s.slot), nullptr) << "slot " << s.slot;
            }
            EXPECT_EQ(table()->count, highest + 1);
            EXPECT_EQ(kvrn_host_block_bytes(table()->entries), static_cast<uint32_t>(table()->count) * POINTER_BYTES);
            EXPECT_EQ(slot(refused), nullptr);
            if (!slot(refused)) {
                EXPECT_EQ(start(refused, 1, 1, 1.0f, 1.0f), 0);
            }
            send(KVRN_CMD_RESET);
            tick(16);
            tick(-1);
            destroy_leaving_a_clean_heap();
        }
    }
}
}  // namespace
