// Ground movement and the scripted landing end to end in the reference plug-ins, acplug03 and
// acplug08 (the reference type with its own wheelbase), and in the types with their own ground
// numbers, with the stand-in tow vehicle and "Slip" in the scene.
#include <math.h>
#include <string.h>

#include <string>

#include "ground_path.h"
#include "plugin_fixture.h"
#include "slip_log.h"

namespace {
std::string narrow_name(const wchar_t* text) { return std::string(text, text + wcslen(text)); }

using GroundPlugin = PluginFixture;

TEST_F(GroundPlugin, TaxiSlotCarriesTheTypesNumbers) {
    struct Case {
        const wchar_t* dll;
        float wheelbase;
    } cases[] = {{L"acplug03.dll", 12.296f}, {L"acplug08.dll", 15.0f}};
    for (const Case& c : cases) {
        load(c.dll);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        ActionSlot* taxi = slot(40);
        ASSERT_NE(taxi, nullptr);
        EXPECT_EQ(taxi->word6.f, c.wheelbase) << c.dll;
        EXPECT_EQ(taxi->word7.f, 60.0f);
        EXPECT_EQ(taxi->word8.f, 3000.0f);
        EXPECT_EQ(taxi->word5.u, 0u);
        EXPECT_EQ(taxi->word1.p, slot(25));
        EXPECT_EQ(taxi->word2.p, slot(26));
        EXPECT_EQ(slot(41)->word1.p, taxi);
        send(KVRN_CMD_DESTROY);
    }
}

TEST_F(GroundPlugin, TaxiStepTurnsTheNoseWheelAndRollsTheTyres) {
    load(L"acplug03.dll");
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    PathState s;
    memset(&s, 0, sizeof s);
    s.layer = aircraft;
    s.speed = 1.0f;
    s.target = {100, 0, 12.296f, 0};  // level with the nose wheel, to the right
    EXPECT_EQ(start(40, pointer_argument(&s), 500), 1);
    EXPECT_NEAR(s.steer, 10.0f, 1e-4);
    EXPECT_NEAR(layer(L"Y_nosegear").rotation.y, 10.0f, 1e-4);
    // Half a unit rolled: the nose tyres by 0.5 / 2.607522 of a turn, the main tyres by 0.5 / 3.8327432.
    EXPECT_NEAR(layer(L"tire001").rotation.x, -0.5f / 2.607522f * 360.0f, 1e-3);
    EXPECT_NEAR(layer(L"tire003").rotation.x, -0.5f / 3.8327432f * 360.0f, 1e-3);
    EXPECT_FALSE(slot(26)->running) << "a rolled distance ends the tyres' free roll";
    EXPECT_GT(root_layer().translation.x, 0.0f) << "the main gear follows the nose wheel to the right";
    EXPECT_LT(root_layer().translation.z, 0.5f);
}

TEST_F(GroundPlugin, PushedBackOnItsOwnWheelbase) {
    struct Case {
        const wchar_t* dll;
        float wheelbase;
        const wchar_t* tow = L"atl";  // the tow vehicle with its body and tow bar
        const wchar_t* body = L"atl_all";
        const wchar_t* bar = L"tbr_L";
    } cases[] = {{L"acplug08.dll", 15.0f},
                 {L"acplug01.dll", 11.0f},
                 {L"acplug02.dll", 31.0f},
                 {L"acplug04.dll", 23.0f},
                 {L"acplug05.dll", 13.5485f},
                 {L"acplug06.dll", 26.7f},
                 {L"acplug07.dll", 26.7f},
                 {L"acplug09.dll", 20.3f},
                 {L"acplug10.dll", 11.5f},
                 {L"acplug13.dll", 14.8541f},
                 {L"acplug14.dll", 11.2f},
                 {L"acplug15.dll", 4.0544f},
                 {L"acplug11.dll", 7.5f},
                 {L"acplug16.dll", 10.7f},
                 {L"acplug12.dll", 5.5f, L"atm", L"atm_all", L"tbr_M"},
                 {L"acplug17.dll", 2.86f, L"atm", L"atm_all", L"tbr_M"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wheelbase " << c.wheelbase);
        load(c.dll);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        KvrnLayer tug = add_scene_object(L"tow_vehicle.dll", c.tow);
        kvrn_host_add_layer(tug, c.body);
        KvrnLayer bar = kvrn_host_add_layer(tug, c.bar);
        EXPECT_EQ(start(41, 1, 10, 0, 1.0f), -1);
        kvrn_host_log_enable(0);
        float worst = 0;
        int ticks = 0;
        for (; slot(41)->running && ticks < 6000; ++ticks) {
            tick(100);
            KvrnLayerState a = root_layer(), b = layer_state_of(bar);
            float h = (a.rotation.y + 180.0f) * 3.14159265f / 180.0f;
            float nx = a.translation.x + sinf(h) * c.wheelbase, nz = a.translation.z + cosf(h) * c.wheelbase;
            worst = fmaxf(worst, hypotf(nx - b.translation.x, nz - b.translation.z));
        }
        kvrn_host_log_enable(1);
        EXPECT_FALSE(slot(41)->running) << "the route ends";
        EXPECT_GT(ticks, 100);
        EXPECT_LT(worst, 0.01f) << "the nose wheel a wheelbase ahead of the main gear sits at the tow bar's end";
        send(KVRN_CMD_DESTROY);
        EXPECT_EQ(heap().live_blocks, 0u);
    }
}

// Pushback behind the small tow vehicle "atm" (body "atm_all", tow bar "tbr_M") in the types
// that are pulled by it, with the usual "atl" also in the scene.
TEST_F(GroundPlugin, PushbackBehindTheSmallTowVehicle) {
    struct Case {
        const wchar_t* dll;
        float wheelbase;
    } cases[] = {{L"acplug12.dll", 5.5f}, {L"acplug17.dll", 2.86f}};
    enum Scene { BOTH_TUGS, NO_SMALL_TUG, NOT_ASKED_FOR };
    for (const Case& c : cases) {
        for (Scene scene : {BOTH_TUGS, NO_SMALL_TUG, NOT_ASKED_FOR}) {
            SCOPED_TRACE(testing::Message() << narrow_name(c.dll) << " scene " << scene);
            load(c.dll);
            ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
            KvrnLayer large = add_scene_object(L"tow_vehicle.dll", L"atl");
            KvrnLayer large_body = kvrn_host_add_layer(large, L"atl_all");
            kvrn_host_add_layer(large, L"tbr_L");
            KvrnLayer small_body = 0;
            if (scene != NO_SMALL_TUG) {
                KvrnLayer small = add_scene_object(L"tow_vehicle.dll", L"atm");
                small_body = kvrn_host_add_layer(small, L"atm_all");
                kvrn_host_add_layer(small, L"tbr_M");
            }
            uint32_t mark = log_mark();
            EXPECT_EQ(start(41, 1, 10, 0, scene == NOT_ASKED_FOR ? 0.0f : 1.0f), -1);
            bool placed = false, looked_up = false;
            for (const KvrnCall& call : calls_since(mark, KVRN_CALL_POST)) placed |= call.tail_command == 40;
            for (const KvrnCall& call : calls_since(mark, KVRN_CALL_SEARCH_LAYER))
                looked_up |= call.name == std::wstring(L"atm") || call.name == std::wstring(L"atl");
            EXPECT_EQ(placed, scene != NOT_ASKED_FOR) << "the nose wheel placed through slot 40";
            EXPECT_EQ(looked_up, scene != NOT_ASKED_FOR) << "a tow vehicle looked for";
            EXPECT_TRUE(slot(41)->running);
            tick(10);  // 0.028 along at 10 km/h
            EXPECT_EQ(layer_state_of(large_body).moves, 0u) << "the large tow vehicle stays";
            KvrnLayerState a = root_layer();
            if (scene == BOTH_TUGS) {
                // Heading 270 from (100, 100): the tug starts hitch 2.5 and bar 3.5 ahead of the nose wheel.
                KvrnLayerState t = layer_state_of(small_body);
                EXPECT_NEAR(t.translation.x, 100 - c.wheelbase - 6.0f, 0.05f);
                EXPECT_NEAR(t.translation.z, 100, 1e-3f);
                EXPECT_NEAR(a.translation.x, 100, 0.05f) << "pulled along by the tug";
            } else {
                EXPECT_LT(a.translation.x, 100) << "driving itself";
                EXPECT_GT(a.translation.x, 99.9f);
                if (small_body) {
                    EXPECT_EQ(layer_state_of(small_body).moves, 0u);
                }
            }
            EXPECT_EQ(start(41, 0), -1);
            EXPECT_FALSE(slot(41)->running) << "stopped";
            send(KVRN_CMD_DESTROY);
        }
    }
}

// The tow vehicle pulls the aircraft along the type's own route: it starts at the first
// waypoint and its point passes near each later one in turn.
TEST_F(GroundPlugin, PushbackFollowsTheTypesRoute) {
    const float reach = 5.6f;  // the tug counts a target as reached two seconds out
    struct Case {
        const wchar_t* dll;
        float route[5][2];
    } cases[] = {
        {L"acplug03.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug02.dll", {{100, 81.7999f}, {0, 81.7999f}, {0, 0}, {-100, 0}, {-200, 0}}},
        {L"acplug04.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug10.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug13.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug15.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug14.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug11.dll", {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}}},
        {L"acplug16.dll", {{100, 81.7999f}, {0, 81.7999f}, {0, 0}, {-100, 0}, {-200, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(narrow_name(c.dll));
        load(c.dll);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        KvrnLayer tug = add_scene_object(L"tow_vehicle.dll", L"atl");
        KvrnLayer body = kvrn_host_add_layer(tug, L"atl_all");
        kvrn_host_add_layer(tug, L"tbr_L");
        EXPECT_EQ(start(41, 1, 10, 0, 1.0f), -1);
        tick(100);
        EXPECT_NEAR(layer_state_of(body).translation.z, c.route[0][1], 2e-5f) << "level with the first waypoint";
        kvrn_host_log_enable(0);
        int next = 1;
        for (int ticks = 0; slot(41)->running && ticks < 6000; ++ticks) {
            tick(100);
            KvrnLayerState t = layer_state_of(body);
            float h = (t.rotation.y + 180.0f) * 3.14159265f / 180.0f;
            float x = t.translation.x + sinf(h) * 3.2f, z = t.translation.z + cosf(h) * 3.2f;
            if (next < 5 && hypotf(x - c.route[next][0], z - c.route[next][1]) <= reach) ++next;
        }
        kvrn_host_log_enable(1);
        EXPECT_FALSE(slot(41)->running) << "the route ends";
        EXPECT_EQ(next, 5) << "waypoints passed in order";
        send(KVRN_CMD_DESTROY);
    }
}

// What a type shows in landing configuration, and how far its flare raises the nose.
struct LandingCase {
    const wchar_t* dll;
    const wchar_t* main_gear;  // shown once the main gear is down
    const wchar_t* flap;       // at its rotation for flaps 100
    KvrnVector flap_rotation;
    const wchar_t* slat;  // at its rotation for slats 100; NULL: the type has no slats
    KvrnVector slat_rotation;
    float final_pitch, flare_pitch;
    const wchar_t* landing_light = L"ldlightl1";  // shown in landing configuration
    bool no_spoilers = false;                     // the type has no spoilers to deploy on the roll-out
    int32_t own_clocks_ms = 0;                    // the final configuration runs on its own clocks for this long
};

void PrintTo(const LandingCase& c, std::ostream* out) { *out << narrow_name(c.dll); }

class ScriptedLanding : public PluginFixture, public ::testing::WithParamInterface<LandingCase> {};

TEST_P(ScriptedLanding, ToAStandstill) {
    const LandingCase& c = GetParam();
    load(c.dll);
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    slip_clear();
    KvrnLayer slip = add_scene_object(L"slip.dll", L"Slip");
    KvrnLayer path = kvrn_host_add_layer(0, L"approach");

    EXPECT_EQ(start(42, 1, static_cast<int32_t>(path), 1200.0f), -1);
    if (c.own_clocks_ms) {
        EXPECT_FALSE(layer(c.main_gear).visible) << "the gear only starts down";
        tick(c.own_clocks_ms);
    }
    // In landing configuration at once (or once its own clocks have run): gear down, flaps and
    // slats out, landing lights on.
    EXPECT_EQ(layer(L"nosegear").rotation.x, 0.0f) << "nose gear down";
    EXPECT_TRUE(layer(c.main_gear).visible) << "main gear down";
    KvrnVector flap = layer(c.flap).rotation;
    EXPECT_NEAR(flap.x, c.flap_rotation.x, 1e-3) << "flaps 100";
    EXPECT_NEAR(flap.z, c.flap_rotation.z, 1e-3) << "flaps 100";
    if (c.slat) {
        KvrnVector slat = layer(c.slat).rotation;
        EXPECT_NEAR(slat.x, c.slat_rotation.x, 1e-3) << "slats 100";
        EXPECT_NEAR(slat.z, c.slat_rotation.z, 1e-3) << "slats 100";
    }
    EXPECT_TRUE(layer(c.landing_light).visible) << "landing lights on";
    EXPECT_NEAR(root_layer().rotation.x, c.final_pitch, 1e-3) << "final approach pitch";

    kvrn_host_log_enable(0);
    float highest_pitch = 0;
    bool spoilers_seen = false;
    int ticks = 0;
    for (; slot(42)->running && ticks < 2000; ++ticks) {
        tick(100);
        highest_pitch = fmaxf(highest_pitch, root_layer().rotation.x);
        if (!c.no_spoilers) spoilers_seen = spoilers_seen || layer(L"spoiler").visible;
    }
    kvrn_host_log_enable(1);
    EXPECT_FALSE(slot(42)->running) << "the run stops at speed 0";
    EXPECT_NEAR(highest_pitch, c.flare_pitch, 1e-3) << "the flare raises the nose most at the touchdown point";
    EXPECT_EQ(spoilers_seen, !c.no_spoilers) << "roll-out deploys the spoilers";
    KvrnLayerState end = layer_state_of(path);
    EXPECT_EQ(end.translation.y, 0.0f);
    EXPECT_LT(end.translation.z, -300.0f);

    ASSERT_EQ(slip_start_count(), 1u);
    SlipStart told;
    ASSERT_TRUE(slip_start_get(0, &told));
    EXPECT_EQ(told.slip, slip);
    EXPECT_EQ(told.object, aircraft);
    EXPECT_EQ(told.fval1, 180.0f);
    EXPECT_EQ(told.fval2, 200.0f);

    send(KVRN_CMD_DESTROY);
    EXPECT_EQ(heap().live_blocks, 0u);
}

const LandingCase landing_cases[] = {
    {L"acplug03.dll", L"01body03", L"X_flap0101", {25, 0, 0, 0}, L"X_2slat", {50, 0, 0, 0}, 2, 4},
    {L"acplug01.dll", L"01body03", L"X_flap0101", {25, 0, 0, 0}, L"X_2slat", {50, 0, 0, 0}, 2, 4},
    {L"acplug02.dll", L"body03", L"X_flap0101", {35, 0, 1, 0}, L"Z_1slat", {-1.3f, 0, 0, 0}, 0, 6},
    {L"acplug04.dll", L"body03", L"X_flap0101", {28, 0, 0, 0}, L"Z_1slat", {0, 0, -1, 0}, 0, 6},
    {L"acplug06.dll", L"body03", L"X_flap0101", {40, 0, 0, 0}, L"X_1slat", {120, 0, 0, 0}, 0, 6},
    {L"acplug07.dll", L"body03", L"X_flap0403", {30, 0, -0.8f, 0}, L"X_3slat", {100, 0, 0, 0}, 0, 6},
    {L"acplug05.dll", L"body03", L"X_flap0101", {35, 0, 0, 0}, L"Z_1slat", {0, -0.5f, -1.3f, 0}, 4, 6},
    {L"acplug09.dll", L"body03", L"X_flaparm_01", {20, 0, 0, 0}, L"Y_2slat", {0, -2, 0, 0}, 2, 4},
    {L"acplug12.dll", L"body03", L"X_flap0201", {50, 0, 0, 0}, nullptr, {}, 3, 6, L"ldlightl"},
    {L"acplug10.dll", L"body03", L"X_flaparm_02", {35, 0, 0, 0}, nullptr, {}, 0, 6, L"ldlightl1", true},
    {L"acplug13.dll", L"body03", L"X_flap0401", {35, 0, 0, 0}, nullptr, {}, 0, 6},
    // No landing lights: the front beam comes on at the end of the final configuration.
    {L"acplug15.dll", L"body03", L"X_flap0101", {45, 0, 0, 0}, L"Z_2slat", {-10, 0, 0, 0}, 0, 6, L"ldlightm"},
    {L"acplug14.dll", L"01body03", L"X_flap0201", {37.5f, 0, 0, 0}, nullptr, {}, 0, 6, L"ldlightl"},
    {L"acplug11.dll", L"body03", L"X_flap0101", {20, 0, 0, 0}, nullptr, {}, 0, 6, L"ldlightl", true, 10000},
    {L"acplug16.dll", L"body03", L"X_flap0401", {30, 0, 0, 0}, nullptr, {}, 0, 6, L"ldlightl1", true},
};

INSTANTIATE_TEST_SUITE_P(Plugins, ScriptedLanding, ::testing::ValuesIn(landing_cases),
                         [](const ::testing::TestParamInfo<LandingCase>& info) {
                             std::string name = narrow_name(info.param.dll);
                             return name.substr(0, name.find('.'));
                         });
}  // namespace
