// acplug17, the helicopter, in the stand-in engine: its rotors, cabin doors, landing lights,
// tyres, stabilizer, taxi step and flight phases at chosen moments, read back as layer
// transforms and posts, and a whole flight through its sequences that lifts and settles the
// whole object and leaves the heap clean.
#include <math.h>
#include <string.h>

#include "aircraft_fixture.h"
#include "engine_spool.h"
#include "ground_path.h"

namespace {
const float RIGHT_LAMP_BASE = 2.0f;  // "ldlightr"
const float MAIN_LAMP_BASE = 3.0f;   // "ldlightm"
const wchar_t* const blades[] = {L"01e1low", L"02e1low", L"03e1low", L"04e1low"};

float wrapped(float degrees) {
    float w = fmodf(degrees, 360.0f);
    return w < 0.0f ? w + 360.0f : w;
}

class Acplug17 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug17.dll"; }
    void before_create() override {
        kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"ldlightr"), RIGHT_LAMP_BASE);
        kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"ldlightm"), MAIN_LAMP_BASE);
    }

    const EngineSpool* rotors() { return static_cast<const EngineSpool*>(slot(SLOT_ENGINES)->word3.p); }
    float height() { return root_layer().translation.y; }

    // Blades a quarter turn apart at headings `quarter` × k, drooping `droop` degrees.
    void expect_blades(float droop, float quarter) {
        for (int b = 0; b < 4; ++b) expect_vec(rotation(blades[b]), {-droop, quarter * b, 0}, narrow(blades[b]), 1e-3f);
    }
    // A rotor's slow and fast layer: shown and transparency of each.
    void expect_rotor(const wchar_t* slow, const wchar_t* fast, bool slow_shown, uint32_t slow_transparency,
                      bool fast_shown, uint32_t fast_transparency) {
        EXPECT_EQ(visible(slow), slow_shown) << narrow(slow);
        EXPECT_EQ(layer(slow).transparency, slow_transparency) << narrow(slow);
        EXPECT_EQ(visible(fast), fast_shown) << narrow(fast);
        EXPECT_EQ(layer(fast).transparency, fast_transparency) << narrow(fast);
    }
    void expect_both_rotors(bool slow_shown, uint32_t slow_transparency, bool fast_shown, uint32_t fast_transparency) {
        expect_rotor(L"X_e2low", L"X_e2high", slow_shown, slow_transparency, fast_shown, fast_transparency);
        expect_rotor(L"Y_e1low", L"Y_e1high", slow_shown, slow_transparency, fast_shown, fast_transparency);
    }

    // The posts since `mark`, compared field by field within a small tolerance.
    void expect_posts_since(uint32_t mark, const std::vector<Post>& expected) {
        std::vector<Post> posts = posts_since(mark);
        ASSERT_EQ(posts.size(), expected.size());
        for (size_t i = 0; i < posts.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "post " << i << ": " << posts[i]);
            EXPECT_EQ(posts[i].command, expected[i].command);
            EXPECT_EQ(posts[i].ival1, expected[i].ival1);
            EXPECT_EQ(posts[i].ival2, expected[i].ival2);
            EXPECT_NEAR(posts[i].fval1, expected[i].fval1, 1e-4f);
            EXPECT_NEAR(posts[i].fval2, expected[i].fval2, 1e-4f);
        }
    }
};

TEST_F(Acplug17, ParkedWithRotorsAtRestDoorsOpenAndTheStabilizerUp) {
    expect_both_rotors(true, 0, false, 255);
    expect_blades(5, -90);
    expect_vec(rotation(L"Y_door01"), {0, 50, 0}, "hinged door open");
    expect_vec(translation(L"Z_door03"), {0.1f, 0, 1.5f}, "sliding door open");
    expect_vec(rotation(L"X_horwing"), {30, 0, 0}, "stabilizer");
    for (const wchar_t* lamp : {L"atlightu", L"wglightl", L"ldlightr"}) EXPECT_FALSE(visible(lamp)) << narrow(lamp);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running);
}

