#include "long_climb_sequences.h"

#include "commands.h"

namespace {
const SlotEdit edits[] = {
    {SEQ_AFTER_TAKEOFF, nullptr, 12000, nullptr, nullptr},
    {SEQ_FINAL, nullptr, 12000, nullptr, nullptr},  // the start still runs it as long as the gear
};
}  // namespace

extern constexpr List<SlotEdit> long_climb_sequence_edits = list_of(edits);
