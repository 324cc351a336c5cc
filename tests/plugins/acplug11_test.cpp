// acplug11 in the stand-in engine: its take-off trigger on slot 126, flaps that swap the engine
// parts, nacelle gear, propeller pitch that remembers the last change of power, two-section
// airstair, the roll-out that only runs a clock, its reset, a second scripted landing and a
// whole flight through its sequences that leaves the heap clean.
#include <math.h>

#include <vector>

#include "aircraft_fixture.h"
#include "slip_log.h"

namespace {
const float HALF_PI = 1.57079632f;

class Acplug11 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug11.dll"; }
    std::vector<Post> posts_to(uint32_t mark, int32_t command) {
        std::vector<Post> found;
        for (const Post& post : posts_since(mark))
            if (post.command == command) found.push_back(post);
        return found;
    }
};

// Slot 126: nothing above a height of 10; on the ground (exactly 0) the take-off flaps once per
// take-off; in the air up to 10 the body pitch 6 on every call.
TEST_F(Acplug11, TakeoffTriggerByHeight) {
    ActionSlot* trigger = slot(SLOT_TAKEOFF_TRIGGER);
    ASSERT_NE(trigger, nullptr);
    uint32_t mark = log_mark();
    EXPECT_EQ(start(SLOT_TAKEOFF_TRIGGER, 0, 0, 0, 10.5f), 0);
    EXPECT_TRUE(posts_since(mark).empty()) << "above 10 nothing happens";
    EXPECT_EQ(trigger->word1.u, 0u) << "not even the once flag";

    mark = log_mark();
    EXPECT_EQ(start(SLOT_TAKEOFF_TRIGGER, 0, 0, 0, 0), 0);
    EXPECT_EQ(start(SLOT_TAKEOFF_TRIGGER, 0, 0, 0, 0), 0);
    std::vector<Post> flaps = posts_to(mark, SLOT_FLAPS);
    ASSERT_EQ(flaps.size(), 1u) << "flaps 30 once";
    EXPECT_EQ(flaps[0], (Post{SLOT_FLAPS, 30, 0, 0, 0}));
    EXPECT_TRUE(posts_to(mark, SLOT_BODY_PITCH).empty()) << "no pitch on the ground";
    finish();
    expect_x(L"X_flap0101", 0.3f * 20);

    for (float height : {0.5f, 10.0f}) {
        mark = log_mark();
        start(SLOT_TAKEOFF_TRIGGER, 0, 0, 0, height);
        std::vector<Post> pitches = posts_to(mark, SLOT_BODY_PITCH);
        ASSERT_EQ(pitches.size(), 1u) << "height " << height;
        EXPECT_EQ(pitches[0], (Post{SLOT_BODY_PITCH, 0, 0, 6.0f, height}));
        EXPECT_NEAR(pitch(), 6, 1e-4f);
        EXPECT_TRUE(posts_to(mark, SLOT_FLAPS).empty());
    }

    run(SEQ_AFTER_TAKEOFF, 0, 0);
    EXPECT_EQ(trigger->word1.u, 0u) << "cleared after take-off";
    mark = log_mark();
    start(SLOT_TAKEOFF_TRIGGER, 0, 0, 0, 0);
    EXPECT_EQ(posts_to(mark, SLOT_FLAPS).size(), 1u) << "the next take-off sets its flaps again";
}

// Flaps at 6000 ms per 100: panels and arms down 20 degrees, the two "X_revon" parts 21, no
// translation; the engine parts swap with the wings.
TEST_F(Acplug11, FlapsSwapTheEngineParts) {
    struct Case {
        float f;
        int32_t target;
        bool moving;
    } cases[] = {{0.5f, 100, true}, {1.0f, 100, true}, {0.25f, 0, true}, {0.0f, 0, false}};
    const wchar_t* const at_20[] = {L"X_flap0101",   L"X_flap0201",   L"X_flaparm_01", L"X_flaparm_02",
                                    L"X_flaparm_03", L"X_flaparm_04", L"X_flaparm_05", L"X_flaparm_06"};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "setting " << c.f << " towards " << c.target);
        run(SLOT_FLAPS, 100 - c.target, -1);
        EXPECT_EQ(run(SLOT_FLAPS, c.target, 0), 6000);
        tick(static_cast<int32_t>(fabsf(c.f * 100 - (100 - c.target)) * 60 + 0.5f));
        for (const wchar_t* flap : at_20) expect_x(flap, 20 * c.f);
        expect_x(L"X_revon102", 21 * c.f);
        expect_x(L"X_revon202", 21 * c.f);
        expect_vec(translation(L"X_flap0101"), {0, 0, 0}, "no translation");
        EXPECT_EQ(visible(L"mainwing01"), !c.moving);
        EXPECT_EQ(visible(L"engine_off"), !c.moving);
        EXPECT_EQ(visible(L"mainwing02"), c.moving);
        EXPECT_EQ(visible(L"engine_on"), c.moving);
    }
}

