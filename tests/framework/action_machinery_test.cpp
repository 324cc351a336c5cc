// Start, tick, time left, create, destroy and post of the action slots, on slots built by
// this test. The framework is linked into this program; its entry point drives an object of
// the stand-in engine.
#include <limits.h>
#include <string.h>

#include <vector>

#include "aircraft_type.h"
#include "lights.h"
#include "plugin_fixture.h"
#include "slot_builder.h"

extern "C" uint32_t __stdcall KVRNACTIONINTERFACE(uint32_t context, uint32_t layer, tagKVRNFILE* record);

namespace {
// What an update routine saw.
struct Seen {
    int32_t slot_elapsed;
    float progress;
    uint32_t running;
    int32_t last_step;
};
std::vector<Seen> updates;
int resets;

// ival1 = direction; the clock starts running.
int32_t start_clock(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    slot->running = 1;
    slot->direction = ival1;
    slot->elapsed = 12345;  // the start path must reset this
    return slot->duration;
}

// Never sets `running`: no clock reset, no update call.
int32_t start_without_clock(KvrnContext, KvrnLayer, ActionSlot* slot, KvrnInt ival1, KvrnInt, float, float) {
    slot->word1.i = ival1;
    return 77;
}

void record_update(KvrnContext, KvrnLayer, ActionSlot* slot) {
    updates.push_back({slot->elapsed, slot->progress, slot->running, slot->last_step});
}

// Posts slot 3 from inside slot 2's start.
int32_t start_posting(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt, KvrnInt, float, float) {
    return post_action(context, object, 3, 11, 22, 3.5f, 4.5f);
}

void allocate_spool(KvrnContext context, KvrnLayer, ActionSlot* slot) { slot->word3.p = KVRN_AllocMemory(context, 16); }

void count_reset(KvrnContext, KvrnLayer) { ++resets; }

const wchar_t* const two_layers[] = {L"first", L"second", nullptr};
const wchar_t* const one_layer[] = {L"lamp", nullptr};

enum { ONE_SHOT = 5, LOOP = 6, NO_CLOCK = 7, ONE_LAMP = SLOT_NAV_LIGHTS };
const SlotRow test_rows[] = {
    {2, start_posting, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {3, start_without_clock, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {ONE_SHOT, start_clock, record_update, 1, 1000, 0, nullptr, two_layers, 0, nullptr, nullptr},
    {LOOP, start_clock, record_update, 1, 1000, 1, nullptr, nullptr, 0, nullptr, nullptr},
    {NO_CLOCK, start_without_clock, record_update, 1, 1000, 0, nullptr, nullptr, OWN_ROOT_LAYER, nullptr, nullptr},
    {ONE_LAMP, nav_lights_set, nullptr, 1, 0, 0, nullptr, one_layer, 0, nullptr, nullptr},
    {SLOT_ENGINES, start_clock, nullptr, 1, 20000, 1, allocate_spool, nullptr, 0, nullptr, nullptr},
};
const List<SlotRow> test_row_list = list_of(test_rows);

const AircraftType test_type = [] {
    AircraftType type{};
    type.part_slots.base = &test_row_list;
    type.reset = count_reset;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &test_type;

namespace {
class ActionMachinery : public PluginFixture {
protected:
    void SetUp() override {
        use_linked(KVRNACTIONINTERFACE);
        resets = 0;
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        updates.clear();
    }
};

TEST_F(ActionMachinery, CreateBuildsTheTableResetsAndJumpsToTheEnd) {
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->count, ONE_LAMP + 1) << "one more than the highest slot built";
    for (int32_t n : {0, 1, 4, 8, 27}) EXPECT_EQ(slot(n), nullptr) << "entry " << n;
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(slot(ONE_SHOT)->layers[0], handle(L"first"));
    EXPECT_EQ(slot(ONE_SHOT)->layers[1], handle(L"second"));
    EXPECT_EQ(slot(NO_CLOCK)->layers[0], aircraft);
    EXPECT_EQ(slot(ONE_SHOT)->timed, 1u);
    EXPECT_EQ(slot(3)->timed, 0u);

    send(KVRN_CMD_RESET);
    EXPECT_EQ(resets, 2) << "command 0 runs the reset";
}

// A routine that walks a slot's layers walks as many as the slot's row gives it (here one,
// though `timed` says 1 as it would for two), never a handle past the record.
TEST_F(ActionMachinery, SingleLayerSlotSwitchesItsOneLayer) {
    uint32_t mark = log_mark();
    start(ONE_LAMP, 1);
    std::vector<KvrnCall> switches = calls_since(mark, KVRN_CALL_SWITCH_LAYER);
    ASSERT_EQ(switches.size(), 1u);
    EXPECT_EQ(switches[0].layer, handle(L"lamp"));
}

TEST_F(ActionMachinery, StartResetsTheClockAndUpdatesOnce) {
    struct Case {
        int32_t direction;
        float first_progress;
    } cases[] = {{1, 0.0f}, {0, 0.0f}, {-1, 1.0f}};
    for (const Case& c : cases) {
        updates.clear();
        EXPECT_EQ(start(ONE_SHOT, c.direction), 1000);
        ASSERT_EQ(updates.size(), 1u);
        EXPECT_EQ(updates[0].slot_elapsed, 0);
        EXPECT_EQ(updates[0].last_step, 0);
        EXPECT_EQ(updates[0].progress, c.first_progress) << "direction " << c.direction;
    }
}

TEST_F(ActionMachinery, StartThatLeavesTheClockIdleGetsNoUpdate) {
    slot(NO_CLOCK)->elapsed = 400;
    EXPECT_EQ(start(NO_CLOCK, 9), 77);
    EXPECT_TRUE(updates.empty());
    EXPECT_EQ(slot(NO_CLOCK)->elapsed, 400);
    EXPECT_EQ(slot(NO_CLOCK)->word1.i, 9);
}

// One tick of a running slot: elapsed and direction before, the step, and what the update sees.
struct TickCase {
    const char* what;
    int32_t slot;
    int32_t direction;
    int32_t elapsed_before;
    int32_t step;
    int32_t elapsed_after;
    float progress;
    bool running_in_update;
    bool running_after;
};

const TickCase tick_cases[] = {
    {"step 0 keeps progress", ONE_SHOT, 1, 250, 0, 250, 0.25f, true, true},
    {"ordinary step", ONE_SHOT, 1, 250, 500, 750, 0.75f, true, true},
    {"reversed step", ONE_SHOT, -1, 250, 500, 750, 0.25f, true, true},
    {"overshoot ends at 1", ONE_SHOT, 1, 900, 5000, 1000, 1.0f, true, false},
    {"overshoot reversed ends at 0", ONE_SHOT, -1, 900, 5000, 1000, 0.0f, true, false},
    {"exactly the duration ends", ONE_SHOT, 1, 0, 1000, 1000, 1.0f, true, false},
    {"jump to the end", ONE_SHOT, 1, 100, -1, 1000, 1.0f, true, false},
    {"jump to the end reversed", ONE_SHOT, -1, 100, -1, 1000, 0.0f, true, false},
    {"huge step cannot overflow", ONE_SHOT, 1, 999, INT_MAX, 1000, 1.0f, true, false},
    {"loop wraps over cycles", LOOP, 1, 0, 2500, 500, 0.5f, true, true},
    {"loop wraps at the duration", LOOP, 1, 600, 400, 0, 0.0f, true, true},
    {"loop reversed", LOOP, -1, 0, 2250, 250, 0.75f, true, true},
    {"loop jump stays running at 1", LOOP, 1, 300, -1, 1000, 1.0f, true, true},
    {"loop jump reversed at 0", LOOP, -1, 300, -1, 1000, 0.0f, true, true},
    {"loop huge step", LOOP, 1, 999, INT_MAX, static_cast<int32_t>((999LL + INT_MAX) % 1000), 0.646f, true, true},
};

TEST_F(ActionMachinery, TickAdvancesRunningClocks) {
    for (const TickCase& c : tick_cases) {
        SCOPED_TRACE(c.what);
        start(c.slot, c.direction);
        slot(c.slot)->elapsed = c.elapsed_before;
        updates.clear();
        tick(c.step);
        ASSERT_EQ(updates.size(), 1u);
        EXPECT_EQ(updates[0].slot_elapsed, c.elapsed_after);
        EXPECT_NEAR(updates[0].progress, c.progress, 1e-6);
        EXPECT_EQ(updates[0].running != 0, c.running_in_update);
        EXPECT_EQ(slot(c.slot)->running != 0, c.running_after);
        EXPECT_EQ(slot(c.slot)->last_step, c.step == -1 ? 1000 : c.step);
        slot(c.slot)->running = 0;
    }
}

TEST_F(ActionMachinery, TickSkipsIdleSlotsAndFinishedOnesStayIdle) {
    start(ONE_SHOT, 1);
    tick(2000);
    updates.clear();
    tick(100);
    EXPECT_TRUE(updates.empty());
    EXPECT_EQ(slot(ONE_SHOT)->progress, 1.0f);
}

TEST_F(ActionMachinery, TimeLeft) {
    auto time_left = [&](int32_t n) { return static_cast<int32_t>(send(KVRN_CMD_TIME_LEFT, n)); };
    EXPECT_EQ(time_left(ONE_SHOT), 0) << "never started";
    start(ONE_SHOT, 1);
    tick(300);
    EXPECT_EQ(time_left(ONE_SHOT), 700);
    start(LOOP, 1);
    EXPECT_EQ(time_left(LOOP), -1);
    EXPECT_EQ(time_left(3), 0) << "immediate";
    EXPECT_EQ(time_left(0), 0);
    EXPECT_EQ(time_left(SLOT_ENGINES + 1), 0);
    EXPECT_EQ(time_left(-3), 0);
    tick(5000);
    EXPECT_EQ(time_left(ONE_SHOT), 0) << "finished";
}

TEST_F(ActionMachinery, CommandsWithoutASlotDoNothing) {
    start(ONE_SHOT, 1);
    tick(100);
    tagKVRNFILE before = *record();
    // Straight into the entry point: the engine would answer -4 itself.
    for (int32_t command : {-4, -7, 500, 4, 27, INT_MIN, INT_MAX}) {
        updates.clear();
        record()->command = command;
        record()->ival1 = 1;
        EXPECT_EQ(KVRNACTIONINTERFACE(kvrn_host_context(), aircraft, record()), 0u) << "command " << command;
        EXPECT_TRUE(updates.empty());
    }
    EXPECT_EQ(slot(ONE_SHOT)->elapsed, 100);
    EXPECT_EQ(record()->actions, before.actions);
    EXPECT_EQ(memcmp(record()->engine, before.engine, sizeof before.engine), 0) << "the engine's bytes are untouched";
}

TEST_F(ActionMachinery, PostReentersThroughTheEngineAndStaysInTheRecord) {
    uint32_t mark = log_mark();
    EXPECT_EQ(start(2), 77) << "the posted slot's result comes back";
    EXPECT_EQ(slot(3)->word1.i, 11);
    tagKVRNFILE* r = record();
    EXPECT_EQ(r->command, 3);
    EXPECT_EQ(r->ival1, 11);
    EXPECT_EQ(r->ival2, 22);
    EXPECT_EQ(r->fval1, 3.5f);
    EXPECT_EQ(r->fval2, 4.5f);
    std::vector<KvrnCall> fetches = calls_since(mark, KVRN_CALL_MOVE_ACTION);
    ASSERT_EQ(fetches.size(), 1u);
    EXPECT_EQ(fetches[0].ints[0], KVRN_CMD_RECORD);
    EXPECT_EQ(fetches[0].layer, aircraft);
    std::vector<Post> posts = posts_since(mark);
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0], (Post{3, 11, 22, 3.5f, 4.5f}));
}

TEST_F(ActionMachinery, DestroyFreesEverythingOnceAndCommandsAfterItAreHarmless) {
    start(ONE_SHOT, 1);
    EXPECT_EQ(send(KVRN_CMD_DESTROY), 1u);
    EXPECT_EQ(record()->actions, nullptr);
    KvrnHeapStats h = heap();
    EXPECT_EQ(h.live_blocks, 0u) << "table, entries, slots and the engine slot's block";
    EXPECT_EQ(send(KVRN_CMD_DESTROY), 1u);
    EXPECT_EQ(heap().frees, h.frees) << "a second destroy frees nothing";
    for (int32_t command : {int32_t(KVRN_CMD_TICK), int32_t(KVRN_CMD_TIME_LEFT), int32_t(KVRN_CMD_LIGHT),
                            int32_t(KVRN_CMD_RESET), int32_t(ONE_SHOT)})
        EXPECT_EQ(send(command, 10), 0u);
    EXPECT_EQ(heap().double_frees + heap().foreign, 0u);
}

TEST_F(ActionMachinery, SecondCreateReplacesTheTableWithoutLeaking) {
    uint32_t live = heap().live_blocks;
    EXPECT_EQ(send(KVRN_CMD_CREATE), 1u);
    EXPECT_EQ(heap().live_blocks, live);
    EXPECT_EQ(resets, 2);
}
}  // namespace
