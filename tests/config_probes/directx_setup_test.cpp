// The stand-in DSETUP.dll: the version query by ordinal 11 only, answering from the installed
// DirectX version in the registry, and the variants that play older installations.
#include <gtest/gtest.h>

#include <string>

#include "probe_test_support.h"

namespace {

typedef int(__stdcall* SetupVersionFn)(DWORD* version, DWORD* revision);

struct Answer {
    int answered;
    DWORD version, revision;
};

Answer ask(const wchar_t* relative) {
    Answer answer = {-1, 0xCCCCCCCC, 0xCCCCCCCC};
    HMODULE module = LoadLibraryW((probe_test::output_folder() + relative).c_str());
    if (!module) return answer;
    SetupVersionFn query = (SetupVersionFn)(void*)GetProcAddress(module, MAKEINTRESOURCEA(11));
    if (query) answer.answered = query(&answer.version, &answer.revision);
    FreeLibrary(module);
    return answer;
}

TEST(DirectXSetup, VersionQueryIsExportedByOrdinal11Only) {
    HMODULE module = LoadLibraryW((probe_test::output_folder() + L"DSETUP.dll").c_str());
    ASSERT_TRUE(module);
    EXPECT_TRUE(GetProcAddress(module, MAKEINTRESOURCEA(11)));
    EXPECT_FALSE(GetProcAddress(module, "DirectXSetupGetVersion"));
    EXPECT_FALSE(GetProcAddress(module, "DirectXSetupGetVersion@8"));
    FreeLibrary(module);
}

TEST(DirectXSetup, AnswersFromTheInstalledVersion) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\DirectX", 0, KEY_READ, &key));
    wchar_t text[64] = {};
    DWORD bytes = sizeof text - sizeof(wchar_t);
    LONG read = RegQueryValueExW(key, L"Version", nullptr, nullptr, (BYTE*)text, &bytes);
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS, read);
    unsigned a = 0, b = 0, c = 0, d = 0;
    ASSERT_EQ(4, swscanf(text, L"%u.%u.%u.%u", &a, &b, &c, &d));

    Answer answer = ask(L"DSETUP.dll");
    EXPECT_EQ(1, answer.answered);
    EXPECT_EQ((DWORD)(a << 16 | b), answer.version);
    EXPECT_EQ((DWORD)(c << 16 | d), answer.revision);
}

TEST(DirectXSetup, VariantsPlayOlderInstallations) {
    Answer dx8 = ask(L"variants\\dsetup_dx8\\DSETUP.dll");
    EXPECT_EQ(1, dx8.answered);
    EXPECT_EQ(0x00040008u, dx8.version);
    EXPECT_EQ(0x10385u, dx8.revision);
    Answer dx9c = ask(L"variants\\dsetup_dx9c\\DSETUP.dll");
    EXPECT_EQ(0x00040009u, dx9c.version);
    EXPECT_EQ(904u, dx9c.revision);
}

}  // namespace