// Gear over its 10000 ms: the nose doors open to 90 by 0.4 and the strut swings down by 0.9;
// the nacelle doors open by 0.25, the legs swing to -115 on a sine while the shafts unfold and
// drop, and the doors close again by 1.
TEST_F(Acplug11, GearIntoTheNacelles) {
    struct Case {
        float p;
        float nose_doors, strut, doors, leg, shaft, lift;
    } cases[] = {
        {0.0f, 0, 120, 0, 0, 110, 0.1f},    {0.05f, 0, 120, 18, 0, 110, 0.1f},
        {0.25f, 45, 120, 90, 0, 110, 0.1f}, {0.5f, 90, 96, 90, -115 * sinf(HALF_PI / 2), 55, 0.05f},
        {0.8f, 90, 24, 72, -115, 0, 0},     {1.0f, 90, 0, 0, -115, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        run(SLOT_GEAR, 0, -1);
        EXPECT_EQ(run(SLOT_GEAR, 1, static_cast<int32_t>(c.p * 10000 + 0.5f)), 0);
        EXPECT_EQ(visible(L"nosegear"), c.p >= 0.1f);
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        expect_x(L"nosegear", c.strut);
        expect_z(L"Z_1nose01", c.nose_doors);
        expect_z(L"Z_2nose01", -c.nose_doors);
        for (const wchar_t* door : {L"Z_1eng01", L"Z_4eng01"}) expect_z(door, c.doors);
        for (const wchar_t* door : {L"Z_2eng01", L"Z_5eng01"}) expect_z(door, -c.doors);
        for (const wchar_t* leg : {L"X_3eng01", L"X_6eng01"}) expect_x(leg, c.leg);
        for (const wchar_t* shaft : {L"X_01t1Rshaft", L"X_01t1Lshaft"}) {
            expect_x(shaft, c.shaft);
            expect_vec(translation(shaft), {0, c.lift, 0}, narrow(shaft) + " lift");
        }
    }
}

// Blade pitch: 30 at rest, rising with power to 60 by power 25, and held at 30 while power is
// being reduced, whatever the power; 60 at full power either way. All four blades pitch about y.
TEST_F(Acplug11, BladePitchRemembersTheLastChange) {
    struct Case {
        int32_t from, to, ms;  // together, 20000 ms for a change of 100; -1: to the end
        float pitch;
        bool hub_shown, disc_shown;
    } cases[] = {
        {0, 5, -1, 35, true, false},      {0, 15, -1, 40 + 20 * sinf(HALF_PI / 3), true, false},
        {0, 25, -1, 60, true, false},     {0, 50, -1, 60, true, true},
        {0, 100, -1, 60, false, true},    {100, 0, 10000, 30, true, true},  // at 50 on the way down
        {100, 0, 18000, 30, true, false},                                   // at 10
        {100, 50, -1, 30, true, true},    {100, 0, -1, 30, true, false},
        {50, 100, -1, 60, false, true},
    };
    const wchar_t* const blades[] = {L"Y_01e1low", L"Y_02e1low", L"Y_03e1low", L"Y_04e1low",
                                     L"Y_01e2low", L"Y_02e2low", L"Y_03e2low", L"Y_04e2low"};
    const float rolls[] = {0, 90, 180, -90};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to << " after " << c.ms << " ms");
        run(SLOT_ENGINES, c.from, -1, 1);
        run(SLOT_ENGINES, c.to, c.ms, 1);
        for (int b = 0; b < 8; ++b)
            expect_vec(rotation(blades[b]), {0, c.pitch, rolls[b % 4]}, narrow(blades[b]), 1e-3f);
        EXPECT_EQ(visible(L"Z_e1low"), c.hub_shown);
        EXPECT_EQ(visible(L"Z_e2high"), c.disc_shown);
        EXPECT_EQ(handle(L"X_02e1low"), 0u) << "no blades of the other layout";
    }
}

