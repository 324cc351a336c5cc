// The DirectX release label by version, revision and present D3DX libraries, the texture probe
// chosen, the registry part of the text, and the probe on the running system.
#include <gtest/gtest.h>
#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "box_recorder.h"
#include "directx_probe.h"
#include "files.h"
#include "main_window.h"
#include "probe_test_support.h"

namespace {

uint32_t d3dx_first_present, d3dx_last_present;  // present range; first 0: none
std::vector<uint32_t> d3dx_asked;

int fake_d3dx_present(uint32_t library) {
    d3dx_asked.push_back(library);
    return d3dx_first_present && library >= d3dx_first_present && library <= d3dx_last_present;
}

struct LabelCase {
    uint32_t version, revision;
    uint32_t d3dx_first, d3dx_last;
    const wchar_t* label;
    TextureProbe probe;
};

const LabelCase label_cases[] = {
    {0x00040009, 904, 24, 33, L"9.0c Direct3D 10+ (D3DX9_33)", TEXTURE_PROBE_D3D9},
    {0x00040009, 903, 24, 40, L"9.0c Direct3D 10+ (D3DX9_40)", TEXTURE_PROBE_D3D9},
    {0x00040009, 904, 24, 24, L"9.0c Update(February 2005)", TEXTURE_PROBE_D3D9},
    {0x00040009, 904, 25, 25, L"9.0c Update(April 2005)", TEXTURE_PROBE_D3D9},
    {0x00040009, 904, 0, 0, L"9.0c", TEXTURE_PROBE_D3D9},
    {0x00040009, 905, 24, 40, L"", TEXTURE_PROBE_D3D9},
    {0x00040009, 900, 0, 0, L"9.0", TEXTURE_PROBE_D3D9},
    {0x00040009, 901, 0, 0, L"9.0A", TEXTURE_PROBE_D3D9},
    {0x00040009, 902, 0, 0, L"9.0B", TEXTURE_PROBE_D3D9},
    {0x00040008, 0x10385, 0, 0, L"8.1A or 8.1B", TEXTURE_PROBE_D3D8},
    {0x00040008, 0x1032A, 0, 0, L"8.1", TEXTURE_PROBE_D3D8},
    {0x00040008, 0x10371, 0, 0, L"8.1", TEXTURE_PROBE_D3D8},
    {0x00040008, 0x20386, 0, 0, L"8.2", TEXTURE_PROBE_D3D8},
    {0x00040008, 904, 24, 40, L"", TEXTURE_PROBE_D3D8},
    {0x0004000A, 0, 0, 0, L"10.0", TEXTURE_PROBE_NONE},
    {0x00040006, 3, 0, 0, L"6.3", TEXTURE_PROBE_NONE},
    {0x00040004, 2, 0, 0, L"4.2", TEXTURE_PROBE_NONE},
    {0x00040007, 1, 0, 0, L"", TEXTURE_PROBE_NONE},
    {0x00040005, 1, 0, 0, L"", TEXTURE_PROBE_NONE},
};

TEST(DirectXLabel, ByVersionRevisionAndPresentD3dxLibraries) {
    for (const LabelCase& c : label_cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "version 0x" << c.version << " revision 0x" << c.revision);
        d3dx_first_present = c.d3dx_first;
        d3dx_last_present = c.d3dx_last;
        wchar_t label[DIRECTX_TEXT_CAPACITY];
        wmemset(label, L'#', DIRECTX_TEXT_CAPACITY);
        EXPECT_EQ(c.probe,
                  choose_directx_label(c.version, c.revision, fake_d3dx_present, label, DIRECTX_TEXT_CAPACITY));
        EXPECT_EQ(std::wstring(c.label), std::wstring(label));
    }
}

TEST(DirectXLabel, D3dxLibrariesAreAskedNewestFirstAndOnlyFor90c) {
    d3dx_first_present = 24;
    d3dx_last_present = 33;
    wchar_t label[DIRECTX_TEXT_CAPACITY];
    d3dx_asked.clear();
    choose_directx_label(0x00040009, 904, fake_d3dx_present, label, DIRECTX_TEXT_CAPACITY);
    EXPECT_EQ((std::vector<uint32_t>{40, 39, 38, 37, 36, 35, 34, 33}), d3dx_asked);
    d3dx_asked.clear();
    d3dx_first_present = 0;
    choose_directx_label(0x00040009, 903, fake_d3dx_present, label, DIRECTX_TEXT_CAPACITY);
    EXPECT_EQ(17u, d3dx_asked.size());  // 40 down to 24, then the plain 9.0c
    d3dx_asked.clear();
    choose_directx_label(0x00040009, 902, fake_d3dx_present, label, DIRECTX_TEXT_CAPACITY);
    choose_directx_label(0x00040008, 0x10385, fake_d3dx_present, label, DIRECTX_TEXT_CAPACITY);
    EXPECT_TRUE(d3dx_asked.empty());
}

TEST(DirectXText, RegistryVersionIsAppendedInBrackets) {
    wchar_t text[DIRECTX_TEXT_CAPACITY] = L"9.0c Direct3D 10+ (D3DX9_33)";
    append_registry_version(text, DIRECTX_TEXT_CAPACITY, L"4.09.00.0904");
    EXPECT_STREQ(L"9.0c Direct3D 10+ (D3DX9_33) [ 4.09.00.0904 ] ", text);

    wchar_t only_registry[DIRECTX_TEXT_CAPACITY] = L"";
    append_registry_version(only_registry, DIRECTX_TEXT_CAPACITY, L"4.09.00.0904");
    EXPECT_STREQ(L" [ 4.09.00.0904 ] ", only_registry);

    wchar_t unchanged[DIRECTX_TEXT_CAPACITY] = L"8.2";
    append_registry_version(unchanged, DIRECTX_TEXT_CAPACITY, nullptr);
    EXPECT_STREQ(L"8.2", unchanged);
}

