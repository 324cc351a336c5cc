// A bounded, seeded run of random commands against each aircraft plug-in built (as the catalogue
// beside the programs lists them) between create and destroy: unknown and negative commands,
// huge and -1 ticks, time queries, light updates, resets and starts of every slot with random
// arguments. Nothing may crash or touch memory past a record, and the engine's heap must be
// clean after destroy.
#include <float.h>
#include <limits.h>
#include <string.h>

#include "catalogue.h"
#include "plugin_fixture.h"

namespace {
// Slots whose first integer argument is a pointer to the caller's record, and that record's size.
struct PointerSlot {
    int32_t slot;
    size_t bytes;
};
const PointerSlot pointer_slots[] = {{38, 40}, {40, 200}};

struct Random {
    uint32_t state;
    uint32_t next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    int32_t below(int32_t n) { return static_cast<int32_t>(next() % static_cast<uint32_t>(n)); }
    int32_t any_int() {
        static const int32_t special[] = {0, 1, -1, 2, 100, 101, 255, 1000, -1000, INT_MAX, INT_MIN, 12000};
        return below(3) == 0 ? special[below(12)] : below(4001) - 2000;
    }
    float any_float() {
        static const float special[] = {0.0f, 1.0f, -1.0f, 0.5f, 180.0f, 360.0f, -360.0f, 1e30f, -1e30f, FLT_MAX};
        return below(3) == 0 ? special[below(10)] : static_cast<float>(below(200001) - 100000) / 100.0f;
    }
};

class PluginRobustness : public PluginFixture, public ::testing::WithParamInterface<CatalogueRow> {};

TEST_P(PluginRobustness, RandomCommandsBetweenCreateAndDestroy) {
    load(plugin_dll(GetParam()).c_str());
    // Every block ends against a page that faults when touched: no routine reads or writes past a record.
    kvrn_host_heap_guard(1);
    // The scene objects that aircraft drive: the large and the small tug for towed pushbacks,
    // and "Slip".
    KvrnLayer tug = add_scene_object(L"tow_vehicle.dll", L"atl");
    kvrn_host_add_layer(tug, L"atl_all");
    kvrn_host_add_layer(tug, L"tbr_L");
    KvrnLayer small_tug = add_scene_object(L"tow_vehicle.dll", L"atm");
    kvrn_host_add_layer(small_tug, L"atm_all");
    kvrn_host_add_layer(small_tug, L"tbr_M");
    add_scene_object(L"slip.dll", L"Slip");
    kvrn_host_log_enable(0);
    alignas(16) unsigned char caller_record[256];
    Random random{0x5eed1234u};

    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    const int32_t count = table()->count;
    for (int i = 0; i < 20000; ++i) {
        KvrnInt ival1 = random.any_int(), ival2 = random.any_int();
        float fval1 = random.any_float(), fval2 = random.any_float();
        switch (random.below(8)) {
            case 0:
            case 1: {
                static const int32_t steps[] = {0, 1, 16, 33, 1000, -1, INT_MAX, 100000};
                tick(random.below(4) ? random.below(100) : steps[random.below(8)]);
                break;
            }
            case 2:
                send(KVRN_CMD_TIME_LEFT, random.below(count + 10) - 5);
                break;
            case 3:
                send(KVRN_CMD_LIGHT);
                break;
            case 4:
                if (random.below(20) == 0)
                    send(KVRN_CMD_RESET);
                else
                    send(random.below(1000) - 990, ival1, ival2, fval1, fval2);  // unknown and negative commands
                break;
            default: {
                int32_t command = random.below(count + 3);
                if (command == 0 || command == 42) break;  // reset and the landing run are covered above and below
                for (const PointerSlot& p : pointer_slots) {
                    if (command != p.slot) continue;
                    memset(caller_record, 0, sizeof caller_record);
                    ival1 = pointer_argument(caller_record);
                    if (random.below(2)) ival2 = random.below(100);
                }
                if (command == 41) fval2 = static_cast<float>(random.below(2));  // driving itself, or towed
                send(command, ival1, ival2, fval1, fval2);
            }
        }
    }
    // The landing run ends at standstill on its own within a bounded time.
    send(42, 1, static_cast<int32_t>(aircraft), 600.0f, 0);
    for (int i = 0; i < 200; ++i) tick(250);

    destroy_leaving_a_clean_heap();
}

INSTANTIATE_TEST_SUITE_P(Plugins, PluginRobustness, ::testing::ValuesIn(read_catalogue()),
                         [](const ::testing::TestParamInfo<CatalogueRow>& info) { return info.param.plugin; });
}  // namespace
