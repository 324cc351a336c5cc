// Landing gear phases, tyre rolling and nose-wheel steering of the reference aircraft.
#include <math.h>

#include "aircraft_fixture.h"

namespace {
const float PI = 3.14159265f;
const float NOSE_CIRCUMFERENCE = 2.607522f;
const float MAIN_CIRCUMFERENCE = 3.8327432f;
const wchar_t* const nose_tyres[] = {L"tire001", L"tire002"};
const wchar_t* const main_tyres[] = {L"tire003", L"tire004", L"tire005", L"tire006"};
const wchar_t* const wheel_well[] = {L"01body03",     L"0101t1Rshaft",   L"Z_0102t1Rshaf", L"0202t1Rshaft",
                                     L"0101t1Lshaft", L"Z_0102t1Lshaft", L"0202t1Lshaft",  L"tire_off"};

class GearTest : public ReferenceTest {
protected:
    // Gear at progress p: extending from up, or retracting from down.
    void gear_at(float p, bool extending) {
        if (extending) {
            run(27, 0, -1);
            run(27, 1, static_cast<int32_t>(p * 12000 + 0.5f));
        } else {
            run(27, 1, -1);
            run(27, 0, static_cast<int32_t>((1 - p) * 12000 + 0.5f));
        }
    }
};

TEST_F(GearTest, NoseGearPhases) {
    struct Case {
        float p;
        bool extending, shown;
        float door, strut;
    } cases[] = {
        {0.0f, true, false, 0, 115},  {0.05f, true, false, 0, 115},  {0.2f, true, true, 40, 115},
        {0.2f, false, true, 40, 115}, {0.6f, true, true, 80, 57.5f}, {0.95f, true, true, 80, 0},
        {1.0f, true, true, 80, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p << (c.extending ? " extending" : " retracting"));
        gear_at(c.p, c.extending);
        EXPECT_EQ(visible(L"nosegear"), c.shown);
        expect_vec(rotation(L"nosegear"), {c.strut, 0, 0}, "strut", 1e-3f);
        expect_vec(rotation(L"Z_1nose01"), {0, 0, -c.door}, "door 1", 1e-3f);
        expect_vec(rotation(L"Z_2nose01"), {0, 0, c.door}, "door 2", 1e-3f);
    }
}

TEST_F(GearTest, MainGearPhases) {
    struct Case {
        float p;
        bool extending, shown;
        float b, a, q, x, e, y;
    } cases[] = {
        {0.0f, true, false, 0, 0, 0, 0, 85, 0},
        {0.05f, true, true, 45, 0, 0.275f, 0, 85, 0},
        {0.2f, true, true, 90, 14.4f, 0.55f, -0.65f * (1 - cosf(0.25f * PI / 2)), 71.4f, 0},
        {0.2f, false, true, 90, 14.4f, 0.55f, -0.65f * (1 - cosf(0.25f * PI / 2)), 71.4f, 0},
        {0.7f, true, true, 90, 70.56f, 0.55f, -0.39f, 18.36f, 0.1f * sinf(0.4f * PI)},
        {1.0f, true, true, 90, 90, 0.55f, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p << (c.extending ? " extending" : " retracting"));
        gear_at(c.p, c.extending);
        for (const wchar_t* name : wheel_well) EXPECT_EQ(visible(name), c.shown) << narrow(name);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, -c.b}, "Z_1wing01", 1e-3f);
        expect_vec(rotation(L"Z_3wing01"), {0, 0, c.b}, "Z_3wing01", 1e-3f);
        expect_vec(translation(L"Z_2wing01"), {-c.q, 0, 0}, "Z_2wing01", 1e-3f);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, -c.a}, "Z_2wing01", 1e-3f);
        expect_vec(translation(L"Z_4wing01"), {c.q, 0, 0}, "Z_4wing01", 1e-3f);
        expect_vec(rotation(L"Z_4wing01"), {0, 0, c.a}, "Z_4wing01", 1e-3f);
        expect_vec(rotation(L"Z_2wing02"), {0, 0, -c.a / 3}, "Z_2wing02", 1e-3f);
        expect_vec(rotation(L"Z_4wing02"), {0, 0, c.a / 3}, "Z_4wing02", 1e-3f);
        expect_vec(translation(L"Z_01t1Rshaft"), {-c.x, -c.y, 0}, "Z_01t1Rshaft", 1e-3f);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.e}, "Z_01t1Rshaft", 1e-3f);
        expect_vec(translation(L"Z_01t1Lshaft"), {c.x, -c.y, 0}, "Z_01t1Lshaft", 1e-3f);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.e}, "Z_01t1Lshaft", 1e-3f);
    }
}

