// A scene with one aircraft object driven by a plug-in DLL, and ways to read back what the
// plug-in did through the stand-in engine.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "action_slot.h"
#include "kvrn_host.h"

// A caller's record handed over in an integer argument, as the engine's words carry pointers.
inline KvrnInt pointer_argument(const void* p) { return reinterpret_cast<KvrnInt>(p); }

// A command as a plug-in posted it to one of its own slots.
struct Post {
    int32_t command;
    KvrnInt ival1, ival2;
    float fval1, fval2;
};

inline bool operator==(const Post& a, const Post& b) {
    return a.command == b.command && a.ival1 == b.ival1 && a.ival2 == b.ival2 && a.fval1 == b.fval1 &&
           a.fval2 == b.fval2;
}

inline std::ostream& operator<<(std::ostream& out, const Post& p) {
    return out << "post " << p.command << " (" << p.ival1 << ", " << p.ival2 << ", " << p.fval1 << ", " << p.fval2
               << ")";
}

// Another object of the scene (a tug, "Slip"), driven by its own plug-in DLL.
inline KvrnLayer add_scene_object(const wchar_t* dll, const wchar_t* name) {
    KvrnActionInterface object_entry = kvrn_host_load_plugin(dll);
    EXPECT_NE(object_entry, nullptr) << "cannot load " << dll;
    return kvrn_host_create_object(name, object_entry);
}

inline KvrnLayerState layer_state_of(KvrnLayer layer) {
    KvrnLayerState state{};
    kvrn_host_layer_state(layer, &state);
    return state;
}

class PluginFixture : public ::testing::Test {
protected:
    KvrnActionInterface entry = nullptr;
    KvrnLayer aircraft = 0;

    // Loads the plug-in and makes one object named "aircraft". In a lenient scene every layer
    // that the plug-in searches under the object exists; otherwise only `model_layers` do.
    void load(const wchar_t* dll, bool lenient = true, const wchar_t* const* model_layers = nullptr) {
        kvrn_host_reset();
        KvrnActionInterface loaded = kvrn_host_load_plugin(dll);
        ASSERT_NE(loaded, nullptr) << "cannot load the plug-in";
        make_object(loaded, lenient, model_layers);
    }

    // The same with the framework linked into the test program, driven through its own entry.
    void use_linked(KvrnActionInterface linked_entry, const wchar_t* const* model_layers = nullptr) {
        kvrn_host_reset();
        make_object(linked_entry, true, model_layers);
    }

    void make_object(KvrnActionInterface object_entry, bool lenient, const wchar_t* const* model_layers) {
        kvrn_host_set_lenient(lenient ? 1 : 0);
        entry = object_entry;
        aircraft = kvrn_host_create_object(L"aircraft", entry);
        kvrn_host_add_layers(aircraft, model_layers);
    }

    void TearDown() override {
        if (aircraft && record()->actions) send(KVRN_CMD_DESTROY);
    }

    KvrnWord send(int32_t command, KvrnInt ival1 = 0, KvrnInt ival2 = 0, float fval1 = 0, float fval2 = 0) {
        return kvrn_host_send(aircraft, command, ival1, ival2, fval1, fval2);
    }
    int32_t start(int32_t slot, KvrnInt ival1 = 0, KvrnInt ival2 = 0, float fval1 = 0, float fval2 = 0) {
        return static_cast<int32_t>(send(slot, ival1, ival2, fval1, fval2));
    }
    void tick(int32_t ms) { send(KVRN_CMD_TICK, ms); }

    tagKVRNFILE* record() { return kvrn_host_record(aircraft); }
    ActionTable* table() { return record()->actions; }
    ActionSlot* slot(int32_t n) {
        ActionTable* t = table();
        return t && n >= 0 && n < t->count ? t->entries[n] : nullptr;
    }

    // A layer of the aircraft's model, by name; fails the test when it does not exist.
    KvrnLayerState layer(const wchar_t* name) {
        KvrnLayerState state{};
        KvrnLayer handle = kvrn_host_find_layer(aircraft, name);
        EXPECT_NE(handle, 0u) << "no layer named " << name;
        kvrn_host_layer_state(handle, &state);
        return state;
    }
    KvrnLayer handle(const wchar_t* name) { return kvrn_host_find_layer(aircraft, name); }
    KvrnLayerState root_layer() {
        KvrnLayerState state{};
        kvrn_host_layer_state(aircraft, &state);
        return state;
    }

    uint32_t log_mark() { return kvrn_host_log_count(); }

    // The posts the plug-in made since `mark`, in order.
    std::vector<Post> posts_since(uint32_t mark) {
        std::vector<Post> posts;
        KvrnCall call;
        for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i)
            if (call.kind == KVRN_CALL_POST && call.layer == aircraft)
                posts.push_back(
                    {call.tail_command, call.tail_ival1, call.tail_ival2, call.tail_fval1, call.tail_fval2});
        return posts;
    }

    // The engine calls of one kind since `mark`.
    std::vector<KvrnCall> calls_since(uint32_t mark, uint32_t kind) {
        std::vector<KvrnCall> calls;
        KvrnCall call;
        for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i)
            if (call.kind == kind) calls.push_back(call);
        return calls;
    }

    // The filled entries of the action table in the order their records were made (the engine
    // heap numbers its blocks as it gives them out).
    std::vector<int32_t> slots_in_creation_order() {
        std::vector<std::pair<uint32_t, int32_t>> made;
        for (int32_t n = 0; table() && n < table()->count; ++n)
            if (ActionSlot* s = slot(n)) made.push_back({kvrn_host_block_number(s), n});
        std::sort(made.begin(), made.end());
        std::vector<int32_t> order;
        for (const auto& m : made) order.push_back(m.second);
        return order;
    }

    KvrnHeapStats heap() {
        KvrnHeapStats stats{};
        kvrn_host_heap_stats(&stats);
        return stats;
    }

    // Destroys the object: the engine's heap then holds nothing of it and saw no bad free.
    void destroy_leaving_a_clean_heap() {
        ASSERT_EQ(send(KVRN_CMD_DESTROY), 1u);
        KvrnHeapStats stats = heap();
        EXPECT_EQ(stats.live_blocks, 0u) << "destroy freed everything";
        EXPECT_EQ(stats.double_frees, 0u);
        EXPECT_EQ(stats.foreign, 0u);
    }
};
