// Lights of the reference aircraft and the engine dynamic light 7 that follows the beacon and
// the strobes through each beacon second.
#include <string.h>

#include "lights.h"
#include "aircraft_fixture.h"

namespace {
const wchar_t* const lamps[] = {L"atlightu", L"atlightd", L"ldlightl1", L"ldlightl2",
                                L"ldlight",  L"wglightl", L"wglightr",  nullptr};

class LightsTest : public ReferenceTest {
protected:
    const wchar_t* const* model_layers() override { return lamps; }

    // Base scales the builder reads, and places where the dynamic light goes.
    void before_create() override {
        kvrn_host_set_base_scale(handle(L"atlightu"), 2.0f);
        kvrn_host_set_base_scale(handle(L"atlightd"), 3.0f);
        kvrn_host_set_base_scale(handle(L"ldlightl1"), 4.0f);
        kvrn_host_set_base_scale(handle(L"ldlightl2"), 6.0f);
        kvrn_host_set_base_scale(handle(L"ldlight"), 5.0f);
        place(L"atlightu", {0, 3, 1});
        place(L"atlightd", {0, -1, 2});
        place(L"wglightl", {-17, 1, -2});
        place(L"wglightr", {17, 1, -2});
    }
    void place(const wchar_t* name, Vec3 at) {
        KvrnVector t = {at.x, at.y, at.z, 0};
        kvrn_host_set_transform(handle(name), &t, nullptr);
    }
    float glow(const wchar_t* name) { return layer(name).sprite_scale; }
    KvrnLightState light7() {
        KvrnLightState state{};
        kvrn_host_light(KVRN_DYNAMIC_LIGHT, &state);
        return state;
    }
    LightRecord light7_record() {
        LightRecord record;
        KvrnLightState state = light7();
        memcpy(&record, state.record, sizeof record);
        return record;
    }
};

TEST_F(LightsTest, BeaconFlashesUpperThenLowerLamp) {
    EXPECT_EQ(start(30, 1), -1);
    EXPECT_TRUE(visible(L"atlightu"));
    EXPECT_TRUE(visible(L"atlightd"));
    EXPECT_EQ(time_left(30), -1);
    struct Case {
        int32_t ms;  // into the beacon second
        float upper, lower;
    } cases[] = {{0, 0, 0},      {25, 2.0f * 0.70710678f, 0},
                 {50, 2.0f, 0},  {125, 0, 3.0f * 0.70710678f},
                 {150, 0, 3.0f}, {200, 0, 0},
                 {800, 0, 0},    {1050, 2.0f, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ms " << c.ms);
        start(30, 1);
        tick(c.ms);
        EXPECT_NEAR(glow(L"atlightu"), c.upper, 1e-4f);
        EXPECT_NEAR(glow(L"atlightd"), c.lower, 1e-4f);
    }
    EXPECT_EQ(start(30, 0), -1);
    EXPECT_FALSE(visible(L"atlightu"));
    EXPECT_FALSE(visible(L"atlightd"));
    EXPECT_EQ(time_left(30), 0);
}

TEST_F(LightsTest, NavigationAndLogoLightsSwitch) {
    start(31, 1);
    for (const wchar_t* name : {L"wglightl", L"wglightr", L"ldlightb"}) EXPECT_TRUE(visible(name)) << narrow(name);
    start(35, 1);
    EXPECT_TRUE(visible(L"lglight"));
    start(31, 0);
    for (const wchar_t* name : {L"wglightl", L"wglightr", L"ldlightb"}) EXPECT_FALSE(visible(name)) << narrow(name);
    start(35, 0);
    EXPECT_FALSE(visible(L"lglight"));
}

TEST_F(LightsTest, RolightLevelSetsTransparency) {
    struct Case {
        int32_t level;
        bool shown;
        uint32_t transparency;
    } cases[] = {{50, true, 127}, {100, true, 0}, {1, true, 252}, {0, false, 0}, {150, true, 0}, {-20, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level);
        start(32, 100);
        EXPECT_EQ(start(32, c.level), 0);
        EXPECT_EQ(visible(L"rolight"), c.shown);
        if (c.shown) {
            EXPECT_EQ(layer(L"rolight").transparency, c.transparency);
        }
    }
}

TEST_F(LightsTest, LandingLightsFadeInAndOutAtTheirLevel) {
    EXPECT_EQ(run(33, 100, 500), 1000);
    EXPECT_TRUE(visible(L"ldlightl1"));
    EXPECT_NEAR(glow(L"ldlightl1"), 2.0f, 1e-4f);
    EXPECT_NEAR(glow(L"ldlightr1"), 2.0f, 1e-4f);
    EXPECT_NEAR(glow(L"ldlightl2"), 3.0f, 1e-4f);
    EXPECT_NEAR(glow(L"ldlightr2"), 3.0f, 1e-4f);
    finish();
    EXPECT_NEAR(glow(L"ldlightr1"), 4.0f, 1e-4f);
    EXPECT_NEAR(glow(L"ldlightr2"), 6.0f, 1e-4f);
    run(33, 0, 250);
    EXPECT_NEAR(glow(L"ldlightl1"), 3.0f, 1e-4f) << "fading out from full";
    EXPECT_TRUE(visible(L"ldlightl1"));
    finish();
    EXPECT_NEAR(glow(L"ldlightl1"), 0.0f, 1e-4f);
    for (const wchar_t* name : {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2"})
        EXPECT_FALSE(visible(name)) << narrow(name);
    run(33, 50, -1);
    EXPECT_NEAR(glow(L"ldlightl2"), 3.0f, 1e-4f) << "half level";
    run(33, 250, -1);
    EXPECT_NEAR(glow(L"ldlightl2"), 6.0f, 1e-4f) << "a level above 100 is full";
}

TEST_F(LightsTest, FrontLightFadesOnlyWhatChanges) {
    // Parked: beam off, lamp fully transparent.
    EXPECT_NEAR(glow(L"ldlight"), 0.0f, 1e-4f);
    EXPECT_EQ(layer(L"frlight").transparency, 255u);
    EXPECT_EQ(run(34, 1, 500, 1), 1000);
    EXPECT_NEAR(glow(L"ldlight"), 2.5f, 1e-4f);
    EXPECT_EQ(layer(L"frlight").transparency, 127u);
    finish();
    EXPECT_NEAR(glow(L"ldlight"), 5.0f, 1e-4f);
    EXPECT_EQ(layer(L"frlight").transparency, 0u);
    // The same states again (any non-zero wish is "on") touch nothing.
    KvrnLayerState beam = layer(L"ldlight"), lamp = layer(L"frlight");
    run(34, 1, -1, 7);
    EXPECT_EQ(layer(L"ldlight").scale_sets, beam.scale_sets);
    EXPECT_EQ(layer(L"frlight").transparency_sets, lamp.transparency_sets);
    // Beam off, lamp stays.
    run(34, 0, 250, 1);
    EXPECT_NEAR(glow(L"ldlight"), 3.75f, 1e-4f);
    EXPECT_EQ(layer(L"frlight").transparency_sets, lamp.transparency_sets);
}

TEST_F(LightsTest, StrobesAreARunningClock) {
    EXPECT_EQ(start(36, 1), -1);
    EXPECT_EQ(time_left(36), -1);
    tick(2500);
    EXPECT_EQ(time_left(36), -1);
    EXPECT_EQ(start(36, 0), -1);
    EXPECT_EQ(time_left(36), 0);
}

TEST_F(LightsTest, LightParametersOffSwitchesLight7OffAndKeepsItOff) {
    start(19, 1, 1);
    start(31, 1);
    start(30, 1);
    tick(50);
    send(KVRN_CMD_LIGHT);
    EXPECT_EQ(light7().on, 1u);
    start(19, 1, 0);
    EXPECT_EQ(light7().on, 0u) << "at once";
    uint32_t sets = light7().sets;
    send(KVRN_CMD_LIGHT);
    EXPECT_EQ(light7().on, 0u);
    EXPECT_EQ(light7().sets, sets) << "the light update leaves light 7 alone";
}

TEST_F(LightsTest, DynamicLightThroughABeaconSecond) {
    struct Case {
        int32_t ms;  // into the beacon second
        bool nav, strobes;
        bool on;
        float range;
        uint32_t colour;
        Vec3 at;
    } cases[] = {
        {50, true, true, true, 1.8f, 100, {0, 3, 1}},
        {150, false, false, true, 2.8f, 50, {0, -1, 2}},
        {300, true, true, false, 0, 0, {0, 0, 0}},
        {550, true, false, false, 0, 0, {0, 0, 0}},
        {550, false, true, false, 0, 0, {0, 0, 0}},
        {550, true, true, true, 15.0f, 0xFFFFFF, {-17, 1, -2}},
        {650, true, true, true, 15.0f, 0xFFFFFF, {17, 1, -2}},
        {750, true, true, false, 0, 0, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ms << " ms, nav " << c.nav << ", strobes " << c.strobes);
        start(19, 1, 1);
        start(31, c.nav ? 1 : 0);
        start(36, c.strobes ? 1 : 0);
        start(30, 1);
        tick(c.ms);
        send(KVRN_CMD_LIGHT);
        KvrnLightState state = light7();
        ASSERT_EQ(state.on, c.on ? 1u : 0u);
        if (!c.on) continue;
        LightRecord record = light7_record();
        EXPECT_EQ(record.type, 3);
        EXPECT_FLOAT_EQ(record.x, c.at.x);
        EXPECT_FLOAT_EQ(record.y, c.at.y);
        EXPECT_FLOAT_EQ(record.z, c.at.z);
        EXPECT_FLOAT_EQ(record.range, c.range);
        for (uint32_t colour : record.colour) EXPECT_EQ(colour, c.colour);
        for (uint32_t word : record.unused1) EXPECT_EQ(word, 0u);
        EXPECT_EQ(record.unused2, 0u);
    }
}

TEST_F(LightsTest, DynamicLightOffWithoutBeaconAndUntouchedWithoutParameters) {
    start(31, 1);
    start(36, 1);
    start(30, 1);
    tick(50);
    uint32_t sets = light7().sets;
    send(KVRN_CMD_LIGHT);
    EXPECT_EQ(light7().sets, sets) << "no light parameters: light 7 is not touched";
    start(19, 1, 1);
    start(30, 0);
    send(KVRN_CMD_LIGHT);
    EXPECT_EQ(light7().on, 0u);
    EXPECT_EQ(light7().sets, sets + 1) << "beacon off: light 7 switched off";
}
}  // namespace
