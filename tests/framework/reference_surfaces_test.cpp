// Flaps, slats, spoilers, reversers, cabin door, body pitch and "Level1" of the reference aircraft.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
const float PI = 3.14159265f;

class SurfacesTest : public ReferenceTest {};

TEST_F(SurfacesTest, FlapAndSlatMovesTakeTheirShareOfTheFullTime) {
    struct Case {
        int slot, from, to, duration;
    } cases[] = {
        {23, 0, 100, 8000},  {23, 100, 50, 4000}, {23, 50, 80, 2400}, {23, 30, 30, 0}, {24, 0, 50, 2000},
        {24, 50, 100, 2000}, {24, 100, 0, 4000},  {23, 0, 150, 8000},  // a target beyond the stop is held at 100
        {23, 20, -10, 1600},                                           // and one below it at 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " from " << c.from << " to " << c.to);
        start(c.slot, c.from);
        finish();
        EXPECT_EQ(start(c.slot, c.to), c.duration);
        EXPECT_EQ(time_left(c.slot), c.duration);
        finish();
    }
}

TEST_F(SurfacesTest, FlapLayersFollowTheSettingHalfWay) {
    run(23, 100, 4000);  // 0 to 100, half-way: f = 0.5
    struct Case {
        const wchar_t* name;
        Vec3 translation, rotation;
    } cases[] = {
        {L"X_flap0101", {-0.025f, 0, 0.1f}, {12.5f, 0, 0}}, {L"X_flap0201", {0, 0, 0.1f}, {12.5f, 0, 0}},
        {L"X_flap0301", {0, 0, 0.1f}, {12.5f, 0, 0}},       {L"X_flap0401", {0.025f, 0, 0.1f}, {12.5f, 0, 0}},
        {L"X_flap0102", {0, 0, 0.05f}, {10, 0, 0}},         {L"X_flap0202", {0, 0, 0.05f}, {10, 0, 0}},
        {L"X_flap0302", {0, 0, 0.05f}, {10, 0, 0}},         {L"X_flap0402", {0, 0, 0.05f}, {10, 0, 0}},
        {L"X_flaparm_01", {0, 0, 0}, {15, 0, 0}},           {L"X_flaparm_02", {0, 0, 0}, {15, 0, 0}},
        {L"X_flaparm_03", {0, 0, 0}, {10, 0, 0}},           {L"X_flaparm_04", {0, 0, 0}, {10, 0, 0}},
        {L"X_flaparm_05", {0, 0, 0}, {15, 0, 0}},           {L"X_flaparm_06", {0, 0, 0}, {15, 0, 0}},
    };
    for (const Case& c : cases) {
        expect_vec(translation(c.name), c.translation, narrow(c.name) + " translation");
        expect_vec(rotation(c.name), c.rotation, narrow(c.name) + " rotation");
    }
    finish();
    expect_vec(rotation(L"X_flap0101"), {25, 0, 0}, "full flaps");
    expect_vec(translation(L"X_flap0401"), {0.05f, 0, 0.2f}, "full flaps");
}

TEST_F(SurfacesTest, FlapArmsKeepTheirPlace) {
    KvrnVector place = {1, 2, 3, 0};
    kvrn_host_set_transform(handle(L"X_flaparm_03"), &place, nullptr);
    run(23, 100, 8000);
    expect_vec(translation(L"X_flaparm_03"), {1, 2, 3}, "arm translation untouched");
    expect_vec(rotation(L"X_flaparm_03"), {20, 0, 0}, "arm rotation");
}

TEST_F(SurfacesTest, RetractedWingShowsOnlyWhileAMoveToZeroRests) {
    struct Step {
        int target, ms;  // ms < 0: to the end
        bool wing01, wing02;
    } steps[] = {
        {30, 1000, false, true},  // extending
        {30, -1, false, true},    // resting at 30
        {0, 1200, false, true},   // retracting
        {0, -1, true, false},     // resting at 0
        {0, -1, true, false},     // a move to where it is
    };
    EXPECT_TRUE(visible(L"mainwing01"));
    EXPECT_FALSE(visible(L"mainwing02"));
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "target " << s.target << " after " << s.ms);
        start(23, s.target);
        tick(s.ms);
        EXPECT_EQ(visible(L"mainwing01"), s.wing01);
        EXPECT_EQ(visible(L"mainwing02"), s.wing02);
    }
}

