// The tow vehicle that pulls an aircraft through pushback. The aircraft hands it a copy of
// its path state with command 40; the vehicle drives itself one step towards the copy's
// target, moving the copy's layer (its body) and writing back position, rotation and steering.
#include "taxi_motion.h"

namespace {
// A short tug: tight steering, and the target counts as reached two seconds of travel out.
const TaxiNumbers tug_numbers = {3.2f, 60.0f, 2000.0f, 2.0f};

uint32_t tow_step(KvrnContext context, PathState* state, int32_t step_ms) {
    if (!state) return 0;
    place_nose(state, tug_numbers.wheelbase);
    if (step_ms <= 0) return 1;
    float rolled = 0.0f;
    return static_cast<uint32_t>(taxi_drive(context, state, step_ms, 0.0f, tug_numbers, &rolled));
}
}  // namespace

// Create and destroy succeed; command 40 takes one step; everything else does nothing.
extern "C" uint32_t __stdcall KVRNACTIONINTERFACE(uint32_t context, uint32_t, tagKVRNFILE* record) {
    if (!record) return 0;
    switch (record->command) {
        case KVRN_CMD_CREATE:
        case KVRN_CMD_DESTROY:
            return 1;
        case TOW_TAXI_STEP:
            return tow_step(context, path_state_from(record->ival1), record->ival2);
        default:
            return 0;
    }
}
