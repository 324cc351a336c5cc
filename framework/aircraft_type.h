// What an aircraft type plugs into the framework. Every plug-in defines `aircraft_type`;
// the framework's create, reset and light update run the type's routines through it.
#pragma once

#include "kvrn_engine.h"

typedef void (*ObjectRoutine)(KvrnContext context, KvrnLayer object);

struct AircraftType {
    ObjectRoutine build_part_slots;      // moving parts, lights, ground movement
    ObjectRoutine build_sequence_slots;  // flight-phase sequences and light parameters
    ObjectRoutine reset;                 // command 0: the parked state
    ObjectRoutine light_update;          // command -6: the engine dynamic light
};

extern const AircraftType* const aircraft_type;

enum { ENGINE_SLOT = 28 };  // its word3 holds the engine spool block, freed on destroy
