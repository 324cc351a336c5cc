// acplug14 in the stand-in engine: its eight spoiler panels, flaps on ten arms, tyres, gear,
// front and rear doors and reset at chosen progress values, read back as layer transforms, and
// a whole flight through its sequences that leaves the heap clean.
#include <math.h>

#include <string>
#include <vector>

#include "aircraft_fixture.h"

namespace {
const wchar_t* const covers[] = {L"spoiler",    L"01_spoiler", L"02_spoiler", L"03_spoiler", L"04_spoiler",
                                 L"05_spoiler", L"06_spoiler", L"07_spoiler", L"08_spoiler"};
const wchar_t* const panels[] = {L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04",
                                 L"X_spoiler05", L"X_spoiler06", L"X_spoiler07", L"X_spoiler08"};
// Shown by the gear while it is not fully up.
const wchar_t* const gear_shown[] = {L"01body03", L"03body03", L"04body03", L"tire001",
                                     L"tire002",  L"tire004",  L"tire005"};

const float UPPER_LAMP_BASE = 2.0f, LOWER_LAMP_BASE = 3.0f;

class Acplug14 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug14.dll"; }
    void before_create() override {
        kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"atlightu"), UPPER_LAMP_BASE);
        kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"atlightd"), LOWER_LAMP_BASE);
        kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"at_pointu"), 9.0f);
    }
};

TEST_F(Acplug14, EightSpoilerPanelsUnderNineCovers) {
    struct Case {
        int32_t from;
        float p;
        bool shown;
        float angle;
    } cases[] = {
        {0, 0.5f, true, -40},
        {0, 1.0f, true, -80},
        {1, 0.25f, true, -20},
        {1, 0.0f, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "stowing" : "deploying") << " at p " << c.p);
        progress_at(SLOT_SPOILERS, 1000, c.from, c.p);
        for (const wchar_t* cover : covers) EXPECT_EQ(visible(cover), c.shown) << narrow(cover);
        for (const wchar_t* panel : panels) expect_vec(rotation(panel), {c.angle, 0, 0}, narrow(panel), 1e-3f);
    }
}

TEST_F(Acplug14, FourFlapPanelsOnTenArms) {
    struct Case {
        float f;
    } cases[] = {{0.5f}, {1.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "f " << c.f);
        setting_at(SLOT_FLAPS, 8000, c.f);
        for (const wchar_t* panel : {L"X_flap0101", L"X_flap0401"}) {
            expect_vec(translation(panel), {0, 0, 0.15f * c.f}, narrow(panel));
            expect_vec(rotation(panel), {40 * c.f, 0, 0}, narrow(panel), 1e-3f);
        }
        for (const wchar_t* panel : {L"X_flap0201", L"X_flap0301"}) {
            expect_vec(translation(panel), {0, 0, 0.15f * c.f}, narrow(panel));
            expect_vec(rotation(panel), {37.5f * c.f, 0, 0}, narrow(panel), 1e-3f);
        }
        for (int arm = 1; arm <= 10; ++arm) {
            wchar_t name[16];
            swprintf(name, 16, L"X_flaparm_%02d", arm);
            expect_vec(rotation(name), {40 * c.f, 0, 0}, narrow(name), 1e-3f);
            expect_vec(translation(name), {0, 0, 0}, narrow(name));
        }
        EXPECT_FALSE(visible(L"mainwing01"));
        EXPECT_TRUE(visible(L"mainwing02"));
    }
    for (const wchar_t* name : {L"X_flap0102", L"X_flap0202", L"X_flaparm_11"})
        EXPECT_EQ(handle(name), 0u) << narrow(name) << " is not this type's";
    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps 0 reached";
    EXPECT_FALSE(visible(L"mainwing02"));
}

