// The tyres of the jets that roll on wheel sizes of their own: one turn of a nose wheel brings
// the nose tyres back round, and the main tyres turn by the same distance over their own
// circumference.
#include <math.h>

#include <string>

#include "aircraft_fixture.h"

namespace {
struct TyreCase {
    const wchar_t* dll;
    float nose_turn, main_turn;  // model units per revolution
    int last_tyre;               // "tire003" up to this one are the main tyres
};

class JetTyres : public AircraftTest, public ::testing::WithParamInterface<TyreCase> {
protected:
    const wchar_t* plugin() override { return GetParam().dll; }
};

std::string param_name(const ::testing::TestParamInfo<TyreCase>& info) {
    std::wstring name = info.param.dll;
    return std::string(name.begin(), name.begin() + name.find(L'.'));
}

INSTANTIATE_TEST_SUITE_P(Types, JetTyres,
                         ::testing::Values(TyreCase{L"acplug02.dll", 4.6181417f, 5.152212f, 14},
                                           TyreCase{L"acplug04.dll", 3.5814157f, 4.9637165f, 10},
                                           TyreCase{L"acplug05.dll", 2.9992785f, 4.0526547f, 6},
                                           TyreCase{L"acplug09.dll", 2.4190264f, 3.4557521f, 6}),
                         param_name);

TEST_P(JetTyres, OneNoseWheelTurnRollsTheNoseTyresRound) {
    const TyreCase& c = GetParam();
    start(SLOT_TYRES, 0, 0, c.nose_turn);
    for (const wchar_t* name : {L"tire001", L"tire002"})
        EXPECT_NEAR(remainderf(rotation(name).x, 360.0f), 0.0f, 1e-3f) << narrow(name) << " back where it started";
    for (int t = 3; t <= c.last_tyre; ++t) {
        wchar_t name[16];
        swprintf(name, 16, L"tire%03d", t);
        EXPECT_NEAR(rotation(name).x, -c.nose_turn / c.main_turn * 360.0f, 1e-2f) << narrow(name);
    }
}
}  // namespace
