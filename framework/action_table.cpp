// Start, tick, time left, create and destroy of an object's action slots.
#include "action_slot.h"
#include "aircraft_type.h"
#include "slot_builder.h"

tagKVRNFILE* object_record(KvrnContext context, KvrnLayer layer) {
    return reinterpret_cast<tagKVRNFILE*>(KVRNL_MoveAction(context, layer, KVRN_CMD_RECORD, 0, 0, 0.0f, 0.0f));
}

ActionSlot* table_slot(const ActionTable* table, int32_t index) {
    if (!table || static_cast<uint32_t>(index) >= static_cast<uint32_t>(table->count)) return nullptr;
    return table->entries[index];
}

namespace {

void run_reset(KvrnContext context, KvrnLayer layer) {
    if (aircraft_type->reset) aircraft_type->reset(context, layer);
}
}  // namespace

int32_t start_action(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record) {
    if (record->command == KVRN_CMD_RESET) {
        run_reset(context, layer);
        return 0;
    }
    ActionSlot* slot = table_slot(record->actions, record->command);
    if (!slot || !slot->start) return 0;
    int32_t result = slot->start(context, layer, slot, record->ival1, record->ival2, record->fval1, record->fval2);
    if (slot->timed && slot->running && slot->update) {
        slot->elapsed = 0;
        slot->last_step = 0;
        slot->progress = slot->direction < 0 ? 1.0f : 0.0f;
        slot->update(context, layer, slot);
    }
    return result;
}

void tick_actions(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record, int32_t step) {
    ActionTable* table = record->actions;
    if (!table) return;
    for (int32_t index = 0; index < table->count; ++index) {
        ActionSlot* slot = table->entries[index];
        if (!slot || !slot->timed || !slot->running) continue;
        bool finished = false;
        if (step == -1) {
            slot->last_step = slot->elapsed = slot->duration;
            finished = !slot->looping;
        } else {
            // Summed wide, so that a huge step cannot overflow the clock.
            int64_t elapsed = static_cast<int64_t>(slot->elapsed) + step;
            slot->last_step = step;
            if (elapsed >= slot->duration) {
                if (slot->looping && slot->duration > 0) {
                    elapsed %= slot->duration;  // a long step skips whole cycles
                } else {
                    elapsed = slot->duration;
                    finished = true;
                }
            } else if (elapsed < INT32_MIN) {
                elapsed = INT32_MIN;
            }
            slot->elapsed = static_cast<int32_t>(elapsed);
        }
        slot->progress =
            slot->duration != 0 ? static_cast<float>(slot->elapsed) / static_cast<float>(slot->duration) : 0.0f;
        if (slot->direction < 0) slot->progress = 1.0f - slot->progress;
        if (slot->update) slot->update(context, layer, slot);
        if (finished) slot->running = 0;
    }
}

int32_t action_time_left(KvrnContext context, KvrnLayer layer, int32_t index) {
    tagKVRNFILE* record = object_record(context, layer);
    ActionSlot* slot = record ? table_slot(record->actions, index) : nullptr;
    if (!slot || !slot->timed || !slot->running) return 0;
    if (slot->looping) return -1;
    return slot->duration - slot->elapsed;
}

ActionSlot* get_action_slot(KvrnContext context, KvrnLayer layer, int32_t index) {
    tagKVRNFILE* record = object_record(context, layer);
    return record ? table_slot(record->actions, index) : nullptr;
}

int32_t post_action(KvrnContext context, KvrnLayer layer, int32_t command, KvrnInt ival1, KvrnInt ival2, float fval1,
                    float fval2) {
    tagKVRNFILE* record = object_record(context, layer);
    if (!record) return 0;
    record->command = command;
    record->ival1 = ival1;
    record->ival2 = ival2;
    record->fval1 = fval1;
    record->fval2 = fval2;
    return start_action(context, layer, record);
}

ActionSlot* create_action_slot(KvrnContext context, KvrnLayer layer, int32_t index, uint32_t bytes) {
    tagKVRNFILE* record = object_record(context, layer);
    if (!record || !record->actions || index < 0) return nullptr;
    ActionTable* table = record->actions;
    if (table->count < index + 1) {
        // Refused growth leaves the table as it was; the slot is then not built.
        void* grown =
            KVRN_ResizeMemory(context, table->entries, static_cast<uint32_t>(index + 1) * sizeof(ActionSlot*));
        if (!grown) return nullptr;
        table->entries = static_cast<ActionSlot**>(grown);
        table->count = index + 1;
    }
    // A slot built twice replaces the first record rather than leaking it.
    if (table->entries[index]) KVRN_FreeMemory(context, table->entries[index]);
    ActionSlot* slot = static_cast<ActionSlot*>(KVRN_AllocMemory(context, bytes));
    table->entries[index] = slot;
    return slot;
}

uint32_t create_actions(KvrnContext context, KvrnLayer layer, tagKVRNFILE* record) {
    // A second create replaces the table; the engine never sends one, but nothing may leak.
    if (record->actions) destroy_actions(context, layer, record);
    ActionTable* table = static_cast<ActionTable*>(KVRN_AllocMemory(context, sizeof(ActionTable)));
    if (!table) return 1;
    // The entry array starts empty; each slot's creation grows it to reach the slot.
    table->count = 0;
    table->entries = static_cast<ActionSlot**>(KVRN_AllocMemory(context, 0));
    record->actions = table;
    build_slot_table(context, layer, aircraft_type->part_slots);
    build_slot_table(context, layer, aircraft_type->sequence_slots);
    run_reset(context, layer);
    tick_actions(context, layer, record, -1);
    return 1;
}

uint32_t destroy_actions(KvrnContext context, KvrnLayer /*layer*/, tagKVRNFILE* record) {
    ActionTable* table = record->actions;
    if (!table) return 1;
    for (int32_t index = 0; index < table->count; ++index) {
        ActionSlot* slot = table->entries[index];
        if (slot && slot->timed) slot->running = 0;
    }
    if (ActionSlot* engine = table_slot(table, SLOT_ENGINES)) {
        if (engine->word3.p) KVRN_FreeMemory(context, engine->word3.p);
        engine->word3.p = nullptr;
    }
    for (int32_t index = 0; index < table->count; ++index)
        if (table->entries[index]) KVRN_FreeMemory(context, table->entries[index]);
    KVRN_FreeMemory(context, table->entries);
    KVRN_FreeMemory(context, table);
    record->actions = nullptr;
    return 1;
}
