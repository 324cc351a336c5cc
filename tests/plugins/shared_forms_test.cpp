// The forms of aircraft/shared/ in every plug-in that runs them: one table a form of
// (plug-in, slot, run) -> layer values read back from the stand-in engine.
#include <string.h>

#include <string>
#include <vector>

#include "aircraft_fixture.h"
#include "ground_path.h"

namespace {
const wchar_t* const glow_layers[] = {L"ldlightl1", L"ldlightl", L"ldlightml", nullptr};
const float LANDING_BASE = 2.0f, BEAM_BASE = 4.0f;
const int32_t AS_CREATED = -1;  // a case's slot: nothing run after create

std::string case_name(const wchar_t* dll, int32_t slot, const wchar_t* layer) {
    return narrow(dll) + " slot " + std::to_string(slot) + " " + (layer ? narrow(layer) : std::string("root"));
}

class SharedForms : public PluginFixture {
protected:
    // The plug-in's aircraft, created with base scales on the lamps that the light forms read.
    void fly(const wchar_t* dll) {
        load(dll, true, glow_layers);
        kvrn_host_set_base_scale(handle(L"ldlightl1"), LANDING_BASE);
        kvrn_host_set_base_scale(handle(L"ldlightl"),
                                 LANDING_BASE);  // the pair "ldlightl", "ldlightr" (acplug11, acplug14)
        kvrn_host_set_base_scale(handle(L"ldlightml"), BEAM_BASE);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
    // Runs a two-way slot to the end of `from` (unless negative), then starts it with the
    // case's arguments and runs it `ms` (-1: to its end, 0: only the start).
    void run(int32_t slot_number, int32_t from, int32_t ival1, int32_t ival2, float fval1, float fval2, int32_t ms) {
        if (from >= 0) {
            start(slot_number, from);
            tick(-1);
        }
        start(slot_number, ival1, ival2, fval1, fval2);
        if (ms != 0) tick(ms);
    }
    KvrnLayerState state(const wchar_t* name) { return name ? layer(name) : root_layer(); }
};

// Two-bogie body pitch (slot 20, fval1 pitch, fval2 height), bogie-tilt gear start (slot 27),
// linear and eased one-layer doors (slot 37): rotations.
TEST_F(SharedForms, BogiesAndDoorTurnTheirLayers) {
    struct Case {
        const wchar_t* dll;
        int32_t slot, from, ival1;
        float fval1, fval2;
        int32_t ms;
        const wchar_t* layer;  // NULL: the object's root
        Vec3 rotation;
    } cases[] = {
        // acplug02: bogies hang at 10 and tilt 10 once down; the door swings to -120.
        {L"acplug02.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, nullptr, {3, 0, 0}},
        {L"acplug02.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Lshaft", {1, 0, 0}},
        {L"acplug02.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Rshaft", {1, 0, 0}},
        {L"acplug02.dll", SLOT_BODY_PITCH, -1, 0, 6, 0, 0, L"X_02t1Lshaft", {-6, 0, 0}},
        {L"acplug02.dll", SLOT_BODY_PITCH, -1, 0, 2, 0.5f, 0, L"X_02t1Rshaft", {10, 0, 0}},
        {L"acplug02.dll", SLOT_BODY_PITCH, -1, 0, 2, 30, 0, L"X_02t1Lshaft", {10, 0, 0}},
        {L"acplug02.dll", AS_CREATED, -1, 0, 0, 0, 0, L"X_02t1Lshaft", {0, 0, 0}},  // gear down, no tilt yet
        {L"acplug02.dll", SLOT_GEAR, 0, 1, 0, 0, -1, L"X_02t1Lshaft", {10, 0, 0}},
        {L"acplug02.dll", SLOT_GEAR, 0, 1, 0, 0, 6000, L"X_02t1Rshaft", {5, 0, 0}},
        {L"acplug02.dll", SLOT_DOOR, 0, 1, 0, 0, 1500, L"Z_1door", {0, 0, -30}},
        {L"acplug02.dll", SLOT_DOOR, 0, 1, 0, 0, -1, L"Z_1door", {0, 0, -120}},
        {L"acplug02.dll", SLOT_DOOR, 1, 0, 0, 0, 4500, L"Z_1door", {0, 0, -30}},
        // acplug04: bogies hang at -10 and tilt -10 once down.
        {L"acplug04.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, nullptr, {3, 0, 0}},
        {L"acplug04.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Lshaft", {-7, 0, 0}},
        {L"acplug04.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Rshaft", {-7, 0, 0}},
        {L"acplug04.dll", SLOT_BODY_PITCH, -1, 0, 2, 0.5f, 0, L"X_02t1Rshaft", {-10, 0, 0}},
        {L"acplug04.dll", AS_CREATED, -1, 0, 0, 0, 0, L"X_02t1Rshaft", {0, 0, 0}},
        {L"acplug04.dll", SLOT_GEAR, 0, 1, 0, 0, -1, L"X_02t1Lshaft", {-10, 0, 0}},
        {L"acplug04.dll", SLOT_GEAR, 0, 1, 0, 0, 6000, L"X_02t1Rshaft", {-5, 0, 0}},
        // acplug06 and acplug07: the body bogies hang at 45 and tilt 45 once down.
        {L"acplug06.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Lshaft", {15, 0, 0}},
        {L"acplug07.dll", SLOT_BODY_PITCH, -1, 0, 6, 0, 0, L"X_02t1Rshaft", {-6, 0, 0}},
        {L"acplug06.dll", SLOT_BODY_PITCH, -1, 0, 2, 0.5f, 0, L"X_02t1Rshaft", {45, 0, 0}},
        {L"acplug07.dll", AS_CREATED, -1, 0, 0, 0, 0, L"X_02t1Lshaft", {0, 0, 0}},
        {L"acplug06.dll", SLOT_GEAR, 0, 1, 0, 0, -1, L"X_02t1Lshaft", {45, 0, 0}},
        {L"acplug07.dll", SLOT_GEAR, 0, 1, 0, 0, -1, L"X_02t1Rshaft", {45, 0, 0}},
        // acplug14: bogies hang at 10; its gear gives them no tilt.
        {L"acplug14.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, nullptr, {3, 0, 0}},
        {L"acplug14.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Rshaft", {1, 0, 0}},
        {L"acplug14.dll", SLOT_BODY_PITCH, -1, 0, 3, 0.2f, 0, L"X_02t1Lshaft", {1, 0, 0}},
        {L"acplug14.dll", SLOT_BODY_PITCH, -1, 0, 6, 0, 0, L"X_02t1Rshaft", {-6, 0, 0}},
        {L"acplug14.dll", SLOT_BODY_PITCH, -1, 0, 2, 0.5f, 0, L"X_02t1Lshaft", {10, 0, 0}},
        {L"acplug14.dll", SLOT_GEAR, 0, 1, 0, 0, -1, L"X_02t1Lshaft", {0, 0, 0}},
        // acplug07: the eased door swings to -120.
        {L"acplug07.dll", SLOT_DOOR, 0, 1, 0, 0, 1500, L"Z_1door", {0, 0, -17.5736f}},
        {L"acplug07.dll", SLOT_DOOR, 0, 1, 0, 0, 3000, L"Z_1door", {0, 0, -60}},
        {L"acplug07.dll", SLOT_DOOR, 0, 1, 0, 0, -1, L"Z_1door", {0, 0, -120}},
        {L"acplug07.dll", SLOT_DOOR, 1, 0, 0, 0, 4500, L"Z_1door", {0, 0, -17.5736f}},
        {L"acplug07.dll", SLOT_DOOR, 1, 0, 0, 0, -1, L"Z_1door", {0, 0, 0}},
        // acplug11: the eased door "Z_door02" swings to 110 within a second.
        {L"acplug11.dll", SLOT_DOOR, 0, 1, 0, 0, 250, L"Z_door02", {0, 0, 16.1091f}},
        {L"acplug11.dll", SLOT_DOOR, 0, 1, 0, 0, 500, L"Z_door02", {0, 0, 55}},
        {L"acplug11.dll", SLOT_DOOR, 0, 1, 0, 0, -1, L"Z_door02", {0, 0, 110}},
        {L"acplug11.dll", SLOT_DOOR, 1, 0, 0, 0, 750, L"Z_door02", {0, 0, 16.1091f}},
        {L"acplug11.dll", SLOT_DOOR, 1, 0, 0, 0, -1, L"Z_door02", {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(case_name(c.dll, c.slot, c.layer));
        fly(c.dll);
        if (c.slot != AS_CREATED) run(c.slot, c.from, c.ival1, 0, c.fval1, c.fval2, c.ms);
        expect_vec(state(c.layer).rotation, c.rotation, "rotation", 1e-3f);
        send(KVRN_CMD_DESTROY);
    }
}

// The two-bogie body pitch holds the root and its bogies in the type's own order, and turns
// them in that order.
TEST_F(SharedForms, BogiesTurnInTheTypesOrder) {
    struct Case {
        const wchar_t* dll;
        const wchar_t* first;
        const wchar_t* second;
    } cases[] = {
        {L"acplug02.dll", L"X_02t1Lshaft", L"X_02t1Rshaft"},
        {L"acplug04.dll", L"X_02t1Lshaft", L"X_02t1Rshaft"},
        {L"acplug14.dll", L"X_02t1Rshaft", L"X_02t1Lshaft"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(narrow(c.dll));
        fly(c.dll);
        const KvrnLayer expected[] = {aircraft, handle(c.first), handle(c.second)};
        ActionSlot* pitch = slot(SLOT_BODY_PITCH);
        ASSERT_NE(pitch, nullptr);
        EXPECT_EQ(pitch->timed, 2u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(pitch->layers[i], expected[i]) << "layer " << i;
        uint32_t mark = log_mark();
        start(SLOT_BODY_PITCH, 0, 0, 3.0f, 0.2f);
        std::vector<KvrnCall> moves = calls_since(mark, KVRN_CALL_MOVE_LAYER);
        ASSERT_EQ(moves.size(), 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(moves[i].layer, expected[i]) << "move " << i;
        send(KVRN_CMD_DESTROY);
    }
}

// The front light of one beam "ldlightml" (slot 34): the beam glows from its own base scale,
// and the reference beam "ldlight" is never looked up.
TEST_F(SharedForms, OneBeamFrontLightGlows) {
    for (const wchar_t* dll : {L"acplug10.dll", L"acplug11.dll", L"acplug13.dll"}) {
        SCOPED_TRACE(narrow(dll));
        fly(dll);
        ActionSlot* front = slot(SLOT_FRONT_LIGHT);
        ASSERT_NE(front, nullptr);
        EXPECT_EQ(front->timed, 1u);
        EXPECT_EQ(front->layers[0], handle(L"frlight"));
        EXPECT_EQ(front->layers[1], handle(L"ldlightml"));
        EXPECT_EQ(front->word5.f, BEAM_BASE);
        run(SLOT_FRONT_LIGHT, -1, 0, 0, 0, 0, -1);
        run(SLOT_FRONT_LIGHT, -1, 1, 1, 0, 0, 500);
        EXPECT_NEAR(state(L"ldlightml").sprite_scale, 0.5f * BEAM_BASE, 1e-4f);
        EXPECT_EQ(state(L"frlight").transparency, 127u);
        tick(-1);
        EXPECT_NEAR(state(L"ldlightml").sprite_scale, BEAM_BASE, 1e-4f);
        EXPECT_EQ(handle(L"ldlight"), 0u);
        EXPECT_EQ(handle(L"ldlightmr"), 0u);
        send(KVRN_CMD_DESTROY);
    }
}

// One landing-light pair (slot 33) and a front light with two beams (slot 34): visibility,
// glow scale and "frlight" transparency.
TEST_F(SharedForms, TwoBeamLightsGlow) {
    struct Case {
        const wchar_t* dll;
        int32_t slot, from, ival1, ival2, ms;
        const wchar_t* layer;
        bool shown;
        float scale;
        int32_t transparency;  // -1: not checked
    } cases[] = {
        {L"acplug02.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightl1", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug02.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightr1", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug02.dll", SLOT_LANDING_LIGHTS, -1, 100, 0, -1, L"ldlightr1", true, LANDING_BASE, -1},
        {L"acplug02.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, 250, L"ldlightl1", true, 0.75f * LANDING_BASE, -1},
        {L"acplug02.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, -1, L"ldlightr1", false, 0, -1},
        {L"acplug02.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightml", true, 0.5f * BEAM_BASE, -1},
        {L"acplug02.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightmr", true, 0.5f * BEAM_BASE, -1},
        {L"acplug02.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"frlight", true, 1.0f, 127},
        {L"acplug02.dll", SLOT_FRONT_LIGHT, -1, 1, 0, -1, L"ldlightmr", true, BEAM_BASE, -1},
        {L"acplug02.dll", SLOT_FRONT_LIGHT, -1, 1, 1, -1, L"frlight", true, 1.0f, 0},
        {L"acplug04.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightr1", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug04.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, -1, L"ldlightl1", false, 0, -1},
        {L"acplug04.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightmr", true, 0.5f * BEAM_BASE, -1},
        {L"acplug04.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"frlight", true, 1.0f, 127},
        {L"acplug05.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightl1", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug05.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, -1, L"ldlightr1", false, 0, -1},
        {L"acplug05.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightmr", true, 0.5f * BEAM_BASE, -1},
        {L"acplug05.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"frlight", true, 1.0f, 127},
        {L"acplug09.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightml", true, 0.5f * BEAM_BASE, -1},
        {L"acplug09.dll", SLOT_FRONT_LIGHT, -1, 1, 0, -1, L"ldlightmr", true, BEAM_BASE, -1},
        {L"acplug09.dll", SLOT_FRONT_LIGHT, -1, 1, 1, -1, L"frlight", true, 1.0f, 0},
        // acplug14: the landing-light pair is "ldlightl" and "ldlightr".
        {L"acplug14.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightl", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug14.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightr", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug14.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, -1, L"ldlightr", false, 0, -1},
        {L"acplug14.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightmr", true, 0.5f * BEAM_BASE, -1},
        {L"acplug14.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"frlight", true, 1.0f, 127},
        {L"acplug16.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightl1", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug16.dll", SLOT_LANDING_LIGHTS, -1, 100, 0, -1, L"ldlightr1", true, LANDING_BASE, -1},
        {L"acplug16.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, -1, L"ldlightl1", false, 0, -1},
        {L"acplug16.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"ldlightmr", true, 0.5f * BEAM_BASE, -1},
        {L"acplug16.dll", SLOT_FRONT_LIGHT, -1, 1, 1, 500, L"frlight", true, 1.0f, 127},
        // acplug11: the lamp pair "ldlightl", "ldlightr".
        {L"acplug11.dll", SLOT_LANDING_LIGHTS, -1, 80, 0, 500, L"ldlightl", true, 0.5f * LANDING_BASE * 0.8f, -1},
        {L"acplug11.dll", SLOT_LANDING_LIGHTS, -1, 100, 0, -1, L"ldlightr", true, LANDING_BASE, -1},
        {L"acplug11.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, 250, L"ldlightr", true, 0.75f * LANDING_BASE, -1},
        {L"acplug11.dll", SLOT_LANDING_LIGHTS, 100, 0, 0, -1, L"ldlightl", false, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(case_name(c.dll, c.slot, c.layer));
        fly(c.dll);
        run(c.slot, c.from, c.ival1, c.ival2, 0, 0, c.ms);
        KvrnLayerState s = state(c.layer);
        EXPECT_EQ(s.visible != 0, c.shown);
        if (c.shown) {
            EXPECT_NEAR(s.sprite_scale, c.scale, 1e-4f);
        }
        if (c.transparency >= 0) {
            EXPECT_EQ(s.transparency, static_cast<uint32_t>(c.transparency));
        }
        if (c.slot == SLOT_LANDING_LIGHTS) {
            EXPECT_EQ(handle(L"ldlightl2"), 0u) << "one lamp pair";
            EXPECT_EQ(handle(L"ldlightr") != 0, handle(L"ldlightr1") == 0) << "one lamp pair";
        }
        EXPECT_EQ(handle(L"ldlight"), 0u) << "the beams are the left and the right one";
        send(KVRN_CMD_DESTROY);
    }
}
// Four landing-light beams (slot 33) on the one base scale of "ldlightl1".
TEST_F(SharedForms, FourBeamLandingLightGlows) {
    const wchar_t* const beams[] = {L"ldlightl1", L"ldlightl2", L"ldlightr1", L"ldlightr2"};
    struct Case {
        const wchar_t* dll;
        int32_t from, ival1, ms;
        bool shown;
        float scale;
    } cases[] = {
        {L"acplug06.dll", -1, 80, 500, true, 0.5f * LANDING_BASE * 0.8f},
        {L"acplug07.dll", -1, 100, -1, true, LANDING_BASE},
        {L"acplug06.dll", 100, 0, 250, true, 0.75f * LANDING_BASE},  // fading out at the last level
        {L"acplug07.dll", 100, 0, -1, false, 0},
        {L"acplug10.dll", -1, 80, 500, true, 0.5f * LANDING_BASE * 0.8f},
        {L"acplug13.dll", -1, 100, -1, true, LANDING_BASE},
        {L"acplug10.dll", 100, 0, 250, true, 0.75f * LANDING_BASE},
        {L"acplug13.dll", 100, 0, -1, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(case_name(c.dll, SLOT_LANDING_LIGHTS, nullptr) + " at " + std::to_string(c.ms) + " ms");
        fly(c.dll);
        run(SLOT_LANDING_LIGHTS, c.from, c.ival1, 0, 0, 0, c.ms);
        for (const wchar_t* beam : beams) {
            KvrnLayerState s = state(beam);
            EXPECT_EQ(s.visible != 0, c.shown) << narrow(beam);
            if (c.shown) {
                EXPECT_NEAR(s.sprite_scale, c.scale, 1e-4f) << narrow(beam);
            }
        }
        send(KVRN_CMD_DESTROY);
    }
}

// Four-door nose gear (slot 27): strut and door pairs as the gear extends from up or retracts
// from down.
TEST_F(SharedForms, FourDoorNoseGear) {
    struct NoseLayers {
        const wchar_t* strut;
        const wchar_t* doors[4];
        bool always_shown;  // the strut is never hidden
    };
    const NoseLayers acplug02_nose = {
        L"nosegear", {L"Z_1nose01", L"Z_2nose01", L"Z_3nose01", L"Z_4nose01"}, false};  // and 06, 07
    const NoseLayers acplug04_nose = {L"nosegear", {L"Z_1nose", L"Z_2nose", L"Z_3nose", L"Z_4nose"}, false};
    const NoseLayers acplug05_nose = {L"nosegear", {L"Z_1nose01", L"Z_2nose01", L"Z_3nose01", L"Z_4nose01"}, true};
    struct Case {
        const wchar_t* dll;
        const NoseLayers* layers;
        int32_t from;  // 0: extending from up, 1: retracting from down
        float p, strut, first, second;
    } cases[] = {
        // acplug02: both pairs open together, the strut folds to 110.
        {L"acplug02.dll", &acplug02_nose, 0, 0.0f, 110, 0, 0},
        {L"acplug02.dll", &acplug02_nose, 0, 0.05f, 110, 0, 0},
        {L"acplug02.dll", &acplug02_nose, 0, 0.2f, 110, 40, 40},
        {L"acplug02.dll", &acplug02_nose, 0, 0.5f, 55, 80, 80},
        {L"acplug02.dll", &acplug02_nose, 0, 0.8f, 0, 40, 80},
        {L"acplug02.dll", &acplug02_nose, 0, 0.95f, 0, 0, 80},
        {L"acplug02.dll", &acplug02_nose, 1, 0.5f, 55, 80, 80},
        // acplug04: the second pair opens as the strut, folded to 130, starts down.
        {L"acplug04.dll", &acplug04_nose, 0, 0.0f, 130, 0, 0},
        {L"acplug04.dll", &acplug04_nose, 0, 0.2f, 130, 40, 0},
        {L"acplug04.dll", &acplug04_nose, 0, 0.35f, 113.75f, 80, 25},
        {L"acplug04.dll", &acplug04_nose, 0, 0.5f, 65, 80, 80},
        {L"acplug04.dll", &acplug04_nose, 0, 0.8f, 0, 40, 80},
        {L"acplug04.dll", &acplug04_nose, 0, 1.0f, 0, 0, 80},
        {L"acplug04.dll", &acplug04_nose, 1, 0.25f, 130, 60, 0},
        // acplug06 and acplug07: as acplug02, the hidden strut folded to 112.
        {L"acplug06.dll", &acplug02_nose, 0, 0.0f, 112, 0, 0},
        {L"acplug07.dll", &acplug02_nose, 0, 0.05f, 112, 0, 0},
        {L"acplug06.dll", &acplug02_nose, 0, 0.2f, 110, 40, 40},
        {L"acplug07.dll", &acplug02_nose, 0, 0.4f, 82.5f, 80, 80},
        {L"acplug06.dll", &acplug02_nose, 0, 0.6f, 27.5f, 80, 80},
        {L"acplug07.dll", &acplug02_nose, 0, 0.8f, 0, 40, 80},
        {L"acplug06.dll", &acplug02_nose, 0, 0.95f, 0, 0, 80},
        {L"acplug07.dll", &acplug02_nose, 1, 0.0f, 112, 0, 0},
        // acplug05: both pairs open together, the strut folds to 100 and stays shown.
        {L"acplug05.dll", &acplug05_nose, 0, 0.0f, 100, 0, 0},
        {L"acplug05.dll", &acplug05_nose, 0, 0.2f, 100, 40, 40},
        {L"acplug05.dll", &acplug05_nose, 0, 0.5f, 50, 80, 80},
        {L"acplug05.dll", &acplug05_nose, 0, 0.8f, 0, 40, 80},
        {L"acplug05.dll", &acplug05_nose, 0, 1.0f, 0, 0, 80},
        {L"acplug05.dll", &acplug05_nose, 1, 0.5f, 50, 80, 80},
        // acplug09, on the layer names of acplug02: doors open to 70; the strut rests at 120 but
        // swings down from 110.
        {L"acplug09.dll", &acplug02_nose, 0, 0.0f, 120, 0, 0},
        {L"acplug09.dll", &acplug02_nose, 0, 0.2f, 120, 35, 35},
        {L"acplug09.dll", &acplug02_nose, 0, 0.29f, 120, 66.5f, 66.5f},
        {L"acplug09.dll", &acplug02_nose, 0, 0.3f, 110, 70, 70},
        {L"acplug09.dll", &acplug02_nose, 0, 0.5f, 55, 70, 70},
        {L"acplug09.dll", &acplug02_nose, 0, 0.8f, 0, 35, 70},
        {L"acplug09.dll", &acplug02_nose, 0, 1.0f, 0, 0, 70},
        // acplug10 and acplug13: the inner pair opens with the outer one, further, and stays open.
        {L"acplug10.dll", &acplug04_nose, 0, 0.0f, 93, 0, 0},
        {L"acplug10.dll", &acplug04_nose, 0, 0.2f, 93, 40, 62.5f},
        {L"acplug10.dll", &acplug04_nose, 0, 0.5f, 46.5f, 80, 125},
        {L"acplug10.dll", &acplug04_nose, 0, 0.8f, 0, 40, 125},
        {L"acplug10.dll", &acplug04_nose, 1, 0.95f, 0, 0, 125},
        {L"acplug13.dll", &acplug04_nose, 0, 0.05f, 100, 0, 0},
        {L"acplug13.dll", &acplug04_nose, 0, 0.2f, 100, 40, 60},
        {L"acplug13.dll", &acplug04_nose, 0, 0.5f, 50, 80, 120},
        {L"acplug13.dll", &acplug04_nose, 1, 0.8f, 0, 40, 120},
        {L"acplug13.dll", &acplug04_nose, 0, 1.0f, 0, 0, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << narrow(c.dll) << (c.from ? " retracting" : " extending") << " at p " << c.p);
        fly(c.dll);
        float part = c.from == 0 ? c.p : 1.0f - c.p;
        run(SLOT_GEAR, c.from, c.from == 0 ? 1 : 0, 0, 0, 0, static_cast<int32_t>(part * 12000 + 0.5f));
        EXPECT_EQ(layer(c.layers->strut).visible != 0, c.layers->always_shown || c.p >= 0.1f);
        expect_vec(layer(c.layers->strut).rotation, {c.strut, 0, 0}, "strut", 2e-3f);
        const float door[4] = {-c.first, c.first, -c.second, c.second};
        for (int i = 0; i < 4; ++i)
            expect_vec(layer(c.layers->doors[i]).rotation, {0, 0, door[i]}, narrow(c.layers->doors[i]), 2e-3f);
        send(KVRN_CMD_DESTROY);
    }
}
// Two spoiler panels (slot 21): "spoiler" shown while out, both panels at angle × progress.
TEST_F(SharedForms, TwoSpoilerPanels) {
    struct Case {
        const wchar_t* dll;
        int32_t from, ival1, ms;
        bool shown;
        float angle;
    } cases[] = {
        {L"acplug12.dll", -1, 1, 500, true, -40}, {L"acplug12.dll", -1, 1, -1, true, -80},
        {L"acplug12.dll", 1, 0, 750, true, -20},  {L"acplug12.dll", 1, 0, -1, false, 0},
        {L"acplug13.dll", -1, 1, 500, true, -30}, {L"acplug13.dll", -1, 1, -1, true, -60},
        {L"acplug13.dll", 1, 0, -1, false, 0},    {L"acplug15.dll", -1, 1, 250, true, -20},
        {L"acplug15.dll", -1, 1, -1, true, -40},  {L"acplug15.dll", 1, 0, 375, true, -10},
        {L"acplug15.dll", 1, 0, -1, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(case_name(c.dll, SLOT_SPOILERS, nullptr) + " for " + std::to_string(c.ms) + " ms");
        fly(c.dll);
        run(SLOT_SPOILERS, c.from, c.ival1, 0, 0, 0, c.ms);
        EXPECT_EQ(layer(L"spoiler").visible != 0, c.shown);
        for (const wchar_t* panel : {L"X_spoiler01", L"X_spoiler02"})
            expect_vec(layer(panel).rotation, {c.angle, 0, 0}, narrow(panel), 1e-3f);
        EXPECT_EQ(handle(L"X_spoiler03"), 0u) << "two panels";
        send(KVRN_CMD_DESTROY);
    }
}

// The taxi step with the short look-ahead (slot 40, fval1 0): the target counts as reached one
// second of travel out, where the reference type's step stops two seconds out.
TEST_F(SharedForms, TaxiStepWithTheShortLookAhead) {
    struct Case {
        const wchar_t* dll;
        float wheelbase;
        float seconds_out;  // the target's distance from the nose wheel in seconds of travel
        int32_t moved;
    } cases[] = {
        {L"acplug12.dll", 5.5f, 0.99f, 0},     {L"acplug12.dll", 5.5f, 1.01f, 1},
        {L"acplug12.dll", 5.5f, 1.99f, 1},     {L"acplug13.dll", 14.8541f, 0.99f, 0},
        {L"acplug13.dll", 14.8541f, 1.01f, 1}, {L"acplug15.dll", 4.0544f, 0.99f, 0},
        {L"acplug15.dll", 4.0544f, 1.01f, 1},  {L"acplug14.dll", 11.2f, 0.99f, 0},
        {L"acplug14.dll", 11.2f, 1.01f, 1},    {L"acplug03.dll", 12.296f, 1.99f, 0},
        {L"acplug03.dll", 12.296f, 2.01f, 1},
    };
    const float speed = 2.0f;  // straight ahead: the effective speed is the speed
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << narrow(c.dll) << " target " << c.seconds_out << " s out");
        fly(c.dll);
        PathState s;
        memset(&s, 0, sizeof s);
        s.layer = aircraft;
        s.speed = speed;
        s.target = {0, 0, c.wheelbase + c.seconds_out * speed, 0};
        uint32_t moves = root_layer().moves;
        EXPECT_EQ(start(SLOT_TAXI, pointer_argument(&s), 100), c.moved);
        EXPECT_NEAR(s.nose.z, c.wheelbase + (c.moved ? 0.1f * speed : 0.0f), 1e-4f) << "nose wheel";
        EXPECT_EQ(root_layer().moves - moves, c.moved ? 1u : 0u) << "the aircraft moved";
        send(KVRN_CMD_DESTROY);
    }
}
}  // namespace