TEST(DirectXText, LongRegistryVersionIsCutToTheText) {
    wchar_t text[DIRECTX_TEXT_CAPACITY + 8];
    wmemset(text, L'#', DIRECTX_TEXT_CAPACITY + 8);
    wcscpy(text, L"9.0c Direct3D 10+ (D3DX9_40)");
    std::wstring long_version(200, L'7');
    append_registry_version(text, DIRECTX_TEXT_CAPACITY, long_version.c_str());
    EXPECT_EQ((size_t)DIRECTX_TEXT_CAPACITY - 1, wcslen(text));
    for (int i = DIRECTX_TEXT_CAPACITY; i < DIRECTX_TEXT_CAPACITY + 8; ++i) {
        EXPECT_EQ(L'#', text[i]);
    }
}

// A scratch key below HKEY_CURRENT_USER with a "Version" value of the given form.
class RegistryVersion : public ::testing::Test {
protected:
    std::wstring subkey;
    HKEY key = nullptr;
    void SetUp() override {
        subkey = L"Software\\tovi_probe_test_" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
    }
    void TearDown() override {
        RegCloseKey(key);
        RegDeleteKeyW(HKEY_CURRENT_USER, subkey.c_str());
    }
    void set_text(const std::wstring& value) {
        RegSetValueExW(key, L"Version", 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)((value.size() + 1) * 2));
    }
    std::wstring read(int* opened) {
        wchar_t out[DIRECTX_TEXT_CAPACITY];
        wmemset(out, L'#', DIRECTX_TEXT_CAPACITY);
        *opened = read_registry_version_text(HKEY_CURRENT_USER, subkey.c_str(), out, DIRECTX_TEXT_CAPACITY);
        return out;
    }
};

TEST_F(RegistryVersion, ShortValueIsReadAsItIs) {
    set_text(L"4.09.00.0904");
    int opened = 0;
    EXPECT_EQ(L"4.09.00.0904", read(&opened));
    EXPECT_EQ(1, opened);
}

TEST_F(RegistryVersion, ValueLongerThanTheTextIsCut) {
    set_text(std::wstring(200, L'9'));
    int opened = 0;
    EXPECT_EQ(std::wstring(DIRECTX_TEXT_CAPACITY - 1, L'9'), read(&opened));
}

TEST_F(RegistryVersion, ValueLongerThan512BytesOrNotTextReadsEmpty) {
    int opened = 0;
    set_text(std::wstring(300, L'9'));
    EXPECT_EQ(L"", read(&opened));
    EXPECT_EQ(1, opened);
    DWORD number = 904;
    RegSetValueExW(key, L"Version", 0, REG_DWORD, (const BYTE*)&number, sizeof number);
    EXPECT_EQ(L"", read(&opened));
    RegDeleteValueW(key, L"Version");
    EXPECT_EQ(L"", read(&opened));
    EXPECT_EQ(1, opened);
}

TEST_F(RegistryVersion, MissingKeyAppendsNothing) {
    wchar_t out[DIRECTX_TEXT_CAPACITY] = L"x";
    EXPECT_EQ(0,
              read_registry_version_text(HKEY_CURRENT_USER, L"Software\\tovi_no_such_key", out, DIRECTX_TEXT_CAPACITY));
    EXPECT_STREQ(L"", out);
}

// The probe on this system: the setup library answers from the installed version.
TEST(DirectXProbe, RunningSystemGetsItsReleaseLabelAndRegistryVersion) {
    BoxRecorder boxes;
    uint32_t version = 0, revision = 0;
    ASSERT_EQ(1, query_directx_setup_version(&version, &revision));
    wchar_t expected[DIRECTX_TEXT_CAPACITY];
    choose_directx_label(version, revision, d3dx_library_present, expected, DIRECTX_TEXT_CAPACITY);
    wchar_t registry[DIRECTX_TEXT_CAPACITY];
    if (read_registry_version_text(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\DirectX", registry,
                                   DIRECTX_TEXT_CAPACITY))
        append_registry_version(expected, DIRECTX_TEXT_CAPACITY, registry);

    EXPECT_EQ(1, probe_directx_version());
    EXPECT_STREQ(expected, directx_version_text);
    if ((version & 0xFFFF) >= 9) {
        EXPECT_TRUE(boxes.boxes.empty()) << ::testing::PrintToString(boxes.boxes);
    }
}

}  // namespace

namespace {

// The texture probes need an open window, as the wait window or the settings window is.
TEST(TextureMemory, ProbesMeasureWithTheOpenWindow) {
    HWND saved = main_window;
    main_window = CreateWindowExW(0, L"STATIC", L"probe", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(main_window);
    uint32_t d3d9 = query_texture_memory_d3d9();
    uint32_t d3d8 = query_texture_memory_d3d8();
    printf("texture memory: Direct3D 9 %u bytes, Direct3D 8 %u bytes\n", d3d9, d3d8);
    EXPECT_GT(d3d9, 0u);
    DestroyWindow(main_window);
    main_window = saved;
}

}  // namespace