TEST_F(Acplug17, RotorsRunUpTogetherToFullPower) {
    EXPECT_EQ(run(SLOT_ENGINES, 100, 10000), 40000) << "twice the ramp";
    EXPECT_FLOAT_EQ(rotors()[0].spool, 50) << "tail rotor";
    EXPECT_FLOAT_EQ(rotors()[1].spool, 50) << "main rotor";
    tick(10000);
    EXPECT_FLOAT_EQ(rotors()[0].spool, 100);
    EXPECT_FLOAT_EQ(rotors()[1].spool, 100);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "both rotors at full power";
    expect_both_rotors(false, 255, true, 0);
    expect_blades(0, -90);

    EXPECT_EQ(run(SLOT_ENGINES, 0, -1), 40000);
    expect_both_rotors(true, 0, false, 255);
    expect_blades(5, -90);
    // Power is percent: a wish beyond it spools to the nearest end.
    EXPECT_EQ(run(SLOT_ENGINES, 250, -1), 40000);
    EXPECT_FLOAT_EQ(rotors()[1].spool, 100);
    EXPECT_EQ(run(SLOT_ENGINES, -5, -1), 40000);
    EXPECT_FLOAT_EQ(rotors()[1].spool, 0);
}

// At a steady power part-way: how far each rotor's slow layer and the fast layers turn in a
// tick, how the blades droop and how the layers cross-fade.
TEST_F(Acplug17, RotorsAtSteadyPower) {
    struct Case {
        int32_t power, ms;
        float slow_turn, droop;
        bool fast_shown;
        uint32_t slow_transparency, fast_transparency;
        float disc_turn;
    } cases[] = {
        {50, 100, 72, 2.5f, false, 0, 255, 0},  // 720 degrees a second
        {30, 250, 108, 3.5f, false, 0, 255, 0},
        {60, 100, 86.4f, 2, false, 0, 255, 0},  // the fade starts above 60
        {80, 1000, 72, 1, true, 180, 75, 72},   // sin(pi / 4) of 255; discs at 72 a second
        {90, 100, 129.6f, 0.5f, true, 235, 20, 8.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "power " << c.power);
        run(SLOT_ENGINES, 0, -1);
        run(SLOT_ENGINES, c.power, c.power * 200);  // 20000 ms per 100
        ASSERT_FLOAT_EQ(rotors()[1].spool, static_cast<float>(c.power));
        KvrnVector tail = rotation(L"X_e2low"), main = rotation(L"Y_e1low");
        KvrnVector tail_disc = rotation(L"X_e2high"), main_disc = rotation(L"Y_e1high");
        tick(c.ms);
        EXPECT_TRUE(slot(SLOT_ENGINES)->running);
        EXPECT_NEAR(wrapped(rotation(L"X_e2low").x - tail.x), c.slow_turn, 1e-2f) << "tail rotor about x";
        EXPECT_NEAR(wrapped(main.y - rotation(L"Y_e1low").y), c.slow_turn, 1e-2f) << "main rotor about -y";
        EXPECT_NEAR(wrapped(rotation(L"X_e2high").x - tail_disc.x), c.disc_turn, 1e-2f) << "tail disc";
        EXPECT_NEAR(wrapped(main_disc.y - rotation(L"Y_e1high").y), c.disc_turn, 1e-2f) << "main disc";
        EXPECT_EQ(rotation(L"X_e2low").y, 0.0f);
        EXPECT_EQ(rotation(L"Y_e1low").x, 0.0f);
        expect_blades(c.droop, 90);
        expect_both_rotors(true, c.slow_transparency, c.fast_shown, c.fast_transparency);
    }
}

TEST_F(Acplug17, CabinDoorsSlideThenSwing) {
    struct Case {
        int32_t from, wish, ms;
        bool body;
        float hinge, out, slide;
    } cases[] = {
        {1, 0, -1, false, 0, 0, 0},          // closed
        {0, 1, 350, true, 0, 0.05f, 0},      // p 0.07: stepping out
        {0, 1, 2100, true, 0, 0.1f, 0.75f},  // p 0.42: half way back, the hinged doors still shut
        {0, 1, 3500, true, 0, 0.1f, 1.5f},   // p 0.7: slid open
        {0, 1, 4250, true, 25, 0.1f, 1.5f},  // p 0.85
        {0, 1, -1, true, 50, 0.1f, 1.5f},    // open
        {1, 0, 750, true, 25, 0.1f, 1.5f},   // closing, p 0.85
        {1, 0, 2900, true, 0, 0.1f, 0.75f},  // closing, p 0.42
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " for " << c.ms << " ms");
        run(SLOT_SECOND_DOOR, c.from, -1);
        EXPECT_EQ(run(SLOT_SECOND_DOOR, c.wish, c.ms), 5000);
        EXPECT_EQ(visible(L"body03"), c.body);
        expect_vec(rotation(L"Y_door01"), {0, c.hinge, 0}, "Y_door01", 1e-3f);
        expect_vec(rotation(L"Y_door02"), {0, -c.hinge, 0}, "Y_door02", 1e-3f);
        expect_vec(translation(L"Z_door03"), {c.out, 0, c.slide}, "Z_door03");
        expect_vec(translation(L"Z_door04"), {-c.out, 0, c.slide}, "Z_door04");
    }
}

