// Main gear on the quarter-half-quarter schedule: the gear doors open over the first quarter of
// the run, the shafts unfold from their stowed angle while the wing doors open over the middle
// half, and the gear doors close again over the last quarter. Numbers: SharedNumbers main_door_open,
// main_wing_door_open and main_shaft_up (acplug02 80, 80, 85; acplug05 80, 80, 86; acplug12 90,
// 120, 91).
#pragma once

#include <stdint.h>

#include "action_slot.h"

// Angles at one moment of the run, and how far the shafts have unfolded (0 stowed, 1 down).
struct MainGearPose {
    float doors, wing_doors, shafts;
    float unfolded;
};

MainGearPose main_gear_pose(float p);

// Where a type's gear slot holds the layers that every such gear turns in the same way.
struct MainGearLayers {
    uint32_t shown[2];  // shown while the gear is out, in this order
    uint32_t door_plus, door_minus;
    uint32_t wing_door_plus, wing_door_minus;
    uint32_t shaft_plus, shaft_minus;
};

// Shows the two layers and turns the door, wing-door and shaft pairs about z (the first of each
// pair by +angle, the second by -angle); the type poses its other layers.
void pose_main_gear(KvrnContext context, const ActionSlot* slot, const MainGearLayers& layers,
                    const MainGearPose& pose);
