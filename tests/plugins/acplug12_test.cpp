// acplug12 in the stand-in engine: its four-door reversers, cabin door, gear, flaps, tyres,
// front and landing lights and its own flight-phase starts at chosen progress values, read back
// as layer transforms, and a whole flight through its sequences that leaves the heap clean.
#include <math.h>

#include <vector>

#include "aircraft_fixture.h"

namespace {
const float LAMP_BASE = 2.0f;   // "ldlightl1", the lamp inside "ldlightl"
const float GLOW_BASE = 7.0f;   // "ldlightl" itself, which the landing lights do not read
const float OTHER_BASE = 5.0f;  // another "ldlightl1", directly under the object's root layer

class Acplug12 : public AircraftTest {
protected:
    const wchar_t* plugin() override { return L"acplug12.dll"; }
    // The lamp below its glow layer, after a namesake directly under the object's root layer,
    // which a search of the name under the root layer finds first.
    void before_create() override {
        kvrn_host_set_base_scale(kvrn_host_add_layer(aircraft, L"ldlightl1"), OTHER_BASE);
        KvrnLayer glow = kvrn_host_add_layer(aircraft, L"ldlightl");
        kvrn_host_set_base_scale(glow, GLOW_BASE);
        kvrn_host_set_base_scale(kvrn_host_add_layer(glow, L"ldlightl1"), LAMP_BASE);
    }
    KvrnLayerState lamp() { return layer_state_of(kvrn_host_find_layer(handle(L"ldlightl"), L"ldlightl1")); }

    // The names among `names` that the plug-in looked up (lenient scene: they now exist).
    bool any_looked_up(std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* name : names)
            if (handle(name) != 0) return true;
        return false;
    }
};

TEST_F(Acplug12, ReverserDoorsSwingOpenInPairs) {
    struct Case {
        int32_t from, wish, ms;
        bool deployed;
        float angle, lift;
    } cases[] = {
        {0, 1, 500, true, 37.65f, 0.01f},  // half out
        {0, 1, -1, true, 75.15f, 0.01f},   // out
        {0, 1, 1, true, 0.225f, 0.01f},    // just out of the stowed position: the doors jump open
        {1, 0, 750, true, 18.9f, 0.01f},   // three quarters stowed
        {1, 0, -1, false, 0.0f, 0.0f},     // stowed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " for " << c.ms << " ms");
        run(SLOT_REVERSERS, c.from, -1);
        run(SLOT_REVERSERS, c.wish, c.ms);
        EXPECT_EQ(visible(L"engine_on"), c.deployed);
        EXPECT_EQ(visible(L"engine_off"), !c.deployed);
        for (const wchar_t* door : {L"X_revon01", L"X_revon03"}) {
            expect_vec(rotation(door), {c.angle, 0, 0}, narrow(door), 1e-3f);
            expect_vec(translation(door), {0, c.lift, 0}, narrow(door));
        }
        for (const wchar_t* door : {L"X_revon02", L"X_revon04"}) {
            expect_vec(rotation(door), {-c.angle, 0, 0}, narrow(door), 1e-3f);
            expect_vec(translation(door), {0, -c.lift, 0}, narrow(door));
        }
    }
    EXPECT_FALSE(any_looked_up({L"Z_revon01", L"Z_revon02"})) << "no sliding sleeves";
}

