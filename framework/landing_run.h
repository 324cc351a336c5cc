// The scripted landing run (slot 42): landing configuration at once, then a glide path and
// flare down to the touchdown point, the flare, touchdown and roll-out sequences at fixed
// distances, braking to a standstill, and "Slip" told at touchdown.
#pragma once

#include "action_slot.h"

// Slot 42's words: word1 = flag handed to the sequences as their ival1; word2 = the layer
// moved; word3 = last sequence posted (0, 10, 11, 12 or 13); word4 = 1 once "Slip" was told;
// word5 = distance to the touchdown point (float, negative past it); word6 = speed in km/h
// (float); word7 = sway clock in ms (float, 0 to 20000; kept from the last run where the type
// says so, TypeNumbers::landing_keeps_sway).

// ival1 = sequence flag, ival2 = layer to move, fval1 = start distance. Returns -1.
StartRoutine landing_demo_start;
UpdateRoutine landing_demo_update;