TEST_F(GearTest, GearRunsTwelveSeconds) {
    EXPECT_EQ(start(27, 0), 0);
    EXPECT_EQ(time_left(27), 12000);
    tick(11999);
    EXPECT_EQ(time_left(27), 1);
    tick(1);
    EXPECT_EQ(time_left(27), 0);
}

TEST_F(GearTest, TyresRollByDistanceAndStayInOneTurn) {
    struct Case {
        float distance;
    } cases[] = {{NOSE_CIRCUMFERENCE}, {1.0f}, {1000.0f}, {-3.5f}, {-1000.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "distance " << c.distance);
        float nose_before = -rotation(L"tire001").x, main_before = -rotation(L"tire003").x;
        EXPECT_EQ(start(26, 0, 0, c.distance), 0);
        float nose = -rotation(L"tire001").x, main = -rotation(L"tire003").x;
        for (const wchar_t* name : nose_tyres) {
            EXPECT_GE(-rotation(name).x, 0.0f);
            EXPECT_LT(-rotation(name).x, 360.0f);
            EXPECT_FLOAT_EQ(-rotation(name).x, nose) << narrow(name);
        }
        for (const wchar_t* name : main_tyres) {
            EXPECT_GE(-rotation(name).x, 0.0f);
            EXPECT_LT(-rotation(name).x, 360.0f);
            EXPECT_FLOAT_EQ(-rotation(name).x, main) << narrow(name);
        }
        float nose_turn = fmodf(fmodf(c.distance / NOSE_CIRCUMFERENCE * 360.0f, 360.0f) + 360.0f, 360.0f);
        float main_turn = fmodf(fmodf(c.distance / MAIN_CIRCUMFERENCE * 360.0f, 360.0f) + 360.0f, 360.0f);
        float nose_change = fmodf(nose - nose_before + 720.0f, 360.0f);
        float main_change = fmodf(main - main_before + 720.0f, 360.0f);
        // One full nose-wheel turn may come back as 0 or as just under 360.
        EXPECT_NEAR(fminf(fabsf(nose_change - nose_turn), 360.0f - fabsf(nose_change - nose_turn)), 0.0f, 0.05f);
        EXPECT_NEAR(fminf(fabsf(main_change - main_turn), 360.0f - fabsf(main_change - main_turn)), 0.0f, 0.05f);
    }
}

TEST_F(GearTest, LoopingRollTurnsOneUnitPerSecondUntilStopped) {
    start(26, 0, 0, 0.0f);
    float before = -rotation(L"tire003").x;
    EXPECT_EQ(start(26, 1), 0);
    EXPECT_EQ(time_left(26), -1);
    tick(500);
    tick(500);
    EXPECT_NEAR(-rotation(L"tire001").x, 360.0f / NOSE_CIRCUMFERENCE, 1e-3f);
    EXPECT_NEAR(-rotation(L"tire003").x - before, 360.0f / MAIN_CIRCUMFERENCE, 1e-3f);
    EXPECT_EQ(time_left(26), -1) << "still rolling";
    start(26, 0, 0, 0.0f);
    EXPECT_EQ(time_left(26), 0) << "stopped";
    float stopped = rotation(L"tire001").x;
    tick(1000);
    EXPECT_FLOAT_EQ(rotation(L"tire001").x, stopped);
}

TEST_F(GearTest, NoseWheelSteersAndKeepsItsPlace) {
    KvrnVector place = {0, -1, 4, 0};
    kvrn_host_set_transform(handle(L"Y_nosegear"), &place, nullptr);
    EXPECT_EQ(start(25, 0, 0, 30.0f), 0);
    expect_vec(rotation(L"Y_nosegear"), {0, 30, 0}, "steered");
    expect_vec(translation(L"Y_nosegear"), {0, -1, 4}, "place");
    start(25, 0, 0, -12.5f);
    expect_vec(rotation(L"Y_nosegear"), {0, -12.5f, 0}, "steered back");
}
}  // namespace
