#include "slot_builder.h"

#include <wchar.h>

#include "aircraft_type.h"
#include "layer_ops.h"
#include "type_numbers.h"

namespace {
FormedNames tyre_names;  // "tire001" on, formed for the running type when a tyre row is built

const wchar_t* const* row_layers(const SlotRow& row) {
    if (row.flags & TYRE_LAYERS) return form_layer_names(&tyre_names, L"tire%03d", 1, type_numbers().tyres);
    return row.layers;
}

// The layers a row gives its slot: the root layer where flagged, then every name or tyre.
uint32_t row_layer_count(const SlotRow& row) {
    uint32_t n = (row.flags & OWN_ROOT_LAYER) ? 1 : 0;
    if (row.flags & TYRE_LAYERS) {
        uint32_t tyres = type_numbers().tyres;
        return n + (tyres < FORMED_NAME_MAX ? tyres : static_cast<uint32_t>(FORMED_NAME_MAX));
    }
    for (const wchar_t* const* name = row.layers; name && *name; ++name) ++n;
    return n;
}

void apply_scale_presets(KvrnContext context, const SlotRow& row, ActionSlot* slot, uint32_t layers) {
    if (!aircraft_type) return;
    const List<ScalePreset>& presets = aircraft_type->scale_presets;
    for (size_t i = 0; i < presets.count; ++i) {
        const ScalePreset& preset = presets.items[i];
        if (preset.slot == row.slot && preset.layer < layers)
            set_glow_scale(context, slot->layers[preset.layer], preset.scale);
    }
}

void store_base_scales(KvrnContext context, const SlotRow& row, ActionSlot* slot, uint32_t layers) {
    for (const BaseScale* scale = row.base_scales; scale && scale->word != 0; ++scale) {
        if (scale->word > 8) continue;
        float base = scale->layer < layers ? layer_base_scale(context, slot->layers[scale->layer]) : 0.0f;
        slot_word(slot, scale->word)->f = base;
    }
}

void store_constants(const SlotRow& row, ActionSlot* slot) {
    for (const SlotConstant* constant = row.words; constant && constant->word != 0; ++constant) {
        if (constant->word > 8) continue;
        SlotWord* word = slot_word(slot, constant->word);
        if (constant->kind == WORD_FLOAT)
            word->f = constant->value;
        else
            word->u = static_cast<uint32_t>(constant->value);
    }
}

template <typename T>
const T* find_slot(const List<T>& list, int32_t slot) {
    for (size_t i = 0; i < list.count; ++i)
        if (list.items[i].slot == slot) return &list.items[i];
    return nullptr;
}

bool is_left_out(const List<int32_t>& left_out, int32_t slot) {
    for (size_t i = 0; i < left_out.count; ++i)
        if (left_out.items[i] == slot) return true;
    return false;
}
}  // namespace

void build_slot(KvrnContext context, KvrnLayer object, const SlotRow& row) {
    const wchar_t* const* names = row_layers(row);
    uint32_t layers = row_layer_count(row);
    uint32_t timed = row.timed;
    if (timed == TIMED_BY_LAYERS) timed = layers > 1 ? layers - 1 : 1;
    // A timed record has room for its layers, and for one handle where it has none.
    uint32_t room = layers > 0 ? layers : 1;
    uint32_t bytes = timed ? TIMED_SLOT_HEADER_BYTES + room * sizeof(KvrnLayer) : IMMEDIATE_SLOT_BYTES;
    ActionSlot* slot = create_action_slot(context, object, row.slot, bytes);
    if (!slot) return;
    slot->start = row.start;
    slot->timed = timed;
    if (timed) {
        slot->update = row.update;
        slot->duration = row.duration;
        slot->looping = row.looping;
        uint32_t first = 0;
        if (row.flags & OWN_ROOT_LAYER) slot->layers[first++] = object;
        for (uint32_t i = first; i < layers; ++i)
            slot->layers[i] = KVRNL_SearchLayer(context, object, names[i - first]);
        apply_scale_presets(context, row, slot, layers);
        store_base_scales(context, row, slot, layers);
    }
    store_constants(row, slot);
    if (row.setup) row.setup(context, object, slot);
}

namespace {
bool in_base(const SlotTable& table, int32_t slot) {
    size_t base_count = table.base ? table.base->count : 0;
    for (size_t b = 0; b < base_count; ++b)
        if (table.base->items[b].slot == slot) return true;
    return false;
}

// A base row as the type builds it: replaced by the type's row of the same slot, then edited.
SlotRow changed_row(const SlotTable& table, const SlotRow& base) {
    const SlotRow* replaced = find_slot(table.rows, base.slot);
    SlotRow row = replaced ? *replaced : base;
    if (const SlotEdit* edit = find_slot(table.edits, base.slot)) {
        if (edit->layers) row.layers = edit->layers;
        if (edit->duration != 0) row.duration = edit->duration;
        if (edit->start) row.start = edit->start;
        if (edit->update) row.update = edit->update;
    }
    return row;
}

// The added rows placed after base slot `after` (0: those without a place), in their order.
void build_added_rows(KvrnContext context, KvrnLayer object, const SlotTable& table, int32_t after) {
    for (size_t r = 0; r < table.rows.count; ++r) {
        const SlotRow& added = table.rows.items[r];
        if (in_base(table, added.slot)) continue;
        const SlotPlace* place = find_slot(table.places, added.slot);
        if ((place ? place->after : 0) == after) build_slot(context, object, added);
    }
}
}  // namespace

void build_slot_table(KvrnContext context, KvrnLayer object, const SlotTable& table) {
    size_t base_count = table.base ? table.base->count : 0;
    for (size_t r = 0; r < base_count; ++r) {
        const SlotRow& base = table.base->items[r];
        if (!is_left_out(table.left_out, base.slot)) build_slot(context, object, changed_row(table, base));
        if (table.places.count) build_added_rows(context, object, table, base.slot);
    }
    build_added_rows(context, object, table, 0);
}

namespace {
// The row that `table` builds for `slot`; false when it builds none.
bool table_row(const SlotTable& table, int32_t slot, SlotRow* out) {
    size_t base_count = table.base ? table.base->count : 0;
    for (size_t b = 0; b < base_count; ++b) {
        const SlotRow& base = table.base->items[b];
        if (base.slot != slot) continue;
        if (is_left_out(table.left_out, slot)) return false;
        *out = changed_row(table, base);
        return true;
    }
    const SlotRow* added = find_slot(table.rows, slot);
    if (added) *out = *added;
    return added != nullptr;
}
}  // namespace

uint32_t slot_layer_count(int32_t slot) {
    SlotRow row;
    if (table_row(aircraft_type->part_slots, slot, &row) || table_row(aircraft_type->sequence_slots, slot, &row))
        return row_layer_count(row);
    return 0;
}

float layer_base_scale(KvrnContext context, KvrnLayer layer) {
    const float* base =
        reinterpret_cast<const float*>(KVRNL_EXT_Function(context, layer, KVRN_PROP_SCALE, nullptr, 0, 0, 0, 0, 0));
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
