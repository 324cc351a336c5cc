// The reference type's slot builders: the part slots (moving parts, lights, ground movement)
// and the sequence slots (flight phases and the light parameters).
#pragma once

#include "kvrn_engine.h"

void build_reference_part_slots(KvrnContext context, KvrnLayer object);
void build_reference_sequence_slots(KvrnContext context, KvrnLayer object);
