// The Windows version text from the version fields, and the system metrics cache.
#include <gtest/gtest.h>
#include <wchar.h>

#include <string>

#include "system_metrics.h"

namespace {

struct VersionCase {
    uint32_t platform, major, minor, build;
    const wchar_t* service_pack;
    uint32_t suite, product;
    const wchar_t* text;
};

const uint32_t NT = VER_PLATFORM_WIN32_NT;
const uint32_t W9X = VER_PLATFORM_WIN32_WINDOWS;

const VersionCase version_cases[] = {
    {NT, 5, 1, 2600, L"Service Pack 2", 0, 1, L"Windows XP Professional Service Pack 2 [5.1.2600]"},
    {NT, 5, 1, 2600, L"Service Pack 3", 0x200, 1, L"Windows XP Home Service Pack 3 [5.1.2600]"},
    {NT, 6, 0, 6001, L"Service Pack 1", 0, 1, L"Windows Vista Service Pack 1 [6.0.6001]"},
    {NT, 6, 1, 7601, L"Service Pack 1", 0, 1, L"Windows  [6.1.7601]"},
    {NT, 5, 2, 3790, L"Service Pack 2", 0, 3, L"Windows Server 2003 Service Pack 2 [5.2.3790]"},
    {NT, 5, 2, 3790, L"Service Pack 2", 0, 2, L"Windows Server 2003 Service Pack 2 [5.2.3790]"},
    {NT, 5, 2, 3790, L"Service Pack 1", 0, 1, L"Windows XP Professional x64 Edition Service Pack 1 [5.2.3790]"},
    {NT, 5, 2, 3790, L"", 0, 0, L"Windows  [5.2.3790]"},
    {NT, 5, 0, 2195, L"Service Pack 4", 0, 1, L"Windows 2000 Service Pack 4 [5.0.2195]"},
    {NT, 5, 3, 1, nullptr, 0, 0, L"Windows  [5.3.1]"},
    {NT, 4, 0, 1381, L"Service Pack 6", 0, 0, L"Windows NT  [4.0.1381]"},
    {NT, 10, 0, 19045, L"", 0, 1, L"Windows NT  [10.0.19045]"},
    {W9X, 4, 0, 950, L"", 0, 0, L"Windows 95  [4.0.950]"},
    {W9X, 4, 0, 1111, L"", 0, 0, L"Windows 95 OSR 2.0 [4.0.1111]"},
    {W9X, 4, 0, 1212, L"", 0, 0, L"Windows 95 OSR 2.1 [4.0.1212]"},
    {W9X, 4, 0, 1213, L"", 0, 0, L"Windows 95 OSR 2.1 [4.0.1213]"},
    {W9X, 4, 0, 1214, L"", 0, 0, L"Windows 95 OSR 2.5 [4.0.1214]"},
    {W9X, 4, 10, 1998, L"", 0, 0, L"Windows 98  [4.10.1998]"},
    {W9X, 4, 10, 2222, L"", 0, 0, L"Windows 98 Second Edition [4.10.2222]"},
    {W9X, 4, 10, 9999, L"", 0, 0, L"Windows 98  [4.10.9999]"},
    {W9X, 4, 90, 3000, L"", 0, 0, L"Windows Me [4.90.3000]"},
    {W9X, 4, 20, 5, L"", 0, 0, L"Windows  [4.20.5]"},
    {0, 3, 1, 0, L"", 0, 0, L"Windows "},
};

TEST(WindowsVersionText, ByPlatformVersionSuiteAndProductType) {
    for (const VersionCase& c : version_cases) {
        WindowsVersionFields fields = {c.platform, c.major, c.minor, c.build, c.service_pack, c.suite, c.product};
        wchar_t text[WINDOWS_VERSION_CAPACITY];
        format_windows_version(&fields, text, WINDOWS_VERSION_CAPACITY);
        EXPECT_EQ(std::wstring(c.text), std::wstring(text));
    }
}

TEST(WindowsVersionText, Windows9xEditionReadsOnlyTheLow16BitsOfTheBuild) {
    WindowsVersionFields fields = {W9X, 4, 10, 0x040A08AE, L"", 0, 0};  // build 2222 in the low word
    wchar_t text[WINDOWS_VERSION_CAPACITY];
    format_windows_version(&fields, text, WINDOWS_VERSION_CAPACITY);
    EXPECT_EQ(0, wcsncmp(text, L"Windows 98 Second Edition [4.10.", 32));
}

TEST(WindowsVersionText, LongServicePackTextIsCutToTheText) {
    std::wstring long_pack(400, L'S');
    WindowsVersionFields fields = {NT, 5, 1, 2600, long_pack.c_str(), 0, 1};
    wchar_t text[WINDOWS_VERSION_CAPACITY + 4];
    wmemset(text, L'#', WINDOWS_VERSION_CAPACITY + 4);
    format_windows_version(&fields, text, WINDOWS_VERSION_CAPACITY);
    EXPECT_EQ((size_t)WINDOWS_VERSION_CAPACITY - 1, wcslen(text));
    for (int i = WINDOWS_VERSION_CAPACITY; i < WINDOWS_VERSION_CAPACITY + 4; ++i) {
        EXPECT_EQ(L'#', text[i]);
    }
}

TEST(WindowsVersionText, RunningSystemGivesATextInItsShape) {
    build_windows_version_text();
    std::wstring text = windows_version_text;
    EXPECT_EQ(0u, text.find(L"Windows "));
    EXPECT_EQ(L']', text.back());
}

TEST(SystemMetrics, RunningSystemRecordsScreenAndMainMonitor) {
    EXPECT_EQ(1, read_system_metrics());
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), system_metrics.screen_width);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), system_metrics.caption_height);
    EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), system_metrics.dialog_frame_width);
    ASSERT_GE(system_metrics.monitor_count, 1);
    EXPECT_NE(0, monitor_table[0].device.DeviceName[0]);
    if (monitor_table[0].device.DeviceID[0]) {
        EXPECT_EQ((DWORD)system_metrics.screen_width, monitor_table[0].mode.dmPelsWidth);
        EXPECT_EQ(monitor_table[0].mode.dmDisplayFrequency, main_refresh_rate());
    } else {
        EXPECT_EQ(0u, main_refresh_rate());
    }
}

}  // namespace