// One nose-tyre turn rolled: the nose tyres come round to where they started, the main tyres
// turn by the share of their own circumference, each group on its own angle.
TEST_F(Acplug14, TyresRollOnTheirOwnCircumferences) {
    const float nose_turn = 1.3791592f, main_turn = 2.1928318f;
    const float main_angle = nose_turn / main_turn * 360.0f;  // about 226.4
    EXPECT_EQ(start(SLOT_TYRES, 0, 0, nose_turn), 0);
    for (const wchar_t* name : {L"tire001", L"tire002"})
        EXPECT_NEAR(remainderf(rotation(name).x, 360.0f), 0.0f, 1e-2f) << narrow(name) << " one turn";
    for (const wchar_t* name : {L"tire003", L"tire004", L"tire005", L"tire006"})
        EXPECT_NEAR(rotation(name).x, -main_angle, 1e-2f) << narrow(name);
    EXPECT_NEAR(remainderf(slot(SLOT_TYRES)->word5.f, 360.0f), 0.0f, 1e-2f) << "nose-tyre angle";
    EXPECT_NEAR(slot(SLOT_TYRES)->word6.f, main_angle, 1e-2f) << "main-tyre angle";
    EXPECT_NEAR(main_angle, 226.4f, 0.05f);
}

TEST_F(Acplug14, NoseGearAtChosenProgress) {
    struct Case {
        int32_t from;
        float p;
        bool shown;
        float strut, doors, rear_door;
    } cases[] = {
        {0, 0.05f, false, 115, 0, 0},     {0, 0.2f, true, 115, 45, -57.5f}, {0, 0.3f, true, 115, 90, -115},
        {0, 0.5f, true, 57.5f, 90, -115}, {0, 0.8f, true, 0, 45, -115},     {0, 1.0f, true, 0, 0, -115},
        {1, 0.5f, true, 57.5f, 90, -115}, {1, 0.0f, false, 115, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? "retracting" : "extending") << " at p " << c.p);
        gear_at(c.p, c.from);
        const float e = 2e-3f;
        EXPECT_EQ(visible(L"nosegear"), c.shown);
        expect_vec(rotation(L"nosegear"), {c.strut, 0, 0}, "strut", e);
        expect_vec(rotation(L"Z_1nose01"), {0, 0, c.doors}, "door 1", e);
        expect_vec(rotation(L"Z_2nose01"), {0, 0, -c.doors}, "door 2", e);
        expect_vec(rotation(L"X_3nose01"), {c.rear_door, 0, 0}, "rear door", e);
    }
}

TEST_F(Acplug14, MainGearAtChosenProgress) {
    struct Case {
        float p;
        float wing_door_1, wing_door_2, outer, inner;
    } cases[] = {
        {0.0f, -115, 0, 83, 0},       {0.125f, -57.5f, -57.5f, 83, 0}, {0.25f, 0, -115, 83, 45},
        {0.375f, 0, -115, 41.5f, 45}, {0.625f, 0, -115, 0, 22.5f},     {1.0f, 0, -115, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        if (c.p == 0.0f)
            run(SLOT_GEAR, 0, -1);  // up
        else
            gear_at(c.p);
        const float e = 2e-3f;
        for (const wchar_t* name : gear_shown) EXPECT_EQ(visible(name), c.p != 0.0f) << narrow(name);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, c.wing_door_1}, "wing door 1", e);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, c.wing_door_2}, "wing door 2", e);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.outer}, "right outer strut", e);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.outer}, "left outer strut", e);
        expect_vec(rotation(L"Z_0102t1Rshaft"), {0, 0, c.inner}, "right inner strut", e);
        expect_vec(rotation(L"Z_0102t1Lshaft"), {0, 0, -c.inner}, "left inner strut", e);
    }
}

