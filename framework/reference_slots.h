// The reference type's slot rows: the part slots (moving parts, lights, ground movement) and the
// sequence slots (flight phases and the light parameters). Every aircraft type builds these
// rows with its own changes.
#pragma once

#include "slot_builder.h"

extern const List<SlotRow> reference_part_rows;
extern const List<SlotRow> reference_sequence_rows;
