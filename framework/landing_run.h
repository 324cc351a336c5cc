// The scripted landing run (slot 42).
#pragma once

#include "action_slot.h"

int32_t landing_demo_start(KvrnContext context, KvrnLayer object, ActionSlot* slot, int32_t ival1, int32_t ival2,
                           float fval1, float fval2);
void landing_demo_update(KvrnContext context, KvrnLayer object, ActionSlot* slot);
