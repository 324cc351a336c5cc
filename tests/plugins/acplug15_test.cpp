// acplug15 in the stand-in engine: its afterburner, cockpit door and ladder, stabilators,
// compressing struts, slats, gear, flaps and tyres at chosen progress values, read back as layer
// transforms; the stabilators following every body pitch of the flight phases; its reset; and a
// whole flight through its sequences that leaves the heap clean.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
const int32_t GEAR_MS = 6000;
const int32_t SLAT_MS = 4000;
const int32_t FLAP_MS = 8000;
const int32_t DOOR_LADDER_MS = 3000;

class Acplug15 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug15.dll"; }

    float afterburner_length() { return layer(L"afterburner").scale.z; }
    float strut(const wchar_t* name) { return rotation(name).x; }
    void expect_struts(float angle, const std::string& what) {
        EXPECT_NEAR(strut(L"X_t2Rshaft"), angle, 1e-4f) << what;
        EXPECT_NEAR(strut(L"X_t2Lshaft"), angle, 1e-4f) << what;
    }
    void expect_stabilators(float angle, const std::string& what) {
        EXPECT_NEAR(rotation(L"X_l_horwing").x, angle, 1e-4f) << what;
        EXPECT_NEAR(rotation(L"X_r_horwing").x, angle, 1e-4f) << what;
    }
    void expect_ladder(uint32_t transparency, bool ps01, bool trap, const std::string& what) {
        EXPECT_EQ(layer(L"ps01").transparency, transparency) << what;
        EXPECT_EQ(visible(L"ps01"), ps01) << what;
        EXPECT_EQ(visible(L"trap"), trap) << what;
    }
    float door() { return rotation(L"X_door01").x; }
};

TEST_F(Acplug15, AfterburnerStretchesOverTwoSeconds) {
    // Each case starts where the one before it ended.
    struct Case {
        int32_t ival1, ms, answer;
        float length;  // after `ms`
        bool shown;
        float end_length;
    } cases[] = {
        {1, 1000, 2000, 0.5f, true, 1.0f},  // lighting, half way
        {1, 0, 0, 1.0f, true, 1.0f},        // lit again: nothing changes
        {0, 500, 2000, 0.75f, true, 0.0f},  // going out, a quarter of the way
        {0, 0, 0, 0.0f, false, 0.0f},
    };
    run(SLOT_AFTERBURNER, 0, -1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ival1 " << c.ival1 << " for " << c.ms << " ms");
        EXPECT_EQ(run(SLOT_AFTERBURNER, c.ival1, c.ms), c.answer);
        EXPECT_NEAR(afterburner_length(), c.length, 1e-4f);
        EXPECT_EQ(visible(L"afterburner"), c.shown);
        expect_vec(layer(L"afterburner").scale, {1, 1, c.length}, "stretched along z only");
        finish();
        EXPECT_NEAR(afterburner_length(), c.end_length, 1e-4f) << "at the end";
        EXPECT_EQ(visible(L"afterburner"), c.end_length != 0.0f) << "at the end";
    }
}

TEST_F(Acplug15, ParkedWithTheDoorOpenAndTheLadderOut) {
    auto expect_parked = [&](const std::string& when) {
        EXPECT_NEAR(door(), 30, 1e-4f) << when << ": door open";
        expect_ladder(255, false, true, when + ": ladder out, ps01 faded");
        EXPECT_TRUE(visible(L"nosegear")) << when << ": gear down";
        EXPECT_NEAR(rotation(L"nosegear").x, 0, 1e-4f) << when;
        EXPECT_FALSE(visible(L"afterburner")) << when << ": afterburner out";
        expect_stabilators(0, when);
        expect_struts(-35, when + ": standing on the struts");
        EXPECT_TRUE(visible(L"mainwing01")) << when << ": flaps in";
        EXPECT_FALSE(visible(L"slat")) << when << ": slats in";
        EXPECT_FALSE(visible(L"spoiler")) << when;
    };
    expect_parked("after create");
    run(SLOT_AFTERBURNER, 1, -1);
    run(SLOT_DOOR_LADDER, 0, -1, 1);
    run(SLOT_GEAR, 0, -1);
    run(SLOT_FLAPS, 100, -1);
    run(SLOT_SLATS, 100, -1);
    run(SLOT_BODY_PITCH, 0, 0, 0, 6.0f, 5.0f);
    run(SLOT_STABILIZERS, 0, 0, 0, 6.0f);
    send(KVRN_CMD_RESET);
    finish();
    expect_parked("after reset");
}

