// acplug06 and acplug07, the four-jets, in the stand-in engine: the routines both run (engines,
// reversers, spoilers, flaps, slats, tyres, gear, body pitch, front light, sequence pitches) at
// chosen progress values read back as layer transforms, acplug06's own door, and each type's
// flight, ending with the engine's heap clean.
#include <math.h>

#include <string>

#include "aircraft_fixture.h"
#include "engine_spool.h"

namespace {
const wchar_t* const lamps[] = {L"ldlightml", nullptr};

class FourJet : public AircraftTest, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    const wchar_t* plugin() override { return GetParam(); }
    const wchar_t* const* model_layers() override { return lamps; }
    void before_create() override { kvrn_host_set_base_scale(handle(L"ldlightml"), 4.0f); }

    // Runs a two-state or setting slot from rest to progress p of a move to `wish`.
    void drive(int32_t slot_number, float p, int32_t wish = 1) {
        run(slot_number, 0, -1);
        if (p == 0.0f) return;
        int32_t ms = start(slot_number, wish);
        if (ms <= 0) ms = slot(slot_number)->duration;
        tick(static_cast<int32_t>(p * static_cast<float>(ms) + 0.5f));
    }

    const EngineSpool* engines() { return static_cast<const EngineSpool*>(slot(SLOT_ENGINES)->word3.p); }
    float spool(int engine) { return engines()[engine - 1].spool; }
};

std::string param_name(const ::testing::TestParamInfo<const wchar_t*>& info) {
    std::wstring name = info.param;
    return std::string(name.begin(), name.begin() + name.find(L'.'));
}

INSTANTIATE_TEST_SUITE_P(Types, FourJet, ::testing::Values(L"acplug06.dll", L"acplug07.dll"), param_name);

// Four engines, one after the other from engine 4, or together.
TEST_P(FourJet, EnginesSpoolOneAfterAnotherFromEngineFour) {
    EXPECT_EQ(start(SLOT_ENGINES, 100, 0), 80000);
    tick(10000);
    EXPECT_NEAR(spool(4), 50.0f, 1e-3f);
    for (int e = 1; e <= 3; ++e) EXPECT_EQ(spool(e), 0.0f) << "engine " << e << " waits";
    tick(6000);
    EXPECT_NEAR(spool(4), 80.0f, 1e-3f);
    EXPECT_TRUE(visible(L"Z_e4low"));
    EXPECT_TRUE(visible(L"Z_e4high"));
    EXPECT_EQ(layer(L"Z_e4low").transparency, 127u) << "(80 - 60) / 40 x 255";
    EXPECT_EQ(layer(L"Z_e4high").transparency, 128u);
    EXPECT_EQ(spool(3), 0.0f);
    int ticks = 16;
    while (slot(SLOT_ENGINES)->running && ticks < 100) {
        EXPECT_TRUE(spool(3) == 0.0f || spool(4) == 100.0f) << "engine 3 moves once engine 4 has arrived";
        tick(1000);
        ++ticks;
    }
    EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "all four at full spool";
    EXPECT_LE(ticks, 80);
    for (int e = 1; e <= 4; ++e) {
        SCOPED_TRACE(testing::Message() << "engine " << e);
        EXPECT_EQ(spool(e), 100.0f);
        std::wstring low = L"Z_e" + std::to_wstring(e) + L"low", high = L"Z_e" + std::to_wstring(e) + L"high";
        EXPECT_FALSE(visible(low.c_str()));
        EXPECT_EQ(layer(low.c_str()).transparency, 255u);
        EXPECT_TRUE(visible(high.c_str()));
        EXPECT_EQ(layer(high.c_str()).transparency, 0u);
    }
}

