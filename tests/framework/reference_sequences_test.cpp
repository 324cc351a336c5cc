// The reset to the parked state and the flight-phase sequences of the reference aircraft:
// the posts each sequence makes and the body pitch over the timed ones.
#include <vector>

#include "aircraft_fixture.h"

namespace {
Post p(int32_t command, int32_t ival1 = 0, int32_t ival2 = 0, float fval1 = 0, float fval2 = 0) {
    return {command, ival1, ival2, fval1, fval2};
}

class SequencesTest : public ReferenceTest {
protected:
    std::vector<Post> posts_of(int32_t slot_number, int32_t ival1 = 0, float fval2 = 0, int32_t* result = nullptr) {
        uint32_t mark = log_mark();
        int32_t r = start(slot_number, ival1, 0, 0, fval2);
        if (result) *result = r;
        return posts_since(mark);
    }

    void expect_parked() {
        EXPECT_FALSE(visible(L"Level1"));
        // Gear down.
        EXPECT_TRUE(visible(L"nosegear"));
        expect_vec(rotation(L"nosegear"), {0, 0, 0}, "nose strut");
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, 0}, "main strut");
        EXPECT_TRUE(visible(L"tire_off"));
        // Flaps, slats, spoilers and reversers in.
        EXPECT_TRUE(visible(L"mainwing01"));
        EXPECT_FALSE(visible(L"mainwing02"));
        expect_vec(rotation(L"X_flap0101"), {0, 0, 0}, "flaps");
        EXPECT_FALSE(visible(L"slat"));
        EXPECT_FALSE(visible(L"spoiler"));
        expect_vec(rotation(L"X_spoiler01"), {0, 0, 0}, "spoilers");
        EXPECT_FALSE(visible(L"engine_on"));
        EXPECT_TRUE(visible(L"engine_off"));
        expect_vec(rotation(L"Y_nosegear"), {0, 0, 0}, "nose wheel straight");
        // Engines at rest.
        EXPECT_TRUE(visible(L"Z_e1low"));
        EXPECT_FALSE(visible(L"Z_e1high"));
        EXPECT_FALSE(visible(L"Z_e2high"));
        EXPECT_EQ(time_left(28), 0);
        // Lights off.
        for (const wchar_t* lamp : {L"atlightu", L"atlightd", L"wglightl", L"wglightr", L"ldlightb", L"rolight",
                                    L"ldlightl1", L"ldlightr2", L"lglight"})
            EXPECT_FALSE(visible(lamp)) << narrow(lamp);
        EXPECT_EQ(layer(L"frlight").transparency, 255u);
        EXPECT_EQ(time_left(30), 0);
        EXPECT_EQ(time_left(36), 0);
        // Door closed, body level, light 7 off.
        EXPECT_FALSE(visible(L"04body03"));
        expect_vec(rotation(L"Z_door01"), {0, 0, 0}, "door");
        EXPECT_FLOAT_EQ(pitch(), 0.0f);
        KvrnLightState light{};
        kvrn_host_light(KVRN_DYNAMIC_LIGHT, &light);
        EXPECT_EQ(light.on, 0u);
        EXPECT_EQ(slot(27)->word5.f, 0.0f);
    }
};

TEST_F(SequencesTest, CreateLeavesTheAircraftParked) { expect_parked(); }

TEST_F(SequencesTest, ResetAfterAFlightParksAgain) {
    start(2, 1);
    start(19, 1, 1);
    start(4, 1);
    start(28, 80, 1);
    start(33, 100);
    start(21, 1);
    start(22, 1);
    start(24, 100);
    start(37, 1);
    start(8, 1, 0, 0, 30);
    start(25, 0, 0, 20);
    tick(3000);
    uint32_t mark = log_mark();
    EXPECT_EQ(send(KVRN_CMD_RESET), 0u);
    std::vector<Post> expected = {p(1, 5), p(21), p(22), p(23), p(24), p(25), p(27, 1), p(28), p(30),
                                  p(31),   p(32), p(33), p(34), p(35), p(36), p(20),    p(37), p(19)};
    EXPECT_EQ(posts_since(mark), expected);
    finish();
    expect_parked();
}

