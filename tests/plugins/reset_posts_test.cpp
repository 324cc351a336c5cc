// The reset (command 0) of every aircraft type: the posts it makes, in order and with their
// arguments, posts to slots the type does not build included, and the gear-slot words it clears.
// A post to a slot that a type does not build still leaves that post in the object's record.
#include <vector>

#include "plugin_fixture.h"

namespace {
Post p(int32_t command, int32_t ival1 = 0, int32_t ival2 = 0, float fval1 = 0.0f) {
    return {command, ival1, ival2, fval1, 0.0f};
}

struct WordClear {
    int32_t slot, word;
};

struct ResetCase {
    const char* plugin;
    std::vector<Post> posts;
    std::vector<WordClear> clears;
};

void PrintTo(const ResetCase& c, std::ostream* out) { *out << c.plugin; }

// Gear down, surfaces stowed, engines and lights off, level, door closed, light 7 off.
const std::vector<Post> reference_posts = {
    p(1, 5), p(21), p(22), p(23), p(24), p(25), p(27, 1), p(28), p(30),
    p(31),   p(32), p(33), p(34), p(35), p(36), p(20),    p(37), p(19),
};
const std::vector<WordClear> gear_tilt = {{27, 5}};

const ResetCase cases[] = {
    {"acplug01", reference_posts, gear_tilt},
    {"acplug02", reference_posts, gear_tilt},
    {"acplug03", reference_posts, gear_tilt},
    {"acplug04", reference_posts, gear_tilt},
    {"acplug05", reference_posts, gear_tilt},
    {"acplug06", reference_posts, {{27, 5}, {27, 6}}},
    {"acplug07", reference_posts, {{27, 5}, {27, 6}}},
    {"acplug08", reference_posts, gear_tilt},
    {"acplug09",
     {p(1, 5), p(21), p(22), p(23), p(24), p(25), p(27, 1), p(28), p(29), p(30), p(31), p(32), p(33), p(34), p(35),
      p(36), p(20), p(37), p(19)},
     gear_tilt},
    {"acplug10",
     {p(1, 5), p(23), p(25), p(27, 1), p(28), p(29), p(30), p(31), p(32), p(33), p(34), p(35), p(36), p(20), p(37),
      p(19)},
     gear_tilt},
    {"acplug11",
     {p(23), p(25), p(27, 1), p(28), p(30), p(31), p(32), p(33), p(34), p(35), p(36), p(20), p(29), p(37), p(19)},
     gear_tilt},
    {"acplug12",
     {p(21), p(22), p(23), p(25), p(27, 1), p(28), p(29), p(30), p(31), p(33), p(34), p(36), p(20), p(19)},
     gear_tilt},
    {"acplug13",
     {p(1, 5), p(21), p(23), p(25), p(27, 1), p(28), p(29), p(30), p(31), p(32), p(33), p(34), p(35), p(36), p(20),
      p(37), p(19)},
     gear_tilt},
    {"acplug14",
     {p(21), p(22), p(23), p(25), p(27, 1), p(28), p(30), p(31), p(32), p(33), p(34), p(35), p(36), p(20), p(29), p(37),
      p(19)},
     gear_tilt},
    {"acplug15",
     {p(21), p(23), p(24), p(25), p(27, 1), p(30), p(31), p(34), p(20), p(19), p(61), p(62, 1, 0), p(71)},
     gear_tilt},
    {"acplug16", {p(23), p(25), p(27, 1), p(28), p(29), p(30), p(31), p(32), p(33), p(34), p(20), p(19)}, gear_tilt},
    {"acplug17", {p(28), p(29, 1), p(30), p(31), p(33), p(34), p(20), p(19), p(71, 0, 0, 30.0f)}, {}},
};

const uint32_t POISON = 0xDEADBEEFu;

class ResetPosts : public PluginFixture, public ::testing::WithParamInterface<ResetCase> {
protected:
    void SetUp() override {
        std::string name = GetParam().plugin;
        load((std::wstring(name.begin(), name.end()) + L".dll").c_str());
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
};

TEST_P(ResetPosts, PostsItsOwnListInOrderAndClearsTheGearWords) {
    const ResetCase& c = GetParam();
    for (const WordClear& clear : c.clears) {
        ASSERT_NE(slot(clear.slot), nullptr);
        slot_word(slot(clear.slot), clear.word)->u = POISON;
    }
    uint32_t mark = log_mark();
    EXPECT_EQ(send(KVRN_CMD_RESET), 0u);
    EXPECT_EQ(posts_since(mark), c.posts);
    for (const WordClear& clear : c.clears)
        EXPECT_EQ(slot_word(slot(clear.slot), clear.word)->f, 0.0f) << "slot " << clear.slot << " word" << clear.word;
    // The engine finds the last post in the record when the call returns.
    const Post& last = c.posts.back();
    EXPECT_EQ(record()->command, last.command);
    EXPECT_EQ(record()->ival1, last.ival1);
    EXPECT_EQ(record()->fval1, last.fval1);
}

// Create runs the same reset before every clock jumps to its end.
TEST_P(ResetPosts, CreateRunsTheSameReset) {
    send(KVRN_CMD_DESTROY);
    uint32_t mark = log_mark();
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    std::vector<Post> posts = posts_since(mark);
    ASSERT_GE(posts.size(), GetParam().posts.size());
    posts.resize(GetParam().posts.size());
    EXPECT_EQ(posts, GetParam().posts);
}

INSTANTIATE_TEST_SUITE_P(EveryType, ResetPosts, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<ResetCase>& info) { return info.param.plugin; });

// A post to a slot the type does not build writes the record and does nothing else: the engine
// finds that post, not an earlier one, when the call returns.
struct AbsentPostCase {
    const char* plugin;
    int32_t sequence, ival1;
    float fval2;
    std::vector<Post> posts;  // the sequence's posts, the absent ones among them
};

void PrintTo(const AbsentPostCase& c, std::ostream* out) { *out << c.plugin << " slot " << c.sequence; }

const AbsentPostCase absent_cases[] = {
    // No slats: the approach leaves slats 50 in the record.
    {"acplug12", 9, 0, 0.0f, {p(23, 50), p(24, 50)}},
    {"acplug14", 9, 0, 0.0f, {p(23, 50), p(24, 50)}},
    // No "rolight": the after-landing phase still posts it first.
    {"acplug12", 14, 1, 0.0f, {p(32, 100), p(23)}},
    // No logo light: it is posted on with the navigation lights.
    {"acplug12", 2, 1, 0.0f, {p(35, 1), p(31, 1)}},
    {"acplug10", 2, 1, 0.0f, {p(32, 100), p(35, 1), p(31, 1)}},
    // No strobes: the final configuration posts them off.
    {"acplug10", 10, 1, 0.0f, {p(32), p(36), p(23, 100), p(27, 1), p(33, 100)}},
    {"acplug13", 10, 1, 0.0f, {p(32), p(36), p(23, 100), p(27, 1), p(33, 100)}},
    {"acplug12", 10, 1, 0.0f, {p(32), p(36), p(23, 100), p(27, 1), p(33, 100)}},
    // No logo light or strobes on the after-take-off phase of acplug10.
    {"acplug10",
     8,
     1,
     0.0f,
     {p(32, 100), p(35, 1), p(36, 1), p(30, 1), p(27, 0), p(31, 1), p(23, 0), p(33, 0), p(34, 0)}},
};

class AbsentSlotPost : public PluginFixture, public ::testing::WithParamInterface<AbsentPostCase> {
protected:
    void SetUp() override {
        std::string name = GetParam().plugin;
        load((std::wstring(name.begin(), name.end()) + L".dll").c_str());
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }
};

TEST_P(AbsentSlotPost, LeavesThePostInTheRecord) {
    const AbsentPostCase& c = GetParam();
    uint32_t mark = log_mark();
    start(c.sequence, c.ival1, 0, 0.0f, c.fval2);
    std::vector<Post> posts = posts_since(mark);
    // Body pitches of a timed phase's first update follow its start's posts.
    std::vector<Post> made;
    for (const Post& post : posts)
        if (post.command != 20) made.push_back(post);
    EXPECT_EQ(made, c.posts);
    if (c.posts.back().command != 20 && posts.back().command != 20) {
        EXPECT_EQ(record()->command, c.posts.back().command);
        EXPECT_EQ(record()->ival1, c.posts.back().ival1);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, AbsentSlotPost, ::testing::ValuesIn(absent_cases));

// The last post of a sequence goes to a slot the type lacks: the record holds it afterwards.
TEST_F(PluginFixture, ApproachOfATypeWithoutSlatsEndsWithTheSlatPostInTheRecord) {
    load(L"acplug12.dll");
    ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    ASSERT_EQ(slot(24), nullptr);
    start(SEQ_APPROACH);
    EXPECT_EQ(record()->command, 24);
    EXPECT_EQ(record()->ival1, 50);
    EXPECT_EQ(record()->ival2, 0);
    EXPECT_EQ(record()->fval1, 0.0f);
    EXPECT_EQ(record()->fval2, 0.0f);
}
}  // namespace
