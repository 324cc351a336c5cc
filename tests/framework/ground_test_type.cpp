#include "ground_test_type.h"

#include "landing_run.h"
#include "slot_builder.h"

std::vector<WheelCall> nose_calls;
std::vector<WheelCall> tyre_calls;

namespace {
int32_t record_nose(KvrnContext, KvrnLayer, ActionSlot*, KvrnInt ival1, KvrnInt, float fval1, float) {
    nose_calls.push_back({ival1, fval1});
    return 0;
}

int32_t record_tyres(KvrnContext, KvrnLayer, ActionSlot*, KvrnInt ival1, KvrnInt, float fval1, float) {
    tyre_calls.push_back({ival1, fval1});
    return 0;
}

const SlotRow ground_rows[] = {
    {25, record_nose, nullptr, 1, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {26, record_tyres, nullptr, 1, 1000, 1, nullptr, nullptr, 0, nullptr, nullptr},
    {38, geometry_query, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {40, taxi_step, nullptr, 1, 0, 0, taxi_slot_setup, nullptr, 0, nullptr, nullptr},
    {41, pushback_start, pushback_update, 1, 1000, 1, pushback_slot_setup, nullptr, 0, nullptr, nullptr},
    {42, landing_demo_start, landing_demo_update, 1, 1000, 1, nullptr, nullptr, 0, nullptr, nullptr},
};
const List<SlotRow> ground_row_list = list_of(ground_rows);
}  // namespace

// The reference ground numbers carry the test's wheelbase.
AircraftType ground_test_type = [] {
    AircraftType type{};
    type.part_slots.base = &ground_row_list;
    type.ground = &reference_ground_path;
    return type;
}();

extern const AircraftType* const aircraft_type = &ground_test_type;