TEST_F(Acplug17, LandingLampsGlowFromTheirOwnBaseScales) {
    struct Case {
        int32_t from, level, ms;
        bool shown;
        float p_level;  // progress x level
    } cases[] = {
        {-1, 80, 500, true, 0.4f},
        {-1, 100, -1, true, 1},
        {100, 0, 250, true, 0.75f},  // fading out at the last level
        {100, 0, -1, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " after " << c.ms << " ms");
        if (c.from >= 0) run(SLOT_LANDING_LIGHTS, c.from, -1);
        EXPECT_EQ(run(SLOT_LANDING_LIGHTS, c.level, c.ms), 1000);
        EXPECT_EQ(visible(L"ldlightr"), c.shown);
        EXPECT_EQ(visible(L"ldlightm"), c.shown);
        if (c.shown) {
            EXPECT_NEAR(layer(L"ldlightr").sprite_scale, c.p_level * RIGHT_LAMP_BASE, 1e-4f);
            EXPECT_NEAR(layer(L"ldlightm").sprite_scale, c.p_level * MAIN_LAMP_BASE, 1e-4f);
        }
    }
}

TEST_F(Acplug17, FrontTyreAndMainTyresRollOnTheirOwnCircumferences) {
    const float front = 1.2849115f, main = 2.0891593f;
    start(SLOT_TYRES, 0, 0, front);
    EXPECT_NEAR(remainderf(rotation(L"tire001").x, 360.0f), 0.0f, 1e-2f) << "the front tyre one turn";
    for (const wchar_t* name : {L"tire002", L"tire003"})
        EXPECT_NEAR(rotation(name).x, -front / main * 360.0f, 1e-2f) << narrow(name);
    EXPECT_EQ(handle(L"tire004"), 0u) << "three tyres";
}

TEST_F(Acplug17, StabilizerTurnsLikeTheBody) {
    EXPECT_EQ(start(SLOT_STABILIZERS, 0, 0, 12.5f), 0);
    expect_vec(rotation(L"X_horwing"), {12.5f, 0, 0}, "X_horwing");
    EXPECT_NEAR(pitch(), 0, 1e-6f) << "the body stays";
}

// The taxi step turns no nose wheel (there is none to turn) yet steers, moves and rolls the tyres.
TEST_F(Acplug17, TaxiStepSteersWithoutANoseWheel) {
    PathState s;
    memset(&s, 0, sizeof s);
    s.layer = aircraft;
    s.speed = 1.0f;
    s.target = {100, 0, 2.86f, 0};  // level with the nose wheel, to the right
    EXPECT_EQ(start(SLOT_TAXI, pointer_argument(&s), 500), 1);
    EXPECT_NEAR(s.steer, 60.0f / 1.6f * 0.5f, 1e-4f) << "60 degrees in 1600 ms";
    EXPECT_NEAR(rotation(L"tire001").x, -0.5f / 1.2849115f * 360.0f, 1e-3f);
    EXPECT_NEAR(rotation(L"tire003").x, -0.5f / 2.0891593f * 360.0f, 1e-3f);
    EXPECT_GT(root_layer().translation.x, 0.0f) << "the main wheels follow to the right";
    EXPECT_EQ(slot(SLOT_TAXI)->word1.p, nullptr) << "no nose steering slot";
    EXPECT_EQ(handle(L"Y_nosegear"), 0u) << "no nose wheel looked up";
}

// Pulled by the small tow vehicle: the bar steers the helicopter, whose tyres roll, and still no
// nose wheel turns.
TEST_F(Acplug17, PushedBackBehindTheSmallTowVehicleWithoutANoseWheel) {
    KvrnLayer tug = add_scene_object(L"tow_vehicle.dll", L"atm");
    KvrnLayer body = kvrn_host_add_layer(tug, L"atm_all");
    kvrn_host_add_layer(tug, L"tbr_M");
    EXPECT_EQ(start(SLOT_PUSHBACK, 1, 10, 0, 1.0f), -1);
    for (int i = 0; i < 300; ++i) tick(100);
    EXPECT_GT(layer_state_of(body).moves, 0u) << "the tug drives";
    EXPECT_LT(root_layer().translation.x, 100.0f) << "the helicopter follows it";
    EXPECT_NE(rotation(L"tire002").x, 0.0f) << "its tyres roll";
    EXPECT_EQ(handle(L"Y_nosegear"), 0u) << "no nose wheel looked up";
}

