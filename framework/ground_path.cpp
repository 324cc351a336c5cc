// Placeholder bodies until ground movement lands.
#include "ground_path.h"

extern const GroundPath reference_ground_path = {
    270.0f, {{100, 100}, {0, 100}, {0, 0}, {-100, -100}, {-200, -100}},
    {2, 0.6f, {3.531f, -3.531f, 0, 0}, {0, 0, 0, 0}}, L"atl", L"atl_all", L"tbr_L",
};

int32_t geometry_query(KvrnContext, KvrnLayer, ActionSlot*, int32_t, int32_t, float, float) { return 0; }
int32_t taxi_step(KvrnContext, KvrnLayer, ActionSlot*, int32_t, int32_t, float, float) { return 0; }
void taxi_slot_setup(KvrnContext, KvrnLayer, ActionSlot*) {}
int32_t pushback_start(KvrnContext, KvrnLayer, ActionSlot*, int32_t, int32_t, float, float) { return -1; }
void pushback_update(KvrnContext, KvrnLayer, ActionSlot*) {}
void pushback_slot_setup(KvrnContext, KvrnLayer, ActionSlot*) {}
