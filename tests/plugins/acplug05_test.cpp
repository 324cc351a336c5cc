// acplug05 in the stand-in engine: its spoilers with covers, pivoting reverser doors, flaps with
// eight arms, curved slats, main gear and door at chosen progress values, read back as
// layer transforms, and a whole flight through its sequences that leaves the engine's heap clean.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
class Acplug05 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug05.dll"; }
};

const wchar_t* const spoiler_covers[] = {L"spoiler", L"01_spoiler01", L"02_spoiler01", L"03_spoiler01",
                                         L"04_spoiler01"};
const wchar_t* const reverser_shown[] = {L"engine_on",  L"01_revon01", L"02_revon01", L"03_revon01", L"04_revon01",
                                         L"01_revon02", L"02_revon02", L"03_revon02", L"04_revon02"};
// Doors that pivot to +30 about y, then those that pivot to -30.
const wchar_t* const reverser_doors[2][4] = {{L"Y_revon0101", L"Y_revon0103", L"Y_revon0201", L"Y_revon0203"},
                                             {L"Y_revon0102", L"Y_revon0104", L"Y_revon0202", L"Y_revon0204"}};

TEST_F(Acplug05, SpoilerPanelsRiseToSeventyWithTheirCovers) {
    struct Case {
        int32_t from;
        float p;
        bool shown;
    } cases[] = {{0, 0.5f, true}, {0, 1.0f, true}, {1, 0.5f, true}, {1, 0.0f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "stowing" : "deploying") << " at p " << c.p);
        progress_at(SLOT_SPOILERS, 1000, c.from, c.p);
        for (const wchar_t* name : {L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04"})
            expect_vec(rotation(name), {-70 * c.p, 0, 0}, narrow(name), 1e-3f);
        for (const wchar_t* name : spoiler_covers) EXPECT_EQ(visible(name), c.shown) << narrow(name);
    }
}

TEST_F(Acplug05, ReverserDoorsPivotBothWays) {
    for (float p : {0.5f, 1.0f, 0.0f}) {
        SCOPED_TRACE(testing::Message() << "p " << p);
        progress_at(SLOT_REVERSERS, 1000, p == 0.0f ? 1 : 0, p);
        for (int sense = 0; sense < 2; ++sense)
            for (const wchar_t* name : reverser_doors[sense])
                expect_vec(rotation(name), {0, (sense == 0 ? 30 : -30) * p, 0}, narrow(name), 1e-3f);
        for (const wchar_t* name : reverser_shown) EXPECT_EQ(visible(name), p != 0.0f) << narrow(name);
    }
    EXPECT_EQ(handle(L"engine_off"), 0u) << "no stowed-reverser layer";
    EXPECT_EQ(handle(L"Z_revon01"), 0u) << "no sliding sleeves";
}

TEST_F(Acplug05, FlapPanelsSlideAndTurnWithEightArms) {
    const FlapCase cases[] = {
        {L"X_flap0101", 0.2f, 35}, {L"X_flap0201", 0.2f, 32}, {L"X_flap0301", 0.2f, 32}, {L"X_flap0401", 0.2f, 32},
        {L"X_flaparm_01", 0, 19},  {L"X_flaparm_08", 0, 19},  {L"X_flaparm_02", 0, 23},  {L"X_flaparm_07", 0, 23},
        {L"X_flaparm_03", 0, 25},  {L"X_flaparm_06", 0, 25},  {L"X_flaparm_04", 0, 24},  {L"X_flaparm_05", 0, 24},
    };
    expect_flaps_at_half_and_full(cases);
    EXPECT_EQ(handle(L"X_flap0102"), 0u) << "single panels";
    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps 0 reached";
    EXPECT_FALSE(visible(L"mainwing02"));
}

TEST_F(Acplug05, SlatsRunForwardOnACurveAndTheOuterPairTurns) {
    struct Case {
        float f;
        Vec3 forward;  // every slat
        Vec3 outer;    // rotation of "Z_1slat"; "Z_4slat" the mirror
    } cases[] = {
        {0.5f, {0, -0.0585786f, -0.1414214f}, {0, -0.25f, -0.65f}},
        {1.0f, {0, -0.2f, -0.2f}, {0, -0.5f, -1.3f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "f " << c.f);
        setting_at(SLOT_SLATS, 4000, c.f);
        for (const wchar_t* name : {L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat"})
            expect_vec(translation(name), c.forward, narrow(name) + " translation");
        expect_vec(rotation(L"Z_1slat"), c.outer, "Z_1slat rotation");
        expect_vec(rotation(L"Z_4slat"), {0, -c.outer.y, -c.outer.z}, "Z_4slat rotation");
        expect_vec(rotation(L"Z_2slat"), {0, 0, 0}, "Z_2slat does not turn");
        for (const wchar_t* name : {L"slat", L"01_slat", L"02_slat", L"03_slat", L"04_slat"})
            EXPECT_TRUE(visible(name)) << narrow(name);
    }
    run(SLOT_SLATS, 0, -1);
    for (const wchar_t* name : {L"slat", L"01_slat", L"04_slat"}) EXPECT_FALSE(visible(name)) << "slats 0 reached";
}

TEST_F(Acplug05, MainGearAtChosenProgress) {
    struct Case {
        float p;
        float d, l, s, b, y;  // main struts, wing doors, outer shafts, inner shafts and their height
    } cases[] = {
        {0.0f, 0, 0, 86, 30, -2.3f},       {0.2f, 64, 0, 86, 30, -2.3f}, {0.4f, 80, 24, 60.2f, 30, -2.3f},
        {0.6f, 80, 56, 25.8f, 15, -2.15f}, {0.8f, 64, 80, 0, 0, -2.0f},  {1.0f, 0, 80, 0, 0, -2.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        progress_at(SLOT_GEAR, 12000, 0, c.p);
        const float e = 2e-3f;
        EXPECT_EQ(visible(L"body03"), c.p != 0.0f);
        EXPECT_EQ(visible(L"tire"), c.p != 0.0f);
        EXPECT_TRUE(visible(L"nosegear")) << "the nose strut is never hidden";
        expect_vec(rotation(L"Z_1main01"), {0, 0, c.d}, "strut 1", e);
        expect_vec(rotation(L"Z_2main01"), {0, 0, -c.d}, "strut 2", e);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, -c.l}, "wing door 1", e);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, c.l}, "wing door 2", e);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.s}, "right shaft", e);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.s}, "left shaft", e);
        expect_vec(rotation(L"Z_0102t1Rshaf"), {0, 0, c.b}, "right inner shaft", e);
        expect_vec(rotation(L"Z_0102t1Lshaft"), {0, 0, -c.b}, "left inner shaft", e);
        expect_vec(translation(L"Z_0102t1Rshaf"), {0, c.y, 0}, "right inner shaft height", e);
        expect_vec(translation(L"Z_0102t1Lshaft"), {0, c.y, 0}, "left inner shaft height", e);
    }
}