TEST_F(Acplug17, NoGearFlapsOrLandingRun) {
    for (int32_t command : {SLOT_FLAPS, SLOT_GEAR, SLOT_LANDING_RUN, SLOT_NOSE_STEER, SLOT_GEOMETRY}) {
        SCOPED_TRACE(testing::Message() << "command " << command);
        uint32_t mark = log_mark();
        EXPECT_EQ(start(command, 100, 1, 1.0f, 1.0f), 0);
        EXPECT_TRUE(calls_since(mark, KVRN_CALL_MOVE_LAYER).empty());
        EXPECT_TRUE(calls_since(mark, KVRN_CALL_SWITCH_LAYER).empty());
    }
    EXPECT_EQ(table()->count, 72);
}

// What each immediate phase posts, in order.
TEST_F(Acplug17, ImmediatePhasesPost) {
    struct Case {
        int32_t command, ival1;
        float height;
        std::vector<Post> posts;
    } cases[] = {
        {SEQ_NAV_LIGHTS_ON, 1, 0, {{SLOT_NAV_LIGHTS, 1, 0, 0, 0}, {SLOT_SECOND_DOOR, 0, 0, 0, 0}}},
        {SEQ_CLIMB, 0, 30, {{SLOT_BODY_PITCH, 0, 0, 5, 0}}},
        {SEQ_CLIMB, 0, 4, {{SLOT_BODY_PITCH, 0, 0, 2, 0}}},
        {SEQ_FLARE, 0, 12, {{SLOT_BODY_PITCH, 0, 0, 5, 14.5f}, {SLOT_STABILIZERS, 0, 0, 8, 0}}},
        {SEQ_FLARE, 0, 4, {{SLOT_BODY_PITCH, 0, 0, 8, 6.5f}, {SLOT_STABILIZERS, 0, 0, 21.2f, 0}}},
        {SEQ_FLARE, 0, 0, {{SLOT_BODY_PITCH, 0, 0, 10, 2.5f}, {SLOT_STABILIZERS, 0, 0, 30, 0}}},
        {SEQ_BEACON_OFF,
         0,
         0,
         {{SLOT_FRONT_LIGHT, 0, 0, 0, 0}, {SLOT_BEACON, 0, 0, 0, 0}, {SLOT_SECOND_DOOR, 1, 0, 0, 0}}},
        {SEQ_NAV_LIGHTS_OFF, 0, 0, {{SLOT_NAV_LIGHTS, 0, 0, 0, 0}, {SLOT_SECOND_DOOR, 0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command << " at height " << c.height);
        uint32_t mark = log_mark();
        EXPECT_EQ(start(c.command, c.ival1, 0, 0, c.height), 0);
        expect_posts_since(mark, c.posts);
    }
}

// The timed phases: what each start posts, and the body's pitch and height at chosen moments.
TEST_F(Acplug17, TimedPhasesAtChosenProgress) {
    struct Case {
        int32_t command, ival1, ms;
        float pitch, height;
    } cases[] = {
        {SEQ_DEPARTURE, 1, 2000, -2.5f, 1.25f},  // lift-off on a half cosine
        {SEQ_DEPARTURE, 1, 1000, -1.25f, 0.3661f},
        {SEQ_DEPARTURE, 1, -1, -5, 2.5f},
        {SEQ_LANDING_LIGHTS_ON, 1, 1500, -7.5f, 2.5f},
        {SEQ_ROTATE, 0, 1500, -5, 2.5f},
        {SEQ_ROTATE, 0, -1, 0, 2.5f},
        {SEQ_AFTER_LANDING, 0, 1200, 5, 2.5f},      // p 0.15: settling starts with the nose
        {SEQ_AFTER_LANDING, 0, 4000, 10, 1.7284f},  // p 0.5: held at 10, descending
        {SEQ_AFTER_LANDING, 0, 6400, 3.3929f, 0.3661f},
        {SEQ_AFTER_LANDING, 0, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command << " for " << c.ms << " ms");
        run(c.command, c.ival1, c.ms);
        EXPECT_NEAR(pitch(), c.pitch, 1e-3f);
        EXPECT_NEAR(height(), c.height, 1e-3f);
        expect_vec(root_layer().translation, {0, c.height, 0}, "the whole object", 1e-3f);
    }
}

// A flight through the sequences, from the stand to the stand: the whole object lifts off,
// holds at 2.5 and settles back; the heap is clean after destroy.
TEST_F(Acplug17, FlightThroughTheSequences) {
    run(SLOT_LIGHT_PARAMS, 1, 0, 1);
    run(SLOT_ENGINES, 100, -1);
    EXPECT_TRUE(visible(L"Y_e1high")) << "rotors at full power";
    run(SEQ_NAV_LIGHTS_ON, 1, -1);
    EXPECT_TRUE(visible(L"wglightl")) << "navigation lights on";
    EXPECT_FALSE(visible(L"body03")) << "doors closed";

    uint32_t mark = log_mark();
    EXPECT_EQ(run(SEQ_DEPARTURE, 1, 0), 4000);
    expect_posts_since(mark,
                       {{SLOT_FRONT_LIGHT, 1, 1, 0, 0}, {SLOT_BEACON, 1, 0, 0, 0}, {SLOT_BODY_PITCH, 0, 0, 0, 0}});
    finish();
    EXPECT_NEAR(height(), 2.5f, 1e-5f) << "lifted off";
    EXPECT_NEAR(pitch(), -5, 1e-5f);
    EXPECT_TRUE(slot(SLOT_BEACON)->running);
    EXPECT_EQ(layer(L"frlightl").transparency, 0u) << "front lamp on";
    EXPECT_EQ(run(SEQ_LANDING_LIGHTS_ON, 1, -1), 3000);
    EXPECT_TRUE(visible(L"ldlightr")) << "landing lights on";
    EXPECT_NEAR(pitch(), -10, 1e-5f);
    EXPECT_EQ(run(SEQ_ROTATE, 0, -1), 3000);
    EXPECT_NEAR(pitch(), 0, 1e-5f);
    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    EXPECT_NEAR(pitch(), 5, 1e-5f);

    // Doors opening and rotors running down when the after-take-off phase starts: both end at once.
    run(SLOT_SECOND_DOOR, 1, 1000);
    run(SLOT_ENGINES, 50, 1000);
    EXPECT_EQ(run(SEQ_AFTER_TAKEOFF, 1, 0), 5000);
    EXPECT_FALSE(visible(L"body03")) << "doors closed at once";
    expect_vec(translation(L"Z_door03"), {0, 0, 0}, "sliding door shut");
    EXPECT_FLOAT_EQ(rotors()[0].spool, 50);
    EXPECT_FLOAT_EQ(rotors()[1].spool, 50);
    EXPECT_NEAR(height(), 2.5f, 1e-5f);
    expect_vec(rotation(L"X_horwing"), {30, 0, 0}, "stabilizer");
    tick(2500);
    expect_vec(rotation(L"X_horwing"), {19, 0, 0}, "stabilizer half way down", 1e-3f);
    finish();
    expect_vec(rotation(L"X_horwing"), {8, 0, 0}, "stabilizer in cruise", 1e-3f);
    EXPECT_FALSE(visible(L"ldlightr")) << "landing lights off";
    EXPECT_EQ(layer(L"frlightl").transparency, 255u) << "front lamp off";

    EXPECT_EQ(run(SEQ_FINAL, 1, -1), 3000);
    EXPECT_TRUE(visible(L"ldlightr")) << "landing lights on";
    EXPECT_NEAR(layer(L"ldlightl").sprite_scale, 1.0f, 1e-5f) << "front beam on at the end";
    run(SEQ_FLARE, 0, 0, 0, 0, 0);
    EXPECT_NEAR(pitch(), 10, 1e-5f);
    expect_vec(rotation(L"X_horwing"), {30, 0, 0}, "stabilizer up", 1e-3f);
    EXPECT_EQ(run(SEQ_TOUCHDOWN, 1, 1500), 3000);
    EXPECT_NEAR(pitch(), 5, 1e-3f) << "half way from the flare's pitch";
    finish();
    EXPECT_NEAR(pitch(), 0, 1e-5f);
    EXPECT_EQ(layer(L"frlightl").transparency, 0u) << "front lamp on at the end";
    EXPECT_EQ(run(SEQ_AFTER_LANDING, 0, -1), 8000);
    EXPECT_NEAR(height(), 0, 1e-5f) << "on the ground";
    EXPECT_NEAR(pitch(), 0, 1e-5f);
    EXPECT_FALSE(visible(L"ldlightr"));

    run(SEQ_BEACON_OFF, 0, -1);
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_EQ(layer(L"frlightl").transparency, 255u);
    expect_vec(rotation(L"Y_door02"), {0, -50, 0}, "doors open at the stand");
    run(SEQ_NAV_LIGHTS_OFF, 0, -1);
    EXPECT_FALSE(visible(L"wglightr"));
    EXPECT_FALSE(visible(L"body03")) << "doors closed";
    run(SLOT_ENGINES, 0, -1);
    expect_blades(5, -90);
    EXPECT_FALSE(slot(SLOT_ENGINES)->running);
    destroy_leaving_a_clean_heap();
}
}  // namespace
