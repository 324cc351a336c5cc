// acplug09 in the stand-in engine: its forward door and boarding stair, reset, body pitch,
// spoilers, flaps, slats, main gear, landing lights and second door at chosen progress
// values, read back as layer transforms, and a whole flight through its sequences that leaves the
// engine's heap clean.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
const wchar_t* const landing_beams[] = {L"ldlightl",  L"ldlightl1", L"ldlightl2", L"ldlightl3", L"ldlightr",
                                        L"ldlightr1", L"ldlightr2", L"ldlightr3", nullptr};
const float MAIN_BEAM_BASE = 2.0f, SIDE_BEAM_BASE = 3.0f;

class Acplug09 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug09.dll"; }
    const wchar_t* const* model_layers() override { return landing_beams; }
    void before_create() override {
        kvrn_host_set_base_scale(handle(L"ldlightl"), MAIN_BEAM_BASE);
        kvrn_host_set_base_scale(handle(L"ldlightl1"), SIDE_BEAM_BASE);
    }
};

// The stair slot's layers that only show or hide: the door layers, then those of the outer door,
// then the lit steps.
const wchar_t* const door_shown[] = {L"01_door", L"2_door"};
const wchar_t* const outer_shown[] = {L"05body03", L"102door", L"103door"};

TEST_F(Acplug09, StairOpensInStagesAndClosesTheSameWay) {
    struct Case {
        int32_t from;  // 0: opening from closed, 1: closing from open
        float p;
        float q, x1, x2, y2, z2, r, yaw;
    } cases[] = {
        {0, 0.1f, 45, -0.3f, -3.2f, 0.1f, 43, 0, 0},
        {0, 0.25f, 90, -0.15f, -3.2f, 0.1f, 43, 0, 0},
        {0, 0.4f, 90, 0, -1.6f, 0.05f, 43, 0, 0},
        {0, 0.6f, 90, 0, 0, 0, 21.5f, 0, 0},
        {0, 0.72f, 90, 0, 0, 0, 0, 0.04f, 0},
        {0, 0.8f, 90, 0, 0, 0, 0, 0.1575566f, 63.099971f},
        {0, 0.85f, 90, 0, 0, 0, 0, 0.2085360f, 161.28341f},
        {0, 0.96f, 90, 0, 0, 0, 0, 0.21f, 180},
        {0, 1.0f, 90, 0, 0, 0, 0, 0.21f, 180},
        {1, 0.6f, 90, 0, 0, 0, 21.5f, 0, 0},
        {1, 0.0f, 0, -0.3f, -3.2f, 0.1f, 43, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "closing" : "opening") << " at p " << c.p);
        progress_at(SLOT_SECOND_DOOR, 20000, c.from, c.p);
        const float e = 2e-3f;
        expect_vec(rotation(L"Z_door02"), {0, 0, -c.q}, "door", e);
        expect_vec(translation(L"X_trap01"), {c.x1, 0, 0}, "stair slide", e);
        expect_vec(translation(L"Z_trap02"), {c.x2, c.y2, 0}, "stair offset", e);
        expect_vec(rotation(L"Z_trap02"), {0, 0, c.z2}, "stair fold", e);
        expect_vec(translation(L"Y_door01"), {c.r, 0, 0}, "outer door offset", 1e-4f);
        expect_vec(rotation(L"Y_door01"), {0, c.yaw, 0}, "outer door turn", e);
        for (const wchar_t* name : door_shown) EXPECT_EQ(visible(name), c.p > 0.0f) << narrow(name);
        for (const wchar_t* name : outer_shown) EXPECT_EQ(visible(name), c.p >= 0.7f) << narrow(name);
        EXPECT_EQ(visible(L"trap_on"), c.p >= 0.95f) << "lit steps";
    }
}

TEST_F(Acplug09, ResetParksTheStairBeforeTheLights) {
    // Created: the reset ran and every clock jumped to its end, the stair stowed.
    EXPECT_FALSE(visible(L"trap_on"));
    EXPECT_FALSE(visible(L"01_door"));
    expect_vec(rotation(L"Z_trap02"), {0, 0, 43}, "stair folded");
    uint32_t mark = log_mark();
    send(KVRN_CMD_RESET);
    std::vector<int32_t> commands;
    for (const Post& post : posts_since(mark)) commands.push_back(post.command);
    const std::vector<int32_t> expected = {1, 21, 22, 23, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 20, 37, 19};
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(slot(SLOT_SECOND_DOOR)->direction, -1) << "posted closed";
}

