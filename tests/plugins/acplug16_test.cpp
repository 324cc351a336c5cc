// acplug16 in the stand-in engine: its four-panel flaps, nacelle gear, three-section airstair,
// reset, and a whole flight through its sequences that leaves the heap clean.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
const float PI = 3.14159265f;
float ease(float x) { return (1 - cosf(PI * x)) / 2; }

class Acplug16 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug16.dll"; }
};

// Flaps at 8000 ms per 100: each panel moves down 0.05, back 0.5 and turns 30 degrees.
TEST_F(Acplug16, FlapsOfFourPanels) {
    for (float f : {0.25f, 1.0f}) {
        SCOPED_TRACE(testing::Message() << "setting " << f);
        setting_at(SLOT_FLAPS, 8000, f);
        for (const wchar_t* flap : {L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401"}) {
            expect_vec(translation(flap), {0, 0.05f * f, 0.5f * f}, narrow(flap) + " translation");
            expect_x(flap, 30 * f);
        }
        EXPECT_FALSE(visible(L"mainwing01"));
        EXPECT_TRUE(visible(L"mainwing02"));
    }
    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_EQ(handle(L"X_flaparm_01"), 0u) << "no flap arms";
}

// Gear over its 12000 ms: the nose doors open by 0.6 and stay open, the strut swings down and
// slides back by 0.9; the nacelle doors open by 0.25 and stay open, the shafts and links unfold
// by 0.75.
TEST_F(Acplug16, GearIntoTheNacelles) {
    struct Case {
        float p;
        float nose_doors, strut, z, doors, shaft, link;
    } cases[] = {
        {0.0f, 0, 100, -10, 0, 90, 45},     {0.05f, 0, 100, -10, 14, 90, 45}, {0.35f, 45, 100, -10, 70, 72, 36},
        {0.75f, 90, 50, -10.25f, 70, 0, 0}, {0.95f, 90, 0, -10.5f, 70, 0, 0}, {1.0f, 90, 0, -10.5f, 70, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        run(SLOT_GEAR, 0, -1);
        EXPECT_EQ(run(SLOT_GEAR, 1, static_cast<int32_t>(c.p * 12000 + 0.5f)), 0);
        EXPECT_EQ(visible(L"nosegear"), c.p >= 0.1f);
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        expect_vec(translation(L"nosegear"), {0, 2.1895f, c.z}, "nose strut's place");
        expect_x(L"nosegear", c.strut);
        expect_z(L"Z_1nose", -c.nose_doors);
        expect_z(L"Z_2nose", c.nose_doors);
        for (const wchar_t* door : {L"Z_1eng01", L"Z_3eng01"}) expect_z(door, -c.doors);
        for (const wchar_t* door : {L"Z_2eng01", L"Z_4eng01"}) expect_z(door, c.doors);
        for (const wchar_t* shaft : {L"X_01t1Rshaft", L"X_01t1Lshaft"}) expect_x(shaft, c.shaft);
        for (const wchar_t* link : {L"X_0103t1Rshaf", L"X_0103t1Lshaft"}) expect_x(link, c.link);
    }
}

// The airstair over its 10000 ms: the door eases out over the first 0.15 and slides by 1 until
// 0.4, the stair moves into place until 0.5 and unfolds its three sections until 0.95, when
// "on_trap" shows. Its start answers 0.
TEST_F(Acplug16, AirstairUnfoldsInThreeSections) {
    struct Case {
        int32_t ms;
        float x, z, offset, folded;
        bool on;
    } cases[] = {
        {0, 0, 0, 0.4f, 1, false},
        {750, 0.05f, 0, 0.4f, 1, false},
        {1500, 0.1f, 0, 0.4f, 1, false},
        {2750, 0.1f, 0.5f, 0.4f, 1, false},
        {4500, 0.1f, 1, 0.2f, 1, false},
        {7250, 0.1f, 1, 0, 0.5f, false},
        {9490, 0.1f, 1, 0, 1 - ease(4.49f / 4.5f), false},
        {9500, 0.1f, 1, 0, 0, true},
        {10000, 0.1f, 1, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ms << " ms");
        run(SLOT_SECOND_DOOR, 0, -1);
        EXPECT_EQ(run(SLOT_SECOND_DOOR, 1, c.ms == 0 ? -1 : c.ms), 0);
        if (c.ms == 0) {
            run(SLOT_SECOND_DOOR, 0, -1);
        } else if (c.ms < 10000) {
            EXPECT_EQ(time_left(SLOT_SECOND_DOOR), 10000 - c.ms);
        }
        expect_vec(translation(L"X_door01"), {c.x, 0, c.z}, "door");
        expect_vec(translation(L"Z_trap01"), {-c.offset, 0, 0}, "stair's place");
        expect_z(L"Z_trap01", 150 * c.folded);
        expect_z(L"Z_trap02", -170 * c.folded);
        expect_z(L"Z_trap03", -180 * c.folded);
        EXPECT_EQ(visible(L"on_trap"), c.on);
    }
}

// The reset parks the aircraft: gear down, airstair in, engines at rest.
TEST_F(Acplug16, ResetParksTheAircraft) {
    run(SLOT_GEAR, 0, -1);
    run(SLOT_SECOND_DOOR, 1, -1);
    run(SLOT_ENGINES, 60, -1, 1);
    start(KVRN_CMD_RESET);
    finish();
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_FALSE(visible(L"on_trap"));
    expect_vec(translation(L"X_door01"), {0, 0, 0}, "door closed");
    expect_z(L"Z_trap03", -180);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running);
    EXPECT_FALSE(visible(L"Z_e2high")) << "propellers at rest";
}

// A flight through the sequences, from a reset at the stand to the stand, and the heap after
// destroy. Neither the reset nor a sequence posts the logo light, the strobes or the slats, even
// with every flag set.
TEST_F(Acplug16, FlightThroughTheSequences) {
    uint32_t mark = log_mark();
    start(KVRN_CMD_RESET);
    finish();
    take_off();
    EXPECT_TRUE(visible(L"wglightl")) << "navigation lights on";
    EXPECT_TRUE(visible(L"ldlightr1")) << "landing lights on";
    EXPECT_FALSE(visible(L"Z_e2low")) << "propellers at full power show their discs";
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    expect_x(L"X_flap0301", 0.3f * 30);

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "climb";
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_NEAR(pitch(), 0, 1e-4f);
    run(SEQ_APPROACH, 0, -1);
    expect_x(L"X_flap0101", 0.5f * 30);
    EXPECT_EQ(run(SEQ_FINAL, 1, 6000, 0, 0, 50), 12000) << "as long as the gear";
    EXPECT_NEAR(pitch(), 0, 1e-4f) << "level through the final configuration";
    finish();
    EXPECT_TRUE(visible(L"tire")) << "gear down";
    expect_z(L"Z_2eng01", 70);
    expect_steep_flare_and_touchdown();
    EXPECT_EQ(run(SEQ_ROLLOUT, 0, 2500), 0) << "no roll-out";

    EXPECT_EQ(run(SLOT_SECOND_DOOR, 1, -1), 0);
    EXPECT_TRUE(visible(L"on_trap")) << "airstair down at the stand";
    shut_down();
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl1")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_FALSE(visible(L"wglightr")) << "navigation lights off";
    EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "propellers at rest";
    std::vector<Post> posts = posts_since(mark);
    ASSERT_FALSE(posts.empty());
    EXPECT_EQ(posts.front(), (Post{SLOT_FLAPS, 0, 0, 0, 0})) << "the reset's first post is seen";
    for (const Post& post : posts) {
        EXPECT_NE(post.command, SLOT_LOGO_LIGHT);
        EXPECT_NE(post.command, SLOT_STROBES);
        EXPECT_NE(post.command, SLOT_SLATS);
    }
    destroy_leaving_a_clean_heap();
}
}  // namespace
