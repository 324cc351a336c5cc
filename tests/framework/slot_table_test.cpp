// The slot table of an aircraft type as changes to base rows: rows replaced, left out, added
// above the base or among the base rows, other layers, durations and routines; the object's root
// before named layers; `timed` from the layer count; constant words, scale presets and base
// scales; the table's count; and the reset plan with its word clears. The framework is linked into
// this program with a test type.
#include <vector>

#include "aircraft_type.h"
#include "plugin_fixture.h"
#include "sequences.h"
#include "slot_builder.h"

namespace {
struct Started {
    KvrnInt ival1;
    uint32_t lamp_word1;  // slot 61's word1 when the start ran
};
std::vector<Started> started;

enum { LAMP_SLOT = 61, LAST_SLOT = 126 };

int32_t record_start(KvrnContext context, KvrnLayer object, ActionSlot*, KvrnInt ival1, KvrnInt, float, float) {
    ActionSlot* lamp = get_action_slot(context, object, LAMP_SLOT);
    started.push_back({ival1, lamp ? lamp->word1.u : 0xFFFFFFFFu});
    return 11;
}
int32_t replacing_start(KvrnContext, KvrnLayer, ActionSlot*, KvrnInt, KvrnInt, float, float) { return 66; }
void no_update(KvrnContext, KvrnLayer, ActionSlot*) {}

const wchar_t* const three_layers[] = {L"one", L"two", L"three", nullptr};
const wchar_t* const edited_layers[] = {L"edited_a", L"edited_b", nullptr};
const wchar_t* const lamp_layers[] = {L"lamp_a", L"lamp_b", nullptr};
const SlotConstant lamp_words[] = {{1, WORD_UNSIGNED, 7}, {2, WORD_FLOAT, 2.5f}, {}};
const BaseScale lamp_scales[] = {{0, 5}, {1, 6}, {}};

const SlotRow base_rows[] = {
    {2, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {3, record_start, no_update, TIMED_BY_LAYERS, 1000, 0, nullptr, three_layers, 0, nullptr, nullptr},
    {4, record_start, no_update, TIMED_BY_LAYERS, 1000, 0, nullptr, three_layers, 0, nullptr, nullptr},
    {5, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {6, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {7, record_start, no_update, TIMED_BY_LAYERS, 1000, 0, nullptr, nullptr, OWN_ROOT_LAYER, nullptr, nullptr},
};
const List<SlotRow> base_row_list = list_of(base_rows);

const SlotRow type_rows[] = {
    {6, replacing_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {LAMP_SLOT, record_start, no_update, TIMED_BY_LAYERS, 1000, 0, nullptr, lamp_layers, 0, lamp_words, lamp_scales},
    {LAST_SLOT, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SLOT_FLAPS, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SLOT_GEAR, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
    {SLOT_ENGINES, record_start, nullptr, SLOT_IMMEDIATE, 0, 0, nullptr, nullptr, 0, nullptr, nullptr},
};
const int32_t left_out[] = {5};
const SlotEdit edits[] = {
    {3, edited_layers, 0, nullptr, nullptr},
    {4, nullptr, 2500, nullptr, nullptr},
    {7, edited_layers, 0, replacing_start, nullptr},  // the root, then the edited layers
};
const ScalePreset presets[] = {{LAMP_SLOT, 1, 3.0f}};
// The added 61 right after base row 3, the added flaps where the left-out 5 stands.
const SlotPlace places[] = {{LAMP_SLOT, 3}, {SLOT_FLAPS, 5}};

// The reference reset without the engines, with a second flap post after the gear.
const int32_t reset_left_out[] = {SLOT_ENGINES};
const ResetInsert reset_inserted[] = {{SLOT_GEAR, {SLOT_FLAPS, 9, 8, 1.5f, 2.5f}}};
const SlotWordClear reset_clears[] = {{LAMP_SLOT, 1}};
const ResetPlan reset_plan = {list_of(reset_left_out), list_of(reset_inserted), list_of(reset_clears)};

const AircraftType test_type = [] {
    AircraftType type{};
    type.part_slots.base = &base_row_list;
    type.part_slots.rows = list_of(type_rows);
    type.part_slots.left_out = list_of(left_out);
    type.part_slots.edits = list_of(edits);
    type.part_slots.places = list_of(places);
    type.scale_presets = list_of(presets);
    type.reset_plan = &reset_plan;
    type.reset = reset_actions;
    return type;
}();
}  // namespace

extern const AircraftType* const aircraft_type = &test_type;
extern "C" uint32_t __stdcall KVRNACTIONINTERFACE(uint32_t context, uint32_t layer, tagKVRNFILE* record);

namespace {
const wchar_t* const model[] = {L"lamp_a", L"lamp_b", nullptr};

class SlotTable_ : public PluginFixture {
protected:
    void SetUp() override {
        use_linked(KVRNACTIONINTERFACE, model);
        kvrn_host_set_base_scale(handle(L"lamp_a"), 1.5f);
        kvrn_host_set_base_scale(handle(L"lamp_b"), 4.0f);
        started.clear();
        mark = log_mark();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
    uint32_t mark = 0;
};

TEST_F(SlotTable_, BuildsTheBaseRowsAsTheTypeChangesThem) {
    ASSERT_EQ(table()->count, LAST_SLOT + 1) << "grown to the highest slot built";
    EXPECT_EQ(slot(5), nullptr) << "left out";
    EXPECT_EQ(start(5, 1), 0);
    EXPECT_EQ(start(6), 66) << "replaced";
    EXPECT_EQ(start(2), 11) << "kept";
    for (int32_t n : {8, 60, 62, 100, 125}) EXPECT_EQ(slot(n), nullptr) << "entry " << n;
    EXPECT_EQ(start(LAST_SLOT), 11) << "added above the base";

    EXPECT_EQ(slot(3)->timed, 1u) << "two edited layers";
    EXPECT_EQ(slot(3)->layers[0], handle(L"edited_a"));
    EXPECT_EQ(slot(3)->layers[1], handle(L"edited_b"));
    EXPECT_EQ(slot(3)->duration, 1000);
    EXPECT_EQ(slot(4)->timed, 2u) << "three layers";
    EXPECT_EQ(slot(4)->duration, 2500) << "edited duration";

    ActionSlot* rooted = slot(7);
    ASSERT_NE(rooted, nullptr);
    EXPECT_EQ(rooted->timed, 2u) << "the root and two edited layers";
    EXPECT_EQ(rooted->layers[0], aircraft);
    EXPECT_EQ(rooted->layers[1], handle(L"edited_a"));
    EXPECT_EQ(rooted->layers[2], handle(L"edited_b"));
    EXPECT_EQ(rooted->update, no_update) << "the row's own update";
    EXPECT_EQ(start(7), 66) << "edited start";
}

TEST_F(SlotTable_, BuildsEachPlacedSlotWhereItsPlacePutsIt) {
    const std::vector<int32_t> made = {2, 3, LAMP_SLOT, 4, SLOT_FLAPS, 6, 7, LAST_SLOT, SLOT_GEAR, SLOT_ENGINES};
    EXPECT_EQ(slots_in_creation_order(), made) << "the added rows without a place after the base rows, in their order";
}

TEST_F(SlotTable_, ConstantsPresetsAndBaseScales) {
    ActionSlot* lamp = slot(LAMP_SLOT);
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->timed, 1u);
    EXPECT_EQ(lamp->word2.f, 2.5f);
    EXPECT_EQ(lamp->word5.f, 1.5f);
    EXPECT_EQ(lamp->word6.f, 4.0f);
    EXPECT_EQ(layer(L"lamp_b").sprite_scale, 3.0f) << "preset";
    EXPECT_EQ(layer(L"lamp_a").sprite_scale, 1.0f) << "no preset";
    // The preset is set before the base scale of the same layer is read.
    std::vector<KvrnCall> sets = calls_since(mark, KVRN_CALL_RECALL_FUNCTION);
    std::vector<KvrnCall> gets = calls_since(mark, KVRN_CALL_EXT_FUNCTION);
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(gets.size(), 2u);
    uint32_t set_at = 0, get_at = 0;
    KvrnCall call;
    for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i) {
        if (call.kind == KVRN_CALL_RECALL_FUNCTION) set_at = i;
        if (call.kind == KVRN_CALL_EXT_FUNCTION && call.layer == handle(L"lamp_b")) get_at = i;
    }
    EXPECT_LT(set_at, get_at);
}

// The reference posts less the one left out, the inserted post right after its anchor, every
// post made whether or not its slot is built, and the words cleared once the gear is posted.
TEST_F(SlotTable_, ResetIsTheReferenceResetWithTheTypesChanges) {
    const Post expected[] = {
        {1, 5, 0, 0, 0},  {21, 0, 0, 0, 0}, {22, 0, 0, 0, 0},       {23, 0, 0, 0, 0}, {24, 0, 0, 0, 0},
        {25, 0, 0, 0, 0}, {27, 1, 0, 0, 0}, {23, 9, 8, 1.5f, 2.5f}, {30, 0, 0, 0, 0}, {31, 0, 0, 0, 0},
        {32, 0, 0, 0, 0}, {33, 0, 0, 0, 0}, {34, 0, 0, 0, 0},       {35, 0, 0, 0, 0}, {36, 0, 0, 0, 0},
        {20, 0, 0, 0, 0}, {37, 0, 0, 0, 0}, {19, 0, 0, 0, 0},
    };
    EXPECT_EQ(posts_since(mark), std::vector<Post>(std::begin(expected), std::end(expected)));
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[0].ival1, 0) << "flaps";
    EXPECT_EQ(started[0].lamp_word1, 7u) << "before the clear";
    EXPECT_EQ(started[1].ival1, 1) << "gear";
    EXPECT_EQ(started[1].lamp_word1, 7u) << "the gear post comes before the clear";
    EXPECT_EQ(started[2].ival1, 9) << "the inserted flap post";
    EXPECT_EQ(started[2].lamp_word1, 0u) << "after the clear";
}
}  // namespace
