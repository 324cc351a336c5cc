// acplug01 in the stand-in engine: its own flap, slat and nose-gear door values at chosen
// progress values, read back as layer transforms, and a whole flight through its sequences that
// leaves the engine's heap clean. Its dynamic-light values are in dynamic_light_values_test.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
const float HALF_PI = 1.57079632679f;

class Acplug01 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug01.dll"; }
};

TEST_F(Acplug01, FlapSlotLooksUpFourArms) {
    EXPECT_EQ(slot(SLOT_FLAPS)->timed, 13u);
    EXPECT_NE(slot(SLOT_FLAPS)->layers[13], 0u);
    EXPECT_EQ(slot(SLOT_FLAPS)->layers[13], handle(L"X_flaparm_04"));
    EXPECT_EQ(handle(L"X_flaparm_05"), 0u) << "never looked up";
    EXPECT_EQ(handle(L"X_flaparm_06"), 0u) << "never looked up";
}

TEST_F(Acplug01, FlapLayersAtHalfAndFullSetting) {
    struct Case {
        const wchar_t* name;
        Vec3 translation, rotation;  // at f = 1
    } cases[] = {
        {L"X_flap0101", {-0.05f, 0, 0.2f}, {25, 0, 0}}, {L"X_flap0201", {0.05f, 0, 0.2f}, {25, 0, 0}},
        {L"X_flap0301", {-0.05f, 0, 0.2f}, {25, 0, 0}}, {L"X_flap0401", {0.05f, 0, 0.2f}, {25, 0, 0}},
        {L"X_flap0102", {0, 0, 0.1f}, {20, 0, 0}},      {L"X_flap0202", {0, 0, 0.1f}, {20, 0, 0}},
        {L"X_flap0302", {0, 0, 0.1f}, {20, 0, 0}},      {L"X_flap0402", {0, 0, 0.1f}, {20, 0, 0}},
        {L"X_flaparm_01", {0, 0, 0}, {27, 0, 0}},       {L"X_flaparm_02", {0, 0, 0}, {27, 0, 0}},
        {L"X_flaparm_03", {0, 0, 0}, {27, 0, 0}},       {L"X_flaparm_04", {0, 0, 0}, {27, 0, 0}},
    };
    for (float f : {0.5f, 1.0f}) {
        run(SLOT_FLAPS, 0, -1);
        run(SLOT_FLAPS, 100, static_cast<int32_t>(f * 8000));
        for (const Case& c : cases) {
            std::string what = narrow(c.name) + " at f " + std::to_string(f);
            expect_vec(translation(c.name), {c.translation.x * f, c.translation.y * f, c.translation.z * f},
                       what + " translation");
            expect_vec(rotation(c.name), {c.rotation.x * f, 0, 0}, what + " rotation");
        }
    }
    EXPECT_FALSE(visible(L"mainwing01")) << "flaps out";
    EXPECT_TRUE(visible(L"mainwing02"));
}

TEST_F(Acplug01, SlatLayersAtChosenSettings) {
    for (float s : {0.25f, 0.5f, 1.0f}) {
        SCOPED_TRACE(testing::Message() << "s " << s);
        run(SLOT_SLATS, 0, -1);
        run(SLOT_SLATS, 100, static_cast<int32_t>(s * 4000));
        Vec3 outer = {0, -0.1f * (1 - cosf(s * HALF_PI)), -0.3f * s};
        expect_vec(translation(L"X_1slat"), outer, "X_1slat translation");
        expect_vec(translation(L"X_4slat"), outer, "X_4slat translation");
        expect_vec(rotation(L"X_1slat"), {0, 0, -0.7f * s}, "X_1slat rotation");
        expect_vec(rotation(L"X_4slat"), {0, 0, 0.7f * s}, "X_4slat rotation");
        expect_vec(rotation(L"X_2slat"), {50 * s, 0, 0}, "X_2slat rotation");
        expect_vec(rotation(L"X_3slat"), {50 * s, 0, 0}, "X_3slat rotation");
        EXPECT_TRUE(visible(L"slat"));
    }
}

TEST_F(Acplug01, NoseGearDoorsOpenTo70) {
    struct Case {
        float p, door, strut;
    } cases[] = {
        {0.05f, 0, 115}, {0.2f, 35, 115}, {0.25f, 52.5f, 115}, {0.3f, 70, 115}, {0.6f, 70, 57.5f}, {1.0f, 70, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p);
        expect_vec(rotation(L"Z_1nose01"), {0, 0, -c.door}, "door 1", 1e-3f);
        expect_vec(rotation(L"Z_2nose01"), {0, 0, c.door}, "door 2", 1e-3f);
        expect_vec(rotation(L"nosegear"), {c.strut, 0, 0}, "strut", 1e-3f);
    }
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug01, FlightThroughTheSequences) {
    struct Step {
        int32_t command, ival1;
        float height;  // fval2
        int32_t ms;    // -1: to the end
    } steps[] = {
        {SLOT_LIGHT_PARAMS, 1, 0, 0}, {SEQ_NAV_LIGHTS_ON, 1, 0, 0}, {SEQ_BEACON_ON, 0, 0, 500},
        {SLOT_ENGINES, 100, 0, -1},   {SEQ_DEPARTURE, 1, 0, -1},    {SEQ_LANDING_LIGHTS_ON, 1, 0, -1},
        {SEQ_ROTATE, 0, 0, -1},
    };
    for (const Step& s : steps) run(s.command, s.ival1, s.ms, s.command == SLOT_ENGINES ? 1 : 0, 0, s.height);
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0.3f * 27, 1e-3f) << "take-off flaps 30";
    EXPECT_TRUE(visible(L"ldlightl1"));

    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0, 1e-4f) << "flaps in";
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    EXPECT_NEAR(translation(L"X_flap0201").x, 0.025f, 1e-4f) << "approach flaps 50";
    run(SEQ_FINAL, 1, -1, 0, 0, 50);
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    expect_vec(rotation(L"Z_2nose01"), {0, 0, 70}, "nose doors open");
    EXPECT_NEAR(rotation(L"X_flaparm_04").x, 27, 1e-3f) << "landing flaps";
    EXPECT_NEAR(rotation(L"X_1slat").z, -0.7f, 1e-4f) << "slats out";
    EXPECT_NEAR(pitch(), 2, 1e-4f);

    run(SEQ_FLARE, 0, 0, 0, 0, 5);
    EXPECT_NEAR(pitch(), 3, 1e-4f) << "half-way down the flare";
    run(SEQ_TOUCHDOWN, 1, -1);
    EXPECT_NEAR(pitch(), 0, 1e-4f);
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
    finish();
    EXPECT_FALSE(visible(L"spoiler"));

    run(SEQ_AFTER_LANDING, 1, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl1"));
    run(SEQ_BEACON_OFF, 0, 0);
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    run(SEQ_NAV_LIGHTS_OFF, 0, 0);
    EXPECT_FALSE(visible(L"ldlightb"));
    run(SLOT_ENGINES, 0, -1, 1);

    destroy_leaving_a_clean_heap();
}
}  // namespace