TEST_P(FourJet, EnginesSpoolTogetherAndKeepTurningBetweenRestAndFull) {
    EXPECT_EQ(start(SLOT_ENGINES, 100, 1), 20000);
    tick(10000);
    for (int e = 1; e <= 4; ++e) EXPECT_NEAR(spool(e), 50.0f, 1e-3f) << "engine " << e;
    EXPECT_TRUE(visible(L"Z_e1low"));
    EXPECT_FALSE(visible(L"Z_e1high")) << "at 60 or below only the blades show";
    tick(10000);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running);

    EXPECT_EQ(start(SLOT_ENGINES, 100, 1), 0) << "the same target again";
    for (int e = 1; e <= 4; ++e) EXPECT_EQ(spool(e), 100.0f);

    EXPECT_EQ(start(SLOT_ENGINES, 50, 1), 10000);
    tick(10000);
    EXPECT_EQ(start(SLOT_ENGINES, 50, 1), 0);
    for (int e = 1; e <= 4; ++e) EXPECT_EQ(spool(e), 50.0f);
    tick(100);
    EXPECT_TRUE(slot(SLOT_ENGINES)->running) << "engines at 50 keep the slot running";
    // The blades turned at 50 for 10000 ms on the way up (50 / 100 x 1440 x 10 = 7200 degrees),
    // rested at 100, turned at 50 for 10000 ms on the way down (7200 again) and for 100 ms more
    // (50 / 100 x 1440 x 0.1 = 72): 14472 degrees, 72 past whole turns.
    for (int e = 1; e <= 4; ++e) {
        std::wstring low = L"Z_e" + std::to_wstring(e) + L"low";
        expect_vec(rotation(low.c_str()), {0, 0, 72.0f}, narrow(low.c_str()), 1e-2f);
    }
}

// Spoilers with their four covers, four reverser sleeves.
TEST_P(FourJet, SpoilersAndReversers) {
    drive(SLOT_SPOILERS, 0.5f);
    for (const wchar_t* cover : {L"spoiler", L"01_spoiler", L"02_spoiler", L"03_spoiler", L"04_spoiler"})
        EXPECT_TRUE(visible(cover)) << narrow(cover);
    for (const wchar_t* panel : {L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04"})
        expect_vec(rotation(panel), {-40, 0, 0}, narrow(panel));
    drive(SLOT_SPOILERS, 0.0f);
    EXPECT_FALSE(visible(L"04_spoiler"));
    expect_vec(rotation(L"X_spoiler04"), {0, 0, 0}, "stowed panel");

    drive(SLOT_REVERSERS, 0.5f);
    EXPECT_TRUE(visible(L"engine_on"));
    EXPECT_FALSE(visible(L"engine_off"));
    for (const wchar_t* sleeve : {L"Z_revon01", L"Z_revon02", L"Z_revon03", L"Z_revon04"})
        expect_vec(translation(sleeve), {0, 0, 0.35f}, narrow(sleeve));
    drive(SLOT_REVERSERS, 0.0f);
    EXPECT_TRUE(visible(L"engine_off"));
    expect_vec(translation(L"Z_revon04"), {0, 0, 0}, "stowed sleeve");
}

// Three segments a flap: the third moves by r, 0 up to setting 50 and 0 to 1 from 50 to 100.
TEST_P(FourJet, FlapSegmentsAtChosenSettings) {
    struct Move {
        const wchar_t* layer;
        Vec3 translation, rotation;  // at f = 1 (r = 1); translation 0 where the layer only turns
        bool late;
    } moves[] = {
        {L"X_flap0101", {-0.4f, 0, 0.8f}, {40, 0, 0}, false},
        {L"X_flap0401", {0.4f, 0, 0.8f}, {40, 0, 0}, false},
        {L"X_flap0201", {-0.25f, 0, 1}, {20, 0, 0}, false},
        {L"X_flap0301", {0.25f, 0, 1}, {20, 0, 0}, false},
        {L"X_flap0102", {-0.4f, 0.1f, 0.85f}, {0, 0, 1.5f}, false},
        {L"X_flap0402", {0.4f, 0.1f, 0.85f}, {0, 0, -1.5f}, false},
        {L"X_flap0202", {-0.4f, 0.2f, 1.5f}, {10, 0, 0.7f}, false},
        {L"X_flap0302", {0.4f, 0.2f, 1.5f}, {10, 0, -0.7f}, false},
        {L"X_flap0103", {-0.2f, 0, 0.4f}, {30, 0, 0.6f}, true},
        {L"X_flap0203", {-0.25f, 0.05f, 0.7f}, {30, 0, 0.5f}, true},
        {L"X_flap0303", {0.25f, 0.05f, 0.7f}, {30, 0, -0.5f}, true},
        {L"X_flap0403", {0.2f, 0, 0.4f}, {30, 0, -0.8f}, true},
        {L"X_flaparm_01", {}, {30, 0, 0}, false},
        {L"X_flaparm_08", {}, {30, 0, 0}, false},
        {L"X_flaparm_02", {}, {28, 0, 0}, false},
        {L"X_flaparm_07", {}, {28, 0, 0}, false},
        {L"X_flaparm_03", {}, {17, 0, 0}, false},
        {L"X_flaparm_06", {}, {17, 0, 0}, false},
    };
    struct Setting {
        int32_t target;
        float f, r;
    } settings[] = {{40, 0.4f, 0.0f}, {75, 0.75f, 0.5f}, {100, 1.0f, 1.0f}};
    for (const Setting& s : settings) {
        run(SLOT_FLAPS, 0, -1);
        EXPECT_EQ(run(SLOT_FLAPS, s.target, -1), s.target * 80);
        for (const Move& m : moves) {
            std::string what = narrow(m.layer) + " at flaps " + std::to_string(s.target);
            float g = m.late ? s.r : s.f;
            expect_vec(translation(m.layer), {m.translation.x * g, m.translation.y * g, m.translation.z * g},
                       what + " translation");
            expect_vec(rotation(m.layer), {m.rotation.x * g, 0, m.rotation.z * g}, what + " rotation");
        }
        EXPECT_FALSE(visible(L"mainwing01"));
        EXPECT_TRUE(visible(L"mainwing02"));
    }
    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"mainwing02"));
}

