// The sequence slots of the types whose after-take-off and final-configuration phases run
// 12000 ms: the reference sequence rows with these two durations (acplug07, acplug14).
#pragma once

#include "commands.h"
#include "slot_builder.h"

namespace long_climb {
inline constexpr SlotEdit sequence_edit_rows[] = {
    {SEQ_AFTER_TAKEOFF, nullptr, 12000, nullptr, nullptr},
    {SEQ_FINAL, nullptr, 12000, nullptr, nullptr},  // the start still runs it as long as the gear
};
inline constexpr List<SlotEdit> sequence_edits = list_of(sequence_edit_rows);
}  // namespace long_climb
