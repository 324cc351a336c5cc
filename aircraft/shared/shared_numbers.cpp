#include "shared_numbers.h"

#include "aircraft_type.h"

namespace {
const SharedNumbers no_shared_numbers = {};
}

const SharedNumbers& shared_numbers() {
    return aircraft_type && aircraft_type->shared ? *aircraft_type->shared : no_shared_numbers;
}