// The airstair over its 10000 ms: the door moves out, slides down, then the two sections unfold;
// "trap_on" only once the run is complete.
TEST_F(Acplug11, AirstairUnfolds) {
    struct Case {
        int32_t ms;
        float x, z, a1, a2, k;
        bool door_body, stair, stair_on;
    } cases[] = {
        {0, 0, 0, 145, -180, -0.1f, false, false, false},
        {250, 0.05f, 0, 145, -180, -0.1f, true, false, false},
        {1000, 0.1f, -0.8f / 3, 145, -175 - 5 * 2.0f / 3, -0.1f * 2 / 3, true, true, false},
        {6000, 0.1f, -0.8f, 72.5f, -87.5f, 0, true, true, false},
        {9990, 0.1f, -0.8f, 145 * 0.00125f, -175 * 0.00125f, 0, true, true, false},
        {10000, 0.1f, -0.8f, 0, 0, 0, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ms << " ms");
        run(SLOT_SECOND_DOOR, 0, -1);
        EXPECT_EQ(run(SLOT_SECOND_DOOR, 1, c.ms == 0 ? -1 : c.ms), 10000);
        if (c.ms == 0) run(SLOT_SECOND_DOOR, 0, -1);
        expect_vec(translation(L"Z_door01"), {c.x, 0, c.z}, "door");
        expect_vec(rotation(L"Z_door01"), {0, 0, 0}, "the door does not turn");
        expect_vec(translation(L"Z_trap01"), {c.k, c.k, 0}, "first section's place");
        expect_z(L"Z_trap01", c.a1);
        expect_z(L"Z_trap02", c.a2);
        EXPECT_EQ(visible(L"S1door01"), c.door_body);
        EXPECT_EQ(visible(L"Z_trap01"), c.stair);
        EXPECT_EQ(visible(L"trap_on"), c.stair_on);
    }
}

// The roll-out is a clock of 5000 ms that moves nothing; its time left can be asked.
TEST_F(Acplug11, RollOutOnlyRunsItsClock) {
    uint32_t mark = log_mark();
    EXPECT_EQ(run(SEQ_ROLLOUT, 1, 1000), 5000);
    EXPECT_EQ(time_left(SEQ_ROLLOUT), 4000);
    EXPECT_TRUE(posts_since(mark).empty()) << "no spoilers or reversers";
    EXPECT_TRUE(calls_since(mark, KVRN_CALL_MOVE_LAYER).empty());
    EXPECT_TRUE(calls_since(mark, KVRN_CALL_SWITCH_LAYER).empty());
    finish();
    EXPECT_EQ(time_left(SEQ_ROLLOUT), 0);
}

// The reset posts in its own order, the airstair after the body pitch, and parks the aircraft.
TEST_F(Acplug11, ResetParksTheAircraft) {
    run(SLOT_GEAR, 0, -1);
    run(SLOT_SECOND_DOOR, 1, -1);
    run(SLOT_DOOR, 1, -1);
    run(SLOT_ENGINES, 60, -1, 1);
    uint32_t mark = log_mark();
    start(KVRN_CMD_RESET);
    std::vector<int32_t> commands;
    for (const Post& post : posts_since(mark)) commands.push_back(post.command);
    EXPECT_EQ(commands,
              (std::vector<int32_t>{SLOT_FLAPS, SLOT_NOSE_STEER, SLOT_GEAR, SLOT_ENGINES, SLOT_BEACON, SLOT_NAV_LIGHTS,
                                    SLOT_ROLIGHT, SLOT_LANDING_LIGHTS, SLOT_FRONT_LIGHT, SLOT_LOGO_LIGHT, SLOT_STROBES,
                                    SLOT_BODY_PITCH, SLOT_SECOND_DOOR, SLOT_DOOR, SLOT_LIGHT_PARAMS}));
    finish();
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_FALSE(visible(L"S1door01"));
    EXPECT_FALSE(visible(L"trap_on"));
    expect_vec(translation(L"Z_door01"), {0, 0, 0}, "door closed");
    expect_z(L"Z_door02", 0);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running);
}