TEST_F(Acplug09, BodyRisesAsItPitchesAndKeepsItsPlace) {
    const KvrnVector place = {12, 0, -30, 0};
    kvrn_host_set_transform(aircraft, &place, nullptr);
    struct Case {
        float pitch, height;
    } cases[] = {{7, 0.5f}, {3.5f, 0.25f}, {0, 0}};
    for (const Case& c : cases) {
        start(SLOT_BODY_PITCH, 0, 0, c.pitch, 10);
        expect_vec(root_layer().rotation, {c.pitch, 0, 0}, "pitch");
        expect_vec(root_layer().translation, {12, c.height, -30}, "where the body stands");
    }
}

TEST_F(Acplug09, SpoilersFlapsAndSlats) {
    progress_at(SLOT_SPOILERS, 1000, 0, 0.5f);
    for (const wchar_t* name : {L"X_spoiler01", L"X_spoiler04"}) expect_vec(rotation(name), {-40, 0, 0}, narrow(name));
    EXPECT_TRUE(visible(L"spoiler"));
    run(SLOT_SPOILERS, 0, -1);
    EXPECT_FALSE(visible(L"spoiler")) << "spoilers stowed";

    for (float f : {0.5f, 1.0f}) {
        SCOPED_TRACE(testing::Message() << "f " << f);
        setting_at(SLOT_FLAPS, 8000, f);
        for (const wchar_t* name : {L"X_flap0101", L"X_flap0201", L"X_flap0301", L"X_flap0401"}) {
            expect_vec(translation(name), {0, 0, 0.1f * f}, narrow(name));
            expect_vec(rotation(name), {30 * f, 0, 0}, narrow(name), 1e-3f);
        }
        for (const wchar_t* name : {L"X_flaparm_02", L"X_flaparm_04", L"X_flaparm_07"})
            expect_vec(rotation(name), {30 * f, 0, 0}, narrow(name), 1e-3f);
        for (const wchar_t* name : {L"X_flaparm_01", L"X_flaparm_08"})
            expect_vec(rotation(name), {20 * f, 0, 0}, narrow(name), 1e-3f);
        setting_at(SLOT_SLATS, 4000, f);
        expect_vec(rotation(L"Y_1slat"), {0, 2 * f, 0}, "Y_1slat");
        expect_vec(rotation(L"Y_2slat"), {0, -2 * f, 0}, "Y_2slat");
        EXPECT_TRUE(visible(L"slat"));
    }
    run(SLOT_SLATS, 0, -1);
    EXPECT_FALSE(visible(L"slat")) << "slats 0 reached";
}

TEST_F(Acplug09, MainGearAtChosenProgress) {
    struct Case {
        float p;
        float b, a, t1, o, t2, h, s;  // main struts, wing doors, outer shafts, inner shafts
    } cases[] = {
        {0.0f, 0, 0, 85, 0.5f, 30, 0.22595f, 1.75f},         {0.2f, 64, 0, 85, 0.5f, 30, 0.22595f, 1.75f},
        {0.5f, 80, 65, 42.5f, 0.25f, 15, 0.17595f, 1.3575f}, {0.8f, 64, 130, 0, 0, 0, 0.12595f, 0.965f},
        {1.0f, 0, 130, 0, 0, 0, 0.12595f, 0.965f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        progress_at(SLOT_GEAR, 12000, 0, c.p);
        const float e = 2e-3f;
        EXPECT_EQ(visible(L"tire"), c.p != 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p != 0.0f);
        expect_vec(rotation(L"Z_1main01"), {0, 0, c.b}, "strut 1", e);
        expect_vec(rotation(L"Z_2main01"), {0, 0, -c.b}, "strut 2", e);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, -c.a}, "wing door 1", e);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, c.a}, "wing door 2", e);
        expect_vec(translation(L"Z_01t1Rshaft"), {c.o, 0, 0}, "right shaft offset", e);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.t1}, "right shaft", e);
        expect_vec(translation(L"Z_01t1Lshaft"), {-c.o, 0, 0}, "left shaft offset", e);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.t1}, "left shaft", e);
        expect_vec(translation(L"Z_0102t1Rshaft"), {c.h, -c.s, 0}, "right inner shaft offset", e);
        expect_vec(rotation(L"Z_0102t1Rshaft"), {0, 0, c.t2}, "right inner shaft", e);
        expect_vec(translation(L"Z_0102t1Lshaft"), {-c.h, -c.s, 0}, "left inner shaft offset", e);
        expect_vec(rotation(L"Z_0102t1Lshaft"), {0, 0, -c.t2}, "left inner shaft", e);
    }
}