// Slot 62 started with (1, 1) after the reset: the door does not move; "ps01" fades in over the
// first second and the ladder goes at two seconds.
TEST_F(Acplug15, LadderToStateOneWithTheDoorStill) {
    struct Case {
        int32_t ms;
        uint32_t transparency;
        bool trap;
    } cases[] = {{0, 255, false}, {500, 127, true}, {1500, 0, true}, {2500, 0, false}, {3000, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ms << " ms in");
        send(KVRN_CMD_RESET);
        finish();
        uint32_t door_moves = layer(L"X_door01").moves;
        EXPECT_EQ(start(SLOT_DOOR_LADDER, 1, 1), DOOR_LADDER_MS);
        if (c.ms) tick(c.ms);
        expect_ladder(c.transparency, c.ms != 0, c.trap, "ladder");
        EXPECT_EQ(layer(L"X_door01").moves, door_moves) << "the door stays open";
        EXPECT_NEAR(door(), 30, 1e-4f);
    }
    finish();
    auto changes = [&] {
        return layer(L"ps01").switches + layer(L"ps01").transparency_sets + layer(L"X_door01").moves;
    };
    uint32_t before = changes();
    EXPECT_EQ(run(SLOT_DOOR_LADDER, 1, -1, 1), DOOR_LADDER_MS) << "the same states again: the clock runs";
    EXPECT_EQ(changes(), before) << "nothing moves";
}

TEST_F(Acplug15, LadderBackToStateZero) {
    struct Case {
        int32_t ms;
        uint32_t transparency;
        bool ps01, trap;
    } cases[] = {{500, 0, true, false},
                 {1500, 0, true, true},
                 {2500, 127, true, true},
                 {2999, 254, true, true},
                 {3000, 255, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ms << " ms in");
        run(SLOT_DOOR_LADDER, 1, -1, 1);
        run(SLOT_DOOR_LADDER, 1, c.ms, 0);
        expect_ladder(c.transparency, c.ps01, c.trap, "ladder");
    }
}

TEST_F(Acplug15, CockpitDoorSwingsOverNineTenthsOfTheRun) {
    struct Case {
        int32_t from, wish, ms;
        float angle;
    } cases[] = {
        {0, 1, 1350, 15},  // opening, p 0.45
        {0, 1, 2700, 30},  // p 0.9: open
        {1, 0, 150, 30},   // closing, p 0.05: not yet moving
        {1, 0, 1500, 30 * 0.5f / 0.9f},
        {1, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " for " << c.ms << " ms");
        run(SLOT_DOOR_LADDER, c.from, -1, 0);
        run(SLOT_DOOR_LADDER, c.wish, c.ms, 0);
        expect_vec(rotation(L"X_door01"), {c.angle, 0, 0}, "X_door01", 1e-3f);
    }
}

TEST_F(Acplug15, StabilatorsTurnTwentyDegreesPerSixOfPitch) {
    struct Case {
        float pitch, angle;
    } cases[] = {{6, -20}, {3, -10}, {-3, 10}, {0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(start(SLOT_STABILIZERS, 0, 0, c.pitch), 0);
        expect_stabilators(c.angle, "pitch " + std::to_string(c.pitch));
    }
}

TEST_F(Acplug15, MainStrutsCompressBelowHalfAUnit) {
    struct Case {
        float height, strut;
    } cases[] = {{0.25f, -17.5f}, {0, -35}, {-1, -35}, {0.5f, 0}, {3, 0}, {0.1f, -28}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height);
        EXPECT_EQ(start(SLOT_BODY_PITCH, 0, 0, 4.0f, c.height), 0);
        EXPECT_NEAR(pitch(), 4, 1e-4f);
        expect_struts(c.strut, "struts");
    }
}

