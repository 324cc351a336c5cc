// acplug04 in the stand-in engine: its own flaps and flap arms, slats, gear and door at
// chosen progress values, read back as layer transforms, and a whole flight through its
// sequences that leaves the engine's heap clean.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
class Acplug04 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug04.dll"; }
};

TEST_F(Acplug04, FlapPanelsAndArmsAtChosenSettings) {
    const FlapCase cases[] = {
        {L"X_flap0101", 0.4f, 28},  {L"X_flap0401", 0.4f, 28},  {L"X_flap0201", 0.4f, 22}, {L"X_flap0301", 0.4f, 22},
        {L"X_flap0202", 0, 24},     {L"X_flap0302", 0, 24},     {L"X_flaparm_01", 0, 30},  {L"X_flaparm_02", 0, 30},
        {L"X_flaparm_05", 0, 30},   {L"X_flaparm_06", 0, 30},   {L"X_flaparm_03", 0, 15},  {L"X_flaparm_04", 0, 15},
        {L"X_flaparm_0301", 0, 25}, {L"X_flaparm_0401", 0, 25},
    };
    expect_flaps_at_half_and_full(cases);
    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps 0 reached";
    EXPECT_FALSE(visible(L"mainwing02"));
    for (const FlapCase& c : cases) expect_vec(rotation(c.name), {0, 0, 0}, narrow(c.name) + " stowed");
}

TEST_F(Acplug04, SlatsRunForwardAndTheOuterPairRolls) {
    struct Case {
        float f;
        Vec3 travel;
        float roll;
    } cases[] = {{0.5f, {0, -0.0878680f, -0.3181981f}, 0.5f}, {1.0f, {0, -0.3f, -0.45f}, 1.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "f " << c.f);
        setting_at(SLOT_SLATS, 4000, c.f);
        for (const wchar_t* name : {L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat"})
            expect_vec(translation(name), c.travel, narrow(name) + " translation");
        expect_vec(rotation(L"Z_1slat"), {0, 0, -c.roll}, "Z_1slat rotation");
        expect_vec(rotation(L"Z_4slat"), {0, 0, c.roll}, "Z_4slat rotation");
        expect_vec(rotation(L"Z_2slat"), {0, 0, 0}, "Z_2slat does not turn");
        EXPECT_TRUE(visible(L"slat"));
    }
    run(SLOT_SLATS, 0, -1);
    EXPECT_FALSE(visible(L"slat")) << "slats 0 reached";
}

TEST_F(Acplug04, MainGearAtChosenProgress) {
    struct Case {
        int32_t from;  // 0: extending from up, 1: retracting from down
        float p;
        float r, q, v, o, y, e, d, pp, t;  // main gear
    } cases[] = {
        {0, 0.0f, 0, 0, 0, 0, 0, 80, 0.5f, 25, 0},
        {0, 0.1f, 40, 40, 0, 0.285f, 0, 80, 0.5f, 25, -1},
        {0, 0.2f, 80, 80, 0, 0.57f, 0, 80, 0.5f, 25, -2},
        {0, 0.35f, 80, 80, 20, 0.57f, 0.075f, 60, 0.375f, 23.096988f, -3.5f},
        {0, 0.5f, 80, 80, 40, 0.57f, 0.15f, 40, 0.25f, 17.677670f, -5},
        {0, 0.8f, 80, 80, 80, 0.57f, 0.3f, 0, 0, 0, -8},
        {0, 0.9f, 40, 80, 80, 0.57f, 0.3f, 0, 0, 0, -9},
        {0, 1.0f, 0, 80, 80, 0.57f, 0.3f, 0, 0, 0, -10},
        {1, 0.5f, 80, 80, 40, 0.57f, 0.15f, 40, 0.25f, 17.677670f, -5},
        {1, 0.25f, 80, 80, 6.6666667f, 0.57f, 0.025f, 73.333336f, 0.4583333f, 24.786122f, -2.5f},
        {1, 0.0f, 0, 0, 0, 0, 0, 80, 0.5f, 25, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "retracting" : "extending") << " at p " << c.p);
        progress_at(SLOT_GEAR, 12000, c.from, c.p);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        const float e = 2e-3f;
        expect_vec(rotation(L"Z_1main01"), {0, 0, c.r}, "strut 1", e);
        expect_vec(rotation(L"Z_2main01"), {0, 0, -c.r}, "strut 2", e);
        expect_vec(rotation(L"Z_1wing"), {0, 0, -c.q}, "wing door 1", e);
        expect_vec(rotation(L"Z_3wing"), {0, 0, c.q}, "wing door 3", e);
        expect_vec(rotation(L"Z_2wing"), {0, 0, -c.v}, "wing door 2", e);
        expect_vec(rotation(L"Z_4wing"), {0, 0, c.v}, "wing door 4", e);
        expect_vec(translation(L"Z_2wing"), {-c.o, c.y, 0}, "wing door 2 offset", e);
        expect_vec(translation(L"Z_4wing"), {c.o, c.y, 0}, "wing door 4 offset", e);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.e}, "right shaft", e);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.e}, "left shaft", e);
        expect_vec(translation(L"Z_01t1Rshaft"), {c.d, 0, 0}, "right shaft offset", e);
        expect_vec(translation(L"Z_01t1Lshaft"), {-c.d, 0, 0}, "left shaft offset", e);
        expect_vec(rotation(L"Z_0102t1Rshaft"), {0, 0, c.pp}, "right inner shaft", e);
        expect_vec(rotation(L"Z_0102t1Lshaft"), {0, 0, -c.pp}, "left inner shaft", e);
        expect_vec(rotation(L"X_02t1Rshaft"), {c.t, 0, 0}, "right bogie", e);
        expect_vec(rotation(L"X_02t1Lshaft"), {c.t, 0, 0}, "left bogie", e);
    }
}

