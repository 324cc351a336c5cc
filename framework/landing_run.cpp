// Placeholder bodies until the landing run lands.
#include "landing_run.h"

int32_t landing_demo_start(KvrnContext, KvrnLayer, ActionSlot*, int32_t, int32_t, float, float) { return -1; }
void landing_demo_update(KvrnContext, KvrnLayer, ActionSlot*) {}
