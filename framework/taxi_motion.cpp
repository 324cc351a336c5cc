#include "taxi_motion.h"

#include <math.h>

#include "angles.h"

namespace {
float distance_xz(const KvrnVector& a, const KvrnVector& b) {
    float dx = b.x - a.x, dz = b.z - a.z;
    return sqrtf(dx * dx + dz * dz);
}

// Nose-wheel angle moved towards the target by at most the step's share of the steering rate.
float steer_towards(const PathState* state, float heading, float dt, const TaxiNumbers& numbers) {
    float wheel = (heading + state->steer) * RADIANS_PER_DEGREE;
    float tx = state->target.x - state->nose.x, tz = state->target.z - state->nose.z;
    normalize_vec2(&tx, &tz);
    float turn = signed_angle_deg(sinf(wheel), cosf(wheel), tx, tz);
    float limit = numbers.steer_limit;
    // A steering time of 0 turns the wheel to where it is wanted at once.
    float rate = numbers.steer_time > 0.0f ? limit / (numbers.steer_time / 1000.0f) * dt : limit * 2.0f;
    float steer = state->steer;
    if (turn > 0.0f) {
        steer += rate;
        if (steer > limit) steer = limit;
    } else if (turn < 0.0f) {
        steer -= rate;
        if (steer < -limit) steer = -limit;
    }
    return steer;
}
}  // namespace

float relative_angle(float angle) { return wrap_angle_360(angle + 180.0f) - 180.0f; }

void place_nose(PathState* state, float wheelbase) {
    float h = state->rotation.y * RADIANS_PER_DEGREE;
    state->nose.x = state->position.x + sinf(h) * wheelbase;
    state->nose.y = state->position.y;
    state->nose.z = state->position.z + cosf(h) * wheelbase;
}

int32_t taxi_drive(KvrnContext context, PathState* state, int32_t step_ms, float lookahead, const TaxiNumbers& numbers,
                   float* rolled) {
    *rolled = 0.0f;
    float dt = static_cast<float>(step_ms) / 1000.0f;
    float dist = distance_xz(state->nose, state->target);
    float v = (120.0f - fabsf(state->steer)) / 120.0f * state->speed;
    float length = v * dt;
    if (length >= dist) return 0;
    float reach = lookahead != 0.0f ? lookahead : numbers.lookahead_seconds * v;
    if (dist <= reach) return 0;

    float heading = state->rotation.y;
    state->steer = steer_towards(state, heading, dt, numbers);
    float wheel = (heading + state->steer) * RADIANS_PER_DEGREE;
    state->nose.x += sinf(wheel) * length;
    state->nose.z += cosf(wheel) * length;

    // The main gear follows the nose wheel, staying one wheelbase behind it.
    float bx = state->position.x - state->nose.x, bz = state->position.z - state->nose.z;
    float back = sqrtf(bx * bx + bz * bz);
    if (back > 0.0f) {
        state->position.x = state->nose.x + bx * numbers.wheelbase / back;
        state->position.z = state->nose.z + bz * numbers.wheelbase / back;
    }
    float fx = state->nose.x - state->position.x, fz = state->nose.z - state->position.z;
    normalize_vec2(&fx, &fz);
    state->rotation.y = wrap_angle_360(signed_angle_deg(0.0f, 1.0f, fx, fz));

    KvrnVector rotation = {state->rotation.x, state->rotation.y - 180.0f, state->rotation.z, 0.0f};
    KVRNL_MoveLayer(context, state->layer, &state->position, &rotation, nullptr, 0, 0);
    *rolled = length;
    return 1;
}