// The front door (slot 29) swings out to -165 over 12000 ms, quickly at first; the rear door
// (slot 37) to 40 over 6000 ms on a cosine ease. Each shows its opening while not closed.
TEST_F(Acplug14, FrontAndRearDoors) {
    struct Case {
        int32_t slot, full_ms, from;
        float p;
        const wchar_t* body;
        const wchar_t* door;
        float angle;
    } cases[] = {
        {SLOT_SECOND_DOOR, 12000, 0, 0.25f, L"03body03", L"Z_door01", -63.1428f},
        {SLOT_SECOND_DOOR, 12000, 0, 0.5f, L"03body03", L"Z_door01", -116.6726f},
        {SLOT_SECOND_DOOR, 12000, 0, 1.0f, L"03body03", L"Z_door01", -165},
        {SLOT_SECOND_DOOR, 12000, 1, 0.5f, L"03body03", L"Z_door01", -116.6726f},
        {SLOT_SECOND_DOOR, 12000, 1, 0.0f, L"03body03", L"Z_door01", 0},
        {SLOT_DOOR, 6000, 0, 0.25f, L"04body03", L"Z_door02", 5.8579f},
        {SLOT_DOOR, 6000, 0, 0.5f, L"04body03", L"Z_door02", 20},
        {SLOT_DOOR, 6000, 0, 1.0f, L"04body03", L"Z_door02", 40},
        {SLOT_DOOR, 6000, 1, 0.75f, L"04body03", L"Z_door02", 34.1421f},
        {SLOT_DOOR, 6000, 1, 0.0f, L"04body03", L"Z_door02", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << (c.from ? " closing" : " opening") << " at p " << c.p);
        run(c.slot, c.from, -1);
        EXPECT_EQ(start(c.slot, c.from ? 0 : 1), c.full_ms);
        float part = c.from == 0 ? c.p : 1.0f - c.p;
        if (part > 0.0f) tick(static_cast<int32_t>(part * static_cast<float>(c.full_ms) + 0.5f));
        EXPECT_EQ(visible(c.body), c.p != 0.0f);
        expect_vec(rotation(c.door), {0, 0, c.angle}, narrow(c.door), 2e-3f);
    }
    run(SLOT_DOOR, 1, -1);
    expect_vec(rotation(L"Z_door01"), {0, 0, 0}, "the rear door leaves the front one alone");
    EXPECT_FALSE(visible(L"03body03"));
}

// The beacon flashes its two lamps on their own base scales; the markers after them, where the
// dynamic light sits, neither glow nor show.
TEST_F(Acplug14, BeaconFlashesItsLampsNotItsMarkers) {
    EXPECT_EQ(slot(SLOT_BEACON)->word5.f, UPPER_LAMP_BASE);
    EXPECT_EQ(slot(SLOT_BEACON)->word6.f, LOWER_LAMP_BASE);
    KvrnLayerState marker_before = layer(L"at_pointu");
    EXPECT_EQ(run(SLOT_BEACON, 1, 50), -1);
    EXPECT_TRUE(visible(L"atlightu"));
    EXPECT_TRUE(visible(L"atlightd"));
    EXPECT_NEAR(layer(L"atlightu").sprite_scale, UPPER_LAMP_BASE, 1e-4f) << "the upper lamp at its peak";
    tick(100);
    EXPECT_NEAR(layer(L"atlightd").sprite_scale, LOWER_LAMP_BASE, 1e-4f) << "then the lower one";
    EXPECT_NEAR(layer(L"atlightu").sprite_scale, 0.0f, 1e-4f);
    KvrnLayerState marker = layer(L"at_pointu");
    EXPECT_EQ(marker.sprite_scale, marker_before.sprite_scale);
    EXPECT_EQ(marker.visible, marker_before.visible);
    EXPECT_NE(handle(L"at_pointd"), 0u) << "looked up";
}

// The reset parks the aircraft with both doors closed; it posts no placeholder or slats.
TEST_F(Acplug14, ResetClosesBothDoors) {
    EXPECT_FALSE(visible(L"03body03")) << "closed after create";
    EXPECT_FALSE(visible(L"04body03"));
    run(SLOT_SECOND_DOOR, 1, -1);
    run(SLOT_DOOR, 1, -1);
    run(SLOT_GEAR, 0, -1);
    slot(SLOT_GEAR)->word5.f = 10.0f;  // a tilt the reset must clear
    uint32_t mark = log_mark();
    send(KVRN_CMD_RESET);
    std::vector<int32_t> commands;
    for (const Post& post : posts_since(mark)) commands.push_back(post.command);
    const std::vector<int32_t> expected = {21, 22, 23, 25, 27, 28, 30, 31, 32, 33, 34, 35, 36, 20, 29, 37, 19};
    EXPECT_EQ(commands, expected);
    finish();
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_EQ(slot(SLOT_GEAR)->word5.u, 0u) << "the gear slot's word5 cleared to 0.0";
    expect_vec(rotation(L"Z_door01"), {0, 0, 0}, "front door closed");
    expect_vec(rotation(L"Z_door02"), {0, 0, 0}, "rear door closed");
    EXPECT_FALSE(visible(L"03body03"));
    EXPECT_FALSE(visible(L"04body03"));
}