TEST_P(FourJet, TwelveSlats) {
    const wchar_t* const covers[] = {L"slat", L"01_slat", L"02_slat", L"03_slat", L"04_slat", L"05_slat", L"06_slat"};
    struct Slat {
        const wchar_t* layer;
        float pitch;  // at full extension
    } slats[] = {{L"X_1slat", 120}, {L"X_2slat", 110}, {L"X_3slat", 100},
                 {L"X_4slat", 100}, {L"X_5slat", 110}, {L"X_6slat", 120}};
    for (float f : {0.5f, 1.0f}) {
        SCOPED_TRACE(testing::Message() << "f " << f);
        run(SLOT_SLATS, 0, -1);
        run(SLOT_SLATS, static_cast<int32_t>(f * 100), -1);
        for (const Slat& s : slats) expect_vec(rotation(s.layer), {s.pitch * f, 0, 0}, narrow(s.layer), 1e-3f);
        for (const wchar_t* cover : covers) EXPECT_TRUE(visible(cover)) << narrow(cover);
    }
    run(SLOT_SLATS, 0, -1);
    for (const wchar_t* cover : covers) EXPECT_FALSE(visible(cover)) << narrow(cover) << " at rest retracted";
    expect_vec(rotation(L"X_6slat"), {0, 0, 0}, "X_6slat retracted");
}

// All 18 tyres on one angle, a wheel of 4.165752 round.
TEST_P(FourJet, EighteenTyresRollTogether) {
    start(SLOT_TYRES, 0, 0, 4.165752f / 4.0f);
    for (int t = 1; t <= 18; ++t) {
        wchar_t name[16];
        swprintf(name, 16, L"tire%03d", t);
        EXPECT_NEAR(rotation(name).x, -90.0f, 1e-3f) << "tyre " << t;
    }
    EXPECT_NEAR(slot(SLOT_TYRES)->word5.f, 90.0f, 1e-3f);
    start(SLOT_TYRES, 0, 0, 4.165752f * 0.75f);
    EXPECT_NEAR(fmodf(slot(SLOT_TYRES)->word5.f + 1e-3f, 360.0f), 0.0f, 2e-3f) << "one whole turn";
}

