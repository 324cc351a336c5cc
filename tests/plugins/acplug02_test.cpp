// acplug02 in the stand-in engine: its own flaps, slats, gear, navigation lights,
// reversers and beacon glow at chosen progress values, read back as layer transforms, and a
// whole flight through its sequences that leaves the engine's heap clean.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
class Acplug02 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug02.dll"; }
};

struct Pose {
    const wchar_t* name;
    Vec3 translation, rotation;
};

TEST_F(Acplug02, FlapPanelsAndArmsAtHalfAndFullSetting) {
    struct Case {
        float f;
        Pose poses[12];
    } cases[] = {
        {0.5f,
         {{L"X_flap0101", {-0.05f, 0.1f, 0.25f}, {17.5f, 0, 0.5f}},
          {L"X_flap0401", {0.05f, 0.1f, 0.25f}, {17.5f, 0, -0.5f}},
          {L"X_flap0201", {0, 0.0878680f, 0.6f}, {17.5f, 0, 0.5f}},
          {L"X_flap0301", {0, 0.0878680f, 0.6f}, {17.5f, 0, -0.5f}},
          {L"X_flap0202", {0, 0, 0.175f}, {17.5f, 0, 0.5f}},
          {L"X_flap0302", {0, 0, 0.175f}, {17.5f, 0, -0.5f}},
          {L"X_flaparm_01", {0, 0, 0}, {10, 0, 0}},
          {L"X_flaparm_06", {0, 0, 0}, {10, 0, 0}},
          {L"X_flaparm_02", {0, 0, 0}, {8.5f, 0, 0}},
          {L"X_flaparm_05", {0, 0, 0}, {8.5f, 0, 0}},
          {L"X_flaparm_03", {0, 0, 0}, {22.627417f, 0, 0}},
          {L"X_flaparm_04", {0, 0, 0}, {22.627417f, 0, 0}}}},
        {1.0f,
         {{L"X_flap0101", {-0.1f, 0.2f, 0.5f}, {35, 0, 1}},
          {L"X_flap0401", {0.1f, 0.2f, 0.5f}, {35, 0, -1}},
          {L"X_flap0201", {0, 0.3f, 1.2f}, {35, 0, 1}},
          {L"X_flap0301", {0, 0.3f, 1.2f}, {35, 0, -1}},
          {L"X_flap0202", {0, 0, 0.35f}, {35, 0, 1}},
          {L"X_flap0302", {0, 0, 0.35f}, {35, 0, -1}},
          {L"X_flaparm_01", {0, 0, 0}, {20, 0, 0}},
          {L"X_flaparm_06", {0, 0, 0}, {20, 0, 0}},
          {L"X_flaparm_02", {0, 0, 0}, {17, 0, 0}},
          {L"X_flaparm_05", {0, 0, 0}, {17, 0, 0}},
          {L"X_flaparm_03", {0, 0, 0}, {32, 0, 0}},
          {L"X_flaparm_04", {0, 0, 0}, {32, 0, 0}}}},
    };
    for (const Case& c : cases) {
        setting_at(SLOT_FLAPS, 8000, c.f);
        for (const Pose& pose : c.poses) {
            std::string what = narrow(pose.name) + " at f " + std::to_string(c.f);
            expect_vec(translation(pose.name), pose.translation, what + " translation");
            expect_vec(rotation(pose.name), pose.rotation, what + " rotation", 1e-3f);
        }
        EXPECT_FALSE(visible(L"mainwing01")) << "flaps out";
        EXPECT_TRUE(visible(L"mainwing02"));
    }
    EXPECT_EQ(handle(L"X_flap0102"), 0u) << "never looked up";
    EXPECT_EQ(handle(L"X_flap0402"), 0u) << "never looked up";

    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps 0 reached";
    EXPECT_FALSE(visible(L"mainwing02"));
    expect_vec(rotation(L"X_flap0301"), {0, 0, 0}, "X_flap0301 stowed");
}