TEST_F(Acplug12, CabinDoorSwingsOpenAndShowsItsStepOnlyAtTheEnd) {
    struct Case {
        int32_t from, wish, ms;
        float angle;
        bool body, step;
    } cases[] = {
        {0, 1, 1350, 62.5f, true, false},                                  // p 0.45: half way on the ease
        {0, 1, 450, 8.3734f, true, false},                                 // p 0.15
        {0, 1, 2700, 125, true, false},                                    // p 0.9: open, the clock still running
        {0, 1, 2850, 125, true, false},      {0, 1, -1, 125, true, true},  // the clock has ended: the step is out
        {1, 0, 1500, 73.3530f, true, false},                               // closing, p 0.5
        {1, 0, -1, 0, false, false},                                       // closed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " for " << c.ms << " ms");
        run(SLOT_SECOND_DOOR, c.from, -1);
        EXPECT_EQ(run(SLOT_SECOND_DOOR, c.wish, c.ms), 3000);
        expect_vec(rotation(L"Z_door01"), {0, 0, -c.angle}, "Z_door01", 1e-3f);
        EXPECT_EQ(visible(L"04body03"), c.body);
        EXPECT_EQ(visible(L"trap_on"), c.step);
    }
}

TEST_F(Acplug12, NoseGearAtChosenProgress) {
    struct Case {
        float p;
        bool shown;
        float strut, doors, rear_door, drop, slide;
    } cases[] = {
        {0.05f, false, 125, 0, 0, 0, 0},
        {0.2f, true, 125, 40, 0, 0, 0},
        {0.35f, true, 109.375f, 80, 1.25f, 0.09375f, 0},
        {0.5f, true, 62.5f, 80, 5, 0.15f, 0.1575f},
        {0.8f, true, 0, 40, 10, 0.15f, 0.42f},
        {1.0f, true, 0, 0, 10, 0.15f, 0.42f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p);
        const float e = 2e-3f;
        EXPECT_EQ(visible(L"nosegear"), c.shown);
        expect_vec(rotation(L"nosegear"), {c.strut, 0, 0}, "strut", e);
        expect_vec(rotation(L"Z_1nose01"), {0, 0, c.doors}, "door 1", e);
        expect_vec(rotation(L"Z_2nose01"), {0, 0, -c.doors}, "door 2", e);
        expect_vec(rotation(L"X_3nose01"), {-c.rear_door, 0, 0}, "rear door", e);
        expect_vec(translation(L"X_3nose01"), {0, -c.drop, c.slide}, "rear door", e);
    }
}

TEST_F(Acplug12, MainGearAtChosenProgress) {
    struct Case {
        float p;
        float doors, wing_doors, strut, spread;
    } cases[] = {
        {0.0f, 0, 0, 91, 0.2f},  {0.1f, 36, 0, 91, 0.2f}, {0.5f, 90, 60, 45.5f, 0.1f},
        {0.875f, 45, 120, 0, 0}, {1.0f, 0, 120, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "p " << c.p);
        gear_at(c.p);
        const float e = 2e-3f;
        EXPECT_EQ(visible(L"tire"), c.p > 0.0f);
        EXPECT_EQ(visible(L"body03"), c.p > 0.0f);
        expect_vec(rotation(L"Z_1main01"), {0, 0, -c.doors}, "main door 1", e);
        expect_vec(rotation(L"Z_2main01"), {0, 0, c.doors}, "main door 2", e);
        expect_vec(rotation(L"Z_1wing01"), {0, 0, c.wing_doors}, "wing door 1", e);
        expect_vec(rotation(L"Z_2wing01"), {0, 0, -c.wing_doors}, "wing door 2", e);
        expect_vec(rotation(L"Z_01t1Lshaft"), {0, 0, -c.strut}, "left strut", e);
        expect_vec(rotation(L"Z_01t1Rshaft"), {0, 0, c.strut}, "right strut", e);
        expect_vec(translation(L"Z_01t1Lshaft"), {-c.spread, 0, 0}, "left strut", e);
        expect_vec(translation(L"Z_01t1Rshaft"), {c.spread, 0, 0}, "right strut", e);
    }
}

