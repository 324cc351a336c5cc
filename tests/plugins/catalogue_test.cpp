// Every plug-in built against its row of the aircraft type catalogue: table size, the slots it
// builds and those it leaves out, tyres, taxi numbers, ground geometry and slot durations.
#include <algorithm>
#include <set>

#include "catalogue.h"
#include "ground_path.h"
#include "plugin_fixture.h"

namespace {
const char REFERENCE_PLUGIN[] = "acplug03";

std::set<int32_t> reference_slots() {
    std::set<int32_t> slots;
    for (int32_t n = 1; n <= 42; ++n)
        if (n != 17 && n != 18 && n != 29 && n != 39) slots.insert(n);
    return slots;
}

std::set<int32_t> slots_of(const CatalogueRow& row) {
    std::set<int32_t> slots = reference_slots();
    for (int32_t n : row.left_out) slots.erase(n);
    slots.insert(row.added.begin(), row.added.end());
    return slots;
}

// The reference durations with the row's own.
std::map<int32_t, int32_t> durations_of(const CatalogueRow& row) {
    std::map<int32_t, int32_t> durations;
    for (const CatalogueRow& r : read_catalogue())
        if (r.plugin == REFERENCE_PLUGIN) durations = r.durations;
    for (const auto& d : row.durations) durations[d.first] = d.second;
    return durations;
}

// Slots that a type builds with a start that does nothing: its flight has no such phase.
const std::pair<const char*, int32_t> quiet_slots[] = {
    {"acplug12", SEQ_LANDING_LIGHTS_ON},
    {"acplug15", SEQ_LANDING_LIGHTS_ON},
};

bool is_quiet(const CatalogueRow& row, int32_t slot) {
    for (const auto& quiet : quiet_slots)
        if (row.plugin == quiet.first && slot == quiet.second) return true;
    return false;
}

TEST(Catalogue, ListsTheReferenceTypeAmongThePluginsBuilt) {
    std::vector<std::string> names = catalogue_plugins();
    EXPECT_NE(std::find(names.begin(), names.end(), REFERENCE_PLUGIN), names.end());
}

class CatalogueRowTest : public PluginFixture, public ::testing::WithParamInterface<CatalogueRow> {
protected:
    void SetUp() override {
        load(plugin_dll(GetParam()).c_str());
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }

    // Engine calls since `mark` other than the host's own and the fetches of the object's record.
    size_t engine_work_since(uint32_t mark) {
        size_t work = 0;
        KvrnCall call;
        for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i)
            if (call.kind != KVRN_CALL_HOST_SEND &&
                !(call.kind == KVRN_CALL_MOVE_ACTION && call.ints[0] == KVRN_CMD_RECORD))
                ++work;
        return work;
    }
};

TEST_P(CatalogueRowTest, TableHoldsThePresentSlotsAndOnlyThose) {
    const CatalogueRow& row = GetParam();
    ASSERT_EQ(table()->count, row.count);
    std::set<int32_t> present = slots_of(row);
    for (int32_t n = 1; n < row.count; ++n) {
        SCOPED_TRACE(testing::Message() << "slot " << n);
        bool expected = present.count(n) != 0;
        ASSERT_EQ(slot(n) != nullptr, expected);
        if (expected) {
            EXPECT_NE(slot(n)->start, nullptr);
        }
    }
}

TEST_P(CatalogueRowTest, AbsentSlotsAnswerZeroAndDoNothing) {
    const CatalogueRow& row = GetParam();
    std::set<int32_t> present = slots_of(row);
    for (int32_t n = 1; n < row.count + 3; ++n) {
        if (present.count(n)) continue;
        SCOPED_TRACE(testing::Message() << "command " << n);
        uint32_t mark = log_mark();
        EXPECT_EQ(send(n, 1, 1, 1.0f, 1.0f), 0u);
        EXPECT_EQ(engine_work_since(mark), 0u);
    }
}

