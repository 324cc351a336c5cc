// The propeller form of the engine update (slot 28) of the twin-turboprops: the engines ramp as
// the framework's, each propeller's hub with its blades spins with power, its blades pitch to
// 30 degrees by power 10, its spinning disc fades in above power 25 on a sine ease and shows
// alone at power 100, and both discs turn with the second engine. Numbers:
// SharedNumbers::propeller.
#pragma once

#include "action_slot.h"
#include "commands.h"
#include "shared_numbers.h"
#include "slot_builder.h"

namespace propellers {
// Layers: "Z_e1low" (hub with blades), "Z_e1high" (disc), "Z_e2low", "Z_e2high", then the blades
// of engine 1 and those of engine 2. word3 = EngineSpool block (spool, hub spin angle), word7 =
// disc angle. Runs on ticks with a step; stops the slot once both engines rest at 0.
UpdateRoutine engine_spool_update;

// Four blades standing a quarter turn apart, each pitching about its own axis.
inline constexpr BladePose four_blade_poses[] = {{0, 1, 0}, {1, 0, 90}, {0, -1, 180}, {-1, 0, 270}};
inline constexpr PropellerNumbers four_blade_propellers = {4, four_blade_poses, 1.0f};
// Six blades that all pitch about y.
inline constexpr BladePose six_blade_poses[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
inline constexpr PropellerNumbers six_blade_propellers = {6, six_blade_poses, 1.0f};

inline constexpr const wchar_t* four_blade_layers[] = {
    L"Z_e1low",   L"Z_e1high",  L"Z_e2low",   L"Z_e2high",  L"Y_01e1low", L"X_02e1low", L"Y_03e1low",
    L"X_04e1low", L"Y_01e2low", L"X_02e2low", L"Y_03e2low", L"X_04e2low", nullptr};
inline constexpr const wchar_t* six_blade_layers[] = {
    L"Z_e1low",   L"Z_e1high",  L"Z_e2low",   L"Z_e2high",  L"Y_01e1low", L"Y_02e1low",
    L"Y_03e1low", L"Y_04e1low", L"Y_05e1low", L"Y_06e1low", L"Y_01e2low", L"Y_02e2low",
    L"Y_03e2low", L"Y_04e2low", L"Y_05e2low", L"Y_06e2low", nullptr};
// The reference engine row with four or six blades a propeller.
inline constexpr SlotEdit four_blade_edit = {SLOT_ENGINES, four_blade_layers, 0, nullptr, engine_spool_update};
inline constexpr SlotEdit six_blade_edit = {SLOT_ENGINES, six_blade_layers, 0, nullptr, engine_spool_update};
}  // namespace propellers