TEST_F(SurfacesTest, SlatsExtendWithEasedDropAndRoll) {
    run(24, 100, 2000);  // s = 0.5
    float drop = -0.2f * (1 - cosf(0.5f * PI / 2));
    expect_vec(translation(L"X_1slat"), {0, drop, -0.15f}, "X_1slat");
    expect_vec(rotation(L"X_1slat"), {0, 0, -0.5f}, "X_1slat");
    expect_vec(translation(L"X_4slat"), {0, drop, -0.15f}, "X_4slat");
    expect_vec(rotation(L"X_4slat"), {0, 0, 0.5f}, "X_4slat");
    expect_vec(translation(L"X_2slat"), {0, 0, 0}, "X_2slat");
    expect_vec(rotation(L"X_2slat"), {25, 0, 0}, "X_2slat");
    expect_vec(rotation(L"X_3slat"), {25, 0, 0}, "X_3slat");
    EXPECT_TRUE(visible(L"slat"));
    finish();
    EXPECT_TRUE(visible(L"slat")) << "resting extended";
    run(24, 0, -1);
    EXPECT_FALSE(visible(L"slat")) << "resting retracted";
    expect_vec(rotation(L"X_1slat"), {0, 0, 0}, "retracted");
}

TEST_F(SurfacesTest, SpoilersDeployAndStow) {
    EXPECT_EQ(run(21, 1, 500), 1000);
    EXPECT_TRUE(visible(L"spoiler"));
    for (const wchar_t* panel : {L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04"})
        expect_vec(rotation(panel), {-40, 0, 0}, narrow(panel));
    finish();
    expect_vec(rotation(L"X_spoiler04"), {-80, 0, 0}, "deployed");
    run(21, 0, 300);
    expect_vec(rotation(L"X_spoiler01"), {-56, 0, 0}, "stowing");
    finish();
    EXPECT_FALSE(visible(L"spoiler"));
    expect_vec(rotation(L"X_spoiler02"), {0, 0, 0}, "stowed");
}

TEST_F(SurfacesTest, ReversersSlideOutAndBack) {
    EXPECT_EQ(run(22, 1, 500), 1000);
    EXPECT_TRUE(visible(L"engine_on"));
    EXPECT_FALSE(visible(L"engine_off"));
    expect_vec(translation(L"Z_revon01"), {0, 0, 0.25f}, "half out");
    expect_vec(translation(L"Z_revon02"), {0, 0, 0.25f}, "half out");
    run(22, 0, -1);
    EXPECT_FALSE(visible(L"engine_on"));
    EXPECT_TRUE(visible(L"engine_off"));
    expect_vec(translation(L"Z_revon01"), {0, 0, 0}, "stowed");
}

TEST_F(SurfacesTest, DoorSwingsOpenAndShut) {
    EXPECT_EQ(run(37, 1, 3000), 6000);
    expect_vec(rotation(L"Z_door01"), {0, 0, 20}, "half open");
    EXPECT_TRUE(visible(L"04body03"));
    finish();
    expect_vec(rotation(L"Z_door01"), {0, 0, 40}, "open");
    run(37, 0, 4500);
    expect_vec(rotation(L"Z_door01"), {0, 0, 10}, "closing");
    finish();
    expect_vec(rotation(L"Z_door01"), {0, 0, 0}, "closed");
    EXPECT_FALSE(visible(L"04body03"));
}

TEST_F(SurfacesTest, BodyPitchTurnsTheRootAndKeepsItsPlace) {
    KvrnVector place = {10, 0, -5, 0};
    kvrn_host_set_transform(aircraft, &place, nullptr);
    EXPECT_EQ(start(20, 0, 0, 4.5f, 3.0f), 0);
    expect_vec(root_layer().rotation, {4.5f, 0, 0}, "pitch");
    expect_vec(root_layer().translation, {10, 0, -5}, "place");
}

TEST_F(SurfacesTest, Level1IsHidden) {
    EXPECT_FALSE(visible(L"Level1"));
    KvrnLayer level1 = handle(L"Level1");
    KVRNL_SwitchLayer(kvrn_host_context(), level1, 1);
    EXPECT_EQ(start(1, 5), 0);
    EXPECT_FALSE(visible(L"Level1"));
}
}  // namespace