// Each body pitch that a flight phase posts goes to the stabilators right after, with height 0.
TEST_F(Acplug15, StabilatorsFollowEveryPitchOfTheFlightPhases) {
    struct Case {
        int32_t slot, ival1, ms;
        float height;  // fval2 of the start
        float pitch, pitch_height;
    } cases[] = {
        {SEQ_ROTATE, 0, 1500, 0, 3, 0},
        {SEQ_CLIMB, 0, 0, 30, 6, 30},
        {SEQ_AFTER_TAKEOFF, 0, 1500, 120, 3, 5},  // from 6, struts held out
        {SEQ_FINAL, 0, 3000, 50, 0, 5},           // level
        {SEQ_FLARE, 0, 0, 12, 0, 12},
        {SEQ_FLARE, 0, 0, 5, 3, 5},
        {SEQ_TOUCHDOWN, 0, 1500, 0, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " after " << c.ms << " ms");
        run(SLOT_BODY_PITCH, 0, 0, 0, 6.0f);  // pitched up, as after the rotation
        uint32_t mark = log_mark();
        run(c.slot, c.ival1, c.ms, 0, 0, c.height);
        std::vector<Post> pitches;
        for (const Post& post : posts_since(mark))
            if (post.command == SLOT_BODY_PITCH || post.command == SLOT_STABILIZERS) pitches.push_back(post);
        ASSERT_GE(pitches.size(), 2u);
        for (size_t i = 0; i < pitches.size(); i += 2) {
            ASSERT_EQ(pitches[i].command, SLOT_BODY_PITCH) << "post " << i;
            ASSERT_LT(i + 1, pitches.size());
            EXPECT_EQ(pitches[i + 1], (Post{SLOT_STABILIZERS, 0, 0, pitches[i].fval1, 0})) << "post " << i + 1;
        }
        const Post& last = pitches[pitches.size() - 2];
        EXPECT_NEAR(last.fval1, c.pitch, 1e-3f);
        EXPECT_EQ(last.fval2, c.pitch_height);
        expect_stabilators(c.pitch / 6.0f * -20.0f, "stabilators");
        finish();
    }
}

TEST_F(Acplug15, NoseGearAtChosenProgress) {
    struct Case {
        float p;
        bool shown;
        float n, k, r, s, u, w;
    } cases[] = {
        {0.05f, false, 90, 60, 0, 0, 0, 0},  {0.2f, true, 90, 60, 40, 0, 0, 0},    {0.25f, true, 90, 60, 60, 35, 45, 0},
        {0.4f, true, 75, 60, 80, 70, 90, 7}, {0.6f, true, 45, 45, 80, 70, 90, 21}, {0.8f, true, 15, 15, 80, 70, 90, 28},
        {1.0f, true, 0, 0, 80, 70, 90, 28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p, 0, GEAR_MS);
        const float e = 2e-3f;
        EXPECT_EQ(visible(L"nosegear"), c.shown);
        expect_vec(rotation(L"nosegear"), {c.n, 0, 0}, "nosegear", e);
        expect_vec(rotation(L"X_nose01"), {-c.k, 0, 0}, "X_nose01", e);
        expect_vec(rotation(L"X_nose02"), {c.k, 0, 0}, "X_nose02", e);
        expect_vec(rotation(L"Z_1nose01"), {0, 0, -c.r}, "Z_1nose01", e);
        expect_vec(rotation(L"Z_2nose01"), {0, 0, c.s}, "Z_2nose01", e);
        expect_vec(rotation(L"Z_3nose01"), {0, 0, -c.u}, "Z_3nose01", e);
        expect_vec(rotation(L"X_4nose01"), {-c.w, 0, 0}, "X_4nose01", e);
    }
}

