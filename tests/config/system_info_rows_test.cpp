// The system information list's rows from chosen probe results: the order of the rows, each row's
// condition and format, the registry fallbacks and the bounds of the records they read.
#include <gtest/gtest.h>
#include <string.h>
#include <functional>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "dxdiag_info.h"
#include "files.h"
#include "libraries.h"
#include "engine_library.h"
#include "package_catalogue.h"
#include "program_state.h"
#include "settings_store.h"
#include "system_info_list.h"
#include "startup_lists.h"
#include "string_table.h"
#include "system_metrics.h"

namespace {

const wchar_t TEST_ROOT[] = L"SOFTWARE\\TovimarkTests\\SystemInfo";
const wchar_t PROCESSOR_KEY[] = L"SOFTWARE\\TovimarkTests\\SystemInfo\\CentralProcessor\\0";
const wchar_t CLASS_KEY[] = L"SOFTWARE\\TovimarkTests\\SystemInfo\\Class";
const wchar_t MISSING_KEY[] = L"SOFTWARE\\TovimarkTests\\SystemInfo\\Missing";

void set_text(const std::wstring& subkey, const wchar_t* name, const std::wstring& value) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr));
    RegSetValueExW(key, name, 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}
void set_dword(const std::wstring& subkey, const wchar_t* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr));
    RegSetValueExW(key, name, 0, REG_DWORD, (const BYTE*)&value, sizeof value);
    RegCloseKey(key);
}
void clear_test_keys() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, TEST_ROOT); }

// A row as "label=value"; a blank separator row as "".
std::vector<std::wstring> collected;
void collect(void*, const wchar_t* label, const wchar_t* value) {
    collected.push_back(value ? std::wstring(label) + L"=" + value : std::wstring(label));
}

class SystemInfoRows : public ::testing::Test {
public:
    SystemInfoSources sources = {};
    DxDiagInfo dxdiag = {};
    // The recorded slots and, behind them, two that hold what the program never recorded.
    MonitorSlot monitors[MONITOR_SLOTS + 2] = {};
    EngineInformation engine = {};
    PackageRecord packages[2] = {};

    void SetUp() override {
        sources = SystemInfoSources{};
        dxdiag = DxDiagInfo{};
        memset(monitors, 0, sizeof monitors);
        memset(&engine, 0, sizeof engine);
        memset(packages, 0, sizeof packages);
        program_instance = GetModuleHandleW(nullptr);
        set_string_offset(1);
        clear_test_keys();
        set_text(PROCESSOR_KEY, L"ProcessorNameString", L"   Intel(R) Core(TM) i7 CPU 940");
        set_dword(PROCESSOR_KEY, L"~MHz", 2992);
        set_text(PROCESSOR_KEY, L"Identifier", L"x86 Family 6 Model 26 Stepping 4");

        sources.registry_root = HKEY_LOCAL_MACHINE;
        sources.processor_key = PROCESSOR_KEY;
        sources.display_class_key = CLASS_KEY;
        sources.total_memory = 2147483648ull;
        sources.available_memory = 5u << 20;
        sources.virtual_memory = 2147352576ull;
        wcscpy(dxdiag.chip_type, L"  GeForce GTX 470");
        wcscpy(dxdiag.description, L" NVIDIA GeForce GTX 470");
        wcscpy(dxdiag.display_memory, L"  1280 MB");
        wcscpy(dxdiag.driver_name, L"nvd3dum.dll");
        wcscpy(dxdiag.driver_version, L" 8.17.12.5896");
        wcscpy(dxdiag.driver_date, L"7/9/2010 01:16:00");
        wcscpy(dxdiag.dd_status, L"Enabled");
        wcscpy(dxdiag.d3d_status, L"ENABLED");
        sources.dxdiag = &dxdiag;
        sources.texture_memory = 536870912u;
        sources.monitor_count = 1;
        sources.screen_width = 1920;
        sources.screen_height = 1080;
        sources.monitors = monitors;
        sources.sound_kind = 1;
        sources.windows_version = L"Windows XP Professional Service Pack 2 [5.1.2600]";
        sources.directx_version = L"9.0c [ 4.09.00.0904 ] ";
        sources.engine_available = 1;
        wcscpy(engine.pc_maker, L"Quellbright");
        wcscpy(engine.pc_model, L"Tower 3");
        const uint32_t anisotropy[] = {2, 4, 8, 16};
        memcpy(engine.anisotropy_levels, anisotropy, sizeof anisotropy);
        engine.anti_alias_levels[0] = 2;
        engine.anti_alias_levels[1] = 4;
        engine.max_texture_width = 4096;
        engine.max_texture_height = 2048;
        engine.texture_stage_count = 8;
        engine.light_count = 8;
        engine.stream_count = 16;
        engine.zbuffer_bits = 24;
        engine.stencil_bits = 8;
        sources.engine = &engine;
        wcscpy(packages[0].display_name, L"Kitahama International Airport");
        wcscpy(packages[0].short_tag, L"AB");
        packages[0].version = 102;
        packages[0].install_date = 20090512;
        wcscpy(packages[1].display_name, L"Minato Heliport");
        packages[1].version = 0;
        sources.packages = packages;
        sources.package_count = 2;
    }
    void TearDown() override {
        clear_test_keys();
        set_string_offset(1);
    }

