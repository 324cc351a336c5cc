// DxDiag texts: the copy out of a VARIANT, bounded by the 128-character fields, and the query
// through the platform's provider.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <string>

#include "dxdiag_info.h"

namespace {

TEST(VariantToString, CopiesAStringAndClearsTheVariant) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocString(L"Enabled");
    wchar_t field[DXDIAG_TEXT_CAPACITY] = L"old";
    EXPECT_EQ(S_OK, variant_to_string(field, &value));
    EXPECT_STREQ(L"Enabled", field);
    EXPECT_EQ(VT_EMPTY, V_VT(&value));
}

TEST(VariantToString, LongTextIsCutTo127Characters) {
    std::wstring long_text(300, L'x');
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocString(long_text.c_str());
    wchar_t field[DXDIAG_TEXT_CAPACITY + 8];
    wmemset(field, L'#', DXDIAG_TEXT_CAPACITY + 8);
    EXPECT_EQ(S_OK, variant_to_string(field, &value));
    EXPECT_EQ(std::wstring(DXDIAG_TEXT_CAPACITY - 1, L'x'), std::wstring(field));
    for (int i = DXDIAG_TEXT_CAPACITY; i < DXDIAG_TEXT_CAPACITY + 8; ++i) {
        EXPECT_EQ(L'#', field[i]);
    }
}

TEST(VariantToString, NonStringLeavesTheFieldAlone) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_UI4;
    V_UI4(&value) = 42;
    wchar_t field[DXDIAG_TEXT_CAPACITY] = L"kept";
    EXPECT_EQ(E_INVALIDARG, variant_to_string(field, &value));
    EXPECT_STREQ(L"kept", field);
    EXPECT_EQ(VT_EMPTY, V_VT(&value));
}

TEST(VariantToString, NullStringGivesAnEmptyText) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = nullptr;
    wchar_t field[DXDIAG_TEXT_CAPACITY] = L"old";
    EXPECT_EQ(S_OK, variant_to_string(field, &value));
    EXPECT_STREQ(L"", field);
}

bool terminated(const wchar_t (&text)[DXDIAG_TEXT_CAPACITY]) {
    return wmemchr(text, 0, DXDIAG_TEXT_CAPACITY) != nullptr;
}

TEST(DxDiagQuery, PlatformProviderDescribesTheFirstDisplayDevice) {
    memset(&dxdiag_info, 0, sizeof dxdiag_info);
    int result = query_dxdiag();
    const DxDiagInfo& d = dxdiag_info;
    for (const auto* text : {&d.chip_type, &d.description, &d.display_memory, &d.driver_date, &d.driver_name,
                             &d.driver_version, &d.dd_status, &d.d3d_status})
        EXPECT_TRUE(terminated(*text));
    // A property the provider lacks leaves only its own field empty.
    if (result) {
        EXPECT_NE(0, d.description[0]);
        EXPECT_NE(0, d.display_memory[0]);
        EXPECT_NE(0, d.driver_name[0]);
    } else {
        EXPECT_EQ(0, d.description[0]);
    }
    printf("DxDiag: %ls / DirectDraw %ls / Direct3D %ls\n", d.description, d.dd_status, d.d3d_status);
}

}  // namespace
