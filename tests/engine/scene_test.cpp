// The stand-in engine's scene as the plug-ins use it: layer search, transforms, visibility,
// properties, lights and objects driven through KVRNL_MoveAction.
#include <gtest/gtest.h>
#include <string.h>

#include "kvrn_host.h"

namespace {
class EngineScene : public ::testing::Test {
protected:
    void SetUp() override { kvrn_host_reset(); }
    KvrnContext context = kvrn_host_context();

    KvrnLayerState state(KvrnLayer layer) {
        KvrnLayerState s{};
        EXPECT_TRUE(kvrn_host_layer_state(layer, &s));
        return s;
    }
};

TEST_F(EngineScene, SearchFindsNamesBelowTheParentOnly) {
    KvrnLayer plane = kvrn_host_add_layer(0, L"aircraft");
    KvrnLayer wing = kvrn_host_add_layer(plane, L"wing");
    KvrnLayer flap = kvrn_host_add_layer(wing, L"X_flap0101");
    KvrnLayer other = kvrn_host_add_layer(0, L"other");

    EXPECT_EQ(KVRNL_SearchLayer(context, 0, nullptr), kvrn_host_root());
    EXPECT_EQ(KVRNL_SearchLayer(context, plane, L"X_flap0101"), flap) << "found at any depth";
    EXPECT_EQ(KVRNL_SearchLayer(context, 0, L"aircraft"), plane);
    EXPECT_EQ(KVRNL_SearchLayer(context, other, L"X_flap0101"), 0u);
    EXPECT_EQ(KVRNL_SearchLayer(context, plane, L"missing"), 0u);
    EXPECT_EQ(KVRNL_SearchLayer(context, plane, nullptr), 0u);
}

TEST_F(EngineScene, LenientSceneMakesSearchedNamesExceptAtTheRoot) {
    KvrnLayer plane = kvrn_host_add_layer(0, L"aircraft");
    kvrn_host_set_lenient(1);
    KvrnLayer made = KVRNL_SearchLayer(context, plane, L"anything");
    EXPECT_NE(made, 0u);
    EXPECT_EQ(KVRNL_SearchLayer(context, plane, L"anything"), made);
    EXPECT_EQ(KVRNL_SearchLayer(context, 0, L"atl"), 0u) << "objects under the root are never invented";
}

TEST_F(EngineScene, LayerFunctionsChangeStateAndIgnoreLayerZero) {
    KvrnLayer layer = kvrn_host_add_layer(0, L"light");
    KvrnVector t = {1, 2, 3, 0}, r = {10, 20, 30, 0};
    KVRNL_MoveLayer(context, layer, &t, nullptr, nullptr, 0, 0);
    KVRNL_MoveLayer(context, layer, nullptr, &r, nullptr, 0, 0);
    KVRNL_SwitchLayer(context, layer, 0);
    KVRNL_EXT_RecallFunction(context, layer, KVRN_PROP_TRANSPARENCY, 127, 0, 1);
    float scale = 0.25f;
    KVRNL_EXT_RecallFunction(context, layer, KVRN_PROP_SCALE, reinterpret_cast<KvrnWord>(&scale), 0, 1);

    KvrnLayerState s = state(layer);
    EXPECT_EQ(s.translation.y, 2.0f) << "a NULL vector leaves that part";
    EXPECT_EQ(s.rotation.z, 30.0f);
    EXPECT_EQ(s.visible, 0u);
    EXPECT_EQ(s.transparency, 127u);
    EXPECT_EQ(s.sprite_scale, 0.25f);

    KvrnVector out = {9, 9, 9, 9};
    KVRNL_GetMoveLayer(context, layer, &out, nullptr, nullptr, 0, 0);
    EXPECT_EQ(out.z, 3.0f);

    uint32_t layers = kvrn_host_layer_count();
    EXPECT_EQ(KVRNL_MoveLayer(context, 0, &t, &r, nullptr, 0, 0), 0u);
    EXPECT_EQ(KVRNL_SwitchLayer(context, 0, 1), 0u);
    EXPECT_EQ(KVRNL_EXT_RecallFunction(context, 0, KVRN_PROP_TRANSPARENCY, 5, 0, 1), 0u);
    EXPECT_EQ(KVRNL_EXT_Function(context, 0, KVRN_PROP_SCALE, nullptr, 0, 0, 0, 0, 0), 0u);
    EXPECT_EQ(kvrn_host_layer_count(), layers);
}

TEST_F(EngineScene, BaseScaleAndWorldPosition) {
    KvrnLayer plane = kvrn_host_add_layer(0, L"aircraft");
    KvrnLayer tip = kvrn_host_add_layer(plane, L"wglightl");
    kvrn_host_set_base_scale(tip, 2.5f);
    KvrnVector at_plane = {100, 0, 50, 0}, at_tip = {-17, 3, 1, 0};
    kvrn_host_set_transform(plane, &at_plane, nullptr);
    kvrn_host_set_transform(tip, &at_tip, nullptr);

    const float* base =
        reinterpret_cast<const float*>(KVRNL_EXT_Function(context, tip, KVRN_PROP_SCALE, nullptr, 0, 0, 0, 0, 0));
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(*base, 2.5f);

    float record[16];
    memset(record, 0xcc, sizeof record);
    KVRNL_EXT_Function(context, tip, KVRN_PROP_WORLD, record, 0, 0, 0, 0, 0);
    EXPECT_EQ(record[8], 83.0f);
    EXPECT_EQ(record[9], 3.0f);
    EXPECT_EQ(record[10], 51.0f);
}

TEST_F(EngineScene, LightSevenKeepsTheLastRecordOrOff) {
    unsigned char record[56];
    for (int i = 0; i < 56; ++i) record[i] = static_cast<unsigned char>(i);
    KVRN_SetLight(context, KVRN_DYNAMIC_LIGHT, record);
    KvrnLightState light;
    ASSERT_TRUE(kvrn_host_light(KVRN_DYNAMIC_LIGHT, &light));
    EXPECT_EQ(light.on, 1u);
    EXPECT_EQ(memcmp(light.record, record, 56), 0);
    KVRN_SetLight(context, KVRN_DYNAMIC_LIGHT, nullptr);
    kvrn_host_light(KVRN_DYNAMIC_LIGHT, &light);
    EXPECT_EQ(light.on, 0u);
    EXPECT_EQ(light.sets, 2u);
}

uint32_t __stdcall echo_entry(uint32_t, uint32_t, tagKVRNFILE* record) {
    return static_cast<uint32_t>(record->command * 100 + record->ival1);
}

TEST_F(EngineScene, MoveActionWritesTheRecordAndCallsTheEntry) {
    KvrnLayer object = kvrn_host_create_object(L"thing", echo_entry);
    EXPECT_EQ(KVRNL_MoveAction(context, object, 7, 3, 4, 1.5f, 2.5f), 703u);
    tagKVRNFILE* record = kvrn_host_record(object);
    EXPECT_EQ(record->command, 7);
    EXPECT_EQ(record->ival2, 4);
    EXPECT_EQ(record->fval2, 2.5f);
    EXPECT_EQ(KVRNL_MoveAction(context, object, KVRN_CMD_RECORD, 0, 0, 0, 0), reinterpret_cast<KvrnWord>(record))
        << "the engine answers -4 itself";
    EXPECT_EQ(record->command, 7) << "-4 leaves the record alone";
    EXPECT_EQ(KVRNL_MoveAction(context, 0x7777, 1, 0, 0, 0, 0), 0u) << "no such object";
}
}  // namespace