    std::vector<std::wstring> rows() {
        collected.clear();
        SystemInfoRowSink sink = {collect, nullptr};
        list_system_info_rows(&sources, &sink);
        return collected;
    }
};

TEST_F(SystemInfoRows, EveryRowInListOrder) {
    const std::vector<std::wstring> expected = {
        L"CPU=Intel(R) Core(TM) i7 CPU 940",
        L"CPU Speed=2,992 MHz",
        L"CPUID=x86 Family 6 Model 26 Stepping 4",
        L"Memory=2048MBytes ( 2,147,483,648Bytes ) ",
        L"Avail Memory=5MBytes ( 5,242,880Bytes ) ",
        L"Virtual Memory=2047MBytes ( 2,147,352,576Bytes ) ",
        L"",
        L"Graphics= NVIDIA GeForce GTX 470",
        L"Graphic Chip=GeForce GTX 470",
        L"VRAM=1280 MB",
        L"VRAM [Available]=512MBytes ( 536,870,912Bytes )",
        L"Graphic driver=nvd3dum.dll",
        L"Graphic driver version=8.17.12.5896",
        L"driver date=7/9/2010 01:16:00",
        L"Number of Moniter=1",
        L"Main Screen Size=1920 x 1080 Pixel",
        L"",
        L"DirectDraw Accelerator=Use is possible",
        L"Direct3D Accelerator=Use is possible",
        L"",
        L"3D Sound=Hardware",
        L"",
        L"Windows=Windows XP Professional Service Pack 2 [5.1.2600]",
        L"DirectX=9.0c [ 4.09.00.0904 ] ",
        L"",
        L"PCMaker=Quellbright",
        L"PCModel=Tower 3",
        L"",
        L"Anisotropy Rate=2, 4, 8, 16",
        L"Anti-alias=2, 4",
        L"Max Texture Size=4096 x 2048 Pixel",
        L"Texture Stage Count=8",
        L"Light Count=8",
        L"Stream Count=16",
        L"Zbuffer Stencil=24 - 8 Bit",
        L"",
        L"Kitahama International Airport （Ver）=1.02 ---install 2009/05/12--- (AB)",
        L"Minato Heliport （Ver）=--------",
    };
    EXPECT_EQ(expected, rows());
    // The DxDiag texts are trimmed where they are kept; the description is shown as it stands.
    EXPECT_STREQ(L"GeForce GTX 470", dxdiag.chip_type);
    EXPECT_STREQ(L"1280 MB", dxdiag.display_memory);
    EXPECT_STREQ(L"8.17.12.5896", dxdiag.driver_version);
    EXPECT_STREQ(L" NVIDIA GeForce GTX 470", dxdiag.description);
}

// One case: what is changed in the sources and registry, and the rows expected around it.
struct RowCase {
    const char* name;
    std::function<void(SystemInfoRows*)> change;
    std::vector<std::wstring> present;  // rows that must be there, in this order
    std::vector<std::wstring> absent;   // labels ("label=") or rows that must not be there
    int first_row_from_end = -1;        // when >= 0: present starts this many rows before the end
};

class SystemInfoRowCases : public SystemInfoRows {};