TEST_F(Acplug09, EightLandingBeamsGlowFromTwoBaseScales) {
    struct Case {
        int32_t from, level;
        float p;
    } cases[] = {{0, 80, 0.5f}, {0, 100, 1.0f}, {1, 100, 0.25f}, {1, 100, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " at p " << c.p);
        run(SLOT_LANDING_LIGHTS, c.from ? c.level : 0, -1);
        float part = c.from == 0 ? c.p : 1.0f - c.p;
        run(SLOT_LANDING_LIGHTS, c.from ? 0 : c.level, static_cast<int32_t>(part * 1000 + 0.5f));
        for (int i = 0; landing_beams[i]; ++i) {
            const wchar_t* name = landing_beams[i];
            EXPECT_EQ(visible(name), c.p != 0.0f) << narrow(name);
            float base = i == 0 || i == 4 ? MAIN_BEAM_BASE : SIDE_BEAM_BASE;
            if (c.p != 0.0f) {
                EXPECT_NEAR(layer(name).sprite_scale, c.p * base * c.level / 100, 1e-4f) << narrow(name);
            }
        }
    }
}

TEST_F(Acplug09, SecondDoorSwingsToFifty) {
    progress_at(SLOT_DOOR, 6000, 0, 0.5f);
    EXPECT_TRUE(visible(L"06body03"));
    expect_vec(rotation(L"Z_door03"), {0, 0, 25}, "half open");
    finish();
    expect_vec(rotation(L"Z_door03"), {0, 0, 50}, "open");
    run(SLOT_DOOR, 0, -1);
    EXPECT_FALSE(visible(L"06body03"));
    expect_vec(rotation(L"Z_door03"), {0, 0, 0}, "closed");
    EXPECT_EQ(handle(L"Z_door01"), 0u);
}

// A flight through the sequences, from the stand to the stand with the stair out, and the heap
// after destroy.
TEST_F(Acplug09, FlightThroughTheSequences) {
    take_off();
    EXPECT_NEAR(pitch(), 7.0f, 1e-4f) << "rotated to 7";
    EXPECT_NEAR(root_layer().translation.y, 0.5f, 1e-4f) << "the body rises with the pitch";
    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    EXPECT_NEAR(pitch(), 7.0f, 1e-4f) << "climb at 7";
    run(SEQ_AFTER_TAKEOFF, 1, 5000, 0, 0, 120);
    EXPECT_NEAR(pitch(), 3.5f, 1e-3f) << "lowering the nose";
    finish();
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_NEAR(root_layer().translation.y, 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    run(SEQ_FINAL, 1, -1, 0, 0, 50);
    EXPECT_NEAR(pitch(), 2, 1e-4f) << "final configuration pitch";
    EXPECT_TRUE(visible(L"body03")) << "gear down";
    EXPECT_TRUE(visible(L"ldlightr3")) << "landing lights on";
    run(SEQ_FLARE, 0, 0, 0, 0, 0);
    EXPECT_NEAR(pitch(), 4, 1e-4f) << "flare";
    run(SEQ_TOUCHDOWN, 1, -1);
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
    EXPECT_TRUE(visible(L"engine_on")) << "reversers out";
    finish();
    EXPECT_FALSE(visible(L"engine_on"));

    run(SLOT_SECOND_DOOR, 1, -1);
    EXPECT_TRUE(visible(L"trap_on")) << "stair out at the stand";
    expect_vec(translation(L"Y_door01"), {0.21f, 0, 0}, "outer door aside");
    expect_vec(rotation(L"Y_door01"), {0, 180, 0}, "outer door turned");
    run(SLOT_DOOR, 1, -1);
    shut_down();
    EXPECT_FALSE(visible(L"ldlightl")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    destroy_leaving_a_clean_heap();
}
}  // namespace
