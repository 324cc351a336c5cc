#include "angles.h"

#include <math.h>

float wrap_angle_360(float angle) {
    if (!isfinite(angle)) return 0.0f;
    // Far out, whole turns are below the float's resolution and adding them would never end.
    if (fabsf(angle) >= 64.0f * 360.0f) angle = fmodf(angle, 360.0f);
    while (angle < 0.0f) angle += 360.0f;
    while (angle >= 360.0f) angle -= 360.0f;
    return angle;
}

void normalize_vec2(float* x, float* z) {
    float length = sqrtf(*x * *x + *z * *z);
    if (length <= 0.0f) {
        *x = *z = 0.0f;
        return;
    }
    *x /= length;
    *z /= length;
}

float signed_angle_deg(float ux, float uz, float vx, float vz) {
    float dot = ux * vx + uz * vz;
    if (dot > 1.0f) dot = 1.0f;
    if (dot < -1.0f) dot = -1.0f;
    float angle = acosf(dot) * DEGREES_PER_RADIAN;
    // Turning from u towards increasing heading is clockwise seen from above: (0,1) -> (1,0).
    float cross = uz * vx - ux * vz;
    return cross > 0.0f ? angle : -angle;
}
