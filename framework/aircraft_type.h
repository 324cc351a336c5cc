// What an aircraft type plugs into the framework. Every plug-in defines `aircraft_type`; the
// framework's create, reset, light update and ground movement read the type through it.
//
// A type is data: its slot tables as changes to the reference rows, its reset posts, its scale
// presets and its numbers. A type starts from a copy of `reference_type` and assigns only what
// differs, so that a field added to a record keeps every type's values.
// Routines of a type's own, and its variants of framework routines, live in the type's folder
// inside `namespace acplugNN`, so that a variant keeps the framework routine's name without
// clashing with it; forms that several types run live once in aircraft/shared/.
#pragma once

#include "kvrn_engine.h"
#include "slot_builder.h"

typedef void (*ObjectRoutine)(KvrnContext context, KvrnLayer object);

struct GroundPath;     // taxi numbers, pushback route, ground geometry, tow vehicle (ground_path.h)
struct TypeNumbers;    // numbers of the shared routines (type_numbers.h)
struct ResetPlan;      // posts of the reset (sequences.h)
struct SharedNumbers;  // numbers of the forms in aircraft/shared/, defined there

struct AircraftType {
    SlotTable part_slots;             // moving parts, lights, ground movement; built first
    SlotTable sequence_slots;         // flight-phase sequences and light parameters
    const ResetPlan* reset_plan;      // what the framework's reset posts; NULL: the reference posts
    List<ScalePreset> scale_presets;  // glow scales set at build, before base scales are read
    const TypeNumbers* numbers;       // NULL: the reference type's numbers
    const GroundPath* ground;         // NULL: the reference type's ground numbers
    const SharedNumbers* shared;      // for the aircraft/shared/ forms the type runs; NULL: none
    ObjectRoutine reset;              // command 0: the framework's reset_actions or the type's own
    ObjectRoutine light_update;       // command -6: the framework's light_update or the type's own
};

extern const AircraftType* const aircraft_type;
