// The pushback route of acplug02 and acplug16: from the framework's start heading, a side leg
// of 81.7999 (not 81.8: the route as these types have always driven it), then straight out
// along z 0 instead of the framework's offset end.
#pragma once

#include "ground_path.h"

inline constexpr float short_pushback_waypoints[PUSHBACK_WAYPOINTS][2] = {
    {100, 81.7999f}, {0, 81.7999f}, {0, 0}, {-100, 0}, {-200, 0}};

constexpr void drive_short_pushback_route(GroundPath& ground) {
    for (int i = 0; i < PUSHBACK_WAYPOINTS; ++i) {
        ground.waypoints[i][0] = short_pushback_waypoints[i][0];
        ground.waypoints[i][1] = short_pushback_waypoints[i][1];
    }
}
