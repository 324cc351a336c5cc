// Each aircraft type's part-slot table as the layer names its create looks up.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

// One slot row of the type's part-slot table and the names it looks up, in order: none for a
// slot that holds the root layer alone or no layers.
struct SlotLookups {
    int32_t slot;
    std::vector<std::wstring> names;
};

struct TypeLookups {
    const wchar_t* dll;
    const SlotLookups* rows;  // in the order of the type's table
    size_t count;
    // The table lists the slots by number, and slot 20 (the body pitch with its bogies) among
    // them: its row's names stand together, but the table does not say where.
    bool body_pitch_placed_apart;
};

extern const TypeLookups type_lookups[];
extern const size_t type_lookup_count;
