// One aircraft plug-in (the reference aircraft, acplug03.dll, unless a test names another)
// created in a lenient scene, with helpers that drive its slots and read back layers and posts.
#pragma once

#include <math.h>

#include <string>
#include <vector>

#include "plugin_fixture.h"

struct Vec3 {
    float x, y, z;
};

inline void expect_vec(const KvrnVector& actual, Vec3 expected, const std::string& what, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what << " x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what << " y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what << " z";
}

// A layer of the linear flap form: translation z and rotation x at a flap setting of 100.
struct FlapCase {
    const wchar_t* name;
    float slide, angle;
};

inline std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) out += static_cast<char>(*text);
    return out;
}

class AircraftTest : public PluginFixture {
protected:
    virtual const wchar_t* plugin() { return L"acplug03.dll"; }
    // Layers that exist before create, for tests that give them positions or base scales.
    virtual const wchar_t* const* model_layers() { return nullptr; }

    void SetUp() override {
        load(plugin(), true, model_layers());
        before_create();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
    virtual void before_create() {}

    KvrnVector rotation(const wchar_t* name) { return layer(name).rotation; }
    KvrnVector translation(const wchar_t* name) { return layer(name).translation; }
    bool visible(const wchar_t* name) { return layer(name).visible != 0; }
    void expect_z(const wchar_t* name, float angle) { expect_vec(rotation(name), {0, 0, angle}, narrow(name), 2e-3f); }
    void expect_x(const wchar_t* name, float angle) { expect_vec(rotation(name), {angle, 0, 0}, narrow(name), 2e-3f); }
    float pitch() { return root_layer().rotation.x; }

    // Starts a slot and runs it `ms` into its run (-1: to its end, 0: only the start).
    int32_t run(int32_t slot_number, int32_t ival1, int32_t ms, int32_t ival2 = 0, float fval1 = 0, float fval2 = 0) {
        int32_t result = start(slot_number, ival1, ival2, fval1, fval2);
        if (ms != 0) tick(ms);  // -1: to the end
        return result;
    }
    void finish() { tick(-1); }
    // A flap or slat setting f (0..1) reached from 0 at its slot's `full_ms` per 100, or part-way there.
    void setting_at(int32_t slot_number, int32_t full_ms, float f) {
        run(slot_number, 0, -1);
        run(slot_number, 100, static_cast<int32_t>(f * full_ms + 0.5f));
    }
    // A two-way slot of `full_ms` at progress p, moving from `from` (0 or 1) towards the other end.
    void progress_at(int32_t slot_number, int32_t full_ms, int32_t from, float p) {
        run(slot_number, from, -1);
        float part = from == 0 ? p : 1.0f - p;
        run(slot_number, from == 0 ? 1 : 0, static_cast<int32_t>(part * full_ms + 0.5f));
    }
    // The gear (slot 27) of `full_ms` at progress p: extending from up (from 0) or retracting
    // from down (from 1).
    void gear_at(float p, int32_t from = 0, int32_t full_ms = 12000) { progress_at(SLOT_GEAR, full_ms, from, p); }
    // The flaps (slot 23, 8000 ms per 100) at half and full setting: each layer slid and turned
    // in proportion, "mainwing02" shown in place of "mainwing01" while they are out.
    template <size_t N>
    void expect_flaps_at_half_and_full(const FlapCase (&cases)[N]) {
        for (float f : {0.5f, 1.0f}) {
            setting_at(SLOT_FLAPS, 8000, f);
            for (const FlapCase& c : cases) {
                std::string what = narrow(c.name) + " at f " + std::to_string(f);
                expect_vec(translation(c.name), {0, 0, c.slide * f}, what + " translation");
                expect_vec(rotation(c.name), {c.angle * f, 0, 0}, what + " rotation", 1e-3f);
            }
            EXPECT_FALSE(visible(L"mainwing01"));
            EXPECT_TRUE(visible(L"mainwing02"));
        }
    }
    int32_t time_left(int32_t slot_number) { return static_cast<int32_t>(send(KVRN_CMD_TIME_LEFT, slot_number)); }

    // A flight's first phases: light parameters, navigation lights and beacon on, engines up,
    // departure set-up, landing lights, rotation.
    void take_off() {
        run(SLOT_LIGHT_PARAMS, 1, 0, 1);
        run(SEQ_NAV_LIGHTS_ON, 1, 0);
        run(SEQ_BEACON_ON, 0, 500);
        run(SLOT_ENGINES, 100, -1, 1);
        run(SEQ_DEPARTURE, 1, -1);
        run(SEQ_LANDING_LIGHTS_ON, 1, -1);
        run(SEQ_ROTATE, 0, -1);
    }
    // A flight's last phases at the stand: after landing, beacon and navigation lights off,
    // engines to 0.
    void shut_down() {
        run(SEQ_AFTER_LANDING, 1, -1);
        run(SEQ_BEACON_OFF, 0, 0);
        run(SEQ_NAV_LIGHTS_OFF, 0, 0);
        run(SLOT_ENGINES, 0, -1, 1);
    }
    // The steep flare (level down to a height of 10, then up to 6 at the ground) and the
    // touchdown that lowers the nose from 6, seen halfway and at its end.
    void expect_steep_flare_and_touchdown() {
        struct Flare {
            float height, pitch;
        } flare[] = {{20, 0}, {10, 0}, {5, 3}, {0, 6}};
        for (const Flare& f : flare) {
            run(SEQ_FLARE, 0, 0, 0, 0, f.height);
            EXPECT_NEAR(pitch(), f.pitch, 1e-4f) << "flare at height " << f.height;
        }
        run(SEQ_TOUCHDOWN, 1, 1500);
        EXPECT_NEAR(pitch(), 3, 1e-3f) << "touchdown lowers the nose from 6";
        finish();
        EXPECT_NEAR(pitch(), 0, 1e-4f);
    }
};

// The reference aircraft.
using ReferenceTest = AircraftTest;
