// Slot 38 (ground geometry), slot 40 (taxi step) and slot 41 (pushback alone, behind the
// stand-in tow vehicle, and with a tow vehicle asked for but absent), on the framework linked
// into this program with a test type whose nose steering and tyres only record their calls.
#include <math.h>
#include <string.h>

#include <vector>

#include "ground_test_type.h"
#include "plugin_fixture.h"

namespace {
const float PI = 3.14159265f;

float kmh(float speed) { return speed * 1000.0f / 3600.0f; }

float distance(float ax, float az, float bx, float bz) { return hypotf(bx - ax, bz - az); }

// A layer's heading from the rotation it was given (the model faces heading - 180).
float layer_heading(const KvrnLayerState& layer) { return layer.rotation.y + 180.0f; }

// The point `length` ahead of a layer along its heading.
void point_ahead(const KvrnLayerState& layer, float length, float* x, float* z) {
    float h = layer_heading(layer) * PI / 180.0f;
    *x = layer.translation.x + sinf(h) * length;
    *z = layer.translation.z + cosf(h) * length;
}

class GroundPath_ : public PluginFixture {
protected:
    void SetUp() override {
        kvrn_host_reset();
        kvrn_host_set_lenient(1);
        ground_test_type.ground = &reference_ground_path;
        entry = KVRNACTIONINTERFACE;
        aircraft = kvrn_host_create_object(L"aircraft", entry);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        nose_calls.clear();
        tyre_calls.clear();
    }
    void TearDown() override {
        PluginFixture::TearDown();
        ground_test_type.ground = &reference_ground_path;
    }

    // A state at (x, z) with heading h, steered to (tx, tz), moving the aircraft's root layer.
    PathState state(float x, float z, float h, float speed, float tx, float tz, float steer = 0.0f) {
        PathState s;
        memset(&s, 0, sizeof s);
        s.layer = aircraft;
        s.speed = speed;
        s.position = {x, 0, z, 0};
        s.rotation = {0, h, 0, 0};
        s.target = {tx, 0, tz, 0};
        s.steer = steer;
        return s;
    }
    int32_t step(PathState* s, int32_t ms, float lookahead = 0.0f) {
        return static_cast<int32_t>(send(40, pointer_argument(s), ms, lookahead));
    }

    KvrnLayer add_tow_vehicle(const wchar_t* name, const wchar_t* body, const wchar_t* bar) {
        KvrnActionInterface tow_entry = kvrn_host_load_plugin(L"tow_vehicle.dll");
        EXPECT_NE(tow_entry, nullptr) << "cannot load tow_vehicle.dll";
        KvrnLayer tow = kvrn_host_create_object(name, tow_entry);
        kvrn_host_add_layer(tow, body);
        kvrn_host_add_layer(tow, bar);
        return tow;
    }

    KvrnLayerState state_of(KvrnLayer layer) {
        KvrnLayerState s{};
        kvrn_host_layer_state(layer, &s);
        return s;
    }

    // Ticks until slot 41 stops (or `limit_ms` passes), calling `each` after every tick.
    template <typename Each>
    int32_t run_pushback(int32_t tick_ms, int32_t limit_ms, Each each) {
        kvrn_host_log_enable(0);
        int32_t ms = 0;
        while (slot(41)->running && ms < limit_ms) {
            tick(tick_ms);
            ms += tick_ms;
            each();
        }
        kvrn_host_log_enable(1);
        return ms;
    }

