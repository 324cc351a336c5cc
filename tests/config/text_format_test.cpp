// Number formats, decimal parsing, path splitting, blank trimming and bounded copies.
#include <gtest/gtest.h>
#include <string>
#include "files.h"

namespace {

struct ThousandsCase {
    uint64_t value;
    const wchar_t* text;
};

TEST(FormatThousands, GroupsOfThreeDigits) {
    const ThousandsCase cases[] = {
        {0, L"0"},
        {5, L"5"},
        {999, L"999"},
        {1000, L"1,000"},
        {1005, L"1,005"},
        {1234567, L"1,234,567"},
        {4294967295u, L"4,294,967,295"},
    };
    for (const ThousandsCase& c : cases) {
        wchar_t out[TEXT_CAPACITY];
        format_thousands((uint32_t)c.value, out);
        EXPECT_STREQ(c.text, out) << c.value;
        format_thousands64(c.value, out);
        EXPECT_STREQ(c.text, out) << c.value;
    }
}

TEST(FormatThousands, SixtyFourBitValues) {
    wchar_t out[TEXT_CAPACITY];
    format_thousands64(5000000000ull, out);
    EXPECT_STREQ(L"5,000,000,000", out);
    format_thousands64(18446744073709551615ull, out);
    EXPECT_STREQ(L"18,446,744,073,709,551,615", out);
}

TEST(ParseDecimal, EveryCharacterCountsAsADigit) {
    const struct {
        const wchar_t* text;
        int32_t value;
    } cases[] = {{L"", 0}, {L"0", 0}, {L"-25", -25}, {L"2992", 2992}, {L"12a", 169}, {L"-", 0}};
    for (const auto& c : cases) EXPECT_EQ(c.value, parse_decimal(c.text)) << c.value;
}

TEST(SplitPath, DriveAndFolder) {
    const struct {
        const wchar_t *path, *drive, *folder;
    } cases[] = {
        {L"C:\\Games\\Sim\\TOVICONFIG.exe", L"C:", L"\\Games\\Sim\\"},
        {L"C:TOVICONFIG.exe", L"C:", L""},
        {L"\\Games\\TOVICONFIG.exe", L"", L"\\Games\\"},
        {L"TOVICONFIG.exe", L"", L""},
        {L"Z:\\", L"Z:", L"\\"},
    };
    for (const auto& c : cases) {
        wchar_t drive[TEXT_CAPACITY] = L"poison";
        wchar_t folder[TEXT_CAPACITY] = L"poison";
        split_path(c.path, drive, folder);
        EXPECT_STREQ(c.drive, drive);
        EXPECT_STREQ(c.folder, folder);
        split_path(c.path, nullptr, folder);  // either output may be left out
        EXPECT_STREQ(c.folder, folder);
    }
}

TEST(SplitPath, OverLongFolderStaysWithinItsBuffer) {
    std::wstring path = L"C:\\" + std::wstring(400, L'a') + L"\\b.exe";
    wchar_t drive[TEXT_CAPACITY + 1];
    wchar_t folder[TEXT_CAPACITY + 1];
    drive[TEXT_CAPACITY] = folder[TEXT_CAPACITY] = L'#';
    split_path(path.c_str(), drive, folder);
    EXPECT_STREQ(L"C:", drive);
    EXPECT_STREQ(L"", folder);  // a folder that does not fit is not cut into another path
    EXPECT_EQ(L'#', folder[TEXT_CAPACITY]);
}

TEST(TrimLeadingBlanks, OnlySpacesBeforeOtherText) {
    const struct {
        const wchar_t *before, *after;
    } cases[] = {
        {L"   2.80 GHz", L"2.80 GHz"}, {L"    ", L"    "}, {L"", L""},
        {L"Intel ", L"Intel "},        {L"\t x", L"\t x"}, {L" a b", L"a b"},
    };
    for (const auto& c : cases) {
        wchar_t text[TEXT_CAPACITY];
        copy_text(text, TEXT_CAPACITY, c.before);
        copy_trim_leading_blanks(text);
        EXPECT_STREQ(c.after, text);
    }
}

TEST(BoundedText, CopiesAppendsAndFormatsStayWithinTheBuffer) {
    wchar_t buffer[9];
    for (wchar_t& c : buffer) c = L'#';
    copy_text(buffer, 8, L"0123456789");
    EXPECT_STREQ(L"0123456", buffer);
    EXPECT_EQ(L'#', buffer[8]);

    append_text(buffer, 8, L"abc");
    EXPECT_STREQ(L"0123456", buffer);
    copy_text(buffer, 8, L"01");
    append_text(buffer, 8, L"abcdefgh");
    EXPECT_STREQ(L"01abcde", buffer);
    EXPECT_EQ(L'#', buffer[8]);

    format_text(buffer, 8, L"[ %s ] %d", L"long path", 42);
    EXPECT_STREQ(L"[ long ", buffer);
    EXPECT_EQ(L'#', buffer[8]);
    format_text(buffer, 8, L"%s=%d", L"a", 7);  // %s takes a wide text
    EXPECT_STREQ(L"a=7", buffer);

    EXPECT_EQ(0, join_path(buffer, 8, L"C:\\abc\\", L"d.dat"));
    EXPECT_STREQ(L"", buffer);
    EXPECT_EQ(1, join_path(buffer, 9, L"C:\\", L"d.dat"));
    EXPECT_STREQ(L"C:\\d.dat", buffer);
}

}  // namespace
