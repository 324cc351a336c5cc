// The string table: both languages hold the same ids, 10000 apart, loaded by the language.
#include <gtest/gtest.h>
#include "files.h"
#include "program_state.h"
#include "string_table.h"

namespace {

class StringTable : public ::testing::Test {
protected:
    void SetUp() override { program_instance = GetModuleHandleW(nullptr); }
    void TearDown() override { set_string_offset(1); }
};

TEST_F(StringTable, EveryEnglishIdHasItsJapaneseTwin) {
    int english = 0;
    for (UINT id = 1; id < 10000; ++id) {
        wchar_t text[TEXT_CAPACITY];
        wchar_t twin[TEXT_CAPACITY];
        int has_english = LoadStringW(program_instance, id, text, TEXT_CAPACITY);
        int has_japanese = LoadStringW(program_instance, id + 10000, twin, TEXT_CAPACITY);
        EXPECT_EQ(has_english != 0, has_japanese != 0) << "id " << id;
        english += has_english != 0;
    }
    EXPECT_GT(english, 100);
}

TEST_F(StringTable, LanguageSelectsTheTable) {
    const struct {
        uint32_t language;
        UINT id;
        const wchar_t* text;
    } cases[] = {
        {1, 100, L"Tovimark Tower3 Configure Ver1.16"},
        {1, 102, L"Data maiking... Wait a minutes."},
        {1, 904, L"DirectX version %d  TOVI need DirectX 9."},
        {1, 905, L"Sound device error.(RUQ) "},
        {1, 900, L"[ %s ] File not found. \n Please reinstall."},
        {1, 5132, L"Number of Moniter"},
        {1, 7000, L"tovien_data"},
        {2, 7000, L"tovidata"},
        {2, 6201, L"なし"},
        {2, 2202, L"日本語"},
        {3, 7000, L"tovien_data"},  // a language without a table reads English
    };
    for (const auto& c : cases) {
        set_string_offset(c.language);
        wchar_t text[TEXT_CAPACITY];
        load_text(c.id, text, TEXT_CAPACITY);
        EXPECT_STREQ(c.text, text) << "language " << c.language << " id " << c.id;
    }
}

TEST_F(StringTable, LoadsAreCutToTheBuffer) {
    set_string_offset(1);
    wchar_t text[9];
    text[8] = L'#';
    load_text(100, text, 8);
    EXPECT_STREQ(L"Tovimar", text);
    EXPECT_EQ(L'#', text[8]);
    load_text(9999, text, 8);  // an id without text gives an empty one
    EXPECT_STREQ(L"", text);
}

TEST_F(StringTable, AspectStripIsBitmap109) {
    HRSRC found = FindResourceW(program_instance, MAKEINTRESOURCEW(109), (LPCWSTR)RT_BITMAP);
    ASSERT_NE(nullptr, found);
    const BITMAPINFOHEADER* header = (const BITMAPINFOHEADER*)LockResource(LoadResource(program_instance, found));
    ASSERT_NE(nullptr, header);
    EXPECT_EQ(500, header->biWidth);
    EXPECT_EQ(100, header->biHeight);
    EXPECT_EQ(24, header->biBitCount);
    HBITMAP strip = LoadBitmapW(program_instance, MAKEINTRESOURCEW(109));
    EXPECT_NE(nullptr, strip);
    DeleteObject(strip);
}

}  // namespace
