// The scripted landing run (slot 42) on the framework linked into this program: landing
// configuration at once, the glide path and flare read back from the moved layer, the
// sequences posted at their distances, braking to a standstill and "Slip" told once.
#include <math.h>

#include <vector>

#include "ground_test_type.h"
#include "plugin_fixture.h"
#include "slip_log.h"

namespace {
const float SECOND_AT_200 = 200.0f / 3.6f;  // units flown in one second at the start speed

// Sway of the run's roll clock, before the fade near the ground.
float sway(float clock_ms) {
    float t = clock_ms / 20000.0f;
    return 3.0f * sinf(t * 18.849556f) + sinf(t * 31.415928f);
}

class LandingRun : public PluginFixture {
protected:
    KvrnLayer path = 0;  // the layer the run moves

    void SetUp() override {
        kvrn_host_reset();
        kvrn_host_set_lenient(1);
        slip_clear();
        entry = KVRNACTIONINTERFACE;
        aircraft = kvrn_host_create_object(L"aircraft", entry);
        path = kvrn_host_add_layer(0, L"approach");
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }

    // Starts the run so that, after the three seconds its start runs on, it stands at `d`.
    int32_t land_from(float d, int32_t flag = 1) {
        return start(42, flag, static_cast<int32_t>(path), d + 3 * SECOND_AT_200);
    }

    int32_t action_time_left_of(int32_t n) { return static_cast<int32_t>(send(KVRN_CMD_TIME_LEFT, n)); }

    KvrnLayerState moved() {
        KvrnLayerState s{};
        kvrn_host_layer_state(path, &s);
        return s;
    }

    // Commands the run sent to its own object since `mark`: (command, ival1, fval2).
    std::vector<KvrnCall> own_commands(uint32_t mark) {
        std::vector<KvrnCall> mine;
        for (const KvrnCall& call : calls_since(mark, KVRN_CALL_MOVE_ACTION))
            if (call.layer == aircraft && call.ints[0] != KVRN_CMD_RECORD) mine.push_back(call);
        return mine;
    }
    int count_of(const std::vector<KvrnCall>& calls, int32_t command) {
        int n = 0;
        for (const KvrnCall& call : calls) n += call.ints[0] == command;
        return n;
    }

    KvrnLayer add_slip() {
        KvrnActionInterface slip_entry = kvrn_host_load_plugin(L"slip.dll");
        EXPECT_NE(slip_entry, nullptr) << "cannot load slip.dll";
        return kvrn_host_create_object(L"Slip", slip_entry);
    }
};

TEST_F(LandingRun, StartGoesIntoLandingConfigurationThreeSecondsAlong) {
    uint32_t mark = log_mark();
    EXPECT_EQ(start(42, 7, static_cast<int32_t>(path), 1000.0f), -1);
    struct Expected {
        int32_t command, ival1;
    } expected[] = {{8, 7}, {KVRN_CMD_TICK, -1}, {9, 7}, {KVRN_CMD_TICK, -1}, {10, 7}, {KVRN_CMD_TICK, -1}};
    std::vector<KvrnCall> calls = own_commands(mark);
    ASSERT_EQ(calls.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].ints[0], expected[i].command) << "call " << i;
        EXPECT_EQ(calls[i].ints[1], expected[i].ival1) << "call " << i;
    }
    ActionSlot* run = slot(42);
    EXPECT_TRUE(run->running);
    EXPECT_EQ(run->word1.i, 7);
    EXPECT_EQ(run->word2.u, path);
    EXPECT_EQ(run->word3.i, 10);
    EXPECT_EQ(run->word4.i, 0);
    EXPECT_NEAR(run->word5.f, 1000.0f - 3 * SECOND_AT_200, 1e-3);
    EXPECT_EQ(run->word6.f, 200.0f);
    EXPECT_EQ(run->word7.f, 3000.0f);
    KvrnLayerState s = moved();
    EXPECT_NEAR(s.translation.z, 1000.0f - 3 * SECOND_AT_200, 1e-3);
    EXPECT_NEAR(s.translation.y, 0.15f * s.translation.z - 5.0f, 1e-3) << "on the glide line";
    EXPECT_EQ(s.translation.x, 0.0f);
    EXPECT_NEAR(s.rotation.z, sway(3000), 1e-4);
    EXPECT_EQ(action_time_left_of(42), -1);
}

TEST_F(LandingRun, HeightSwayAndSequencesByDistance) {
    struct Case {
        float d, height;
        int32_t last_sequence;  // word3 after the start
        bool flare_posted;
    } cases[] = {
        {400, 55.0f, 10, false}, {250, 32.5f, 10, false},
        {200, 25.0f, 10, false},                           // the glide line meets the flare curve
        {100, 11.25f, 11, true}, {50, 5.3125f, 11, true},  // low: the roll fades with the height
        {0, 0.0f, 11, true},     {-50, 0.0f, 11, true},
    };
    for (const Case& c : cases) {
        SetUp();
        uint32_t mark = log_mark();
        land_from(c.d);
        KvrnLayerState s = moved();
        EXPECT_NEAR(s.translation.z, c.d, 2e-3);
        EXPECT_NEAR(s.translation.y, c.height, 2e-3) << "at " << c.d;
        EXPECT_NEAR(s.rotation.z, sway(3000) * fminf(c.height, 10.0f) / 10.0f, 1e-4) << "at " << c.d;
        EXPECT_EQ(slot(42)->word3.i, c.last_sequence) << "at " << c.d;
        std::vector<KvrnCall> calls = own_commands(mark);
        EXPECT_EQ(count_of(calls, 12) + count_of(calls, 13), 0) << "at " << c.d;
        if (c.flare_posted) {
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(calls.back().ints[0], 11) << "at " << c.d;
            EXPECT_EQ(calls.back().ints[1], 1);
            EXPECT_NEAR(calls.back().floats[1], c.height, 2e-3) << "flare told the height at " << c.d;
        } else {
            EXPECT_EQ(count_of(calls, 11), 0) << "at " << c.d;
        }
        send(KVRN_CMD_DESTROY);
    }
}

