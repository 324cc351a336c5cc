// The taxi step with the short look-ahead (slot 40): the framework's taxi step, except that with
// no look-ahead given (fval1 0) the target counts as reached one second of travel out at the
// effective speed, not two. Each type that runs it gives its own slot-40 numbers:
//
//   type      wheelbase  steering limit  steering time
//   acplug12  5.5        60              2000
//   acplug13  14.8541    70              2500
//   acplug14  11.2       60              3000
//   acplug15  4.0544     80              2000
#pragma once

#include "ground_path.h"

constexpr float SHORT_LOOKAHEAD_SECONDS = 1.0f;

constexpr TaxiNumbers short_lookahead_taxi(float wheelbase, float steer_limit, float steer_time) {
    return {wheelbase, steer_limit, steer_time, SHORT_LOOKAHEAD_SECONDS};
}