// The after-take-off phase brings the pitch down over 12000 ms; the final configuration runs as
// long as the gear and keeps the body level.
TEST_F(Acplug14, LongClimbAndLevelFinalApproach) {
    start(SLOT_BODY_PITCH, 0, 0, 6.0f, 0.0f);
    EXPECT_EQ(run(SEQ_AFTER_TAKEOFF, 0, 3000, 0, 0, 30), 12000);
    EXPECT_NEAR(pitch(), 4.5f, 1e-3f);
    tick(3000);
    EXPECT_NEAR(pitch(), 3.0f, 1e-3f);
    finish();
    EXPECT_NEAR(pitch(), 0.0f, 1e-4f);

    EXPECT_EQ(run(SEQ_FINAL, 1, 6000, 0, 0, 50), 12000) << "as long as the gear";
    EXPECT_NEAR(pitch(), 0.0f, 1e-5f);
    expect_vec(rotation(L"X_02t1Rshaft"), {10, 0, 0}, "bogies hang on the approach");
    expect_steep_flare_and_touchdown();
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug14, FlightThroughTheSequences) {
    take_off();
    EXPECT_TRUE(visible(L"wglightl")) << "navigation lights on";
    EXPECT_TRUE(visible(L"ldlightr")) << "landing lights on";
    EXPECT_TRUE(visible(L"Z_e2high")) << "engines at full power";
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    EXPECT_NEAR(rotation(L"X_flaparm_10").x, 0.3f * 40, 1e-3f) << "take-off flaps 30";
    expect_vec(rotation(L"X_02t1Lshaft"), {-6, 0, 0}, "bogies on the runway");

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    expect_vec(rotation(L"X_02t1Lshaft"), {10, 0, 0}, "bogies hang in the air");
    EXPECT_EQ(run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120), 12000);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_FALSE(visible(L"01body03"));
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    EXPECT_NEAR(rotation(L"X_flaparm_05").x, 0.5f * 40, 1e-3f) << "approach flaps 50";
    run(SEQ_FINAL, 1, -1, 0, 0, 50);
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_TRUE(visible(L"01body03"));
    EXPECT_NEAR(rotation(L"X_flap0201").x, 37.5f, 1e-3f) << "landing flaps";
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    expect_steep_flare_and_touchdown();
    EXPECT_EQ(run(SEQ_ROLLOUT, 0, 2500), 5000);
    EXPECT_TRUE(visible(L"08_spoiler")) << "spoilers up on the roll-out";
    expect_vec(rotation(L"X_spoiler08"), {-80, 0, 0}, "X_spoiler08 up", 1e-3f);
    EXPECT_TRUE(visible(L"engine_on")) << "reversers out";
    finish();
    EXPECT_FALSE(visible(L"spoiler"));
    EXPECT_TRUE(visible(L"engine_off")) << "reversers stowed";

    run(SLOT_SECOND_DOOR, 1, -1);
    expect_vec(rotation(L"Z_door01"), {0, 0, -165}, "front door open at the stand", 1e-3f);
    run(SLOT_DOOR, 1, -1);
    expect_vec(rotation(L"Z_door02"), {0, 0, 40}, "rear door open at the stand", 1e-3f);
    shut_down();
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl")) << "landing lights off";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_FALSE(visible(L"wglightr")) << "navigation lights off";
    EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "engines at rest";
    destroy_leaving_a_clean_heap();
}
}  // namespace
