// The "Slip" effect object: command 2 starts the effect. This stand-in only remembers it.
#include "slip_log.h"

#include <string.h>

namespace {
SlipStart starts[SLIP_START_MAX];
uint32_t start_count;

void remember(KvrnContext context, KvrnLayer slip, const tagKVRNFILE* record) {
    uint32_t index = start_count++;
    if (index >= SLIP_START_MAX) return;
    SlipStart* start = &starts[index];
    memset(start, 0, sizeof *start);
    start->context = context;
    start->slip = slip;
    start->object = static_cast<KvrnLayer>(record->ival1);
    const KvrnVector* translation = reinterpret_cast<const KvrnVector*>(record->ival2);
    start->translation_given = translation != nullptr;
    if (translation) start->translation = *translation;
    start->fval1 = record->fval1;
    start->fval2 = record->fval2;
}
}  // namespace

extern "C" uint32_t __stdcall KVRNACTIONINTERFACE(uint32_t context, uint32_t layer, tagKVRNFILE* record) {
    if (!record) return 0;
    switch (record->command) {
        case KVRN_CMD_CREATE:
        case KVRN_CMD_DESTROY:
            return 1;
        case SLIP_START:
            remember(context, layer, record);
            return 1;
        default:
            return 0;
    }
}

SLIP_API uint32_t slip_start_count(void) { return start_count; }

SLIP_API int slip_start_get(uint32_t index, SlipStart* out) {
    if (!out || index >= start_count || index >= SLIP_START_MAX) return 0;
    *out = starts[index];
    return 1;
}

SLIP_API void slip_clear(void) {
    memset(starts, 0, sizeof starts);
    start_count = 0;
}