bool contains_in_order(const std::vector<std::wstring>& rows, const std::vector<std::wstring>& wanted,
                       size_t* found_at) {
    for (size_t start = 0; start + wanted.size() <= rows.size(); ++start) {
        bool all = true;
        for (size_t i = 0; i < wanted.size() && all; ++i) all = rows[start + i] == wanted[i];
        if (all) {
            *found_at = start;
            return true;
        }
    }
    return false;
}

std::string narrow(const std::wstring& text) {
    char out[1024];
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return out;
}

TEST_F(SystemInfoRowCases, ConditionsAndFormats) {
    const std::wstring long_name(300, L'x');
    const RowCase cases[] = {
        {"processor key missing",
         [](SystemInfoRows* t) { t->sources.processor_key = MISSING_KEY; },
         {L"Memory=2048MBytes ( 2,147,483,648Bytes ) "},
         {L"CPU=", L"CPU Speed=", L"CPUID="}},
        {"name of blanks only is kept",
         [](SystemInfoRows*) { set_text(PROCESSOR_KEY, L"ProcessorNameString", L"    "); },
         {L"CPU=    ", L"CPU Speed=2,992 MHz"},
         {}},
        {"unreadable values give empty rows and 0 MHz",
         [&](SystemInfoRows*) {
             set_text(PROCESSOR_KEY, L"ProcessorNameString", long_name);
             HKEY key;
             RegOpenKeyExW(HKEY_LOCAL_MACHINE, PROCESSOR_KEY, 0, KEY_SET_VALUE, &key);
             RegDeleteValueW(key, L"~MHz");
             RegDeleteValueW(key, L"Identifier");
             RegCloseKey(key);
         },
         {L"CPU=", L"CPU Speed=0 MHz", L"CPUID="},
         {}},
        {"memory below a megabyte group",
         [](SystemInfoRows* t) { t->sources.total_memory = 1000; },
         {L"Memory=0MBytes ( 1,000Bytes ) "},
         {}},
        {"memory beyond 4 GB",
         [](SystemInfoRows* t) { t->sources.virtual_memory = 5000000000ull; },
         {L"Virtual Memory=4768MBytes ( 5,000,000,000Bytes ) "},
         {}},
        {"empty DxDiag texts",
         [](SystemInfoRows* t) {
             t->dxdiag = DxDiagInfo{};
             t->sources.texture_memory = 0;
         },
         {L"Graphic Chip=", L"Number of Moniter=1", L"Main Screen Size=1920 x 1080 Pixel", L"",
          L"DirectDraw Accelerator=It cannot use", L"Direct3D Accelerator=It cannot use"},
         {L"VRAM=", L"VRAM [Available]=", L"Graphic driver=", L"Graphic driver version=", L"driver date="}},
        {"DirectDraw status other than Enabled",
         [](SystemInfoRows* t) { wcscpy(t->dxdiag.dd_status, L"Not Available"); },
         {L"DirectDraw Accelerator=It cannot use", L"Direct3D Accelerator=Use is possible"},
         {}},
        {"software 3D sound", [](SystemInfoRows* t) { t->sources.sound_kind = 2; }, {L"3D Sound=Software"}, {}},
        {"no sound capabilities", [](SystemInfoRows* t) { t->sources.sound_kind = 0; }, {L"3D Sound=Software"}, {}},
        {"three monitors, the third without a recorded mode",
         [](SystemInfoRows* t) {
             t->sources.monitor_count = 3;
             t->monitors[1].mode.dmPelsWidth = 1280;
             t->monitors[1].mode.dmPelsHeight = 1024;
         },
         {L"Number of Moniter=3", L"Main Screen Size=1920 x 1080 Pixel", L"Sub Screen Size=1280 x 1024 Pixel",
          L"Sub Screen Size=0 x 0 Pixel", L""},
         {}},
        {"five monitors: a row for each further one, the fifth never recorded",
         [](SystemInfoRows* t) {
             t->sources.monitor_count = 5;
             for (int k = 1; k < MONITOR_SLOTS + 2; ++k) {
                 t->monitors[k].mode.dmPelsWidth = 800 + k;
                 t->monitors[k].mode.dmPelsHeight = 600 + k;
             }
         },
         {L"Number of Moniter=5", L"Main Screen Size=1920 x 1080 Pixel", L"Sub Screen Size=801 x 601 Pixel",
          L"Sub Screen Size=802 x 602 Pixel", L"Sub Screen Size=803 x 603 Pixel", L"Sub Screen Size=0 x 0 Pixel", L""},
         {}},
        {"six monitors: the two beyond the recorded four show 0 x 0",
         [](SystemInfoRows* t) {
             t->sources.monitor_count = 6;
             for (int k = 1; k < MONITOR_SLOTS + 2; ++k) t->monitors[k].mode.dmPelsWidth = 800 + k;
         },
         {L"Number of Moniter=6", L"Main Screen Size=1920 x 1080 Pixel", L"Sub Screen Size=801 x 0 Pixel",
          L"Sub Screen Size=802 x 0 Pixel", L"Sub Screen Size=803 x 0 Pixel", L"Sub Screen Size=0 x 0 Pixel",
          L"Sub Screen Size=0 x 0 Pixel", L""},
         {}},
        {"engine unavailable: the list ends after DirectX",
         [](SystemInfoRows* t) { t->sources.engine_available = 0; },
         {L"DirectX=9.0c [ 4.09.00.0904 ] ", L""},
         {L"PCMaker=", L"Zbuffer Stencil="},
         2},
        {"engine without its information record",
         [](SystemInfoRows* t) { t->sources.engine = nullptr; },
         {L"DirectX=9.0c [ 4.09.00.0904 ] ", L""},
         {L"PCMaker="},
         2},
        {"no packages: the list ends after Zbuffer Stencil",
         [](SystemInfoRows* t) { t->sources.package_count = 0; },
         {L"Zbuffer Stencil=24 - 8 Bit", L""},
         {},
         2},
        {"version 5 and a four-digit year",
         [](SystemInfoRows* t) {
             t->packages[0].version = 5;
             t->packages[0].install_date = 20070305;
             wcscpy(t->packages[0].short_tag, L"KTH");
             t->sources.package_count = 1;
         },
         {L"Kitahama International Airport （Ver）=0.05 ---install 2007/03/05--- (KTH)"},
         {},
         1},
        {"anisotropy list starting with 0",
         [](SystemInfoRows* t) { t->engine.anisotropy_levels[0] = 0; },
         {L"", L"Anisotropy Rate=", L"Anti-alias=2, 4"},
         {}},
        {"full level list: 15 entries, not the word after them",
         [](SystemInfoRows* t) {
             for (uint32_t i = 0; i < ENGINE_LEVEL_SLOTS; ++i) t->engine.anisotropy_levels[i] = i + 1;
             t->engine.anti_alias_current = 99;
         },
         {L"Anisotropy Rate=1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15"},
         {}},
        {"maker text filling its field",
         [](SystemInfoRows* t) {
             wmemset(t->engine.pc_maker, L'M', sizeof t->engine.pc_maker / sizeof(wchar_t));  // no terminator
         },
         {L"PCMaker=" + std::wstring(80, L'M'), L"PCModel=Tower 3"},
         {}},
    };
    for (const RowCase& c : cases) {
        SetUp();
        c.change(this);
        std::vector<std::wstring> got = rows();
        size_t at = 0;
        bool found = contains_in_order(got, c.present, &at);
        EXPECT_TRUE(found) << c.name;
        if (found && c.first_row_from_end >= 0) {
            EXPECT_EQ(got.size() - c.first_row_from_end, at) << c.name;
        }
        for (const std::wstring& label : c.absent)
            for (const std::wstring& row : got) EXPECT_NE(0u, row.rfind(label, 0)) << c.name << ": " << narrow(row);
        TearDown();
    }
}

