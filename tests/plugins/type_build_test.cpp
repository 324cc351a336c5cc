// Every type's action table after create against the type's own slot list: which entries are
// filled, each record's kind, clock and looping flag, its layers in order and the words its
// builder sets. Each layer the list names exists in the model with a base scale of its own, so
// that a word holding a base scale shows which layer it was read from; a layer named below
// another one has a namesake under the root, which a look-up in the wrong place would find.
#include <wchar.h>

#include <algorithm>
#include <map>
#include <string>

#include "aircraft_fixture.h"
#include "built_slots.h"

// Names a failing case by its plug-in (found beside TypeBuild, in the global namespace).
void PrintTo(const TypeBuild& build, std::ostream* out) { *out << build.plugin; }

namespace {
// A record's size in the engine heap. An immediate record is `start`, eight words and `timed`
// (40 bytes in the 32-bit build); a timed record is 72 bytes of fields in the 32-bit build
// (`update` last, after seven 32-bit clock fields), then a 32-bit handle for each layer and for
// one where it has none. The 64-bit build has the same fields with pointer-sized routines and words.
constexpr size_t WORD_BYTES = sizeof(void*);
constexpr size_t IMMEDIATE_RECORD_BYTES = WORD_BYTES + 8 * WORD_BYTES + 4;
constexpr size_t TIMED_FIELDS_BYTES =
    (IMMEDIATE_RECORD_BYTES + 7 * 4 + WORD_BYTES - 1) / WORD_BYTES * WORD_BYTES + WORD_BYTES;
static_assert(WORD_BYTES != 4 || (IMMEDIATE_RECORD_BYTES == 40 && TIMED_FIELDS_BYTES == 72), "the 32-bit records");

size_t record_bytes(const BuiltSlot& shape) {
    if (shape.timed == 0) return IMMEDIATE_RECORD_BYTES;
    return TIMED_FIELDS_BYTES + 4 * std::max<size_t>(shape.layers.size(), 1);
}

// By its text: each file of rows holds its own copy of the literal.
bool is_root_layer(const wchar_t* name) { return wcscmp(name, ROOT_LAYER) == 0; }

class TypeBuildTest : public PluginFixture, public ::testing::WithParamInterface<TypeBuild> {
protected:
    std::map<std::wstring, float> base_scales;

    float next_base_scale = 1.0f;

    void SetUp() override {
        const TypeBuild& build = GetParam();
        std::string plugin = std::string(build.plugin) + ".dll";
        load(std::wstring(plugin.begin(), plugin.end()).c_str());
        for (const BuiltSlot& slot : build.slots) {
            for (const wchar_t* name : slot.layers)
                if (!is_root_layer(name)) add_model_layer(name);
            for (const BuiltWord& word : slot.words)
                if (word.kind == BuiltWord::BASE_SCALE_OF) add_model_layer(word.layer);
        }
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
    }

    // A layer of the model with a base scale of its own. "parent/name" is made below `parent`
    // after a layer `name` directly under the root, found first by a search under the root.
    void add_model_layer(const std::wstring& path) {
        if (base_scales.count(path)) return;
        KvrnLayer parent = aircraft;
        std::wstring name = path;
        size_t slash = path.find(L'/');
        if (slash != std::wstring::npos) {
            name = path.substr(slash + 1);
            add_model_layer(name);
            add_model_layer(path.substr(0, slash));
            parent = handle(path.substr(0, slash).c_str());
        }
        next_base_scale += 0.125f;
        base_scales[path] = next_base_scale;
        kvrn_host_set_base_scale(kvrn_host_add_layer(parent, name.c_str()), next_base_scale);
    }

    std::string layer_name(KvrnLayer handle) {
        if (handle == 0) return "(none)";
        if (handle == aircraft) return "(the root layer)";
        return narrow(layer_state_of(handle).name);
    }

    void expect_word(ActionSlot* s, const BuiltWord& expected) {
        SCOPED_TRACE(testing::Message() << "word" << expected.word);
        SlotWord* word = slot_word(s, expected.word);
        switch (expected.kind) {
            case BuiltWord::INT:
                EXPECT_EQ(word->i, expected.number);
                break;
            case BuiltWord::FLOAT:
                EXPECT_FLOAT_EQ(word->f, expected.value);
                break;
            case BuiltWord::BASE_SCALE_OF:
                EXPECT_FLOAT_EQ(word->f, base_scales[expected.layer]) << "the base scale of " << narrow(expected.layer);
                break;
            case BuiltWord::SLOT:
                EXPECT_EQ(word->p, slot(expected.number)) << "the record of slot " << expected.number;
                break;
        }
    }
};

TEST_P(TypeBuildTest, EveryEntryHoldsTheSlotItsTypeBuilds) {
    const TypeBuild& build = GetParam();
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->count, build.count);
    std::map<int32_t, const BuiltSlot*> expected;
    for (const BuiltSlot& s : build.slots) expected[s.slot] = &s;
    for (int32_t n = 0; n < table()->count; ++n) EXPECT_EQ(slot(n) != nullptr, expected.count(n) != 0) << "entry " << n;

    for (const BuiltSlot& shape : build.slots) {
        SCOPED_TRACE(testing::Message() << build.plugin << " slot " << shape.slot);
        ActionSlot* s = slot(shape.slot);
        ASSERT_NE(s, nullptr);
        EXPECT_NE(s->start, nullptr);
        EXPECT_EQ(s->timed, shape.timed);
        EXPECT_EQ(kvrn_host_block_bytes(s), record_bytes(shape)) << "the record's size";
        if (s->timed != 0) {
            EXPECT_EQ(s->looping != 0, shape.looping);
            if (shape.duration != SET_BY_START) {
                EXPECT_EQ(s->duration, shape.duration);
            }
            for (size_t i = 0; i < shape.layers.size(); ++i) {
                KvrnLayer want = is_root_layer(shape.layers[i]) ? aircraft : handle(shape.layers[i]);
                EXPECT_EQ(s->layers[i], want)
                    << "layer " << i << ": " << layer_name(s->layers[i]) << " in place of " << layer_name(want);
            }
        }
        for (const BuiltWord& word : shape.words) expect_word(s, word);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, TypeBuildTest, ::testing::ValuesIn(all_type_builds()),
                         [](const ::testing::TestParamInfo<TypeBuild>& info) {
                             return std::string(info.param.plugin);
                         });
}  // namespace
