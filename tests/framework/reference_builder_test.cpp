// The reference type's slot builders: the table, each slot's record and the layers it looked
// up, a model with missing layers, and the heap after destroy.
#include <vector>

#include "aircraft_fixture.h"

namespace {
struct SlotShape {
    int32_t slot;
    uint32_t timed;
    int32_t duration;
    bool looping, has_update;
    std::vector<const wchar_t*> layers;
};

const SlotShape part_slots[] = {
    {1, 1, 0, false, false, {L"Level1"}},
    {21, 4, 1000, false, true, {L"spoiler", L"X_spoiler01", L"X_spoiler02", L"X_spoiler03", L"X_spoiler04"}},
    {22, 3, 1000, false, true, {L"engine_on", L"engine_off", L"Z_revon01", L"Z_revon02"}},
    {23,
     15,
     0,
     false,
     true,
     {L"mainwing01", L"mainwing02", L"X_flap0101", L"X_flap0102", L"X_flap0201", L"X_flap0202", L"X_flap0301",
      L"X_flap0302", L"X_flap0401", L"X_flap0402", L"X_flaparm_01", L"X_flaparm_02", L"X_flaparm_03", L"X_flaparm_04",
      L"X_flaparm_05", L"X_flaparm_06"}},
    {24, 4, 0, false, true, {L"slat", L"X_1slat", L"X_2slat", L"X_3slat", L"X_4slat"}},
    {25, 1, 0, false, false, {L"Y_nosegear"}},
    {26, 5, 1000, true, true, {L"tire001", L"tire002", L"tire003", L"tire004", L"tire005", L"tire006"}},
    {27,
     18,
     12000,
     false,
     true,
     {L"nosegear", L"Z_1nose01", L"Z_2nose01", L"01body03", L"0101t1Rshaft", L"Z_0102t1Rshaf", L"0202t1Rshaft",
      L"0101t1Lshaft", L"Z_0102t1Lshaft", L"0202t1Lshaft", L"Z_1wing01", L"Z_2wing01", L"Z_2wing02", L"Z_3wing01",
      L"Z_4wing01", L"Z_4wing02", L"Z_01t1Rshaft", L"Z_01t1Lshaft", L"tire_off"}},
    {28, 3, 20000, true, true, {L"Z_e1low", L"Z_e1high", L"Z_e2low", L"Z_e2high"}},
    {30, 1, 1000, true, true, {L"atlightu", L"atlightd"}},
    {31, 2, 0, false, false, {L"wglightl", L"wglightr", L"ldlightb"}},
    {32, 1, 0, false, false, {L"rolight"}},
    {33, 3, 1000, false, true, {L"ldlightl1", L"ldlightr1", L"ldlightl2", L"ldlightr2"}},
    {34, 1, 1000, false, true, {L"frlight", L"ldlight"}},
    {35, 1, 0, false, false, {L"lglight"}},
    {36, 1, 1000, true, true, {L"wglightl", L"wglightr"}},
    {37, 1, 6000, false, true, {L"04body03", L"Z_door01"}},
    {40, 1, 0, false, false, {}},
    {41, 1, 1000, true, true, {}},
    {42, 1, 1000, true, true, {}},
};

const SlotShape sequence_slots[] = {
    {6, 1, 3000, false, true, {}},  {8, 1, 10000, false, true, {}}, {10, 1, 10000, false, true, {}},
    {12, 1, 3000, false, true, {}}, {13, 1, 5000, false, true, {}}, {19, 1, 0, false, false, {}},
};

class BuilderTest : public ReferenceTest {};

TEST_F(BuilderTest, TableHas43EntriesWithFiveEmpty) {
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->count, 43);
    for (int32_t n = 0; n < 43; ++n) {
        bool empty = n == 0 || n == 17 || n == 18 || n == 29 || n == 39;
        EXPECT_EQ(slot(n) == nullptr, empty) << "entry " << n;
        EXPECT_TRUE(empty || slot(n)->start != nullptr) << "entry " << n;
    }
    uint32_t mark = log_mark();
    for (int32_t n : {17, 18, 29, 39, 43, 100}) EXPECT_EQ(start(n, 1, 1, 1, 1), 0) << "command " << n;
    EXPECT_TRUE(posts_since(mark).empty());
}

TEST_F(BuilderTest, ImmediateSlotsAreShortRecords) {
    for (int32_t n : {2, 3, 4, 5, 7, 9, 11, 14, 15, 16, 38}) EXPECT_EQ(slot(n)->timed, 0u) << "slot " << n;
}

