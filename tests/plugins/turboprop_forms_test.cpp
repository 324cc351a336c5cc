// The forms that the twin-turboprops acplug10, acplug13 and acplug16 share, read back from the stand-in
// engine as tables of (plug-in, slot, moment) -> layer values: propellers with four or six
// blades, the hinged door on slot 29, door 37, flaps, tyres and the one-lamp beacon.
#include <math.h>

#include <string>

#include "aircraft_fixture.h"

namespace {
const float PI = 3.14159265f;

struct Blade {
    const wchar_t* name;
    float x, y, roll;  // rotation (x × pitch, y × pitch, roll)
};
const Blade four_blades[] = {
    {L"Y_01e1low", 0, 1, 0}, {L"X_02e1low", 1, 0, 90}, {L"Y_03e1low", 0, -1, 180}, {L"X_04e1low", -1, 0, 270},
    {L"Y_01e2low", 0, 1, 0}, {L"X_02e2low", 1, 0, 90}, {L"Y_03e2low", 0, -1, 180}, {L"X_04e2low", -1, 0, 270},
};
const Blade six_blades[] = {
    {L"Y_01e1low", 0, 1, 0}, {L"Y_02e1low", 0, 1, 0}, {L"Y_03e1low", 0, 1, 0}, {L"Y_04e1low", 0, 1, 0},
    {L"Y_05e1low", 0, 1, 0}, {L"Y_06e1low", 0, 1, 0}, {L"Y_01e2low", 0, 1, 0}, {L"Y_02e2low", 0, 1, 0},
    {L"Y_03e2low", 0, 1, 0}, {L"Y_04e2low", 0, 1, 0}, {L"Y_05e2low", 0, 1, 0}, {L"Y_06e2low", 0, 1, 0},
};

// Angle b - a brought into (-180, 180].
float turned(float a, float b) { return remainderf(b - a, 360.0f); }

const wchar_t* const beacon_lamp[] = {L"atlightu", nullptr};
const float BEACON_BASE = 2.0f;

class TurbopropForms : public PluginFixture {
protected:
    // The plug-in's aircraft, created with a base scale on the beacon lamp.
    void fly(const wchar_t* dll) {
        load(dll, true, beacon_lamp);
        kvrn_host_set_base_scale(handle(L"atlightu"), BEACON_BASE);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
    // Both engines at `spool`, reached together.
    void spool_to(int32_t spool) {
        start(SLOT_ENGINES, spool, 1);
        tick(-1);
    }
    float spin(const wchar_t* name) { return layer(name).rotation.z; }
    // Flaps 100 a quarter of the way and at the end: every panel and arm alike.
    void expect_panel_flaps();
};

// Blade pitch, and the hub and the disc cross-fading, at chosen spool values.
TEST_F(TurbopropForms, PropellersAtChosenSpool) {
    struct Case {
        const wchar_t* dll;
        int32_t spool;
        float pitch;
        bool hub_shown;
        uint32_t hub_transparency;
        bool disc_shown;
        uint32_t disc_transparency;
    } cases[] = {
        {L"acplug10.dll", 0, 0, true, 0, false, 255},    {L"acplug13.dll", 0, 0, true, 0, false, 255},
        {L"acplug10.dll", 5, 15, true, 0, false, 255},   {L"acplug13.dll", 10, 30, true, 0, false, 255},
        {L"acplug10.dll", 25, 30, true, 0, false, 255},  {L"acplug13.dll", 26, 30, true, 5, true, 250},
        {L"acplug10.dll", 50, 30, true, 127, true, 128}, {L"acplug13.dll", 50, 30, true, 127, true, 128},
        {L"acplug10.dll", 99, 30, true, 254, true, 1},   {L"acplug13.dll", 99, 30, true, 254, true, 1},
        {L"acplug10.dll", 100, 30, false, 255, true, 0}, {L"acplug13.dll", 100, 30, false, 255, true, 0},
        {L"acplug16.dll", 0, 0, true, 0, false, 255},    {L"acplug16.dll", 5, 15, true, 0, false, 255},
        {L"acplug16.dll", 50, 30, true, 127, true, 128}, {L"acplug16.dll", 100, 30, false, 255, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << narrow(c.dll) << " at spool " << c.spool);
        fly(c.dll);
        spool_to(c.spool);
        for (const wchar_t* hub : {L"Z_e1low", L"Z_e2low"}) {
            EXPECT_EQ(layer(hub).visible != 0, c.hub_shown) << narrow(hub);
            EXPECT_EQ(layer(hub).transparency, c.hub_transparency) << narrow(hub);
        }
        for (const wchar_t* disc : {L"Z_e1high", L"Z_e2high"}) {
            EXPECT_EQ(layer(disc).visible != 0, c.disc_shown) << narrow(disc);
            EXPECT_EQ(layer(disc).transparency, c.disc_transparency) << narrow(disc);
        }
        bool six = std::wstring(c.dll) == L"acplug13.dll";
        const Blade* blades = six ? six_blades : four_blades;
        size_t count = six ? 12 : 8;
        for (size_t i = 0; i < count; ++i)
            expect_vec(layer(blades[i].name).rotation, {blades[i].x * c.pitch, blades[i].y * c.pitch, blades[i].roll},
                       narrow(blades[i].name), 1e-3f);
        EXPECT_EQ(handle(six ? L"X_02e1low" : L"Y_02e1low"), 0u) << "the other blade layout is never looked up";
        send(KVRN_CMD_DESTROY);
    }
}

// How far the hubs and the discs turn in a tick of 100 ms: the hubs at 3240 degrees a second
// at full power, the discs at 90 with the second engine's power once it is above 25; acplug16's
// the other way.
TEST_F(TurbopropForms, HubsSpinAndDiscsTurnWithPower) {
    struct Case {
        const wchar_t* dll;
        int32_t spool;
        float hub_turn, disc_turn;
    } cases[] = {
        {L"acplug10.dll", 20, 64.8f, 0},  {L"acplug13.dll", 50, 162, 4.5f},   {L"acplug10.dll", 99, 320.76f, 8.91f},
        {L"acplug13.dll", 100, 0, 9},  // at 100 only the discs turn
        {L"acplug16.dll", 20, -64.8f, 0}, {L"acplug16.dll", 50, -162, -4.5f}, {L"acplug16.dll", 100, 0, -9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << narrow(c.dll) << " at spool " << c.spool);
        fly(c.dll);
        spool_to(c.spool);
        float hubs[] = {spin(L"Z_e1low"), spin(L"Z_e2low")}, discs[] = {spin(L"Z_e1high"), spin(L"Z_e2high")};
        tick(100);
        EXPECT_NEAR(turned(hubs[0], spin(L"Z_e1low")), remainderf(c.hub_turn, 360), 1e-2f);
        EXPECT_NEAR(turned(hubs[1], spin(L"Z_e2low")), remainderf(c.hub_turn, 360), 1e-2f);
        EXPECT_NEAR(turned(discs[0], spin(L"Z_e1high")), c.disc_turn, 1e-3f);
        EXPECT_NEAR(turned(discs[1], spin(L"Z_e2high")), c.disc_turn, 1e-3f);
        EXPECT_TRUE(slot(SLOT_ENGINES)->running) << "propellers that are not at rest keep the slot running";
        send(KVRN_CMD_DESTROY);
    }
}

// Engines taken down one after the other: the second engine goes first, so that the first one's
// disc is still shown while the discs stand; at 0 the slot stops.
TEST_F(TurbopropForms, DiscsStandWhileTheSecondEngineIsLow) {
    for (const wchar_t* dll : {L"acplug10.dll", L"acplug13.dll", L"acplug16.dll"}) {
        SCOPED_TRACE(narrow(dll));
        fly(dll);
        spool_to(100);
        EXPECT_EQ(start(SLOT_ENGINES, 0, 0), 40000) << "each engine in turn, 20 s each";
        tick(16000);  // engine 2 at 20, engine 1 waiting at 100
        EXPECT_TRUE(layer(L"Z_e1high").visible);
        EXPECT_FALSE(layer(L"Z_e2high").visible);
        float discs[] = {spin(L"Z_e1high"), spin(L"Z_e2high")};
        tick(100);
        EXPECT_EQ(spin(L"Z_e1high"), discs[0]);
        EXPECT_EQ(spin(L"Z_e2high"), discs[1]);
        tick(30000);
        EXPECT_FALSE(slot(SLOT_ENGINES)->running) << "both engines at rest";
        EXPECT_TRUE(layer(L"Z_e1low").visible);
        EXPECT_FALSE(layer(L"Z_e1high").visible);
        send(KVRN_CMD_DESTROY);
    }
}

// The hinged door on slot 29 (a cosine ease to the type's angle) and door 37 "Z_door02"
// (linear to 90): rotation about z, and what their starts answer.
TEST_F(TurbopropForms, DoorsSwing) {
    const float eased_quarter = (1 - cosf(PI / 4)) / 2, eased_three_quarters = (1 - cosf(PI * 0.75f)) / 2;
    struct Case {
        const wchar_t* dll;
        int32_t slot, from, ival1, ms;
        const wchar_t* layer;
        float angle;
        int32_t answer;
    } cases[] = {
        {L"acplug10.dll", SLOT_SECOND_DOOR, -1, 1, 1500, L"Z_door01", -130 * eased_quarter, 0},
        {L"acplug10.dll", SLOT_SECOND_DOOR, -1, 1, 3000, L"Z_door01", -65, 0},
        {L"acplug10.dll", SLOT_SECOND_DOOR, -1, 1, -1, L"Z_door01", -130, 0},
        {L"acplug13.dll", SLOT_SECOND_DOOR, -1, 1, 3000, L"Z_door01", -72.5f, 0},
        {L"acplug13.dll", SLOT_SECOND_DOOR, -1, 1, -1, L"Z_door01", -145, 0},
        {L"acplug13.dll", SLOT_SECOND_DOOR, 1, 0, 1500, L"Z_door01", -145 * eased_three_quarters, 0},
        {L"acplug10.dll", SLOT_SECOND_DOOR, 1, 0, -1, L"Z_door01", 0, 0},
        {L"acplug10.dll", SLOT_DOOR, -1, 1, 3000, L"Z_door02", 45, 6000},
        {L"acplug13.dll", SLOT_DOOR, -1, 1, -1, L"Z_door02", 90, 6000},
        {L"acplug13.dll", SLOT_DOOR, 1, 0, 1500, L"Z_door02", 67.5f, 6000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << narrow(c.dll) << " slot " << c.slot << " at " << c.ms << " ms");
        fly(c.dll);
        EXPECT_EQ(layer(c.layer).rotation.z, 0.0f) << "closed after create";
        if (c.from >= 0) {
            start(c.slot, c.from);
            tick(-1);
        }
        EXPECT_EQ(start(c.slot, c.ival1), c.answer);
        if (c.ms != 0) tick(c.ms);
        expect_vec(layer(c.layer).rotation, {0, 0, c.angle}, narrow(c.layer), 1e-3f);
        send(KVRN_CMD_DESTROY);
    }
}

// Flaps of acplug10 and acplug13: every panel and arm moves back 0.2 and turns down 35 degrees
// at full setting. Tyres: the nose pair and the main four roll by their own wheel sizes.
TEST_F(TurbopropForms, FlapsAndTyres) {
    struct Case {
        const wchar_t* dll;
        float nose_turn, main_turn;  // model units a turn
        bool panel_flaps = true;     // the flaps of two panels a side and four arms
    } cases[] = {{L"acplug10.dll", 1.433823f, 2.4315927f},
                 {L"acplug13.dll", 1.5770795f, 2.674815f},
                 {L"acplug11.dll", 1.564042f, 2.4062402f, false},
                 {L"acplug16.dll", 2.617575f, 3.3052695f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(narrow(c.dll));
        fly(c.dll);
        if (c.panel_flaps) expect_panel_flaps();
        start(SLOT_TYRES, 0, 0, 1.0f);
        for (const wchar_t* nose : {L"tire001", L"tire002"})
            EXPECT_NEAR(layer(nose).rotation.x, -360.0f / c.nose_turn, 1e-2f) << narrow(nose);
        for (const wchar_t* main : {L"tire003", L"tire004", L"tire005", L"tire006"})
            EXPECT_NEAR(layer(main).rotation.x, -360.0f / c.main_turn, 1e-2f) << narrow(main);
        send(KVRN_CMD_DESTROY);
    }
}

void TurbopropForms::expect_panel_flaps() {
    const wchar_t* const flaps[] = {L"X_flap0101",   L"X_flap0201",   L"X_flap0301",   L"X_flap0401",
                                    L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04"};
    start(SLOT_FLAPS, 100);
    tick(2000);  // a quarter of the way: 8000 ms for a change of 100
    for (const wchar_t* flap : flaps) {
        expect_vec(layer(flap).translation, {0, 0, 0.05f}, narrow(flap) + " translation");
        expect_vec(layer(flap).rotation, {8.75f, 0, 0}, narrow(flap) + " rotation", 1e-3f);
    }
    EXPECT_FALSE(layer(L"mainwing01").visible);
    EXPECT_TRUE(layer(L"mainwing02").visible);
    tick(-1);
    expect_vec(layer(L"X_flaparm_04").rotation, {35, 0, 0}, "full flaps", 1e-3f);
    expect_vec(layer(L"X_flap0401").translation, {0, 0, 0.2f}, "full flaps");
    EXPECT_EQ(handle(L"X_flap0102"), 0u) << "one panel a flap";
}

// The beacon's one lamp, set to its glow at build, flashes from its base scale over the first
// tenth of its second; there is no lower lamp.
TEST_F(TurbopropForms, BeaconOfOneLamp) {
    struct Case {
        const wchar_t* dll;
        float glow;
    } cases[] = {{L"acplug10.dll", 1.0f}, {L"acplug13.dll", 1.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(narrow(c.dll));
        fly(c.dll);
        EXPECT_EQ(layer(L"atlightu").sprite_scale, c.glow) << "set at build";
        ActionSlot* beacon = slot(SLOT_BEACON);
        EXPECT_EQ(start(SLOT_BEACON, 1), -1);
        EXPECT_TRUE(layer(L"atlightu").visible);
        tick(50);
        EXPECT_NEAR(layer(L"atlightu").sprite_scale, BEACON_BASE, 1e-4f) << "the peak of the flash";
        tick(100);
        EXPECT_EQ(layer(L"atlightu").sprite_scale, 0.0f) << "dark after the first tenth";
        EXPECT_EQ(handle(L"atlightd"), 0u) << "no lower lamp";
        EXPECT_EQ(start(SLOT_BEACON, 0), -1);
        EXPECT_FALSE(layer(L"atlightu").visible);
        EXPECT_FALSE(beacon->running);
        send(KVRN_CMD_DESTROY);
    }
}
}  // namespace
