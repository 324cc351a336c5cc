#include "slot_builder.h"

#include <wchar.h>

namespace {
uint32_t layer_count(const SlotRow& row) {
    if (row.flags & OWN_ROOT_LAYER) return 1;
    uint32_t n = 0;
    for (const wchar_t* const* name = row.layers; name && *name; ++name) ++n;
    return n;
}
}  // namespace

void build_slots(KvrnContext context, KvrnLayer object, const SlotRow* rows, size_t count) {
    for (size_t r = 0; r < count; ++r) {
        const SlotRow& row = rows[r];
        uint32_t layers = layer_count(row);
        // Room for at least `timed` + 1 handles: routines that count their layers from `timed`
        // then read a zero handle, never past the record, when a slot has a single layer.
        uint32_t room = layers > row.timed + 1 ? layers : row.timed + 1;
        uint32_t bytes = row.timed ? TIMED_SLOT_HEADER_BYTES + room * sizeof(KvrnLayer) : IMMEDIATE_SLOT_BYTES;
        ActionSlot* slot = create_action_slot(context, object, row.slot, bytes);
        if (!slot) continue;
        slot->start = row.start;
        slot->timed = row.timed;
        if (row.timed) {
            slot->update = row.update;
            slot->duration = row.duration;
            slot->looping = row.looping;
            if (row.flags & OWN_ROOT_LAYER) {
                slot->layers[0] = object;
            } else {
                for (uint32_t i = 0; i < layers; ++i)
                    slot->layers[i] = KVRNL_SearchLayer(context, object, row.layers[i]);
            }
        }
        if (row.setup) row.setup(context, object, slot);
    }
}

float layer_base_scale(KvrnContext context, KvrnLayer layer) {
    const float* base = reinterpret_cast<const float*>(
        KVRNL_EXT_Function(context, layer, KVRN_PROP_SCALE, nullptr, 0, 0, 0, 0, 0));
    return base ? *base : 0.0f;
}

const wchar_t* const* form_layer_names(FormedNames* names, const wchar_t* format, int first, uint32_t count) {
    if (count > FORMED_NAME_MAX) count = FORMED_NAME_MAX;
    for (uint32_t i = 0; i < count; ++i) {
        swprintf(names->text[i], FORMED_NAME_CHARS, format, first + static_cast<int>(i));
        names->text[i][FORMED_NAME_CHARS - 1] = L'\0';
        names->list[i] = names->text[i];
    }
    names->list[count] = nullptr;
    return names->list;
}

void store_base_scale(KvrnContext context, ActionSlot* slot, uint32_t index, int word) {
    slot_word(slot, word)->f = layer_base_scale(context, slot->layers[index]);
}
