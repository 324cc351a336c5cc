// The stand-ins for the scene objects that aircraft drive: the tow vehicle answers command 40
// with a taxi step on the path state it is handed; "Slip" keeps every command 2 it is sent.
#include <string.h>

#include "ground_path.h"
#include "plugin_fixture.h"
#include "slip_log.h"

namespace {
class StandIns : public ::testing::Test {
protected:
    void SetUp() override {
        kvrn_host_reset();
        slip_clear();
    }
};

TEST_F(StandIns, TowVehicleTakesTheTaxiStepOnTheStateItIsHanded) {
    KvrnLayer tug = add_scene_object(L"tow_vehicle.dll", L"atm");
    KvrnLayer body = kvrn_host_add_layer(tug, L"atm_all");
    PathState copy;
    memset(&copy, 0, sizeof copy);
    copy.layer = body;
    copy.speed = 2.5f;
    copy.rotation = {0, 90, 0, 0};  // facing +x
    copy.target = {50, 0, 0, 0};
    KvrnInt argument = path_state_argument(&copy);

    EXPECT_EQ(kvrn_host_send(tug, TOW_TAXI_STEP, argument, 0, 0, 0), 1u) << "a step of no time";
    EXPECT_EQ(layer_state_of(body).moves, 0u);

    EXPECT_EQ(kvrn_host_send(tug, TOW_TAXI_STEP, argument, 1000, 0, 0), 1u);
    EXPECT_NEAR(copy.position.x, 2.5f, 1e-3);
    EXPECT_NEAR(copy.position.z, 0.0f, 1e-3);
    EXPECT_NEAR(copy.rotation.y, 90.0f, 1e-3);
    KvrnLayerState moved = layer_state_of(body);
    EXPECT_EQ(moved.translation.x, copy.position.x) << "the copy's layer shows the new position";
    EXPECT_NEAR(moved.rotation.y, -90.0f, 1e-3) << "the model faces heading - 180";

    // Within two seconds of travel of the target it counts as reached and stays put.
    copy.target = {copy.nose.x + 4.0f, 0, 0, 0};
    PathState before = copy;
    EXPECT_EQ(kvrn_host_send(tug, TOW_TAXI_STEP, argument, 100, 0, 0), 0u);
    EXPECT_EQ(copy.position.x, before.position.x);
    EXPECT_EQ(layer_state_of(body).moves, moved.moves);

    EXPECT_EQ(kvrn_host_send(tug, TOW_TAXI_STEP, 0, 100, 0, 0), 0u) << "no state: nothing to drive";
    EXPECT_EQ(kvrn_host_send(tug, 2, argument, 100, 0, 0), 0u) << "other commands do nothing";
    EXPECT_EQ(copy.position.x, before.position.x);
}

TEST_F(StandIns, SlipKeepsEveryStartItIsSent) {
    KvrnLayer slip = add_scene_object(L"slip.dll", L"Slip");
    KvrnVector where = {1, 0, -20, 0};
    kvrn_host_send(slip, 2, 0x1234, pointer_argument(&where), 180.0f, 150.0f);
    where.z = -99;  // read at the time of the call, not later
    kvrn_host_send(slip, 5, 1, 2, 3, 4);
    kvrn_host_send(slip, 2, 0x99, 0, 180.0f, 0.0f);
    ASSERT_EQ(slip_start_count(), 2u);
    SlipStart first, second;
    ASSERT_TRUE(slip_start_get(0, &first));
    EXPECT_EQ(first.slip, slip);
    EXPECT_EQ(first.object, 0x1234u);
    EXPECT_TRUE(first.translation_given);
    EXPECT_EQ(first.translation.z, -20.0f);
    EXPECT_EQ(first.fval1, 180.0f);
    EXPECT_EQ(first.fval2, 150.0f);
    ASSERT_TRUE(slip_start_get(1, &second));
    EXPECT_FALSE(second.translation_given);
    EXPECT_FALSE(slip_start_get(2, &second));
    slip_clear();
    EXPECT_EQ(slip_start_count(), 0u);
}
}  // namespace