TEST_F(BuilderTest, TimedSlotsCarryTheirClockAndLayers) {
    for (const SlotShape* list : {part_slots, sequence_slots}) {
        size_t count = list == part_slots ? sizeof part_slots / sizeof *part_slots
                                          : sizeof sequence_slots / sizeof *sequence_slots;
        for (size_t i = 0; i < count; ++i) {
            const SlotShape& shape = list[i];
            SCOPED_TRACE(testing::Message() << "slot " << shape.slot);
            ActionSlot* s = slot(shape.slot);
            ASSERT_NE(s, nullptr);
            EXPECT_EQ(s->timed, shape.timed);
            if (shape.slot != 23 && shape.slot != 24) {  // flaps and slats: set by their starts
                EXPECT_EQ(s->duration, shape.duration);
            }
            EXPECT_EQ(s->looping != 0, shape.looping);
            EXPECT_EQ(s->update != nullptr, shape.has_update);
            for (size_t l = 0; l < shape.layers.size(); ++l) {
                KvrnLayer expected = handle(shape.layers[l]);
                EXPECT_NE(expected, 0u) << narrow(shape.layers[l]);
                EXPECT_EQ(s->layers[l], expected) << "layer " << l << " " << narrow(shape.layers[l]);
            }
        }
    }
    EXPECT_EQ(slot(20)->layers[0], aircraft) << "body pitch moves the object's own root";
}

TEST_F(BuilderTest, SlotWordsLinkAndHoldTheTypesNumbers) {
    EXPECT_EQ(slot(40)->word1.p, slot(25));
    EXPECT_EQ(slot(40)->word2.p, slot(26));
    EXPECT_FLOAT_EQ(slot(40)->word6.f, 12.296f);
    EXPECT_FLOAT_EQ(slot(40)->word7.f, 60.0f);
    EXPECT_FLOAT_EQ(slot(40)->word8.f, 3000.0f);
    EXPECT_EQ(slot(41)->word1.p, slot(40));
    EXPECT_NE(slot(28)->word3.p, nullptr) << "engine spool block";
    EXPECT_EQ(slot(34)->word1.u, 0u) << "front light beam off after the reset";
}

TEST_F(BuilderTest, DestroyFreesEveryBlock) {
    EXPECT_GT(heap().live_blocks, 0u);
    destroy_leaving_a_clean_heap();
    EXPECT_EQ(record()->actions, nullptr);
}

// A model with only a few of the named layers: every slot is still built, missing handles are
// 0, base scales of missing lamps are 0, and a whole flight runs without harm.
const wchar_t* const few_layers[] = {L"nosegear", L"atlightu", L"tire003", nullptr};

class SparseModelTest : public PluginFixture {
protected:
    void SetUp() override {
        load(L"acplug03.dll", false, few_layers);
        kvrn_host_set_base_scale(kvrn_host_find_layer(aircraft, L"atlightu"), 2.5f);
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
};

TEST_F(SparseModelTest, MissingLayersAreZeroAndHarmless) {
    EXPECT_EQ(table()->count, 43);
    EXPECT_EQ(slot(27)->layers[0], kvrn_host_find_layer(aircraft, L"nosegear"));
    EXPECT_EQ(slot(27)->layers[1], 0u);
    EXPECT_EQ(slot(26)->layers[2], kvrn_host_find_layer(aircraft, L"tire003"));
    EXPECT_EQ(slot(26)->layers[0], 0u);
    EXPECT_FLOAT_EQ(slot(30)->word5.f, 2.5f);
    EXPECT_FLOAT_EQ(slot(30)->word6.f, 0.0f) << "no \"atlightd\": base scale 0";
    EXPECT_FLOAT_EQ(slot(33)->word5.f, 0.0f);
    for (int32_t n = 1; n <= 16; ++n) send(n, 1, 1, 0, 5);
    send(19, 1, 1);
    send(28, 100, 0);
    for (int i = 0; i < 50; ++i) {
        send(KVRN_CMD_TICK, 900);
        send(KVRN_CMD_LIGHT);
    }
    send(KVRN_CMD_RESET);
    send(KVRN_CMD_TICK, -1);
    EXPECT_EQ(send(KVRN_CMD_DESTROY), 1u);
    EXPECT_EQ(heap().live_blocks, 0u);
}
}  // namespace
