// The glow scales that each of the seventeen types sets while it builds its slots, and the base
// scales it reads, in the order the engine receives them: one row per type, read from the
// stand-in engine's call log between the create command and the reset's first post.
#include <string>
#include <vector>

#include "aircraft_fixture.h"

namespace {
// One property-41 call: a preset (KVRNL_EXT_RecallFunction with the scale) or a base-scale read
// (KVRNL_EXT_Function). A layer below another layer than the aircraft's root is named
// "parent/layer".
struct ScaleCall {
    bool set;
    std::wstring layer;
    float scale;  // presets only
};

bool operator==(const ScaleCall& a, const ScaleCall& b) {
    return a.set == b.set && a.layer == b.layer && (!a.set || a.scale == b.scale);
}

std::ostream& operator<<(std::ostream& out, const ScaleCall& call) {
    out << (call.set ? "set " : "read ") << narrow(call.layer.c_str());
    if (call.set) out << " to " << call.scale;
    return out;
}

ScaleCall set(const wchar_t* layer, float scale) { return {true, layer, scale}; }
ScaleCall read(const wchar_t* layer) { return {false, layer, 0.0f}; }

struct TypeScales {
    const wchar_t* dll;
    std::vector<ScaleCall> calls;
};

// The reference type's slots 30, 33 and 34: both beacon lamps and the first lamp of each
// landing-light pair read as the model gives them, the beam "ldlight" set to 1.0 and read.
const std::vector<ScaleCall> reference_calls = {
    read(L"atlightu"),  read(L"atlightd"),     read(L"ldlightl1"),
    read(L"ldlightl2"), set(L"ldlight", 1.0f), read(L"ldlight"),
};

const TypeScales types[] = {
    {L"acplug01.dll", reference_calls},
    {L"acplug02.dll",
     {set(L"atlightu", 3.0f), set(L"atlightd", 3.0f), read(L"atlightu"), read(L"atlightd"), read(L"ldlightl1"),
      set(L"ldlightml", 1.5f), read(L"ldlightml")}},
    {L"acplug03.dll", reference_calls},
    {L"acplug04.dll",
     {read(L"atlightu"), read(L"atlightd"), read(L"ldlightl1"), set(L"ldlightml", 1.5f), read(L"ldlightml")}},
    {L"acplug05.dll",
     {read(L"atlightu"), read(L"atlightd"), read(L"ldlightl1"), set(L"ldlightml", 1.0f), read(L"ldlightml")}},
    {L"acplug06.dll",
     {set(L"atlightu", 3.0f), set(L"atlightd", 3.0f), read(L"atlightu"), read(L"atlightd"), read(L"ldlightl1"),
      set(L"ldlightml", 1.5f), read(L"ldlightml")}},
    {L"acplug07.dll",
     {set(L"atlightu", 3.0f), set(L"atlightd", 3.0f), read(L"atlightu"), read(L"atlightd"), read(L"ldlightl1"),
      set(L"ldlightml", 1.5f), read(L"ldlightml")}},
    {L"acplug08.dll", reference_calls},
    {L"acplug09.dll",
     {read(L"atlightu"), read(L"atlightd"), read(L"ldlightl"), read(L"ldlightl1"), set(L"ldlightml", 1.0f),
      read(L"ldlightml")}},
    {L"acplug10.dll",
     {set(L"atlightu", 1.0f), read(L"atlightu"), set(L"ldlightl1", 1.2f), read(L"ldlightl1"), set(L"ldlightml", 1.0f),
      read(L"ldlightml")}},
    {L"acplug11.dll", {read(L"atlightu"), read(L"atlightd"), read(L"ldlightl"), read(L"ldlightml")}},
    // The landing lights read the lamp inside the glow layer "ldlightl"; the front light has no beam.
    {L"acplug12.dll", {read(L"atlightu"), read(L"atlightd"), read(L"ldlightl/ldlightl1")}},
    {L"acplug13.dll",
     {set(L"atlightu", 1.5f), read(L"atlightu"), set(L"ldlightl1", 1.2f), read(L"ldlightl1"), set(L"ldlightml", 1.0f),
      read(L"ldlightml")}},
    {L"acplug14.dll", {read(L"atlightu"), read(L"atlightd"), read(L"ldlightl"), read(L"ldlightml")}},
    {L"acplug15.dll",
     {set(L"atlightu01", 0.8f), set(L"atlightu02", 0.8f), read(L"atlightu01"), read(L"atlightu02"),
      set(L"ldlightm", 0.8f), read(L"ldlightm")}},
    {L"acplug16.dll",
     {set(L"atlightu", 1.5f), set(L"atlightd", 1.5f), read(L"atlightu"), read(L"atlightd"), set(L"ldlightl1", 1.5f),
      read(L"ldlightl1"), set(L"ldlightml", 1.0f), read(L"ldlightml")}},
    {L"acplug17.dll",
     {read(L"atlightu"), read(L"atlightd"), read(L"ldlightr"), read(L"ldlightm"), set(L"ldlightl", 1.0f),
      read(L"ldlightl")}},
};

class ScalePresets : public PluginFixture {
protected:
    std::wstring layer_name(KvrnLayer handle) {
        KvrnLayerState state = layer_state_of(handle);
        std::wstring name = state.name;
        if (state.parent != aircraft) name = std::wstring(layer_state_of(state.parent).name) + L"/" + name;
        return name;
    }

    // The property-41 calls of the builders: from the create command up to the reset's first post.
    std::vector<ScaleCall> build_calls(uint32_t mark) {
        std::vector<ScaleCall> calls;
        KvrnCall call;
        for (uint32_t i = mark; kvrn_host_log_get(i, &call); ++i) {
            if (call.kind == KVRN_CALL_POST && call.layer == aircraft) break;
            if (call.ints[0] != KVRN_PROP_SCALE) continue;
            if (call.kind == KVRN_CALL_RECALL_FUNCTION)
                calls.push_back({true, layer_name(call.layer), call.floats[0]});
            else if (call.kind == KVRN_CALL_EXT_FUNCTION)
                calls.push_back({false, layer_name(call.layer), 0.0f});
        }
        return calls;
    }
};

TEST_F(ScalePresets, EachTypeSetsAndReadsItsGlowScalesAtBuild) {
    for (const TypeScales& type : types) {
        SCOPED_TRACE(narrow(type.dll));
        load(type.dll);
        uint32_t mark = log_mark();
        ASSERT_EQ(send(KVRN_CMD_CREATE), 1u);
        ASSERT_EQ(kvrn_host_log_dropped(), 0u);
        EXPECT_EQ(build_calls(mark), type.calls);
        EXPECT_FALSE(posts_since(mark).empty()) << "the reset follows the build";
        send(KVRN_CMD_DESTROY);
    }
}
}  // namespace