TEST_F(Acplug12, TwoFlapPanelsOnFourArms) {
    struct Case {
        float f;
        Vec3 panel, panel_rotation;
        float outer_arms, inner_arms;
    } cases[] = {
        {0.5f, {0, -0.05f, 0.1f}, {25, 0, 0}, 23.5f, 25.5f},
        {1.0f, {0, -0.1f, 0.2f}, {50, 0, 0}, 47, 51},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "f " << c.f);
        setting_at(SLOT_FLAPS, 8000, c.f);
        for (const wchar_t* panel : {L"X_flap0101", L"X_flap0201"}) {
            expect_vec(translation(panel), c.panel, narrow(panel));
            expect_vec(rotation(panel), c.panel_rotation, narrow(panel), 1e-3f);
        }
        for (const wchar_t* arm : {L"X_flaparm_01", L"X_flaparm_04"})
            expect_vec(rotation(arm), {c.outer_arms, 0, 0}, narrow(arm), 1e-3f);
        for (const wchar_t* arm : {L"X_flaparm_02", L"X_flaparm_03"})
            expect_vec(rotation(arm), {c.inner_arms, 0, 0}, narrow(arm), 1e-3f);
        EXPECT_FALSE(visible(L"mainwing01"));
        EXPECT_TRUE(visible(L"mainwing02"));
    }
    EXPECT_FALSE(any_looked_up({L"X_flap0102", L"X_flap0301", L"X_flaparm_05"}));
    run(SLOT_FLAPS, 0, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps 0 reached";
    EXPECT_FALSE(visible(L"mainwing02"));
}

TEST_F(Acplug12, TyresRollOnTheirOwnCircumferences) {
    const float nose_turn = 1.6713274f, main_turn = 2.2965043f;
    start(SLOT_TYRES, 0, 0, nose_turn);
    for (const wchar_t* name : {L"tire001", L"tire002"})
        EXPECT_NEAR(remainderf(rotation(name).x, 360.0f), 0.0f, 1e-2f) << narrow(name) << " one turn";
    for (const wchar_t* name : {L"tire003", L"tire004", L"tire005", L"tire006"})
        EXPECT_NEAR(rotation(name).x, -nose_turn / main_turn * 360.0f, 1e-2f) << narrow(name);
}

// The front light fades its lamp and has no beam; the landing lights glow from the lamp
// inside each glow layer.
TEST_F(Acplug12, FrontLampFadesWithoutABeam) {
    struct Case {
        int32_t beam, lamp, ms;
        uint32_t transparency;
    } cases[] = {{1, 1, 500, 127}, {1, 1, -1, 0}, {0, 0, 250, 63}, {0, 0, -1, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "lamp " << c.lamp << " after " << c.ms << " ms");
        uint32_t mark = log_mark();
        run(SLOT_FRONT_LIGHT, c.beam, c.ms, c.lamp);
        EXPECT_EQ(layer(L"frlight").transparency, c.transparency);
        for (const KvrnCall& call : calls_since(mark, KVRN_CALL_RECALL_FUNCTION))
            EXPECT_EQ(call.layer, handle(L"frlight")) << "only the lamp changes";
    }
    EXPECT_FALSE(any_looked_up({L"ldlight", L"ldlightml", L"ldlightmr"})) << "no beam";
}

TEST_F(Acplug12, LandingLightsGlowFromTheLampInsideTheirGlowLayer) {
    struct Case {
        int32_t from, level, ms;
        bool shown;
        float scale;
    } cases[] = {
        {-1, 80, 500, true, 0.5f * LAMP_BASE * 0.8f},
        {-1, 100, -1, true, LAMP_BASE},
        {100, 0, 250, true, 0.75f * LAMP_BASE},
        {100, 0, -1, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " after " << c.ms << " ms");
        if (c.from >= 0) run(SLOT_LANDING_LIGHTS, c.from, -1);
        run(SLOT_LANDING_LIGHTS, c.level, c.ms);
        for (const wchar_t* name : {L"ldlightl", L"ldlightr"}) {
            EXPECT_EQ(visible(name), c.shown) << narrow(name);
            if (c.shown) {
                EXPECT_NEAR(layer(name).sprite_scale, c.scale, 1e-4f) << narrow(name);
            }
        }
    }
    EXPECT_EQ(lamp().scale_sets, 0u) << "the lamp itself is only read";
    EXPECT_EQ(layer(L"ldlightl1").scale_sets, 0u) << "nor its namesake";
    EXPECT_FALSE(any_looked_up({L"ldlightr1", L"ldlightl2"}));
}

