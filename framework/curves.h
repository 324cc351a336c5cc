// The angle constants of the moving parts' trigonometry and the curve that eases a travel in and
// out.
#pragma once

#include <math.h>

const float PI = 3.14159265359f;
const float HALF_PI = 1.57079632679f;

// 0 at x = 0, 1 at x = 1, half-way at 0.5 and slow at both ends: (1 - cos(180° × x)) / 2.
inline float cosine_ease(float x) { return (1.0f - cosf(x * PI)) / 2.0f; }
