// The engine words that carry a pointer carry it whole. Where pointers are wider than 32 bits,
// the program first moves everything it allocates from then on above 4 GiB (the scene, the
// engine heap, the stacks of new threads) and runs each case on a thread of its own, so that a
// pointer cut to 32 bits points elsewhere; the plug-ins' static data lies above 4 GiB with their
// images. Where pointers are 32-bit the same cases run on ordinary memory.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include "ground_path.h"
#include "plugin_fixture.h"
#include "slip_log.h"

namespace {
const uint64_t FOUR_GIB = uint64_t(1) << 32;
const bool WIDE_POINTERS = sizeof(void*) > 4;

bool above_4gib(const void* p) { return reinterpret_cast<uintptr_t>(p) >= FOUR_GIB; }
bool above_4gib(KvrnInt word) { return static_cast<uint64_t>(word) >= FOUR_GIB; }

// Reserves every free range below 4 GiB and uses up the heap's free space there, size class by
// size class, so that what the process allocates afterwards lies above 4 GiB. The blocks taken
// stay taken.
void move_allocations_above_4gib() {
    MEMORY_BASIC_INFORMATION range;
    uintptr_t at = 0x10000;
    while (at < FOUR_GIB && VirtualQuery(reinterpret_cast<void*>(at), &range, sizeof range)) {
        uintptr_t next = reinterpret_cast<uintptr_t>(range.BaseAddress) + range.RegionSize;
        uintptr_t base = (reinterpret_cast<uintptr_t>(range.BaseAddress) + 0xFFFF) & ~uintptr_t(0xFFFF);
        uintptr_t end = next < FOUR_GIB ? next : static_cast<uintptr_t>(FOUR_GIB);
        if (range.State == MEM_FREE && end > base)
            VirtualAlloc(reinterpret_cast<void*>(base), end - base, MEM_RESERVE, PAGE_NOACCESS);
        at = next;
    }
    size_t taken = 0;
    for (size_t bytes = 65536; bytes >= 16; bytes = bytes > 8192 ? bytes / 2 : bytes - 16)
        for (int high_in_a_row = 0; high_in_a_row < 64 && taken < (size_t(512) << 20); taken += bytes)
            high_in_a_row = above_4gib(malloc(bytes)) ? high_in_a_row + 1 : 0;
}

class AllocationsAbove4Gib : public ::testing::Environment {
public:
    void SetUp() override {
        if (WIDE_POINTERS) move_allocations_above_4gib();
    }
};
::testing::Environment* const allocations_above_4gib = ::testing::AddGlobalTestEnvironment(new AllocationsAbove4Gib);

// Runs `body` in a new scene on a new thread, made once the memory that the old scene gave back
// is taken, so that the thread's stack and the scene's new storage lie above 4 GiB.
template <typename Body>
void on_own_thread(Body body) {
    kvrn_host_reset();
    if (WIDE_POINTERS) move_allocations_above_4gib();
    struct Call {
        Body* body;
        static DWORD WINAPI run(void* call) {
            (*static_cast<Call*>(call)->body)();
            return 0;
        }
    } call{&body};
    HANDLE thread = CreateThread(nullptr, 1 << 20, &Call::run, &call, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

// A pointer that a case relies on lies above 4 GiB where pointers are wide.
#define EXPECT_WIDE(pointer) \
    EXPECT_TRUE(!WIDE_POINTERS || above_4gib(pointer)) << #pointer " is not above 4 GiB: the case proves nothing"

class WidePointer : public PluginFixture {
protected:
    // The aircraft of the new scene. The scene keeps the storage of its first objects across a
    // reset: placeholders take it first.
    void load_aircraft(const wchar_t* dll) {
        for (int n = 0; n < 16; ++n)
            if (above_4gib(kvrn_host_record(kvrn_host_create_object(L"placeholder", nullptr)))) break;
        KvrnActionInterface loaded = kvrn_host_load_plugin(dll);
        ASSERT_NE(loaded, nullptr);
        make_object(loaded, true, nullptr);
    }
};

TEST_F(WidePointer, RecordOfCommandMinus4AndBaseScalesOfProperty41) {
    // The scene's records and layers come from the heap, which Wine keeps below 4 GiB here; the
    // glow scale's float lies on the thread's stack above it.
    on_own_thread([&] {
        load_aircraft(L"acplug03.dll");
        KvrnLayer left = kvrn_host_add_layer(aircraft, L"ldlightl1");
        KvrnLayer inner = kvrn_host_add_layer(aircraft, L"ldlightl2");
        kvrn_host_set_base_scale(left, 2.5f);
        kvrn_host_set_base_scale(inner, 0.75f);

        // Create posts the reset's commands through the record that command -4 hands back.
        uint32_t mark = log_mark();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        EXPECT_FALSE(calls_since(mark, KVRN_CALL_POST).empty()) << "the reset posted through the record";
        EXPECT_EQ(slot(SLOT_LANDING_LIGHTS)->word5.f, 2.5f) << "base scale of ldlightl1";
        EXPECT_EQ(slot(SLOT_LANDING_LIGHTS)->word6.f, 0.75f) << "base scale of ldlightl2";

        // Full level: each lamp's glow scale is progress x base scale x level / 100, handed to
        // the engine as a pointer to the float.
        EXPECT_EQ(start(SLOT_LANDING_LIGHTS, 100), 1000);
        tick(1000);
        EXPECT_EQ(layer(L"ldlightl1").sprite_scale, 2.5f);
        EXPECT_EQ(layer(L"ldlightr1").sprite_scale, 2.5f);
        EXPECT_EQ(layer(L"ldlightl2").sprite_scale, 0.75f);
        EXPECT_EQ(layer(L"ldlightr2").sprite_scale, 0.75f);
        send(KVRN_CMD_DESTROY);
    });
}

TEST_F(WidePointer, HostsTaxiStepOnAPathState) {
    on_own_thread([&] {
        load_aircraft(L"acplug03.dll");
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        PathState s;
        memset(&s, 0, sizeof s);
        s.layer = aircraft;
        s.speed = 1.0f;
        s.target = {100, 0, 12.296f, 0};  // level with the nose wheel, to the right
        EXPECT_WIDE(&s);
        EXPECT_EQ(start(SLOT_TAXI, pointer_argument(&s), 500), 1);
        EXPECT_NEAR(s.steer, 10.0f, 1e-4) << "the step wrote the state it was handed";
        EXPECT_NEAR(layer(L"Y_nosegear").rotation.y, 10.0f, 1e-4);
        EXPECT_GT(root_layer().translation.x, 0.0f);
        send(KVRN_CMD_DESTROY);
    });
}

TEST_F(WidePointer, TowVehiclesStepOnThePathStateItIsHanded) {
    on_own_thread([&] {
        load_aircraft(L"acplug03.dll");
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        KvrnLayer tug = add_scene_object(L"tow_vehicle.dll", L"atl");
        KvrnLayer body = kvrn_host_add_layer(tug, L"atl_all");
        kvrn_host_add_layer(tug, L"tbr_L");

        // Straight from the host: 2.5 units a second for a second, facing +x.
        PathState copy;
        memset(&copy, 0, sizeof copy);
        copy.layer = body;
        copy.speed = 2.5f;
        copy.rotation = {0, 90, 0, 0};
        copy.target = {50, 0, 0, 0};
        EXPECT_WIDE(&copy);
        EXPECT_EQ(kvrn_host_send(tug, TOW_TAXI_STEP, pointer_argument(&copy), 1000, 0, 0), 1u);
        EXPECT_NEAR(copy.position.x, 2.5f, 1e-3);
        EXPECT_EQ(layer_state_of(body).translation.x, copy.position.x);

        // From the aircraft's pushback: its own slot 40 places the nose wheel, then every tick
        // hands the tow vehicle a path state of its own.
        uint32_t mark = log_mark();
        EXPECT_EQ(start(SLOT_PUSHBACK, 1, 10, 0, 1.0f), -1);
        std::vector<KvrnCall> posts = calls_since(mark, KVRN_CALL_POST);
        ASSERT_FALSE(posts.empty());
        EXPECT_EQ(posts[0].tail_command, SLOT_TAXI);
        EXPECT_WIDE(posts[0].tail_ival1);
        uint32_t moves = layer_state_of(body).moves;
        mark = log_mark();
        tick(100);
        bool handed = false;
        for (const KvrnCall& call : calls_since(mark, KVRN_CALL_MOVE_ACTION))
            if (call.layer == tug && call.ints[0] == TOW_TAXI_STEP) {
                handed = true;
                EXPECT_WIDE(call.ints[1]);
            }
        EXPECT_TRUE(handed) << "the tow vehicle took a step";
        EXPECT_GT(layer_state_of(body).moves, moves) << "and moved";
        EXPECT_TRUE(slot(SLOT_PUSHBACK)->running);
        send(KVRN_CMD_DESTROY);
    });
}

TEST_F(WidePointer, ScriptedLandingTellsSlipWhereItTouchesDown) {
    on_own_thread([&] {
        load_aircraft(L"acplug03.dll");
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        slip_clear();
        KvrnLayer slip = add_scene_object(L"slip.dll", L"Slip");
        KvrnLayer path = kvrn_host_add_layer(0, L"approach");
        EXPECT_EQ(start(SLOT_LANDING_RUN, 1, static_cast<KvrnInt>(path), 1200.0f), -1);
        for (int ticks = 0; slip_start_count() == 0 && ticks < 2000; ++ticks) {
            kvrn_host_log_clear();
            tick(100);
        }
        ASSERT_EQ(slip_start_count(), 1u);
        bool handed = false;
        for (const KvrnCall& call : calls_since(0, KVRN_CALL_MOVE_ACTION))
            if (call.layer == slip) {
                handed = true;
                EXPECT_WIDE(call.ints[2]);
            }
        EXPECT_TRUE(handed);
        SlipStart told;
        ASSERT_TRUE(slip_start_get(0, &told));
        EXPECT_EQ(told.slip, slip);
        EXPECT_TRUE(told.translation_given);
        // The translation handed over is the one the approach layer was just moved to.
        KvrnLayerState at = layer_state_of(path);
        EXPECT_EQ(told.translation.y, at.translation.y);
        EXPECT_EQ(told.translation.z, at.translation.z);
        send(KVRN_CMD_DESTROY);
    });
}
}  // namespace
