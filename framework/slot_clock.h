// How start routines set a timed slot's clock going.
#pragma once

#include "action_slot.h"

// Runs the clock from 0 in the slot's current direction.
inline void start_clock(ActionSlot* slot) {
    slot->running = 1;
    slot->elapsed = 0;
}

// Two-state parts: a non-zero wish runs progress 0 to 1 (deploy, open, extend), zero runs it
// 1 to 0 (stow, close, retract).
inline void start_two_way(ActionSlot* slot, int32_t wish) {
    start_clock(slot);
    slot->direction = wish != 0 ? 1 : -1;
}
