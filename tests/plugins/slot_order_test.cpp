// The order in which each type's create makes its part slots and looks its layers up, against
// its part-slot table; acplug17's own final-configuration start; and the layer under which
// acplug12 finds its lamp.
#include <wchar.h>

#include <algorithm>
#include <string>
#include <vector>

#include "plugin_fixture.h"
#include "slot_lookups.h"

namespace {
using SlotOrder = PluginFixture;

// The names create looks up with KVRNL_SearchLayer, in order; "parent/name" for a name looked
// up below another layer than the object's root.
std::vector<std::wstring> searched_since(uint32_t mark, KvrnLayer object) {
    std::vector<std::wstring> names;
    KvrnCall call;
    for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i) {
        if (call.kind != KVRN_CALL_SEARCH_LAYER) continue;
        std::wstring name = call.name;
        if (call.layer != object) name = std::wstring(layer_state_of(call.layer).name) + L"/" + name;
        names.push_back(name);
    }
    return names;
}

// The slots of the type's table in its order, slot 20 left out where the table does not say
// where the type makes it.
std::vector<int32_t> listed_slots(const TypeLookups& type) {
    std::vector<int32_t> slots;
    for (size_t r = 0; r < type.count; ++r)
        if (!(type.body_pitch_placed_apart && type.rows[r].slot == SLOT_BODY_PITCH)) slots.push_back(type.rows[r].slot);
    return slots;
}

// Every type looks its layers up in the order of its part-slot table, each row's names in
// the row's order.
TEST_F(SlotOrder, CreateLooksLayersUpInTheTypesTableOrder) {
    for (size_t t = 0; t < type_lookup_count; ++t) {
        const TypeLookups& type = type_lookups[t];
        SCOPED_TRACE(testing::Message() << std::string(type.dll, type.dll + wcslen(type.dll)));
        std::vector<std::wstring> expected, body_pitch;
        for (size_t r = 0; r < type.count; ++r) {
            const SlotLookups& row = type.rows[r];
            std::vector<std::wstring>& to =
                type.body_pitch_placed_apart && row.slot == SLOT_BODY_PITCH ? body_pitch : expected;
            to.insert(to.end(), row.names.begin(), row.names.end());
        }
        load(type.dll);
        uint32_t mark = log_mark();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        std::vector<std::wstring> names = searched_since(mark, aircraft);
        bool found = body_pitch.empty() && names == expected;
        // The body pitch's names together at one place, the others in the table's order.
        for (size_t at = 0; !found && !body_pitch.empty() && at + body_pitch.size() <= names.size(); ++at) {
            if (!std::equal(body_pitch.begin(), body_pitch.end(), names.begin() + at)) continue;
            std::vector<std::wstring> rest(names.begin(), names.begin() + at);
            rest.insert(rest.end(), names.begin() + at + body_pitch.size(), names.end());
            found = rest == expected;
        }
        EXPECT_TRUE(found) << names.size() << " names looked up, " << expected.size() + body_pitch.size()
                           << " in the table";
        send(KVRN_CMD_DESTROY);
    }
}

// Every type makes its part slots in the order of its table, those that look no layer up among
// them (the order of the records read back from the engine heap, which numbers its blocks).
TEST_F(SlotOrder, CreateMakesThePartSlotsInTheTypesTableOrder) {
    for (size_t t = 0; t < type_lookup_count; ++t) {
        const TypeLookups& type = type_lookups[t];
        SCOPED_TRACE(testing::Message() << std::string(type.dll, type.dll + wcslen(type.dll)));
        std::vector<int32_t> listed = listed_slots(type);
        load(type.dll);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        std::vector<int32_t> made;
        for (int32_t n : slots_in_creation_order())
            if (std::find(listed.begin(), listed.end(), n) != listed.end()) made.push_back(n);
        EXPECT_EQ(made, listed);
        send(KVRN_CMD_DESTROY);
    }
}

TEST_F(SlotOrder, Acplug17FinalConfigurationStartsItsOwnClock) {
    load(L"acplug17.dll");
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    ActionSlot* final_config = slot(SEQ_FINAL);
    ASSERT_NE(final_config, nullptr);
    final_config->word5.u = 0xCCCCCCCCu;
    uint32_t mark = log_mark();
    EXPECT_EQ(start(SEQ_FINAL, 0, 0, 0.0f, 25.0f), 3000);
    EXPECT_EQ(final_config->word5.u, 0xCCCCCCCCu) << "the second float is not kept";
    EXPECT_TRUE(final_config->running);
    EXPECT_EQ(static_cast<int32_t>(send(KVRN_CMD_TIME_LEFT, SEQ_FINAL)), 3000);
    EXPECT_EQ(posts_since(mark), (std::vector<Post>{{SLOT_LANDING_LIGHTS, 100, 0, 0.0f, 0.0f}}));
    tick(2999);
    EXPECT_EQ(static_cast<int32_t>(send(KVRN_CMD_TIME_LEFT, SEQ_FINAL)), 1);
    send(KVRN_CMD_DESTROY);
}

TEST_F(SlotOrder, Acplug12LandingLampUnderItsGlow) {
    load(L"acplug12.dll");
    // Other layers of the same names, each with a base scale of its own: one under the scene
    // root, one directly under the object (found first by a search under the object).
    kvrn_host_set_base_scale(kvrn_host_add_layer(0, L"ldlightl1"), 5.0f);
    kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"ldlightl1"), 3.0f);
    KvrnLayer glow = kvrn_host_add_layer(aircraft, L"ldlightl");
    kvrn_host_set_base_scale(glow, 4.0f);
    kvrn_host_set_base_scale(kvrn_host_add_layer(glow, L"ldlightl1"), 2.0f);
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    EXPECT_EQ(slot(SLOT_LANDING_LIGHTS)->word5.f, 2.0f) << "the base scale of \"ldlightl1\" below \"ldlightl\"";
    send(KVRN_CMD_DESTROY);
}
}  // namespace
