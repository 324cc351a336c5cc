// What an aircraft type plugs into the framework. Every plug-in defines `aircraft_type`;
// the framework's create, reset, light update and ground movement read the type through it.
#pragma once

#include "kvrn_engine.h"

typedef void (*ObjectRoutine)(KvrnContext context, KvrnLayer object);

struct GroundPath;   // pushback route, ground geometry and tow vehicle names (ground_path.h)
struct TypeNumbers;  // numbers of the shared routines (type_numbers.h)

struct AircraftType {
    ObjectRoutine build_part_slots;      // moving parts, lights, ground movement
    ObjectRoutine build_sequence_slots;  // flight-phase sequences and light parameters
    ObjectRoutine reset;                 // command 0: the parked state
    ObjectRoutine light_update;          // command -6: the engine dynamic light
    float wheelbase;                     // taxi: main gear to nose wheel, model units
    const GroundPath* ground;
    const TypeNumbers* numbers;          // NULL: the reference type's numbers
};

extern const AircraftType* const aircraft_type;

enum { ENGINE_SLOT = 28 };  // its word3 holds the engine spool block, freed on destroy
