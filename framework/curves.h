// The angle constants of the moving parts' trigonometry and the curves along which a part
// travels from 0 to 1 as its progress runs from 0 to 1.
#pragma once

#include <math.h>

const float PI = 3.14159265359f;
const float HALF_PI = 1.57079632679f;

typedef float (*Curve)(float x);

// At the pace of the progress.
inline float straight(float x) { return x; }

// Half-way at 0.5 and slow at both ends: (1 - cos(180° × x)) / 2.
inline float cosine_ease(float x) { return (1.0f - cosf(x * PI)) / 2.0f; }

// Fast at the start and slowing to a stop: sin(90° × x).
inline float sine_ease_out(float x) { return sinf(x * HALF_PI); }