TEST_F(Acplug05, DoorSwingsOutInTheFirstHalfAndBackInTheLast) {
    struct Case {
        int32_t from;  // 0: opening from closed, 1: closing from open
        float p, angle;
    } cases[] = {
        {0, 0.25f, -95.459415f}, {0, 0.5f, -135}, {0, 0.75f, -135},        {0, 1.0f, -135},
        {1, 0.75f, -135},        {1, 0.5f, -135}, {1, 0.25f, -39.540585f}, {1, 0.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "closing" : "opening") << " at p " << c.p);
        progress_at(SLOT_DOOR, 6000, c.from, c.p);
        expect_vec(rotation(L"Z_1door"), {0, 0, c.angle}, "Z_1door", 1e-3f);
        EXPECT_EQ(slot(SLOT_DOOR)->word1.u, c.from == 0 ? 1u : 0u) << "opening flag";
    }
    EXPECT_EQ(start(SLOT_DOOR, 1), 6000) << "the start answers the duration";
    EXPECT_EQ(handle(L"04body03"), 0u) << "one door layer";
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug05, FlightThroughTheSequences) {
    take_off();
    EXPECT_TRUE(visible(L"ldlightr1")) << "landing lights on";
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0.3f * 19, 1e-3f) << "take-off flaps 30";

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"body03")) << "gear up";
    EXPECT_NEAR(rotation(L"nosegear").x, 100, 1e-3f) << "nose strut folded";
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    run(SEQ_FINAL, 1, 6000, 0, 0, 50);
    EXPECT_NEAR(pitch(), 2, 1e-3f) << "halfway through the final configuration";
    finish();
    EXPECT_NEAR(pitch(), 4, 1e-4f) << "final configuration pitch";
    EXPECT_TRUE(visible(L"body03")) << "gear down";
    EXPECT_NEAR(rotation(L"Z_1slat").z, -1.3f, 1e-4f) << "slats out";

    struct Flare {
        float height, pitch;
    } flare[] = {{20, 4}, {10, 4}, {5, 5}, {0, 6}};
    for (const Flare& f : flare) {
        run(SEQ_FLARE, 0, 0, 0, 0, f.height);
        EXPECT_NEAR(pitch(), f.pitch, 1e-4f) << "flare at height " << f.height;
    }
    run(SEQ_TOUCHDOWN, 1, 1500);
    EXPECT_NEAR(pitch(), 3, 1e-3f) << "touchdown lowers the nose from 6";
    finish();
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"04_spoiler01")) << "spoilers up on the roll-out";
    EXPECT_NEAR(rotation(L"Y_revon0104").y, -30, 1e-3f) << "reverser doors open";
    finish();
    EXPECT_FALSE(visible(L"04_revon02")) << "reversers stowed";

    run(SLOT_DOOR, 1, -1);
    expect_vec(rotation(L"Z_1door"), {0, 0, -135}, "door open at the stand");
    shut_down();
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl1")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    destroy_leaving_a_clean_heap();
}
}  // namespace