TEST_F(SequencesTest, ImmediateSequencesPostInOrder) {
    struct Case {
        int32_t slot, ival1;
        float fval2;
        std::vector<Post> posts;
    } cases[] = {
        {2, 1, 0, {p(32, 100), p(35, 1), p(31, 1)}},
        {2, 0, 0, {p(31, 1)}},
        {3, 0, 0, {p(30, 1)}},
        {4, 1, 0, {p(34, 1, 1), p(23, 30), p(30, 1)}},
        {4, 0, 0, {p(34, 1, 0), p(23, 30), p(30, 1)}},
        {5, 1, 0, {p(32, 50), p(33, 100)}},
        {5, 0, 0, {p(33, 100)}},
        {7, 0, 3.5f, {p(20, 0, 0, 6, 3.5f)}},
        {9, 0, 0, {p(23, 50), p(24, 50)}},
        {11, 0, 5, {p(20, 0, 0, 3, 5)}},
        {11, 0, 0, {p(20, 0, 0, 4, 0)}},
        {11, 0, 10, {p(20, 0, 0, 2, 10)}},
        {11, 0, 20, {p(20, 0, 0, 2, 20)}},
        {14, 1, 0, {p(32, 100), p(23), p(24), p(33)}},
        {14, 0, 0, {p(23), p(24), p(33)}},
        {15, 0, 0, {p(34, 0, 0), p(30)}},
        {16, 0, 0, {p(32), p(35), p(31)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " (" << c.ival1 << ", fval2 " << c.fval2 << ")");
        int32_t result = -99;
        EXPECT_EQ(posts_of(c.slot, c.ival1, c.fval2, &result), c.posts);
        EXPECT_EQ(result, 0);
        send(KVRN_CMD_RESET);
        finish();
    }
}

TEST_F(SequencesTest, TimedSequencesPostAtTheirStart) {
    struct Case {
        int32_t slot, ival1;
        float fval2;
        int32_t duration;
        std::vector<Post> posts;
    } cases[] = {
        {6, 0, 0, 3000, {p(34, 1, 0), p(20)}},
        {8,
         1,
         50,
         10000,
         {p(32, 100), p(35, 1), p(36, 1), p(30, 1), p(27, 0), p(31, 1), p(23), p(33), p(34, 0, 0), p(20, 0, 0, 0, 50)}},
        {8, 0, 50, 10000, {p(30, 1), p(27, 0), p(31, 1), p(23), p(33), p(34, 0, 0), p(20, 0, 0, 0, 50)}},
        {10, 1, 40, 12000, {p(32), p(36), p(23, 100), p(24, 100), p(27, 1), p(33, 100), p(20, 0, 0, 0, 40)}},
        {10, 0, 40, 12000, {p(23, 100), p(24, 100), p(27, 1), p(33, 100), p(20, 0, 0, 0, 40)}},
        {12, 1, 0, 3000, {p(20, 0, 0, 4, 0)}},
        {13, 0, 0, 5000, {p(21, 1), p(22, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " (" << c.ival1 << ")");
        int32_t result = -99;
        EXPECT_EQ(posts_of(c.slot, c.ival1, c.fval2, &result), c.posts);
        EXPECT_EQ(result, c.duration);
        EXPECT_EQ(time_left(c.slot), c.duration);
        finish();  // a reset does not stop a running sequence
        send(KVRN_CMD_RESET);
        finish();
    }
}

TEST_F(SequencesTest, TimedSequencesPostAtTheirEnd) {
    struct Case {
        int32_t slot, ival1;
        float fval2;
        std::vector<Post> posts;
    } cases[] = {
        {10, 0, 40, {p(20, 0, 0, 2, 40), p(34, 1, 0)}},
        {12, 1, 0, {p(20), p(34, 1, 1)}},
        {12, 3, 0, {p(20), p(34, 1, 3)}},
        {12, 0, 0, {p(20)}},  // no front-light post
        {13, 0, 0, {p(21), p(22)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " (" << c.ival1 << ")");
        start(c.slot, c.ival1, 0, 0, c.fval2);
        uint32_t mark = log_mark();
        finish();
        EXPECT_EQ(posts_since(mark), c.posts);
        send(KVRN_CMD_RESET);
        finish();
    }
}

TEST_F(SequencesTest, BodyPitchOverTheTimedSequences) {
    struct Case {
        int32_t slot;
        float pitched_before;
        int32_t ms;
        float pitch;
    } cases[] = {
        {6, 0, 1500, 3},  {6, 0, 3000, 6},   {8, 6, 5000, 3},  {8, 6, 10000, 0}, {8, 4, 2500, 3},
        {10, 0, 6000, 1}, {10, 0, 12000, 2}, {12, 0, 1500, 2}, {12, 0, 3000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " after " << c.ms << " ms");
        start(20, 0, 0, c.pitched_before);
        start(c.slot);
        tick(c.ms);
        EXPECT_NEAR(pitch(), c.pitch, 1e-4f);
        send(KVRN_CMD_RESET);
        finish();
    }
}

TEST_F(SequencesTest, ImmediatePitchSequencesSetTheBody) {
    struct Case {
        int32_t slot;
        float height, pitch;
    } cases[] = {{7, 0, 6}, {11, 5, 3}, {11, 0, 4}, {11, 20, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << " at height " << c.height);
        start(c.slot, 0, 0, 0, c.height);
        EXPECT_NEAR(pitch(), c.pitch, 1e-4f);
    }
}

TEST_F(SequencesTest, FinalConfigurationLastsAsLongAsTheGear) {
    EXPECT_EQ(start(10), 12000);
    tick(11999);
    EXPECT_EQ(time_left(10), 1);
    EXPECT_EQ(time_left(27), 1) << "gear and final configuration end together";
}
}  // namespace