// Display class keys for the registry fallback: name, Class, DriverDesc of 0000 (NULL: no 0000).
struct ClassKey {
    const wchar_t* name;
    const wchar_t* class_name;
    const wchar_t* driver;
};

TEST_F(SystemInfoRows, WithoutChipTypeTheDisplayClassKeysNameTheAdapter) {
    struct Case {
        const char* name;
        std::vector<ClassKey> keys;
        std::vector<std::wstring> expected;  // from the first Graphics row (or Graphic Chip) onwards
    };
    const Case cases[] = {
        {"one display class key",
         {{L"{4d36e968-e325-11ce-bfc1-08002be10318}", L"Display", L"  Wine Display Adapter"},
          {L"{4d36e96c-e325-11ce-bfc1-08002be10318}", L"MEDIA", L"Sound device"}},
         {L"Graphics=Wine Display Adapter", L"Graphic Chip="}},
        {"class compared without case; a key without 0000 gives no row",
         {{L"a", L"display", L"First adapter"}, {L"b", L"Display", nullptr}, {L"c", L"DISPLAY", L"Second"}},
         {L"Graphics=First adapter", L"Graphics=Second", L"Graphic Chip="}},
        {"no display class key", {{L"a", L"Net", L"Network"}}, {L"Graphic Chip="}},
        {"no class key at all", {}, {L"Graphic Chip="}},
    };
    for (const Case& c : cases) {
        SetUp();
        dxdiag.chip_type[0] = 0;
        for (const ClassKey& key : c.keys) {
            std::wstring path = std::wstring(CLASS_KEY) + L"\\" + key.name;
            set_text(path, L"Class", key.class_name);
            if (key.driver) set_text(path + L"\\0000", L"DriverDesc", key.driver);
        }
        std::vector<std::wstring> got = rows();
        // The graphics rows follow the blank row after the memory rows.
        ASSERT_GE(got.size(), 7u + c.expected.size()) << c.name;
        EXPECT_EQ(L"", got[6]) << c.name;
        EXPECT_EQ(c.expected, std::vector<std::wstring>(got.begin() + 7, got.begin() + 7 + c.expected.size()))
            << c.name;
        EXPECT_EQ(L"VRAM=1280 MB", got[7 + c.expected.size()]) << c.name;
        TearDown();
    }
}

