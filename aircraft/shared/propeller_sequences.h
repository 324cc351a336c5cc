// The propeller types' variants of the framework's sequences: the approach flaps (slot 9), the
// final configuration's start (slot 10) and the after-landing phase (slot 14) post no slats.
// acplug10, acplug11, acplug13 and acplug16 run all three, acplug12 the slot-10 start alone.
#pragma once

#include "commands.h"
#include "type_numbers.h"

namespace propeller_sequences {
constexpr void final_config_without_slats(TypeNumbers& numbers) { leave_out_post(numbers, SEQ_FINAL, SLOT_SLATS); }

constexpr void without_slats(TypeNumbers& numbers) {
    leave_out_post(numbers, SEQ_APPROACH, SLOT_SLATS);
    final_config_without_slats(numbers);
    leave_out_post(numbers, SEQ_AFTER_LANDING, SLOT_SLATS);
}
}  // namespace propeller_sequences
