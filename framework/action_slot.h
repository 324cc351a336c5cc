// The per-object table of numbered action slots and the operations on it.
#pragma once

#include "kvrn_engine.h"

struct ActionSlot;

// A slot word: an integer, a float or a pointer, as the slot's own routines define it.
union SlotWord {
    uint32_t u;
    int32_t i;
    float f;
    void* p;
};
static_assert(sizeof(SlotWord) == sizeof(void*), "a slot word holds a pointer");

// Start routine: returns the slot's duration in ms for a timed start, -1 for a looping one,
// 0 for an immediate one. Every start routine is declared with this type: `StartRoutine flap_start;`.
typedef int32_t StartRoutine(KvrnContext context, KvrnLayer object, ActionSlot* slot, KvrnInt ival1, KvrnInt ival2,
                             float fval1, float fval2);
// Update routine: turns the slot's progress into layer changes; may stop the slot.
typedef void UpdateRoutine(KvrnContext context, KvrnLayer object, ActionSlot* slot);
// Builder setup: fills what a slot row cannot hold as data; runs once when the slot is built.
typedef void SetupRoutine(KvrnContext context, KvrnLayer object, ActionSlot* slot);
typedef StartRoutine* SlotStart;
typedef UpdateRoutine* SlotUpdate;

// One action. An immediate record ends after `timed`; a timed record carries the clock
// and, after it, the handles of the layers it animates.
struct ActionSlot {
    SlotStart start;  // NULL: the slot does nothing
    SlotWord word1, word2, word3, word4, word5, word6, word7, word8;
    uint32_t timed;      // 0: immediate record; non-zero: clock and layers follow
    uint32_t running;    // non-zero while the clock runs
    uint32_t looping;    // non-zero: the clock wraps at `duration`
    int32_t elapsed;     // ms into the current run
    int32_t duration;    // ms of one run; always positive for a looping slot
    int32_t last_step;   // ms of the last tick; the whole duration after a jump to the end
    int32_t direction;   // negative: progress runs from 1 down to 0
    float progress;      // 0..1, already reversed for a negative direction
    SlotUpdate update;   // may be NULL
    KvrnLayer layers[];  // as many as the builder looked up (room for one at least)
};
#if UINTPTR_MAX == UINT32_MAX
static_assert(offsetof(ActionSlot, word1) == 4 && offsetof(ActionSlot, word8) == 32, "eight words in a row");
static_assert(offsetof(ActionSlot, timed) == 36, "timed after the words");
static_assert(offsetof(ActionSlot, running) == 40, "an immediate record is 40 bytes");
static_assert(offsetof(ActionSlot, progress) == 64, "clock fields in order");
static_assert(offsetof(ActionSlot, update) == 68, "update after the clock");
static_assert(offsetof(ActionSlot, layers) == 72, "layers last");
#endif

constexpr uint32_t IMMEDIATE_SLOT_BYTES = offsetof(ActionSlot, running);
constexpr uint32_t TIMED_SLOT_HEADER_BYTES = offsetof(ActionSlot, layers);

// Word n (1..8) of a slot, for code that fills words from a table.
inline SlotWord* slot_word(ActionSlot* slot, int n) { return &slot->word1 + (n - 1); }

struct ActionTable {
    int32_t count;         // entries; loops compare signed, command numbers unsigned
    ActionSlot** entries;  // indexed by command number; unfilled entries are NULL
};

int32_t start_action(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record);
void tick_actions(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record, int32_t step);
int32_t action_time_left(KvrnContext context, KvrnLayer layer, int32_t index);
uint32_t create_actions(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record);
uint32_t destroy_actions(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record);
ActionSlot* get_action_slot(KvrnContext context, KvrnLayer layer, int32_t index);
// Entry `index` of a table, or NULL when the table is NULL or `index` (unsigned) is not below its count.
ActionSlot* table_slot(const ActionTable* table, int32_t index);
int32_t post_action(KvrnContext context, KvrnLayer layer, int32_t command, KvrnInt ival1, KvrnInt ival2, float fval1,
                    float fval2);

// The object's own record, fetched through the engine (command -4).
tagKVRNFILE* object_record(KvrnContext context, KvrnLayer layer);

// Creates slot `index` with room for `bytes`, growing the table first; the record is zero-filled.
ActionSlot* create_action_slot(KvrnContext context, KvrnLayer layer, int32_t index, uint32_t bytes);
