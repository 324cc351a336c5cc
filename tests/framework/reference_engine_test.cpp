// Engine spool of the reference aircraft: ramps together and one after the other, fan blades
// turning and cross-fading, and the slot stopping once the engines rest.
#include "engine_spool.h"
#include "aircraft_fixture.h"

namespace {
class EngineTest : public ReferenceTest {
protected:
    EngineSpool* engines() { return static_cast<EngineSpool*>(slot(28)->word3.p); }
    float spool(int engine) { return engines()[engine - 1].spool; }
    void ticks(int count, int32_t ms) {
        for (int i = 0; i < count; ++i) tick(ms);
    }
    uint32_t transparency(const wchar_t* name) { return layer(name).transparency; }
};

TEST_F(EngineTest, TogetherBothRampInTwentySeconds) {
    EXPECT_EQ(start(28, 100, 1), 20000);
    ticks(10, 1000);
    EXPECT_FLOAT_EQ(spool(1), 50);
    EXPECT_FLOAT_EQ(spool(2), 50);
    EXPECT_EQ(time_left(28), -1) << "turning";
    ticks(10, 1000);
    EXPECT_FLOAT_EQ(spool(1), 100);
    EXPECT_FLOAT_EQ(spool(2), 100);
    EXPECT_EQ(time_left(28), 0) << "stopped at full power";
    for (const wchar_t* fast : {L"Z_e1high", L"Z_e2high"}) {
        EXPECT_TRUE(visible(fast));
        EXPECT_EQ(transparency(fast), 0u);
    }
    for (const wchar_t* slow : {L"Z_e1low", L"Z_e2low"}) {
        EXPECT_FALSE(visible(slow));
        EXPECT_EQ(transparency(slow), 255u);
    }
}

TEST_F(EngineTest, OneAfterTheOtherEngineTwoLeads) {
    EXPECT_EQ(start(28, 100, 0), 40000);
    ticks(19, 1000);
    EXPECT_FLOAT_EQ(spool(2), 95);
    EXPECT_FLOAT_EQ(spool(1), 0) << "engine 1 waits";
    tick(1000);
    EXPECT_FLOAT_EQ(spool(2), 100);
    EXPECT_FLOAT_EQ(spool(1), 5) << "engine 1 begins in the tick engine 2 arrives";
    ticks(19, 1000);
    EXPECT_FLOAT_EQ(spool(1), 100);
    EXPECT_EQ(time_left(28), 0);
    // And down again the same way.
    EXPECT_EQ(start(28, 0, 0), 40000);
    tick(10000);
    EXPECT_FLOAT_EQ(spool(2), 50);
    EXPECT_FLOAT_EQ(spool(1), 100);
}

TEST_F(EngineTest, SameTargetKeepsThePowerWithoutARamp) {
    run(28, 100, 20000, 1);
    EXPECT_EQ(start(28, 100, 1), 0);
    tick(1000);
    EXPECT_FLOAT_EQ(spool(1), 100);
    EXPECT_FLOAT_EQ(spool(2), 100);
    run(28, 50, 20000, 1);  // rests at 50 and keeps turning
    EXPECT_EQ(start(28, 50, 1), 0);
    tick(1000);
    EXPECT_FLOAT_EQ(spool(1), 50) << "no division by a zero ramp time";
    EXPECT_FLOAT_EQ(spool(2), 50);
}

TEST_F(EngineTest, HalfPowerTurnsSlowBladesAt720DegreesASecond) {
    run(28, 50, -1, 1);  // the jump to the end completes the ramp
    EXPECT_FLOAT_EQ(spool(1), 50);
    EXPECT_EQ(time_left(28), -1) << "an engine between 0 and 100 keeps the slot running";
    float before = rotation(L"Z_e1low").z;
    tick(250);
    EXPECT_NEAR(rotation(L"Z_e1low").z, fmodf(before + 180.0f, 360.0f), 1e-3f);
    EXPECT_NEAR(rotation(L"Z_e2low").z, fmodf(before + 180.0f, 360.0f), 1e-3f);
    EXPECT_TRUE(visible(L"Z_e1low"));
    EXPECT_EQ(transparency(L"Z_e1low"), 0u);
    EXPECT_FALSE(visible(L"Z_e1high"));
    EXPECT_EQ(transparency(L"Z_e1high"), 255u);
    for (int i = 0; i < 10; ++i) {
        tick(700);
        EXPECT_GE(rotation(L"Z_e1low").z, 0.0f);
        EXPECT_LT(rotation(L"Z_e1low").z, 360.0f);
    }
}

TEST_F(EngineTest, FastBladesFadeInAboveSixty) {
    struct Case {
        int power;
        bool slow_shown, fast_shown;
        uint32_t slow, fast;
    } cases[] = {
        {0, true, false, 0, 255},   {40, true, false, 0, 255}, {60, true, false, 0, 255},
        {80, true, true, 127, 128}, {90, true, true, 191, 64}, {100, false, true, 255, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "power " << c.power);
        run(28, c.power, -1, 1);
        tick(10);  // a moment at that power
        EXPECT_EQ(visible(L"Z_e2low"), c.slow_shown);
        EXPECT_EQ(visible(L"Z_e2high"), c.fast_shown);
        EXPECT_EQ(transparency(L"Z_e2low"), c.slow);
        EXPECT_EQ(transparency(L"Z_e2high"), c.fast);
    }
}

TEST_F(EngineTest, NewStartCutsAnUnfinishedRampShort) {
    run(28, 100, 5000, 1);
    EXPECT_FLOAT_EQ(spool(1), 25);
    EXPECT_EQ(start(28, 0, 1), 20000);
    EXPECT_FLOAT_EQ(spool(1), 100) << "both engines first take the previous target";
    EXPECT_FLOAT_EQ(spool(2), 100);
    tick(5000);
    EXPECT_FLOAT_EQ(spool(1), 75);
}

TEST_F(EngineTest, PowerBeyondTheRangeIsHeldAtItsEnds) {
    EXPECT_EQ(start(28, 150, 1), 20000);
    finish();
    EXPECT_FLOAT_EQ(spool(1), 100);
    EXPECT_EQ(transparency(L"Z_e1high"), 0u);
    EXPECT_EQ(start(28, -20, 1), 20000);
    finish();
    EXPECT_FLOAT_EQ(spool(2), 0);
    EXPECT_EQ(time_left(28), 0);
}
}  // namespace
