// The frame cost of acplug03 aircraft in the stand-in engine, and of the bare engine calls
// that the same frames make, replayed without the plug-in.
#pragma once
#include <stdint.h>

struct FrameCost {
    uint32_t aircraft;
    uint32_t frames;              // frames timed, each of every aircraft
    double plugin_ns;             // per aircraft-frame, plug-in and engine (median of the scenes)
    double engine_calls;          // engine calls per aircraft-frame
    double bare_ns;               // per aircraft-frame, the same engine calls alone (median of the replays)
    uint32_t calls_not_replayed;  // calls that would re-enter a plug-in (none expected)
};

// Builds scenes of `aircraft` acplug03 objects with engines, beacon, strobes, tyres, lights and
// taxi running and times their frames (tick 16 ms, light update, taxi step of 16 ms) until at
// least `aircraft_frames` were timed, then logs some more frames and replays their engine calls
// alone. 0 when the plug-in does not load.
int measure_frame_cost(uint32_t aircraft, uint32_t aircraft_frames, FrameCost* out);