TEST_F(LandingRun, SwayClockDropsWholePeriodsOnlyWhilePastOne) {
    land_from(8000);  // high on the glide line all along: no fade of the roll
    ASSERT_EQ(slot(42)->word7.f, 3000.0f);
    struct Step {
        int32_t ms;
        float clock;
    } steps[] = {
        {17000, 20000.0f},  // exactly one period stays
        {20000, 20000.0f},  // 40000 drops one period, and stops at exactly one
        {25000, 5000.0f},   // 45000 drops two
        {15000, 20000.0f},
    };
    for (const Step& s : steps) {
        tick(s.ms);
        EXPECT_EQ(slot(42)->word7.f, s.clock) << "after " << s.ms << " ms";
        EXPECT_NEAR(moved().rotation.z, sway(s.clock), 1e-4);
    }
}

TEST_F(LandingRun, TouchdownSequencePostedOnce) {
    uint32_t mark = log_mark();
    land_from(-200);
    EXPECT_EQ(slot(42)->word3.i, 12);
    EXPECT_EQ(moved().translation.y, 0.0f);
    uint32_t after_start = log_mark();
    for (int i = 0; i < 10; ++i) tick(100);
    EXPECT_EQ(count_of(own_commands(mark), 12), 1);
    EXPECT_EQ(count_of(own_commands(after_start), 11), 0) << "no flare past the touchdown zone";
    EXPECT_EQ(slot(42)->word6.f, 200.0f) << "no braking before the roll-out point";
}

TEST_F(LandingRun, BrakesTenKmhASecondToAStandstill) {
    uint32_t mark = log_mark();
    land_from(-350);
    EXPECT_EQ(slot(42)->word3.i, 13);
    EXPECT_EQ(slot(42)->word6.f, 200.0f);
    for (int second = 1; second < 20; ++second) {
        tick(1000);
        ASSERT_TRUE(slot(42)->running) << "after " << second << " s";
        EXPECT_NEAR(slot(42)->word6.f, 200.0f - 10.0f * second, 1e-3);
    }
    tick(1000);
    EXPECT_EQ(slot(42)->word6.f, 0.0f);
    EXPECT_FALSE(slot(42)->running) << "stopped when the speed reached 0, 20 s on";
    EXPECT_EQ(action_time_left_of(42), 0);
    EXPECT_EQ(count_of(own_commands(mark), 13), 1);
    uint32_t moves = moved().moves;
    tick(1000);
    EXPECT_EQ(moved().moves, moves);
}

TEST_F(LandingRun, WholeRunTellsSlipOnceAtTouchdown) {
    KvrnLayer slip = add_slip();
    uint32_t mark = log_mark();
    start(42, 1, static_cast<int32_t>(path), 1500.0f);
    // Where the layer stood before each tick, and which sequences that tick posted.
    float first_ground_z = 1.0f, touchdown_from = 0, rollout_from = 0;
    int ticks = 0;
    while (slot(42)->running && ticks < 100000) {
        float before = moved().translation.z;
        uint32_t tick_mark = log_mark();
        tick(100);
        ++ticks;
        std::vector<KvrnCall> calls = own_commands(tick_mark);
        if (count_of(calls, 12)) touchdown_from = before;
        if (count_of(calls, 13)) rollout_from = before;
        if (first_ground_z > 0 && moved().translation.y == 0.0f) first_ground_z = moved().translation.z;
    }
    EXPECT_FALSE(slot(42)->running);
    EXPECT_EQ(slot(42)->word6.f, 0.0f);

    std::vector<KvrnCall> calls = own_commands(mark);
    EXPECT_EQ(count_of(calls, 12), 1);
    EXPECT_EQ(count_of(calls, 13), 1);
    EXPECT_LT(touchdown_from, -100.0f);
    EXPECT_GE(touchdown_from, -100.0f - 0.1f * SECOND_AT_200);
    EXPECT_LT(rollout_from, -300.0f);
    EXPECT_GE(rollout_from, -300.0f - 0.1f * SECOND_AT_200);

    ASSERT_EQ(slip_start_count(), 1u) << "Slip told exactly once";
    SlipStart told;
    ASSERT_TRUE(slip_start_get(0, &told));
    EXPECT_EQ(told.slip, slip);
    EXPECT_EQ(told.object, aircraft);
    ASSERT_TRUE(told.translation_given);
    EXPECT_EQ(told.translation.y, 0.0f);
    EXPECT_EQ(told.translation.z, first_ground_z) << "the translation of that tick";
    EXPECT_LE(told.translation.z, 0.0f);
    EXPECT_EQ(told.fval1, 180.0f);
    EXPECT_EQ(told.fval2, 200.0f) << "its speed at touchdown";
    EXPECT_EQ(slot(42)->word4.i, 1);
}

TEST_F(LandingRun, WithoutSlipTheRunStillEnds) {
    uint32_t mark = log_mark();
    land_from(-50);
    EXPECT_EQ(slot(42)->word4.i, 1) << "counted as told";
    for (int i = 0; i < 400 && slot(42)->running; ++i) tick(100);
    EXPECT_FALSE(slot(42)->running);
    for (const KvrnCall& call : calls_since(mark, KVRN_CALL_MOVE_ACTION))
        EXPECT_EQ(call.layer, aircraft) << "nothing sent elsewhere";
    EXPECT_EQ(slip_start_count(), 0u);
}
}  // namespace