TEST_F(Acplug02, SlatsAtHalfAndFullSetting) {
    struct Case {
        float f;
        Vec3 outer, outer_rotation, inner;
    } cases[] = {
        {0.5f, {0, -0.0311943f, -0.3535534f}, {-0.65f, 0, 0}, {0, -0.15f, -0.2f}},
        {1.0f, {0, -0.3f, -0.5f}, {-1.3f, 0, 0}, {0, -0.3f, -0.4f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "f " << c.f);
        setting_at(SLOT_SLATS, 4000, c.f);
        expect_vec(translation(L"Z_1slat"), c.outer, "Z_1slat translation");
        expect_vec(translation(L"Z_4slat"), c.outer, "Z_4slat translation, not mirrored");
        expect_vec(rotation(L"Z_1slat"), c.outer_rotation, "Z_1slat rotation");
        expect_vec(rotation(L"Z_4slat"), c.outer_rotation, "Z_4slat rotation");
        expect_vec(translation(L"Z_2slat"), c.inner, "Z_2slat translation");
        expect_vec(translation(L"Z_3slat"), c.inner, "Z_3slat translation");
        expect_vec(rotation(L"Z_2slat"), {0, 0, 0}, "Z_2slat does not turn");
        EXPECT_TRUE(visible(L"slat"));
    }
    for (const wchar_t* name : {L"01_slat", L"02_slat", L"03_slat", L"04_slat"}) {
        EXPECT_NE(handle(name), 0u) << narrow(name) << " looked up";
        EXPECT_EQ(layer(name).moves + layer(name).switches, 0u) << narrow(name) << " left alone";
    }
    run(SLOT_SLATS, 0, -1);
    EXPECT_FALSE(visible(L"slat")) << "slats 0 reached";
}

TEST_F(Acplug02, MainGearAtChosenProgress) {
    struct Case {
        float p;
        float d, l, s, q, t;  // main struts, wing doors, shafts, bogies
    } cases[] = {
        {0.0f, 0, 0, 85, 20, 0},  {0.05f, 16, 0, 85, 20, 0}, {0.2f, 64, 0, 85, 20, 0}, {0.5f, 80, 40, 42.5f, 10, 5},
        {0.8f, 64, 80, 0, 0, 10}, {0.95f, 16, 80, 0, 0, 10}, {1.0f, 0, 80, 0, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p);
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        const float e = 1e-3f;
        expect_vec(rotation(L"Z_1main01"), {0, 0, c.d}, "strut 1", e);
        expect_vec(rotation(L"Z_2main01"), {0, 0, -c.d}, "strut 2", e);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, -c.l}, "wing door 1", e);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, c.l}, "wing door 2", e);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.s}, "left shaft", e);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.s}, "right shaft", e);
        expect_vec(rotation(L"Z_0102t1Lshaft"), {0, 0, -c.q}, "left inner shaft", e);
        expect_vec(rotation(L"Z_0102t1Rshaf"), {0, 0, c.q}, "right inner shaft", e);
        expect_vec(rotation(L"X_02t1Lshaft"), {c.t, 0, 0}, "left bogie", e);
        expect_vec(rotation(L"X_02t1Rshaft"), {c.t, 0, 0}, "right bogie", e);
    }
}

TEST_F(Acplug02, NavigationLightsSwitchFourLayers) {
    for (int32_t on : {1, 0}) {
        start(SLOT_NAV_LIGHTS, on);
        for (const wchar_t* name : {L"wglightl", L"wglightr", L"ldlightb", L"ldlights"})
            EXPECT_EQ(visible(name), on != 0) << narrow(name);
    }
}

TEST_F(Acplug02, ReversersSlideFurtherAndBeaconsGlowLarger) {
    run(SLOT_REVERSERS, 1, 500);
    expect_vec(translation(L"Z_revon01"), {0, 0, 0.35f}, "Z_revon01 half out");
    expect_vec(translation(L"Z_revon02"), {0, 0, 0.35f}, "Z_revon02 half out");
    finish();
    expect_vec(translation(L"Z_revon02"), {0, 0, 0.7f}, "Z_revon02 out");
    // The builder set both beacon lamps' glow before it read their base scales.
    EXPECT_EQ(layer(L"atlightu").sprite_scale, 3.0f);
    EXPECT_EQ(layer(L"atlightd").sprite_scale, 3.0f);
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug02, FlightThroughTheSequences) {
    take_off();
    EXPECT_TRUE(visible(L"ldlights")) << "navigation lights on";
    EXPECT_TRUE(visible(L"ldlightr1")) << "landing lights on";
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0.3f * 20, 1e-3f) << "take-off flaps 30";

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    EXPECT_NEAR(rotation(L"X_02t1Lshaft").x, 10, 1e-4f) << "bogies hang in the air";
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_FALSE(visible(L"body03"));
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    EXPECT_NEAR(rotation(L"X_flaparm_02").x, 0.5f * 17, 1e-3f) << "approach flaps 50";
    uint32_t mark = log_mark();
    run(SEQ_FINAL, 1, 6000, 0, 0, 50);
    EXPECT_NEAR(pitch(), 0, 1e-4f) << "level through the final configuration";
    std::vector<Post> posts = posts_since(mark);
    ASSERT_FALSE(posts.empty());
    EXPECT_EQ(posts.back(), (Post{SLOT_BODY_PITCH, 0, 0, 0, 50})) << "pitch 0 at the height it was given";
    mark = log_mark();
    finish();
    posts = posts_since(mark);
    ASSERT_FALSE(posts.empty());
    EXPECT_EQ(posts.back(), (Post{SLOT_FRONT_LIGHT, 1, 0, 0, 0})) << "front light at the end";
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_NEAR(rotation(L"X_02t1Rshaft").x, 10, 1e-4f) << "bogies tilted";
    EXPECT_NEAR(rotation(L"X_flaparm_03").x, 32, 1e-3f) << "landing flaps";
    EXPECT_NEAR(rotation(L"Z_1slat").x, -1.3f, 1e-4f) << "slats out";

    expect_steep_flare_and_touchdown();
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
    EXPECT_TRUE(visible(L"engine_on")) << "reversers out";
    finish();
    EXPECT_FALSE(visible(L"spoiler"));

    run(SLOT_DOOR, 1, -1);
    expect_vec(rotation(L"Z_1door"), {0, 0, -120}, "door open at the stand");
    shut_down();
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl1")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_FALSE(visible(L"ldlights")) << "navigation lights off";
    destroy_leaving_a_clean_heap();
}
}  // namespace
