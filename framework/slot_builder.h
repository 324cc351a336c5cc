// Slots are built from tables: one row per slot, read by one builder routine.
#pragma once

#include <stddef.h>

#include "action_slot.h"

// Fills what a row cannot hold as constants (base scales, links to other slots, blocks of
// its own); runs after the slot's layers are looked up.
typedef void (*SlotSetup)(KvrnContext context, KvrnLayer object, ActionSlot* slot);

enum : uint32_t { SLOT_IMMEDIATE = 0 };
enum : uint32_t { OWN_ROOT_LAYER = 1 };  // row flag: the slot's one layer is the object's root

struct SlotRow {
    int32_t slot;                   // command number
    SlotStart start;
    SlotUpdate update;              // timed slots only
    uint32_t timed;                 // SLOT_IMMEDIATE, or non-zero for a timed record
    int32_t duration;               // ms of one run
    uint32_t looping;               // non-zero: the clock wraps
    SlotSetup setup;                // may be NULL
    const wchar_t* const* layers;   // NULL-terminated names looked up under the object; may be NULL
    uint32_t flags;                 // OWN_ROOT_LAYER
};

// Builds every row in order: grows the table, allocates the record, sets routines, clock
// and layers, then runs the row's setup.
void build_slots(KvrnContext context, KvrnLayer object, const SlotRow* rows, size_t count);

template <size_t N>
void build_slots(KvrnContext context, KvrnLayer object, const SlotRow (&rows)[N]) {
    build_slots(context, object, rows, N);
}

// Base scale of a layer: the float that the engine points to for property 41 (0 when none).
float layer_base_scale(KvrnContext context, KvrnLayer layer);

// Layer names formed from a format with one number ("tire%03d"), kept for a row's `layers`.
enum { FORMED_NAME_MAX = 32, FORMED_NAME_CHARS = 32 };
struct FormedNames {
    wchar_t text[FORMED_NAME_MAX][FORMED_NAME_CHARS];
    const wchar_t* list[FORMED_NAME_MAX + 1];  // NULL-terminated, what a SlotRow points to
};

// Forms `count` names from `first` on (at most FORMED_NAME_MAX); returns the list.
const wchar_t* const* form_layer_names(FormedNames* names, const wchar_t* format, int first, uint32_t count);

// Setup helper: the base scale of layer `index` of the slot into word `word` (1..8).
void store_base_scale(KvrnContext context, ActionSlot* slot, uint32_t index, int word);