// The 33-layer gear's main and wing gear at chosen progress values, bogie tilts 45 and 10 after
// a gear start (the nose gear is the shared four-door form).
TEST_P(FourJet, GearAtChosenProgress) {
    enum { A, B, V, D, E, F, W1, W2, S1, S2, T1, U, H, VALUES };
    struct Case {
        float p;
        float v[VALUES];
    } cases[] = {
        {0.0f, {0, 0, 0, 0, 0, 0, 0, 0, 85, 15, 60, 120, 0}},
        {0.05f, {16, 20, 34, 0, 0, 0, 0, 0, 85, 15, 60, 120, 0}},
        {0.2f, {64, 80, 136, 60, 0, 0, 0, 0, 85, 15, 60, 120, 0}},
        {0.4f, {80, 100, 170, 120, 45.399f, 30, 49.2f, 24, 34, 6, 60, 84, -0.06f}},
        {0.6f, {80, 100, 170, 120, 89.101f, 70, 82, 40, 0, 0, 54, 36, -0.14f}},
        {0.8f, {64, 80, 136, 120, 100, 100, 82, 40, 0, 0, 45, 0, -0.2f}},
        {0.95f, {16, 20, 34, 60, 100, 100, 82, 40, 0, 0, 45, 0, -0.1f}},
        {1.0f, {0, 0, 0, 0, 100, 100, 82, 40, 0, 0, 45, 0, 0}},
    };
    struct Turn {
        const wchar_t* layer;
        int value;
        float sign;
    } turns[] = {
        {L"Z_1main01", A, 1},     {L"Z_2main01", A, -1},     {L"Z_1main02", B, -1},      {L"Z_2main02", B, 1},
        {L"Z_3main01", V, -1},    {L"Z_4main01", V, 1},      {L"Z_3main02", D, 1},       {L"Z_4main02", D, -1},
        {L"Z_5main01", E, 1},     {L"Z_6main01", E, -1},     {L"Z_7main01", F, -1},      {L"Z_8main01", F, 1},
        {L"Z_1wing01", W1, -1},   {L"Z_2wing01", W1, 1},     {L"Z_1wing02", W2, -1},     {L"Z_2wing02", W2, 1},
        {L"Z_01t1Rshaft", S1, 1}, {L"Z_01t1Lshaft", S1, -1}, {L"Z_0101t1Rshaft", S2, 1}, {L"Z_0102t1Lshaft", S2, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        run(SLOT_GEAR, 1, -1);  // a gear start sets the bogie tilts
        drive(SLOT_GEAR, c.p);
        EXPECT_EQ(visible(L"tire"), c.p != 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p != 0.0f);
        for (const Turn& t : turns)
            expect_vec(rotation(t.layer), {0, 0, t.sign * c.v[t.value]}, narrow(t.layer), 1e-3f);
        for (const wchar_t* bogie : {L"X_02t1Rshaft", L"X_02t1Lshaft"})
            expect_vec(rotation(bogie), {c.v[T1], 0, 0}, narrow(bogie), 1e-3f);
        for (const wchar_t* shaft : {L"X_01t2Rshaft", L"X_01t2Lshaft"}) {
            expect_vec(rotation(shaft), {c.v[U], 0, 0}, narrow(shaft), 1e-3f);
            expect_vec(translation(shaft), {0, c.v[H], 0}, narrow(shaft) + " drop", 1e-4f);
        }
        for (const wchar_t* bogie : {L"X_02t2Rshaft", L"X_02t2Lshaft"})
            expect_vec(rotation(bogie), {10, 0, 0}, narrow(bogie), 1e-4f);
    }
}

TEST_P(FourJet, ResetParksOnLevelBogiesAndAGearStartTiltsThem) {
    EXPECT_TRUE(visible(L"nosegear")) << "gear down after create";
    EXPECT_EQ(slot(SLOT_GEAR)->word5.f, 0.0f);
    EXPECT_EQ(slot(SLOT_GEAR)->word6.f, 0.0f);
    for (const wchar_t* bogie : {L"X_02t1Rshaft", L"X_02t1Lshaft", L"X_02t2Rshaft", L"X_02t2Lshaft"})
        expect_vec(rotation(bogie), {0, 0, 0}, narrow(bogie));

    EXPECT_EQ(run(SLOT_GEAR, 1, -1), 0);
    EXPECT_EQ(slot(SLOT_GEAR)->word5.f, 45.0f);
    EXPECT_EQ(slot(SLOT_GEAR)->word6.f, 10.0f);
    expect_vec(rotation(L"X_02t1Lshaft"), {45, 0, 0}, "body bogie");
    expect_vec(rotation(L"X_02t2Lshaft"), {10, 0, 0}, "second bogie");

    send(KVRN_CMD_RESET);
    finish();
    EXPECT_EQ(slot(SLOT_GEAR)->word5.f, 0.0f);
    EXPECT_EQ(slot(SLOT_GEAR)->word6.f, 0.0f);
    expect_vec(rotation(L"X_02t1Rshaft"), {0, 0, 0}, "body bogie after the reset");
    expect_vec(rotation(L"X_02t2Rshaft"), {0, 0, 0}, "second bogie after the reset");
}

// Body pitch: near the ground the bogies counter the pitch, from a height of 0.5 they hang.
TEST_P(FourJet, BodyPitchLevelsSixBogieLayers) {
    struct Case {
        float pitch, height, body, second;
    } cases[] = {{6, 0, -6, -6}, {3, 0.2f, 15, 1}, {0, 0.25f, 22.5f, 5}, {6, 0.5f, 45, 10}, {2, 30, 45, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pitch " << c.pitch << " height " << c.height);
        drive(SLOT_GEAR, 0.6f);  // the front shafts dropped by the gear
        EXPECT_EQ(start(SLOT_BODY_PITCH, 0, 0, c.pitch, c.height), 0);
        EXPECT_NEAR(pitch(), c.pitch, 1e-4f);
        for (const wchar_t* bogie : {L"X_02t1Lshaft", L"X_02t1Rshaft"})
            expect_vec(rotation(bogie), {c.body, 0, 0}, narrow(bogie));
        for (const wchar_t* bogie : {L"X_02t2Lshaft", L"X_02t2Rshaft"})
            expect_vec(rotation(bogie), {c.second, 0, 0}, narrow(bogie));
        for (const wchar_t* shaft : {L"X_01t2Rshaft", L"X_01t2Lshaft"})
            expect_vec(translation(shaft), {0, 0, 0}, narrow(shaft));
    }
}

// The two-beam front light with its beams at 1.5 before their base scale is read, and the
// beacons at 3.0.
TEST_P(FourJet, FrontLightBeamsAndBeaconScales) {
    EXPECT_EQ(layer(L"atlightu").sprite_scale, 3.0f);
    EXPECT_EQ(layer(L"atlightd").sprite_scale, 3.0f);
    EXPECT_EQ(slot(SLOT_FRONT_LIGHT)->word5.f, 4.0f) << "base scale of \"ldlightml\"";
    run(SLOT_FRONT_LIGHT, 0, -1);
    run(SLOT_FRONT_LIGHT, 1, 500, 1);
    EXPECT_NEAR(layer(L"ldlightml").sprite_scale, 2.0f, 1e-5f);
    EXPECT_NEAR(layer(L"ldlightmr").sprite_scale, 2.0f, 1e-5f);
    EXPECT_EQ(layer(L"frlight").transparency, 127u);
}

// Pitch of the sequences: level through the final configuration, the flare from 0 at height 10
// to 6 at touchdown, the touchdown from 6 back to 0.
TEST_P(FourJet, SequencePitches) {
    uint32_t mark = log_mark();
    EXPECT_EQ(run(SEQ_FINAL, 0, 6000, 0, 0, 50), 12000) << "as long as the gear";
    EXPECT_NEAR(pitch(), 0.0f, 1e-5f);
    finish();
    std::vector<Post> posts = posts_since(mark);
    ASSERT_FALSE(posts.empty());
    EXPECT_EQ(posts.back(), (Post{SLOT_FRONT_LIGHT, 1, 0, 0, 0}));
    bool pitch_posted = false;
    for (const Post& p : posts)
        if (p.command == SLOT_BODY_PITCH) {
            pitch_posted = true;
            EXPECT_EQ(p.fval1, 0.0f);
            EXPECT_EQ(p.fval2, 50.0f) << "the height stored at the start";
        }
    EXPECT_TRUE(pitch_posted);

    struct Flare {
        float height, pitch;
    } flares[] = {{20, 0}, {10, 0}, {5, 3}, {0, 6}};
    for (const Flare& f : flares) {
        run(SEQ_FLARE, 0, 0, 0, 0, f.height);
        EXPECT_NEAR(pitch(), f.pitch, 1e-4f) << "height " << f.height;
    }
    expect_vec(rotation(L"X_02t1Lshaft"), {-6, 0, 0}, "bogie on the runway at pitch 6");

    EXPECT_EQ(run(SEQ_TOUCHDOWN, 0, 1500), 3000);
    EXPECT_NEAR(pitch(), 3.0f, 1e-3f);
}

// The after-take-off pitch falls from the pitch at its start to 0: over 10000 ms in acplug06,
// 12000 ms in acplug07.
TEST_P(FourJet, AfterTakeoffPitchFallsOverItsDuration) {
    int32_t expected = std::wstring(GetParam()) == L"acplug07.dll" ? 12000 : 10000;
    start(SLOT_BODY_PITCH, 0, 0, 6.0f, 0.0f);
    EXPECT_EQ(run(SEQ_AFTER_TAKEOFF, 0, expected / 4, 0, 0, 30), expected);
    EXPECT_NEAR(pitch(), 4.5f, 1e-3f);
    tick(expected / 4);
    EXPECT_NEAR(pitch(), 3.0f, 1e-3f);
    finish();
    EXPECT_NEAR(pitch(), 0.0f, 1e-4f);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_P(FourJet, FlightThroughTheSequences) {
    take_off();
    for (int e = 1; e <= 4; ++e) EXPECT_EQ(spool(e), 100.0f) << "engine " << e;
    EXPECT_TRUE(visible(L"ldlightr2")) << "landing lights on";
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0.3f * 30, 1e-3f) << "take-off flaps 30";
    expect_vec(rotation(L"X_02t1Lshaft"), {-6, 0, 0}, "body bogies on the runway");

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    expect_vec(rotation(L"X_02t1Lshaft"), {45, 0, 0}, "bogies hang in the air");
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_FALSE(visible(L"body03"));
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    EXPECT_NEAR(rotation(L"X_1slat").x, 60.0f, 1e-3f) << "approach slats 50";
    run(SEQ_FINAL, 1, -1, 0, 0, 50);
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    expect_vec(rotation(L"X_02t1Rshaft"), {45, 0, 0}, "body bogies down");
    EXPECT_NEAR(rotation(L"X_flap0403").x, 30.0f, 1e-3f) << "landing flaps";
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_FLARE, 0, 0, 0, 0, 5);
    EXPECT_NEAR(pitch(), 3, 1e-4f) << "half-way down the flare";
    run(SEQ_TOUCHDOWN, 1, -1);
    EXPECT_NEAR(pitch(), 0, 1e-4f);
    expect_vec(rotation(L"X_02t1Rshaft"), {0, 0, 0}, "bogies level on the runway");
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"04_spoiler")) << "spoilers up on the roll-out";
    EXPECT_TRUE(visible(L"engine_on")) << "reversers out";
    finish();
    EXPECT_FALSE(visible(L"04_spoiler"));

    run(SLOT_DOOR, 1, -1);
    EXPECT_EQ(slot(SLOT_DOOR)->progress, 1.0f) << "door open at the stand";
    shut_down();
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl2")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_FALSE(visible(L"ldlightb")) << "navigation lights off";
    for (int e = 1; e <= 4; ++e) EXPECT_EQ(spool(e), 0.0f) << "engine " << e;
    destroy_leaving_a_clean_heap();
}

// acplug06's door: it reveals "inbody" and swings "X_door01" about x to 70 on a cosine ease.
// (acplug07's eased "Z_1door" is a shared form.)
class Acplug06 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug06.dll"; }
};

TEST_F(Acplug06, DoorRevealsTheInnerBody) {
    struct Case {
        int32_t ival1, ms;  // a run from closed (ival1 1) or from open (ival1 0), ms into it
        float angle;        // about x
        bool inbody;
    } cases[] = {
        {1, 2500, 10.2513f, true}, {1, 5000, 35, true}, {1, 10000, 70, true}, {0, 5000, 35, true}, {0, 10000, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ival1 " << c.ival1 << " at " << c.ms << " ms");
        run(SLOT_DOOR, c.ival1 != 0 ? 0 : 1, -1);
        EXPECT_EQ(run(SLOT_DOOR, c.ival1, c.ms), 10000);
        expect_vec(rotation(L"X_door01"), {c.angle, 0, 0}, "X_door01", 1e-3f);
        EXPECT_EQ(visible(L"inbody"), c.inbody);
    }
}
}  // namespace