// A model without the glow layer "ldlightl": the landing lights do not go looking for a lamp
// elsewhere in the scene, where another aircraft's "ldlightl1" may be.
using Acplug12Model = PluginFixture;

TEST_F(Acplug12Model, WithoutTheLandingGlowLayerReadsNoOtherLamp) {
    KvrnActionInterface other_entry = kvrn_host_load_plugin(L"acplug12.dll");
    ASSERT_NE(other_entry, nullptr);
    load(L"acplug12.dll", false);  // a model with none of the layers looked for
    KvrnLayer other = kvrn_host_create_object(L"other aircraft", other_entry);
    KvrnLayer glow = kvrn_host_add_layer(other, L"ldlightl");
    kvrn_host_set_base_scale(kvrn_host_add_layer(glow, L"ldlightl1"), LAMP_BASE);
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    EXPECT_EQ(slot(SLOT_LANDING_LIGHTS)->word5.f, 0.0f);
}

// The flight-phase starts of this type: which lights and surfaces each leaves on.
TEST_F(Acplug12, FlightPhaseStartsSwitchTheirLights) {
    uint32_t mark = log_mark();
    EXPECT_EQ(start(SEQ_NAV_LIGHTS_ON, 1), 0);
    const std::vector<Post> lights_on = {{SLOT_LOGO_LIGHT, 1, 0, 0, 0}, {SLOT_NAV_LIGHTS, 1, 0, 0, 0}};
    EXPECT_EQ(posts_since(mark), lights_on) << "the logo light (no slot here), then the navigation lights; "
                                               "no runway-turnoff light";
    EXPECT_TRUE(visible(L"wglightl")) << "navigation lights on";
    EXPECT_FALSE(any_looked_up({L"rolight", L"lglight"})) << "no slot of either";

    mark = log_mark();
    EXPECT_EQ(start(SEQ_LANDING_LIGHTS_ON, 1), 0);
    EXPECT_TRUE(posts_since(mark).empty()) << "the landing lights come on with the departure set-up";

    EXPECT_EQ(run(SEQ_DEPARTURE, 1, -1), 0);
    EXPECT_TRUE(visible(L"ldlightl")) << "landing lights on";
    EXPECT_TRUE(visible(L"atlightu")) << "beacon on";
    EXPECT_EQ(layer(L"frlight").transparency, 0u) << "front lamp on";
    EXPECT_NEAR(rotation(L"X_flaparm_02").x, 0.3f * 51, 1e-3f) << "take-off flaps 30";

    run(SEQ_AFTER_LANDING, 1, -1);
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_TRUE(visible(L"ldlightl")) << "the landing lights stay on after landing";

    run(SEQ_BEACON_OFF, 0, -1);
    EXPECT_FALSE(visible(L"ldlightl")) << "landing lights off with the beacon";
    EXPECT_FALSE(slot(SLOT_BEACON)->running);
    EXPECT_EQ(layer(L"frlight").transparency, 255u) << "front lamp off";

    run(SEQ_NAV_LIGHTS_OFF, 0, 0);
    EXPECT_FALSE(visible(L"wglightr"));
}

