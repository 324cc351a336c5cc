// Angle helpers of the ground plane: headings in degrees, where heading h points along
// (sin h, cos h) in (x, z).
#pragma once

// An angle brought into [0, 360) by adding or subtracting whole turns.
float wrap_angle_360(float angle);

// Divides the 2-vector (x, z) by its length; a zero vector stays zero.
void normalize_vec2(float* x, float* z);

// Angle in degrees from unit vector u to unit vector v (both (x, z)); positive when v lies on
// the side of increasing heading from u: from (0, 1) to (1, 0) is +90.
float signed_angle_deg(float ux, float uz, float vx, float vz);

const float DEGREES_PER_RADIAN = 57.29577951f;
const float RADIANS_PER_DEGREE = 0.01745329252f;