TEST_F(Acplug15, MainGearAtChosenProgress) {
    struct Case {
        float p;
        float g, c, h, y, z, s, r, q;
    } cases[] = {
        {0.0f, 0, 90, 90, 1.1f, 0.5f, 0, 0, 0},
        {0.05f, 0, 90, 90, 1.1f, 0.5f, 0, 45, 0},
        {0.1f, 0, 90, 90, 1.1f, 0.5f, 0, 90, 0},
        {0.275f, 6.5f, 83.1492f, 67.5f, 0.825f, 0.375f, 72.0343f, 90, 95.3407f},  // m 0.25
        {0.45f, 13, 63.6396f, 45, 0.55f, 0.25f, 90, 90, 110},                     // m 0.5
        {0.8f, 26, 0, 0, 0, 0, 50, 90, 60},
        {1.0f, 26, 0, 0, 0, 0, 50, 90, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p, 0, GEAR_MS);
        const float e = 3e-3f;
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        expect_vec(translation(L"X_t1Rshaft"), {0, c.y, c.z}, "X_t1Rshaft", e);
        expect_vec(translation(L"X_t1Lshaft"), {0, c.y, c.z}, "X_t1Lshaft", e);
        expect_vec(rotation(L"X_t1Rshaft"), {-c.g, -c.c, c.h}, "X_t1Rshaft", e);
        expect_vec(rotation(L"X_t1Lshaft"), {-c.g, c.c, -c.h}, "X_t1Lshaft", e);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, c.s}, "Z_1wing01", e);
        expect_vec(rotation(L"Z_4wing01"), {0, 0, -c.s}, "Z_4wing01", e);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, -c.r}, "Z_2wing01", e);
        expect_vec(rotation(L"Z_5wing01"), {0, 0, c.r}, "Z_5wing01", e);
        expect_vec(rotation(L"Z_3wing01"), {0, 0, c.q}, "Z_3wing01", e);
        expect_vec(rotation(L"Z_6wing01"), {0, 0, -c.q}, "Z_6wing01", e);
    }
}

TEST_F(Acplug15, SlatsMoveForwardAndOut) {
    const float half = sinf(0.25f * 3.14159265f);
    struct Case {
        float f;
        Vec3 move[4], turn[4];
    } cases[] = {
        {0.5f,
         {{0.05f, 0, -0.125f}, {0.05f, 0, -0.4f * half}, {-0.05f, 0, -0.4f * half}, {-0.05f, 0, -0.125f}},
         {{-2.5f, 1, 0}, {-5, 1.25f, 0}, {-5, -1.25f, 0}, {-2.5f, -1, 0}}},
        {1.0f,
         {{0.1f, 0, -0.25f}, {0.1f, 0, -0.4f}, {-0.1f, 0, -0.4f}, {-0.1f, 0, -0.25f}},
         {{-5, 2, 0}, {-10, 2.5f, 0}, {-10, -2.5f, 0}, {-5, -2, 0}}},
    };
    const wchar_t* const slats[] = {L"Z_1slat", L"Z_2slat", L"Z_3slat", L"Z_4slat"};
    const wchar_t* const edges[] = {L"slat", L"01_slat", L"02_slat", L"03_slat", L"04_slat"};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "f " << c.f);
        setting_at(SLOT_SLATS, SLAT_MS, c.f);
        for (int i = 0; i < 4; ++i) {
            expect_vec(translation(slats[i]), c.move[i], narrow(slats[i]));
            expect_vec(rotation(slats[i]), c.turn[i], narrow(slats[i]), 1e-3f);
        }
        for (const wchar_t* edge : edges) EXPECT_TRUE(visible(edge)) << narrow(edge);
    }
    run(SLOT_SLATS, 0, -1);
    for (const wchar_t* edge : edges) EXPECT_FALSE(visible(edge)) << narrow(edge) << " slats in";
}

