// Where the types with a second door or airstair build slot 29 among their part slots, read from
// the layer look-ups of create; acplug17's own final-configuration start; and the layer under
// which acplug12 finds its landing lamp.
#include <wchar.h>

#include <algorithm>
#include <string>
#include <vector>

#include "plugin_fixture.h"

namespace {
using SlotOrder = PluginFixture;

// The names create looks up with KVRNL_SearchLayer, in order.
std::vector<std::wstring> searched_since(uint32_t mark) {
    std::vector<std::wstring> names;
    KvrnCall call;
    for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i)
        if (call.kind == KVRN_CALL_SEARCH_LAYER) names.push_back(call.name);
    return names;
}

TEST_F(SlotOrder, SecondDoorBuiltWhereTheTypesTableListsIt) {
    // The last name of the row before slot 29 that looks layers up, slot 29's names, and the
    // first name of the row after it ("" where no later part slot looks a layer up).
    struct Case {
        const wchar_t* dll;
        const wchar_t* before;
        std::vector<std::wstring> door;
        const wchar_t* after;
    } cases[] = {
        {L"acplug09.dll",
         L"wglightr",
         {L"Z_door02", L"X_trap01", L"Z_trap02", L"Y_door01", L"trap_on", L"01_door", L"2_door", L"05body03",
          L"102door", L"103door"},
         L"06body03"},
        {L"acplug10.dll", L"X_04e2low", {L"Z_door01"}, L"atlightu"},
        {L"acplug11.dll", L"wglightr", {L"Z_door01", L"Z_trap01", L"Z_trap02", L"trap_on", L"S1door01"}, L"Z_door02"},
        {L"acplug12.dll", L"wglightr", {L"04body03", L"Z_door01", L"trap_on"}, L""},
        {L"acplug13.dll", L"Y_06e2low", {L"Z_door01"}, L"atlightu"},
        {L"acplug14.dll", L"X_02t1Lshaft", {L"03body03", L"Z_door01"}, L"04body03"},
        {L"acplug16.dll", L"X_04e2low", {L"X_door01", L"on_trap", L"Z_trap01", L"Z_trap02", L"Z_trap03"}, L"atlightu"},
        {L"acplug17.dll", L"ldlightl", {L"body03", L"Y_door01", L"Y_door02", L"Z_door03", L"Z_door04"}, L"X_horwing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.dll, c.dll + wcslen(c.dll)));
        load(c.dll);
        uint32_t mark = log_mark();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        std::vector<std::wstring> names = searched_since(mark);
        std::vector<std::wstring> expected = {c.before};
        expected.insert(expected.end(), c.door.begin(), c.door.end());
        if (*c.after) expected.push_back(c.after);
        bool found = false;
        for (size_t i = 0; i + expected.size() <= names.size() && !found; ++i)
            found = std::equal(expected.begin(), expected.end(), names.begin() + i);
        EXPECT_TRUE(found) << "slot 29's layers looked up between its neighbours";
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