TEST_F(Acplug12, SteeperFinalApproachFlareAndTouchdown) {
    EXPECT_EQ(run(SEQ_FINAL, 0, 6000, 0, 0, 50), 12000) << "as long as the gear";
    EXPECT_NEAR(pitch(), 1.5f, 1e-3f);
    finish();
    EXPECT_NEAR(pitch(), 3, 1e-4f);
    struct Flare {
        float height, pitch;
    } flare[] = {{20, 3}, {10, 3}, {5, 4.5f}, {0, 6}};
    for (const Flare& f : flare) {
        run(SEQ_FLARE, 0, 0, 0, 0, f.height);
        EXPECT_NEAR(pitch(), f.pitch, 1e-4f) << "flare at height " << f.height;
    }
    run(SEQ_TOUCHDOWN, 0, 1500);
    EXPECT_NEAR(pitch(), 3, 1e-3f) << "touchdown lowers the nose from 6";
}

TEST_F(Acplug12, ResetClosesTheCabinDoor) {
    EXPECT_FALSE(visible(L"04body03")) << "closed after create";
    EXPECT_FALSE(visible(L"trap_on"));
    run(SLOT_SECOND_DOOR, 1, -1);
    ASSERT_TRUE(visible(L"trap_on"));
    send(KVRN_CMD_RESET);
    finish();
    expect_vec(rotation(L"Z_door01"), {0, 0, 0}, "Z_door01 closed");
    EXPECT_FALSE(visible(L"trap_on"));
    EXPECT_FALSE(visible(L"04body03"));
}

// A flight through the sequences, from the stand to the stand, and the heap after destroy.
TEST_F(Acplug12, FlightThroughTheSequences) {
    run(SLOT_SECOND_DOOR, 0, -1);  // boarded: the cabin door closes
    take_off();
    EXPECT_TRUE(visible(L"ldlightr")) << "landing lights on";
    EXPECT_NEAR(pitch(), 6.0f, 1e-4f) << "rotated";
    run(SEQ_CLIMB, 0, 0, 0, 0, 30);
    run(SEQ_AFTER_TAKEOFF, 1, -1, 0, 0, 120);
    EXPECT_FALSE(visible(L"nosegear")) << "gear up";
    EXPECT_FALSE(visible(L"tire"));
    EXPECT_FALSE(visible(L"ldlightl")) << "landing lights off after take-off";
    EXPECT_NEAR(pitch(), 0, 1e-4f);

    run(SEQ_APPROACH, 0, -1);
    EXPECT_NEAR(rotation(L"X_flaparm_01").x, 0.5f * 47, 1e-3f) << "approach flaps 50";
    run(SEQ_FINAL, 1, -1, 0, 0, 50);
    EXPECT_TRUE(visible(L"nosegear")) << "gear down";
    EXPECT_TRUE(visible(L"ldlightl")) << "landing lights on";
    EXPECT_NEAR(rotation(L"X_flap0101").x, 50, 1e-3f) << "landing flaps";
    run(SEQ_FLARE, 0, 0, 0, 0, 0);
    run(SEQ_TOUCHDOWN, 1, -1);
    EXPECT_NEAR(pitch(), 0, 1e-4f);
    run(SEQ_ROLLOUT, 0, 2500);
    EXPECT_TRUE(visible(L"spoiler")) << "spoilers up on the roll-out";
    expect_vec(rotation(L"X_spoiler02"), {-80, 0, 0}, "X_spoiler02 up");
    expect_vec(rotation(L"X_revon03"), {75.15f, 0, 0}, "reversers open", 1e-3f);
    finish();
    EXPECT_FALSE(visible(L"spoiler"));
    EXPECT_TRUE(visible(L"engine_off")) << "reversers stowed";

    shut_down();
    run(SLOT_SECOND_DOOR, 1, -1);
    EXPECT_TRUE(visible(L"trap_on")) << "door open at the stand, step out";
    EXPECT_TRUE(visible(L"mainwing01")) << "flaps in";
    EXPECT_FALSE(visible(L"ldlightl")) << "landing lights off";
    EXPECT_FALSE(visible(L"wglightl")) << "navigation lights off";
    EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "engines at rest";
    destroy_leaving_a_clean_heap();
}
}  // namespace