TEST_F(Acplug15, FourFlapsTurnWithoutMovingBack) {
    setting_at(SLOT_FLAPS, FLAP_MS, 0.5f);
    for (const wchar_t* flap : {L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401"}) {
        expect_vec(rotation(flap), {22.5f, 0, 0}, narrow(flap), 1e-3f);
        expect_vec(translation(flap), {0, 0, 0}, narrow(flap));
    }
    EXPECT_FALSE(visible(L"mainwing01"));
    EXPECT_TRUE(visible(L"mainwing02"));
    EXPECT_EQ(handle(L"X_flap0102"), 0u);
    EXPECT_EQ(handle(L"X_flaparm_01"), 0u) << "no flap arms";
}

TEST_F(Acplug15, FourTyresOnTheirOwnCircumferences) {
    start(SLOT_TYRES, 0, 0, 1.0f);
    for (const wchar_t* name : {L"tire001", L"tire002"})
        EXPECT_NEAR(rotation(name).x, -360.0f / 1.8997213f, 1e-2f) << narrow(name);
    for (const wchar_t* name : {L"tire003", L"tire004"})
        EXPECT_NEAR(rotation(name).x, -360.0f / 2.8274333f, 1e-2f) << narrow(name);
}

TEST_F(Acplug15, NoEngineDynamicLight) {
    run(SLOT_LIGHT_PARAMS, 1, 0, 1);
    run(SLOT_BEACON, 1, 50);  // the upper lamp's moment on the other types
    uint32_t mark = log_mark();
    EXPECT_EQ(send(KVRN_CMD_LIGHT), 0u);
    EXPECT_TRUE(calls_since(mark, KVRN_CALL_SET_LIGHT).empty());
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug15, FlightThroughTheSequences) {
    run(SLOT_LIGHT_PARAMS, 1, 0, 1);
    EXPECT_EQ(run(SEQ_NAV_LIGHTS_ON, 1, 3000), 4000);
    EXPECT_TRUE(visible(L"ldlightb01")) << "navigation lights on";
    expect_ladder(0, true, false, "ladder state 1 at once");
    EXPECT_NEAR(door(), 30, 1e-4f) << "the door still open";
    tick(1500);
    EXPECT_LT(door(), 30) << "the door closing once the lights' 4000 ms are over";
    EXPECT_GT(door(), 0);
    finish();
    EXPECT_NEAR(door(), 0, 1e-4f);

    run(SEQ_BEACON_ON, 0, 500);
    run(SLOT_AFTERBURNER, 1, -1);
    EXPECT_EQ(run(SEQ_DEPARTURE, 1, -1), 0);
    EXPECT_NEAR(rotation(L"X_flap0101").x, 0.3f * 45, 1e-3f) << "take-off flaps 30";
    EXPECT_NEAR(door(), 0, 1e-4f) << "the door stays closed";
    uint32_t mark = log_mark();
    EXPECT_EQ(start(SEQ_LANDING_LIGHTS_ON, 1), 0);
    EXPECT_TRUE(posts_since(mark).empty()) << "no landing lights";
    run(SEQ_ROTATE, 0, -1);
    EXPECT_NEAR(pitch(), 6, 1e-4f) << "rotated";
    expect_stabilators(-20, "rotated");
    expect_struts(-35, "still on the ground");
    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    expect_struts(0, "airborne");
    EXPECT_EQ(run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120), 3000);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_FALSE(visible(L"tire"));
    EXPECT_NEAR(pitch(), 0, 1e-4f);
    expect_stabilators(0, "level");
    expect_struts(0, "held out in the air");
    run(SLOT_AFTERBURNER, 0, -1);
    EXPECT_FALSE(visible(L"afterburner"));

    EXPECT_EQ(start(SEQ_APPROACH, 0), 0) << "no approach phase";
    EXPECT_EQ(run(SEQ_FINAL, 1, -1, 0, 0, 50), GEAR_MS) << "as long as the gear";
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_NEAR(rotation(L"X_flap0101").x, 45, 1e-3f) << "landing flaps";
    EXPECT_TRUE(visible(L"slat")) << "slats out";
    EXPECT_NEAR(pitch(), 0, 1e-4f) << "level on the final approach";
    expect_steep_flare_and_touchdown();
    expect_stabilators(0, "after the touchdown");
    expect_struts(-35, "on the ground");
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
    expect_vec(rotation(L"X_spoiler02"), {-40, 0, 0}, "X_spoiler02 up");
    finish();
    EXPECT_FALSE(visible(L"spoiler"));

    run(SEQ_AFTER_LANDING, 1, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"slat")) << "slats in";
    run(SEQ_BEACON_OFF, 0, -1);
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_NEAR(door(), 30, 1e-4f) << "door open at the stand";
    EXPECT_EQ(run(SEQ_NAV_LIGHTS_OFF, 0, -1), 4000);
    EXPECT_FALSE(visible(L"wglightr")) << "navigation lights off";
    expect_ladder(255, false, true, "ladder shown, ps01 faded out");
    EXPECT_NEAR(door(), 30, 1e-4f) << "the door open";
    destroy_leaving_a_clean_heap();
}
}  // namespace
