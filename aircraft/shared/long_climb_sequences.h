// The sequence slots of the types whose after-take-off and final-configuration phases run
// 12000 ms: the reference sequence rows with these two durations (acplug07, acplug14).
#pragma once

#include "slot_builder.h"

extern const List<SlotEdit> long_climb_sequence_edits;
