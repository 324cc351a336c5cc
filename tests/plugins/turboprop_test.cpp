// acplug10 and acplug13 in the stand-in engine: each one's own nacelle gear at chosen progress,
// acplug13's spoilers-only roll-out, each one's reset, and a whole flight of each through its
// sequences that leaves the engine's heap clean.
#include <math.h>

#include <string>

#include "aircraft_fixture.h"

namespace {
const float HALF_PI = 1.57079632f;

class Turboprop : public AircraftTest {
protected:
    const wchar_t* dll = L"acplug10.dll";
    const wchar_t* plugin() override { return dll; }
    void fly(const wchar_t* plug_in) {
        send(KVRN_CMD_DESTROY);
        dll = plug_in;
        SetUp();
    }
    // Gear at progress p, extending from up.
    void gear_at(float p) {
        run(SLOT_GEAR, 0, -1);
        run(SLOT_GEAR, 1, static_cast<int32_t>(p * 12000 + 0.5f));
    }
};

// acplug10's main gear: nacelle doors D1 (stays open), D2 and D3 (close again once down, D3
// first), shafts H and links L.
TEST_F(Turboprop, Acplug10MainGearIntoTheNacelles) {
    struct Case {
        float p, d1, d2, d3, h, l;
    } cases[] = {
        {0.0f, 0, 0, 0, 86, 20},
        {0.05f, 18, 0, 0, 86, 20},
        {0.15f, 54, 38.571429f, 0, 86, 20},
        {0.2f, 72, 64.285714f, 45, 86, 20},
        {0.5f, 90, 90, 90, 43, 10},
        {0.8f, 90, 60, 30, 0, 0},
        {0.85f, 90, 30, 0, 0, 0},
        {1.0f, 90, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p);
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        EXPECT_EQ(visible(L"nosegear"), c.p >= 0.1f);
        for (const wchar_t* door : {L"Z_1eng01", L"Z_4eng01"}) expect_z(door, c.d1);
        for (const wchar_t* door : {L"Z_2eng01", L"Z_5eng01"}) expect_z(door, c.d2);
        for (const wchar_t* door : {L"Z_3eng01", L"Z_6eng01"}) expect_z(door, c.d3);
        for (const wchar_t* shaft : {L"X_01t1Rshaft", L"X_01t1Lshaft"}) expect_x(shaft, -c.h);
        for (const wchar_t* link : {L"X_0102t1Rshaf", L"X_0102t1Lshaft"}) expect_x(link, c.l);
        expect_vec(translation(L"X_01t1Rshaft"), {0, 0, 0}, "rotations only");
    }
}

// acplug13's gear: outer nacelle doors M on a sine ease, third doors R, shafts Q, links L, and
// the nose strut placed under the nose and sliding back as it folds.
TEST_F(Turboprop, Acplug13GearIntoTheNacelles) {
    fly(L"acplug13.dll");
    struct Case {
        float p, m, r, q, l, slide;
    } cases[] = {
        {0.0f, 0, 0, 90, 22, 0.2f},   {0.1f, 0, 32, 90, 22, 0.2f},
        {0.25f, 0, 80, 90, 22, 0.2f}, {0.5f, 70 * sinf(HALF_PI / 2), 80, 45, 11, 0.1f},
        {0.875f, 70, 40, 0, 0, 0},    {1.0f, 70, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p);
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        for (const wchar_t* door : {L"Z_1eng01", L"Z_4eng01"}) expect_z(door, -c.m);
        for (const wchar_t* door : {L"Z_2eng01", L"Z_5eng01"}) expect_z(door, c.m);
        expect_z(L"Z_3eng01", -c.r);
        expect_z(L"Z_6eng01", c.r);
        for (const wchar_t* shaft : {L"X_01t1Rshaft", L"X_01t1Lshaft"}) expect_x(shaft, -c.q);
        for (const wchar_t* link : {L"X_0102t1Rshaf", L"X_0102t1Lshaft"}) expect_x(link, c.l);
        expect_vec(translation(L"nosegear"), {0, 1.1f, c.slide - 14.8541f}, "nose strut's place");
    }
}

// acplug13's roll-out raises the spoilers alone (it has no reversers) and lowers them when its
// clock ends, at once when the clock jumps to its end.
TEST_F(Turboprop, Acplug13RollOutRaisesOnlyTheSpoilers) {
    fly(L"acplug13.dll");
    uint32_t mark = log_mark();
    EXPECT_EQ(run(SEQ_ROLLOUT, 0, 1000), 5000);
    EXPECT_TRUE(visible(L"spoiler"));
    expect_x(L"X_spoiler01", -60);
    tick(3900);
    EXPECT_TRUE(visible(L"spoiler")) << "up until the roll-out's clock ends";
    tick(100);
    EXPECT_NEAR(rotation(L"X_spoiler01").x, -60 * 0.9f, 1e-3f) << "lowering from the end of the roll-out";
    tick(1000);
    EXPECT_FALSE(visible(L"spoiler")) << "lowered";
    for (const Post& post : posts_since(mark)) EXPECT_NE(post.command, SLOT_REVERSERS) << "no reversers posted";

    run(SEQ_ROLLOUT, 0, 1000);
    EXPECT_TRUE(visible(L"spoiler"));
    finish();
    EXPECT_FALSE(visible(L"spoiler")) << "a jump to the end lowers them at once";
    EXPECT_EQ(start(SLOT_REVERSERS, 1), 0);
    EXPECT_EQ(start(SLOT_SLATS, 100), 0);
}

// A flight through each type's sequences, from the stand to the stand, and the heap after
// destroy.
TEST_F(Turboprop, FlightThroughTheSequences) {
    for (const wchar_t* type : {L"acplug10.dll", L"acplug13.dll"}) {
        SCOPED_TRACE(narrow(type));
        fly(type);
        bool spoilers = std::wstring(type) == L"acplug13.dll";
        take_off();
        EXPECT_TRUE(visible(L"wglightl")) << "navigation lights on";
        EXPECT_TRUE(visible(L"ldlightr2")) << "landing lights on";
        EXPECT_FALSE(visible(L"Z_e2low")) << "propellers at full power show their discs";
        EXPECT_NEAR(pitch(), 4.0f, 1e-4f) << "rotated";
        EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0.3f * 35, 1e-3f) << "take-off flaps 30";

        run(SEQ_CLIMB, 0, 0, 0, 0, 30);
        EXPECT_NEAR(pitch(), 4.0f, 1e-4f) << "climb";
        run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
        EXPECT_FALSE(visible(L"nosegear")) << "gear up";
        EXPECT_FALSE(visible(L"tire"));
        EXPECT_NEAR(pitch(), 0, 1e-4f);

        run(SEQ_APPROACH, 0, -1);
        EXPECT_NEAR(rotation(L"X_flaparm_02").x, 0.5f * 35, 1e-3f) << "approach flaps 50";
        uint32_t mark = log_mark();
        EXPECT_EQ(run(SEQ_FINAL, 1, 6000, 0, 0, 50), 12000) << "as long as the gear";
        EXPECT_NEAR(pitch(), 0, 1e-4f) << "level through the final configuration";
        finish();
        std::vector<Post> posts = posts_since(mark);
        ASSERT_FALSE(posts.empty());
        EXPECT_EQ(posts.back(), (Post{SLOT_FRONT_LIGHT, 1, 0, 0, 0})) << "front light at the end";
        EXPECT_TRUE(visible(L"tire")) << "gear down";
        expect_vec(rotation(L"Z_1eng01"), {0, 0, spoilers ? -70.0f : 90.0f}, "outer nacelle door open", 1e-3f);
        EXPECT_NEAR(rotation(L"X_flap0301").x, 35, 1e-3f) << "landing flaps";

        expect_steep_flare_and_touchdown();
        if (spoilers) {
            EXPECT_EQ(run(SEQ_ROLLOUT, 0, 2500), 5000);
            EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
            finish();
            EXPECT_FALSE(visible(L"spoiler"));
        } else {
            EXPECT_EQ(run(SEQ_ROLLOUT, 0, 2500), 0) << "no roll-out";
        }

        EXPECT_EQ(run(SLOT_SECOND_DOOR, 1, -1), 0);
        expect_vec(rotation(L"Z_door01"), {0, 0, spoilers ? -145.0f : -130.0f}, "door open at the stand", 1e-3f);
        EXPECT_EQ(run(SLOT_DOOR, 1, -1), 6000);
        expect_vec(rotation(L"Z_door02"), {0, 0, 90}, "second door open", 1e-3f);
        shut_down();
        EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
        EXPECT_FALSE(visible(L"ldlightl1")) << "landing lights off";
        EXPECT_FALSE(slot(SLOT_BEACON)->running);
        EXPECT_FALSE(visible(L"wglightr")) << "navigation lights off";
        EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "propellers at rest";
        EXPECT_TRUE(visible(L"Z_e1low"));
        destroy_leaving_a_clean_heap();
    }
}

// The reset: gear down, doors closed, engines at rest, whatever the aircraft did before.
TEST_F(Turboprop, ResetParksTheAircraft) {
    for (const wchar_t* type : {L"acplug10.dll", L"acplug13.dll"}) {
        SCOPED_TRACE(narrow(type));
        fly(type);
        run(SLOT_GEAR, 0, -1);
        run(SLOT_SECOND_DOOR, 1, -1);
        run(SLOT_DOOR, 1, -1);
        run(SLOT_ENGINES, 50, -1, 1);
        start(KVRN_CMD_RESET);
        finish();
        EXPECT_TRUE(visible(L"nosegear")) << "gear down";
        EXPECT_EQ(rotation(L"Z_door01").z, 0.0f);
        EXPECT_EQ(rotation(L"Z_door02").z, 0.0f);
        EXPECT_FALSE(slot(SLOT_ENGINES)->running);
        EXPECT_FALSE(visible(L"Z_e2high")) << "propellers at rest";
    }
}
}  // namespace