    // Ticks to the end; returns the first time the point `length` ahead of `layer` came within
    // `reach` of each waypoint 1 to 4 (-1 when it never did).
    std::vector<int32_t> waypoint_arrivals(KvrnLayer layer, float length, float reach) {
        std::vector<int32_t> arrivals(5, -1);
        int32_t now = 0;
        run_pushback(100, 600000, [&] {
            now += 100;
            float x, z;
            point_ahead(state_of(layer), length, &x, &z);
            for (int w = 1; w < 5; ++w)
                if (arrivals[w] < 0 && distance(x, z, reference_ground_path.waypoints[w][0],
                                                reference_ground_path.waypoints[w][1]) <= reach)
                    arrivals[w] = now;
        });
        return arrivals;
    }
};

// ---- geometry --------------------------------------------------------------------------

TEST_F(GroundPath_, GeometryQueryWritesTheTypesTenValues) {
    GeometryRecord record;
    memset(&record, 0xcc, sizeof record);
    EXPECT_EQ(start(38, pointer_argument(&record)), 0);
    EXPECT_EQ(record.count, 2);
    EXPECT_FLOAT_EQ(record.size, 0.6f);
    const float px[4] = {3.531f, -3.531f, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(record.px[i], px[i]) << "px " << i;
        EXPECT_EQ(record.pz[i], 0.0f) << "pz " << i;
    }
    GeometryRecord again;
    memset(&again, 0x55, sizeof again);
    start(38, pointer_argument(&again));
    EXPECT_EQ(memcmp(&record, &again, sizeof record), 0) << "the same ten values every time";
    EXPECT_EQ(start(38, 0), 0) << "no record: nothing written";
}

// ---- taxi step -------------------------------------------------------------------------

TEST_F(GroundPath_, TaxiStepSteersAtItsRateUpToTheLimit) {
    // Heading 0 puts the nose wheel at (0, W); targets level with it lie 90 degrees aside.
    struct Case {
        float steer, target_x;
        int32_t ms;
        float expected;
    } cases[] = {
        {0, 100, 500, 10},                            // 20 degrees a second
        {0, -100, 500, -10},    {30, -100, 250, 25},  // turning back
        {55, 100, 1000, 60},                          // held at the limit
        {-55, -100, 1000, -60}, {60, 100, 16, 60},
    };
    for (const Case& c : cases) {
        nose_calls.clear();
        tyre_calls.clear();
        PathState s = state(0, 0, 0, 5.0f, c.target_x, TEST_WHEELBASE, c.steer);
        EXPECT_EQ(step(&s, c.ms), 1);
        EXPECT_NEAR(s.steer, c.expected, 1e-4) << "from " << c.steer << " towards x " << c.target_x;
        ASSERT_EQ(nose_calls.size(), 1u);
        EXPECT_EQ(nose_calls[0].fval1, s.steer) << "nose wheel turned to the new angle";
        ASSERT_EQ(tyre_calls.size(), 1u);
        EXPECT_EQ(tyre_calls[0].ival1, 0) << "tyres turned by distance, their free roll ended";
    }
}

TEST_F(GroundPath_, EffectiveSpeedFallsWithTheSteeringAngle) {
    struct Case {
        float steer, rolled;
    } cases[] = {{0, 12.0f}, {60, 6.0f}, {-30, 9.0f}, {-60, 6.0f}};
    for (const Case& c : cases) {
        tyre_calls.clear();
        PathState s = state(10, 20, 90, 12.0f, 1000, 20 + 0.0f, c.steer);
        ASSERT_EQ(step(&s, 1000), 1);
        ASSERT_EQ(tyre_calls.size(), 1u);
        EXPECT_NEAR(tyre_calls[0].fval1, c.rolled, 1e-4) << "steering " << c.steer;
        // The main gear stays a wheelbase behind the nose wheel, and the layer shows the state.
        EXPECT_NEAR(distance(s.position.x, s.position.z, s.nose.x, s.nose.z), TEST_WHEELBASE, 1e-3);
        KvrnLayerState root = root_layer();
        EXPECT_EQ(root.translation.x, s.position.x);
        EXPECT_EQ(root.translation.z, s.position.z);
        EXPECT_NEAR(root.rotation.y, s.rotation.y - 180.0f, 1e-4);
        EXPECT_GE(s.rotation.y, 0.0f);
        EXPECT_LT(s.rotation.y, 360.0f);
    }
}

TEST_F(GroundPath_, StraightStepMovesTheAircraftAlongItsHeading) {
    PathState s = state(0, 0, 0, 10.0f, 0, 500);
    ASSERT_EQ(step(&s, 1000), 1);
    EXPECT_NEAR(s.position.x, 0.0f, 1e-4);
    EXPECT_NEAR(s.position.z, 10.0f, 1e-4);
    EXPECT_NEAR(s.nose.z, 10.0f + TEST_WHEELBASE, 1e-4);
    KvrnLayerState root = root_layer();
    EXPECT_NEAR(root.translation.z, 10.0f, 1e-4);
    EXPECT_NEAR(fabsf(root.rotation.y), 180.0f, 1e-4) << "the model faces heading - 180";
}

TEST_F(GroundPath_, DefaultLookAheadIsTwoSecondsOfTravel) {
    // 10 km/h is 2.7778 units a second: the target counts as reached 5.5556 out.
    struct Case {
        float ahead, steer, lookahead;
        int32_t expected;
    } cases[] = {
        {5.5f, 0, 0, 0},  {5.6f, 0, 0, 1}, {5.5f, 0, 1.0f, 1},  // a look-ahead of the caller's
        {2.7f, 60, 0, 0},                                       // half speed at full steering: half the look-ahead
        {2.9f, 60, 0, 1},
    };
    for (const Case& c : cases) {
        PathState s = state(0, 0, 0, kmh(10), 0, TEST_WHEELBASE + c.ahead, c.steer);
        EXPECT_EQ(step(&s, 16, c.lookahead), c.expected) << c.ahead << " ahead, steering " << c.steer;
    }
    PathState s = state(0, 0, 0, kmh(10), 0, 0);
    EXPECT_NEAR(s.speed, 2.7778f, 1e-4);
}

TEST_F(GroundPath_, StepThatWouldPassTheTargetReturnsZeroWithoutMoving) {
    PathState s = state(5, 5, 0, 10.0f, 5, 5 + TEST_WHEELBASE + 3.0f);
    uint32_t moves = root_layer().moves;
    EXPECT_EQ(step(&s, 1000, 0.5f), 0);
    EXPECT_EQ(s.position.x, 5.0f);
    EXPECT_EQ(s.position.z, 5.0f);
    EXPECT_EQ(s.steer, 0.0f);
    EXPECT_EQ(root_layer().moves, moves);
    EXPECT_TRUE(nose_calls.empty());
    EXPECT_TRUE(tyre_calls.empty());
}

TEST_F(GroundPath_, StepOfNoTimePlacesTheNoseWheelOnly) {
    PathState s = state(1, 2, 90, 10.0f, 500, 2);
    uint32_t moves = root_layer().moves;
    EXPECT_EQ(step(&s, 0), 1);
    EXPECT_NEAR(s.nose.x, 1 + TEST_WHEELBASE, 1e-4);
    EXPECT_NEAR(s.nose.z, 2.0f, 1e-4);
    EXPECT_EQ(root_layer().moves, moves);
    EXPECT_TRUE(nose_calls.empty());
    EXPECT_TRUE(tyre_calls.empty());
    EXPECT_EQ(start(40, 0, 100), 0) << "no state: nothing moves";
}

// ---- pushback --------------------------------------------------------------------------

TEST_F(GroundPath_, PushbackAloneDrivesTheRouteToItsLastWaypoint) {
    EXPECT_EQ(start(41, 1, 10), -1);
    ASSERT_TRUE(slot(41)->running);
    EXPECT_EQ(slot(41)->word2.i, 1);
    EXPECT_EQ(slot(41)->word1.p, slot(40));
    tick(100);
    KvrnLayerState first = root_layer();
    EXPECT_NEAR(first.translation.x, 100.0f - 0.27778f, 0.01f) << "from waypoint 0 towards waypoint 1";
    EXPECT_NEAR(first.translation.z, 100.0f, 0.01f);
    EXPECT_NEAR(layer_heading(first), 270.0f, 0.01f);

    std::vector<int32_t> arrivals = waypoint_arrivals(aircraft, TEST_WHEELBASE, 5.6f);
    EXPECT_FALSE(slot(41)->running) << "pushback ends at the last waypoint";
    EXPECT_EQ(slot(41)->word2.i, 5);
    for (int w = 1; w < 5; ++w) {
        EXPECT_GT(arrivals[w], 0) << "waypoint " << w << " reached";
        if (w > 1) {
            EXPECT_GT(arrivals[w], arrivals[w - 1]) << "waypoints in order";
        }
    }
    // It stops where it reached the last waypoint: nothing moves after that.
    uint32_t moves = root_layer().moves;
    tick(1000);
    EXPECT_EQ(root_layer().moves, moves);
}

TEST_F(GroundPath_, PushbackBehindTheTowVehicle) {
    KvrnLayer tow = add_tow_vehicle(L"atl", L"atl_all", L"tbr_L");
    KvrnLayer body = kvrn_host_find_layer(tow, L"atl_all");
    KvrnLayer bar = kvrn_host_find_layer(tow, L"tbr_L");
    EXPECT_EQ(start(41, 1, 10, 0, 1.0f), -1);
    ASSERT_TRUE(slot(41)->running);

    uint32_t mark = log_mark();
    tick(100);
    std::vector<KvrnCall> steps = calls_since(mark, KVRN_CALL_MOVE_ACTION);
    ASSERT_EQ(steps.size(), 1u) << "one command 40 to the tow vehicle per step";
    EXPECT_EQ(steps[0].layer, tow);
    EXPECT_EQ(steps[0].ints[0], 40);
    EXPECT_EQ(steps[0].ints[2], 100) << "with the step";
    // The vehicle starts 7 ahead of the nose wheel, which stands at waypoint 0 + the wheelbase.
    KvrnLayerState tug = state_of(body);
    EXPECT_NEAR(tug.translation.x, 100.0f - TEST_WHEELBASE - 7.0f - 0.27778f, 0.01f);
    EXPECT_NEAR(tug.translation.z, 100.0f, 0.01f);

    // Every step: the tow bar hangs 3.5 behind the hitch, the hitch 3.5 behind the vehicle,
    // and the aircraft's nose wheel sits at the bar's free end.
    // And the nose wheel points along the bar, towards the hitch.
    float worst_bar = 0, worst_hitch = 0, worst_nose = 0, worst_steer = 0, widest_steer = 0;
    auto check_train = [&] {
        KvrnLayerState t = state_of(body), b = state_of(bar), a = root_layer();
        float hx, hz, nx, nz;
        point_ahead(t, -3.5f, &hx, &hz);
        point_ahead(a, TEST_WHEELBASE, &nx, &nz);
        worst_hitch = fmaxf(worst_hitch, fabsf(distance(hx, hz, b.translation.x, b.translation.z) - 3.5f));
        worst_nose = fmaxf(worst_nose, distance(nx, nz, b.translation.x, b.translation.z));
        worst_bar = fmaxf(worst_bar, fabsf(b.rotation.z) + fabsf(b.rotation.x));
        if (!nose_calls.empty()) {
            float along_bar = fmodf(b.rotation.y - layer_heading(a) + 720.0f + 180.0f, 360.0f) - 180.0f;
            worst_steer = fmaxf(worst_steer, fabsf(along_bar - nose_calls.back().fval1));
            widest_steer = fmaxf(widest_steer, fabsf(nose_calls.back().fval1));
        }
    };
    check_train();
    int32_t ms = run_pushback(100, 600000, check_train);
    EXPECT_LT(ms, 600000);
    EXPECT_FALSE(slot(41)->running);
    EXPECT_EQ(slot(41)->word2.i, 5);
    EXPECT_LT(worst_hitch, 0.01f);
    EXPECT_LT(worst_nose, 0.01f);
    EXPECT_EQ(worst_bar, 0.0f) << "the bar only turns about y";
    EXPECT_LT(worst_steer, 0.01f);
    EXPECT_GT(widest_steer, 5.0f) << "the route's corners turn the nose wheel";

    // The vehicle brought the aircraft to the last waypoint.
    float tx, tz;
    point_ahead(state_of(body), 3.2f, &tx, &tz);
    EXPECT_LT(distance(tx, tz, -200, -100), 5.6f);
    for (const WheelCall& call : nose_calls) {
        EXPECT_GE(call.fval1, -180.0f);
        EXPECT_LT(call.fval1, 180.0f);
    }
    EXPECT_FALSE(tyre_calls.empty());
}

TEST_F(GroundPath_, TowVehicleAskedForButAbsentLeavesTheAircraftDrivingItself) {
    EXPECT_EQ(start(41, 1, 10), -1);
    run_pushback(100, 600000, [] {});
    KvrnLayerState alone = root_layer();

    SetUp();
    EXPECT_EQ(start(41, 1, 10, 0, 1.0f), -1);
    run_pushback(100, 600000, [] {});
    EXPECT_FALSE(slot(41)->running);
    KvrnLayerState asked = root_layer();
    EXPECT_EQ(asked.translation.x, alone.translation.x);
    EXPECT_EQ(asked.translation.z, alone.translation.z);
    EXPECT_EQ(asked.rotation.y, alone.rotation.y);
}

TEST_F(GroundPath_, TypeWithTheSmallTowVehicle) {
    GroundPath atm = reference_ground_path;
    atm.tow_name = L"atm";
    atm.tow_body_name = L"atm_all";
    atm.tow_bar_name = L"tbr_M";
    atm.hitch_offset = 2.5f;
    ground_test_type.ground = &atm;
    add_tow_vehicle(L"atl", L"atl_all", L"tbr_L");  // another type's: must stay put
    KvrnLayer tow = add_tow_vehicle(L"atm", L"atm_all", L"tbr_M");
    KvrnLayer body = kvrn_host_find_layer(tow, L"atm_all");
    KvrnLayer bar = kvrn_host_find_layer(tow, L"tbr_M");
    EXPECT_EQ(start(41, 1, 10, 0, 1.0f), -1);
    tick(100);
    KvrnLayerState tug = state_of(body);
    EXPECT_NEAR(tug.translation.x, 100.0f - TEST_WHEELBASE - 6.0f - 0.27778f, 0.01f);
    float hx, hz;
    point_ahead(tug, -2.5f, &hx, &hz);
    KvrnLayerState b = state_of(bar);
    EXPECT_NEAR(distance(hx, hz, b.translation.x, b.translation.z), 3.5f, 0.01f);
    run_pushback(100, 600000, [] {});
    EXPECT_FALSE(slot(41)->running);
    EXPECT_EQ(state_of(kvrn_host_find_layer(0, L"atl_all")).moves, 0u);
}

TEST_F(GroundPath_, PushbackStartWithZeroStops) {
    start(41, 1, 10);
    tick(100);
    EXPECT_EQ(start(41, 0), -1);
    EXPECT_FALSE(slot(41)->running);
    uint32_t moves = root_layer().moves;
    tick(100);
    EXPECT_EQ(root_layer().moves, moves);
}

TEST_F(GroundPath_, SecondObjectsPushbackEndsTheFirsts) {
    KvrnLayer first = aircraft;
    start(41, 1, 10);
    tick(100);
    aircraft = kvrn_host_create_object(L"second", entry);
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    start(41, 1, 10);
    uint32_t first_moves = state_of(first).moves;
    KvrnLayerState before = root_layer();
    tick(100);
    EXPECT_GT(root_layer().moves, before.moves);
    EXPECT_NEAR(root_layer().translation.x, 100.0f - 0.27778f, 0.01f) << "one step, not two";

    KvrnLayer second = aircraft;
    aircraft = first;
    tick(100);
    EXPECT_FALSE(slot(41)->running) << "the shared path state now belongs to the second object";
    EXPECT_EQ(state_of(first).moves, first_moves);
    EXPECT_EQ(state_of(second).moves, before.moves + 1);
    send(KVRN_CMD_DESTROY);
    aircraft = second;
}
}  // namespace
