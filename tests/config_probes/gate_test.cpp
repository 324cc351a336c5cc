// The 3D gate's decision and the binding of the two libraries' entries by decorated name.
#include <gtest/gtest.h>

#include "libraries.h"
#include "probe_test_support.h"

namespace {

struct GateCase {
    const char* name;
    int32_t engine_loaded;
    const wchar_t* dd_status;
    const wchar_t* d3d_status;
    int32_t entries_bound;
    uint32_t directx_version;
    int32_t available;
    int32_t show_906;
};

const GateCase gate_cases[] = {
    {"engine missing", 0, L"Enabled", L"Enabled", 0, 0x00040009, 0, 1},
    {"engine missing, no diagnostics", 0, L"", L"", 0, 0, 0, 1},
    {"DirectX 9 accelerated", 1, L"Enabled", L"Enabled", 1, 0x00040009, 1, 0},
    {"statuses compared without case", 1, L"enabled", L"ENABLED", 1, 0x00040009, 1, 0},
    {"DirectX 8", 1, L"Enabled", L"Enabled", 1, 0x00040008, 0, 1},
    {"only the low 16 bits count", 1, L"Enabled", L"Enabled", 1, 0x0009000A, 1, 0},
    {"no setup answer", 1, L"Enabled", L"Enabled", 1, 0, 0, 1},
    {"Direct3D not available", 1, L"Enabled", L"Not Available", 1, 0x00040009, 0, 0},
    {"DirectDraw disabled", 1, L"Disabled", L"Enabled", 1, 0x00040009, 0, 0},
    {"no diagnostics", 1, L"", L"", 1, 0x00040009, 0, 0},
    {"status with a trailing blank", 1, L"Enabled ", L"Enabled", 1, 0x00040009, 0, 0},
    {"engine entry missing", 1, L"Enabled", L"Enabled", 0, 0x00040009, 0, 0},
    {"engine entry missing, DirectX 8", 1, L"Enabled", L"Enabled", 0, 0x00040008, 0, 0},
};

TEST(EngineGate, DecidesByLibraryStatusesEntriesAndVersion) {
    for (const GateCase& c : gate_cases) {
        SCOPED_TRACE(c.name);
        EngineGateInput input = {c.engine_loaded, c.entries_bound, c.dd_status, c.d3d_status, c.directx_version};
        EngineGateResult result = decide_engine_gate(&input);
        EXPECT_EQ(c.available, result.available);
        EXPECT_EQ(c.show_906, result.show_engine_error);
    }
}

TEST(EngineGate, EntriesAreBoundOnlyWhenBothStatusesAreEnabled) {
    EngineGateInput enabled = {1, 0, L"Enabled", L"Enabled", 0};
    EngineGateInput disabled = {1, 0, L"Enabled", L"Emulation only", 0};
    EngineGateInput missing = {0, 0, L"Enabled", L"Enabled", 0};
    EXPECT_EQ(1, decide_engine_gate(&enabled).bind_entries);
    EXPECT_EQ(0, decide_engine_gate(&disabled).bind_entries);
    EXPECT_EQ(0, decide_engine_gate(&missing).bind_entries);
}

HMODULE load_built(const wchar_t* relative) { return LoadLibraryW((probe_test::output_folder() + relative).c_str()); }

TEST(LibraryBinding, FullSoundLibraryBindsAll17Entries) {
    HMODULE module = load_built(L"RUQ6X.DLL");
    ASSERT_TRUE(module);
    SoundEntries entries;
    memset(&entries, 0xCC, sizeof entries);
    EXPECT_EQ(0u, bind_sound_entries(module, &entries));
    void* const* slots = (void* const*)&entries;
    for (int i = 0; i < 17; ++i) EXPECT_TRUE(slots[i] != nullptr) << "entry " << i;
    FreeLibrary(module);
}

TEST(LibraryBinding, SoundLibraryLackingWaveFreeAndSetMasterVolGivesMask10100) {
    HMODULE module = load_built(L"variants\\ruq6x_partial\\RUQ6X.DLL");
    ASSERT_TRUE(module);
    SoundEntries entries;
    memset(&entries, 0xCC, sizeof entries);
    EXPECT_EQ(0x10100u, bind_sound_entries(module, &entries));
    EXPECT_TRUE(entries.wave_free == nullptr);
    EXPECT_TRUE(entries.set_master_vol == nullptr);
    EXPECT_TRUE(entries.wave_status != nullptr);
    FreeLibrary(module);
}

TEST(LibraryBinding, NoModuleMissesEveryEntry) {
    SoundEntries entries;
    EXPECT_EQ(0x1FFFFu, bind_sound_entries(nullptr, &entries));
}

TEST(LibraryBinding, EngineEntriesBindAllOrNone) {
    HMODULE full = load_built(L"kvrn.dll");
    ASSERT_TRUE(full);
    EngineEntries entries = {};
    EXPECT_EQ(1, bind_engine_entries(full, &entries));
    EXPECT_TRUE(entries.start && entries.end && entries.get_information && entries.ext_function);
    FreeLibrary(full);

    HMODULE partial = load_built(L"variants\\kvrn_missing_entry\\KVRN.DLL");
    ASSERT_TRUE(partial);
    EXPECT_EQ(0, bind_engine_entries(partial, &entries));
    EXPECT_TRUE(!entries.start && !entries.end && !entries.get_information && !entries.ext_function);
    FreeLibrary(partial);
}

TEST(EngineLevels, ListsEndAtTheFirstZeroAndNeverPassTheir15Slots) {
    uint32_t levels[ENGINE_LEVEL_SLOTS + 1] = {2, 4, 8, 16, 0, 32};
    EXPECT_EQ(4u, engine_level_count(levels));
    levels[0] = 0;
    EXPECT_EQ(0u, engine_level_count(levels));
    for (uint32_t& level : levels) level = 7;  // no end inside the slots: the word after is not read
    EXPECT_EQ(15u, engine_level_count(levels));
}

}  // namespace
