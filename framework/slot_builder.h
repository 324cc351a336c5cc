// Slots are built from tables: one row per slot, read by one builder routine. An aircraft type
// builds the reference rows with its own changes (rows replaced or added, slots left out, other
// layer lists or durations), so that it lists only what differs.
#pragma once

#include <stddef.h>

#include "action_slot.h"

typedef SetupRoutine* SlotSetup;

// A constant table of rows or numbers, as the records of a type point to it.
template <typename T>
struct List {
    const T* items;
    size_t count;
};
template <typename T, size_t N>
constexpr List<T> list_of(const T (&items)[N]) {
    return {items, N};
}

enum : uint32_t {
    SLOT_IMMEDIATE = 0,
    TIMED_BY_LAYERS = 0xFFFFFFFFu,  // `timed` is the slot's layer count less one, at least 1
};
enum : uint32_t {
    OWN_ROOT_LAYER = 1,  // row flag: the slot's first layer is the object's root, then the named ones
    TYRE_LAYERS = 2,     // row flag: the layers are "tire001" on, as many as the type's tyres
};

// A constant that the builder stores in a slot word.
enum : uint32_t { WORD_UNSIGNED = 0, WORD_FLOAT = 1 };
struct SlotConstant {
    int32_t word;   // 1..8; 0 ends a list
    uint32_t kind;  // WORD_UNSIGNED or WORD_FLOAT
    float value;
};

// The base scale of one of the slot's layers (the float the engine points to for property 41),
// stored in a slot word after the type's scale presets are applied.
struct BaseScale {
    uint32_t layer;  // index into the slot's layers
    int32_t word;    // 1..8; 0 ends a list
};

struct SlotRow {
    int32_t slot;  // command number
    SlotStart start;
    SlotUpdate update;             // timed slots only
    uint32_t timed;                // SLOT_IMMEDIATE, TIMED_BY_LAYERS, or the value to store
    int32_t duration;              // ms of one run
    uint32_t looping;              // non-zero: the clock wraps
    SlotSetup setup;               // runs last; may be NULL
    const wchar_t* const* layers;  // NULL-terminated names looked up under the object; may be NULL
    uint32_t flags;                // OWN_ROOT_LAYER, TYRE_LAYERS
    const SlotConstant* words;     // constant slot words, ended by word 0; may be NULL
    const BaseScale* base_scales;  // ended by word 0; may be NULL
};

// A reference row built with other layers, another duration or other routines.
struct SlotEdit {
    int32_t slot;
    const wchar_t* const* layers;  // NULL: the row's own
    int32_t duration;              // 0: the row's own
    SlotStart start;               // NULL: the row's own
    SlotUpdate update;             // NULL: the row's own
};

// A glow scale that the builder sets on one of a slot's layers before reading base scales.
struct ScalePreset {
    int32_t slot;
    uint32_t layer;  // index into the slot's layers
    float scale;
};

// Where a type's added slot stands in its table: right after the base row of slot `after`
// (built or left out).
struct SlotPlace {
    int32_t slot;
    int32_t after;
};

// One builder's rows: the rows it starts from, and the type's changes to them.
struct SlotTable {
    const List<SlotRow>* base;  // NULL: none
    List<SlotRow> rows;         // replace the base row of the same slot, or add a slot
    List<int32_t> left_out;     // base slots not built
    List<SlotEdit> edits;
    List<SlotPlace> places;  // added slots built among the base rows; the others follow them
};

// Builds the table's rows in order: the base rows as the type changes them, each added row
// where its place puts it, then the added rows without a place. Each slot record is allocated,
// given its routines, clock and layers, then its presets, base scales, constant words and setup.
void build_slot_table(KvrnContext context, KvrnLayer object, const SlotTable& table);

// Builds one row as it stands.
void build_slot(KvrnContext context, KvrnLayer object, const SlotRow& row);

// How many layer handles the running type's row of `slot` gives it (the root layer and the
// tyres included); 0 for a slot the type does not build. Routines that walk a slot's layers
// take their number from here, so that they never read past the record.
uint32_t slot_layer_count(int32_t slot);

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