TEST_F(Acplug04, DoorSwingsOutFastAndSlowsAsItOpens) {
    struct Case {
        int32_t from;
        float p;
        bool body_shown;
        float angle;
    } cases[] = {
        {0, 0.5f, true, -91.923882f}, {0, 0.2f, true, -40.172209f}, {0, 1.0f, true, -130},
        {1, 0.5f, true, -91.923882f}, {1, 0.0f, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "closing" : "opening") << " at p " << c.p);
        progress_at(SLOT_DOOR, 5000, c.from, c.p);
        EXPECT_EQ(visible(L"04body03"), c.body_shown);
        expect_vec(rotation(L"Z_door01"), {0, 0, c.angle}, "door", 1e-3f);
    }
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug04, FlightThroughTheSequences) {
    take_off();
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    EXPECT_NEAR(rotation(L"X_flaparm_0301").x, 0.3f * 25, 1e-3f) << "take-off flaps 30";
    EXPECT_TRUE(visible(L"ldlightl1")) << "landing lights on";

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    EXPECT_NEAR(rotation(L"X_02t1Lshaft").x, -10, 1e-4f) << "bogies hang back in the air";
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_FALSE(visible(L"tire"));
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    EXPECT_NEAR(translation(L"X_flap0101").z, 0.2f, 1e-4f) << "approach flaps 50";
    run(SEQ_FINAL, 1, 6000, 0, 0, 50);
    EXPECT_NEAR(pitch(), 0, 1e-4f) << "level through the final configuration";
    finish();
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_NEAR(rotation(L"X_02t1Rshaft").x, -10, 1e-4f) << "bogies tilted";
    EXPECT_NEAR(rotation(L"X_flap0101").x, 28, 1e-3f) << "landing flaps";
    EXPECT_NEAR(rotation(L"Z_4slat").z, 1, 1e-4f) << "slats out";

    run(SEQ_FLARE, 0, 0, 0, 0, 0.25f);
    EXPECT_NEAR(pitch(), 5.85f, 1e-3f) << "flare near the runway";
    EXPECT_NEAR(rotation(L"X_02t1Lshaft").x, -10.85f, 1e-3f) << "bogies meet the runway";
    run(SEQ_TOUCHDOWN, 1, -1);
    EXPECT_NEAR(pitch(), 0, 1e-4f);
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
    expect_vec(translation(L"Z_revon01"), {0, 0, 0.5f}, "reversers out");
    finish();

    run(SLOT_DOOR, 1, -1);
    expect_vec(rotation(L"Z_door01"), {0, 0, -130}, "door open at the stand");
    shut_down();
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightr1")) << "landing lights off";
    EXPECT_FALSE(visible(L"ldlightb")) << "navigation lights off";
    destroy_leaving_a_clean_heap();
}
}  // namespace
