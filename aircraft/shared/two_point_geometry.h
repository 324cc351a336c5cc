// The ground geometry answer of most types (slot 38, the framework's geometry_query): two
// points mirrored across the body's axis, (x, z) and (-x, z), each of the given size.
#pragma once

#include "ground_path.h"

constexpr GeometryRecord two_point_geometry(float size, float x, float z) {
    GeometryRecord g{};
    g.count = 2;
    g.size = size;
    g.px[0] = x;
    g.px[1] = -x;
    g.pz[0] = z;
    g.pz[1] = z;
    return g;
}