// Every present slot runs its start: it answers, or moves, switches, posts or allocates something.
TEST_P(CatalogueRowTest, PresentSlotsAnswerTheirStart) {
    const CatalogueRow& row = GetParam();
    for (int32_t n : slots_of(row)) {
        if (n == SLOT_GEOMETRY || n == SLOT_TAXI) continue;  // need the caller's record, below
        SCOPED_TRACE(testing::Message() << "slot " << n);
        uint32_t mark = log_mark();
        uint32_t answer = send(n, 1, 0, 0.0f, 0.0f);
        if (is_quiet(row, n)) {
            EXPECT_EQ(answer, 0u);
            EXPECT_EQ(engine_work_since(mark), 0u);
        } else {
            EXPECT_TRUE(answer != 0 || engine_work_since(mark) != 0);
        }
    }
    PathState state;
    memset(&state, 0, sizeof state);
    state.layer = aircraft;
    state.speed = 1.0f;
    state.target = {0, 0, 100, 0};
    if (slots_of(row).count(SLOT_TAXI)) {
        EXPECT_EQ(start(SLOT_TAXI, pointer_argument(&state), 100), 1) << "taxi step";
    }
}

TEST_P(CatalogueRowTest, TyresTaxiNumbersAndGeometry) {
    const CatalogueRow& row = GetParam();
    std::set<int32_t> present = slots_of(row);
    if (present.count(SLOT_TYRES)) {
        start(SLOT_TYRES, 0, 0, 1.0f);
        for (uint32_t t = 1; t <= row.tyres + 1; ++t) {
            wchar_t name[16];
            swprintf(name, 16, L"tire%03u", t);
            bool rolled = t <= row.tyres;
            EXPECT_EQ(handle(name) != 0, rolled) << "tyre " << t;
            if (rolled) {
                EXPECT_NE(layer(name).rotation.x, 0.0f) << "tyre " << t;
            }
        }
    }
    if (present.count(SLOT_TAXI)) {
        EXPECT_FLOAT_EQ(slot(SLOT_TAXI)->word6.f, row.wheelbase);
        EXPECT_FLOAT_EQ(slot(SLOT_TAXI)->word7.f, row.steer_limit);
        EXPECT_FLOAT_EQ(slot(SLOT_TAXI)->word8.f, row.steer_time);
    }
    if (present.count(SLOT_GEOMETRY)) {
        ASSERT_EQ(row.geometry.size(), 10u) << "the catalogue gives the geometry of every plug-in built";
        GeometryRecord answer;
        memset(&answer, 0xcc, sizeof answer);
        EXPECT_EQ(start(SLOT_GEOMETRY, pointer_argument(&answer)), 0);
        EXPECT_EQ(answer.count, static_cast<int32_t>(row.geometry[0]));
        EXPECT_FLOAT_EQ(answer.size, row.geometry[1]);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(answer.px[i], row.geometry[2 + i]) << "px " << i;
            EXPECT_FLOAT_EQ(answer.pz[i], row.geometry[6 + i]) << "pz " << i;
        }
    }
}

TEST_P(CatalogueRowTest, TimedSlotsRunTheirDurations) {
    std::set<int32_t> present = slots_of(GetParam());
    for (const auto& d : durations_of(GetParam())) {
        if (!present.count(d.first)) continue;
        SCOPED_TRACE(testing::Message() << "slot " << d.first);
        ASSERT_NE(slot(d.first), nullptr);
        EXPECT_NE(slot(d.first)->timed, 0u);
        EXPECT_EQ(slot(d.first)->duration, d.second);
    }
}

INSTANTIATE_TEST_SUITE_P(Plugins, CatalogueRowTest, ::testing::ValuesIn(read_catalogue()),
                         [](const ::testing::TestParamInfo<CatalogueRow>& info) { return info.param.plugin; });
}  // namespace