// A second scripted landing of the same object sways on from where the first left off (each of
// the start's two jumps to the end runs it a second on), and tells "Slip" of its touchdown again.
TEST_F(Acplug11, SecondScriptedLanding) {
    slip_clear();
    add_scene_object(L"slip.dll", L"Slip");
    KvrnLayer path = kvrn_host_add_layer(0, L"approach");
    kvrn_host_log_enable(0);
    float sway = 0;
    for (int landing = 1; landing <= 2; ++landing) {
        SCOPED_TRACE(testing::Message() << "landing " << landing);
        EXPECT_EQ(start(SLOT_LANDING_RUN, 1, static_cast<int32_t>(path), 1200.0f), -1);
        float expected = sway;
        for (int jump = 0; jump < 2; ++jump) {
            expected += 1000;
            if (expected > 20000) expected = fmodf(expected, 20000);
        }
        EXPECT_EQ(slot(SLOT_LANDING_RUN)->word7.f, expected) << "the sway clock goes on";
        for (int ticks = 0; slot(SLOT_LANDING_RUN)->running && ticks < 2000; ++ticks) tick(100);
        EXPECT_FALSE(slot(SLOT_LANDING_RUN)->running);
        EXPECT_EQ(slip_start_count(), static_cast<uint32_t>(landing)) << "each touchdown told";
        sway = slot(SLOT_LANDING_RUN)->word7.f;
        EXPECT_NE(sway, 0.0f);
    }
    kvrn_host_log_enable(1);
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug11, FlightThroughTheSequences) {
    run(SLOT_LIGHT_PARAMS, 1, 0, 1);
    run(SEQ_NAV_LIGHTS_ON, 1, 0);
    run(SEQ_BEACON_ON, 0, 500);
    run(SLOT_ENGINES, 100, -1, 1);
    EXPECT_FALSE(visible(L"Z_e2low")) << "propellers at full power show their discs";
    run(SLOT_TAKEOFF_TRIGGER, 0, -1, 0, 0, 0);
    expect_x(L"X_flaparm_06", 0.3f * 20);
    run(SEQ_DEPARTURE, 1, -1);
    run(SEQ_LANDING_LIGHTS_ON, 1, -1);
    EXPECT_TRUE(visible(L"ldlightl"));
    EXPECT_EQ(run(SEQ_ROTATE, 0, -1), 3000);
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    run(SLOT_TAKEOFF_TRIGGER, 0, 0, 0, 0, 3);
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "lifting off";
    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    EXPECT_EQ(run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120), 10000);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_TRUE(visible(L"engine_off")) << "flaps in";
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    expect_x(L"X_revon202", 0.5f * 21);
    EXPECT_EQ(run(SEQ_FINAL, 1, 5000, 0, 0, 50), 10000) << "as long as the gear";
    EXPECT_NEAR(pitch(), 0, 1e-4f) << "level through the final configuration";
    finish();
    EXPECT_TRUE(visible(L"tire")) << "gear down";
    expect_x(L"X_flap0201", 20);
    expect_steep_flare_and_touchdown();
    EXPECT_EQ(run(SEQ_ROLLOUT, 0, 2500), 5000);
    finish();

    EXPECT_EQ(run(SLOT_SECOND_DOOR, 1, -1), 10000);
    EXPECT_TRUE(visible(L"trap_on")) << "airstair down at the stand";
    EXPECT_EQ(run(SLOT_DOOR, 1, -1), 1000);
    expect_z(L"Z_door02", 110);
    run(SEQ_AFTER_LANDING, 1, -1);
    run(SEQ_BEACON_OFF, 0, 0);
    run(SEQ_NAV_LIGHTS_OFF, 0, 0);
    run(SLOT_ENGINES, 0, -1, 1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "propellers at rest";
    destroy_leaving_a_clean_heap();
}
}  // namespace