TEST_F(SystemInfoRows, JapaneseLabelsAndValueTexts) {
    set_string_offset(2);
    sources.sound_kind = 2;
    wcscpy(dxdiag.d3d_status, L"Disabled");
    std::vector<std::wstring> got = rows();
    size_t at = 0;
    EXPECT_TRUE(contains_in_order(got, {L"メモリー=2048MBytes ( 2,147,483,648Bytes ) "}, &at));
    EXPECT_TRUE(contains_in_order(got, {L"モニター数=1", L"メイン画面サイズ=1920 x 1080 Pixel"}, &at));
    EXPECT_TRUE(contains_in_order(got, {L"DirectDraw アクセラレータ=使用可能"}, &at));
    EXPECT_TRUE(contains_in_order(got, {L"3D サウンド=ソフトウェア"}, &at));
    wchar_t direct3d[TEXT_CAPACITY];
    load_text(5127, direct3d, TEXT_CAPACITY);
    EXPECT_TRUE(contains_in_order(got, {std::wstring(direct3d) + L"=使用不可"}, &at));
}

// The game folder's sample packages, with the registry entries that run_config imports, as the
// rows of a computer whose engine is available.
TEST_F(SystemInfoRows, GameFolderPackagesAreListed) {
    std::wstring game = config_test::game_folder_with_packages();
    ASSERT_FALSE(game.empty());
    copy_text(program_folder, TEXT_CAPACITY, game.c_str());
    engine_available = 0;
    const struct {
        uint32_t language;
        std::vector<std::wstring> rows;
    } cases[] = {
        {1,
         {L"Kitahama International Airport （Ver）=0.05 ---install 2007/03/05--- (KTH)",
          L"Minato Heliport （Ver）=1.20 ---install 2006/12/01--- (MNT)",
          L"Sora Sightseeing Flights （Ver）=--------"}},
        {2,
         {L"北浜国際空港 （Ver）=0.05 ---install 2007/03/05--- (KTH)",
          L"みなとヘリポート （Ver）=1.20 ---install 2006/12/01--- (MNT)", L"そら遊覧飛行 （Ver）=--------"}},
    };
    for (const auto& c : cases) {
        game_settings.language = c.language;
        set_string_offset(c.language);
        load_startup_lists();
        sources.packages = package_list;
        sources.package_count = package_count;
        std::vector<std::wstring> got = rows();
        ASSERT_GE(got.size(), c.rows.size());
        EXPECT_EQ(c.rows, std::vector<std::wstring>(got.end() - c.rows.size(), got.end())) << c.language;
        free_startup_lists();
    }
    game_settings.language = 0;
    program_folder[0] = 0;
}

}  // namespace
