// An aircraft type for the ground-movement and landing tests: the framework's slots 38, 40, 41
// and 42, with slots 25 and 26 that only record how the taxi step called them. The framework
// is linked into the test program; its entry point drives the object.
#pragma once

#include <vector>

#include "aircraft_type.h"
#include "ground_path.h"

extern "C" uint32_t __stdcall KVRNACTIONINTERFACE(uint32_t context, uint32_t layer, tagKVRNFILE* record);

const float TEST_WHEELBASE = 12.296f;

// One call of slot 25 (nose steering) or 26 (tyres): the first integer and the first float.
struct WheelCall {
    KvrnInt ival1;
    float fval1;
};
extern std::vector<WheelCall> nose_calls;  // fval1 = steering angle
extern std::vector<WheelCall> tyre_calls;  // fval1 = distance rolled

// The type under test; a test may point `ground` at other numbers.
extern AircraftType ground_test_type;
