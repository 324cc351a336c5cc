// The taxi step of a nose-wheel-steered vehicle on its own (a bicycle model: the nose wheel
// steers, the main gear follows at the wheelbase). The aircraft's slot 40 and the tow
// vehicle's command 40 both move a PathState with it.
#pragma once

#include "ground_path.h"

// Places `nose` the wheelbase ahead of `position` along the heading.
void place_nose(PathState* state, float wheelbase);

// One step of `step_ms` (> 0) towards `target`, with `nose` already placed. Returns 0 when the
// target counts as reached (within the step or the look-ahead; nothing moves), else steers,
// rolls the nose wheel forward, drags the main gear after it, moves `layer` and returns 1.
// `lookahead` 0 asks for the default. `rolled` receives the distance travelled.
int32_t taxi_drive(KvrnContext context, PathState* state, int32_t step_ms, float lookahead, const TaxiNumbers& numbers,
                   float* rolled);

// A steering angle relative to the heading, brought into [-180, 180).
float relative_angle(float angle);
