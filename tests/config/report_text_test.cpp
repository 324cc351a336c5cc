// The support report's text pieces: UTF-16 to UTF-8 unit by unit (surrogate halves unpaired),
// the marker search, and pieces appended within the report and conversion areas.
#include <gtest/gtest.h>
#include <string.h>
#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "files.h"
#include "mail_form.h"
#include "program_state.h"
#include "settings_store.h"
#include "support_report.h"
#include "utf8_text.h"

namespace {

std::vector<uint8_t> convert(const std::wstring& text, int capacity = CONVERSION_AREA_BYTES) {
    std::vector<uint8_t> out(capacity + 8, 0xCC);
    int n = utf16_to_utf8(out.data(), capacity, text.data(), (int)text.size());
    for (size_t i = (size_t)n; i < out.size(); ++i) EXPECT_EQ(0xCC, out[i]) << "byte " << i << " written";
    out.resize((size_t)n);
    return out;
}

TEST(Utf16ToUtf8, EachUnitOnItsOwn) {
    struct Case {
        const char* name;
        std::wstring text;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"ASCII", L"A~", {0x41, 0x7E}},
        {"two bytes from 0x80", std::wstring(1, (wchar_t)0x80), {0xC2, 0x80}},
        {"two bytes up to 0x7FF", std::wstring(1, (wchar_t)0x7FF), {0xDF, 0xBF}},
        {"three bytes from 0x800", std::wstring(1, (wchar_t)0x800), {0xE0, 0xA0, 0x80}},
        {"katakana", L"テ", {0xE3, 0x83, 0x86}},
        {"last unit", std::wstring(1, (wchar_t)0xFFFF), {0xEF, 0xBF, 0xBF}},
        {"unpaired high surrogate", std::wstring(1, (wchar_t)0xD83D), {0xED, 0xA0, 0xBD}},
        {"unpaired low surrogate", std::wstring(1, (wchar_t)0xDE00), {0xED, 0xB8, 0x80}},
        {"a pair stays two halves",
         std::wstring{(wchar_t)0xD83D, (wchar_t)0xDE00},
         {0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}},
        {"a zero unit is a zero byte", std::wstring{L'a', 0, L'b'}, {0x61, 0x00, 0x62}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.bytes, convert(c.text)) << c.name;
}

TEST(Utf16ToUtf8, StopsBeforeTheUnitThatWouldNotFit) {
    EXPECT_EQ((std::vector<uint8_t>{0x61}), convert(L"aé", 2));
    EXPECT_EQ((std::vector<uint8_t>{0x61, 0xC3, 0xA9}), convert(L"aéテ", 5));
    EXPECT_EQ(std::vector<uint8_t>(512, 'x'), convert(std::wstring(600, L'x')));
    EXPECT_EQ(510u, convert(std::wstring(300, L'テ')).size());
    uint8_t out[4];
    EXPECT_EQ(0, utf16_to_utf8(out, 4, nullptr, 3));
    EXPECT_EQ(0, utf16_to_utf8(nullptr, 4, L"abc", 3));
    EXPECT_EQ(0, utf16_to_utf8(out, 4, L"abc", 0));
}

TEST(FindSubstring, FirstOccurrenceByteByByte) {
    struct Case {
        const char* text;
        const char* marker;
        int32_t index;
    };
    const Case cases[] = {
        {"<pre>\n</pre>", "</pre>", 6}, {"a{}b{}", "{}", 1}, {"{}", "{}", 0},   {"</PRE>", "</pre>", -1},
        {"</pr", "</pre>", -1},         {"", "{}", -1},      {"{ }", "{}", -1}, {"\xE3\x83\x86{}", "{}", 3},
    };
    for (const Case& c : cases) EXPECT_EQ(c.index, find_substring(c.text, c.marker)) << c.text;
    EXPECT_EQ(-1, find_substring(nullptr, "{}"));
}

ReportArea* fresh_area(uint32_t limit = REPORT_AREA_BYTES - 1) {
    static ReportArea area;
    memset(&area, 0, sizeof area);
    area.limit = limit;
    return &area;
}

TEST(ReportArea, LinesKeepTheirLineFeedWhenCut) {
    ReportArea* area = fresh_area();
    append_report_line(area, L"%s : %s\n", L"Memory", L"5MBytes");
    EXPECT_STREQ("Memory : 5MBytes\n", area->bytes);

    // A line longer than the line area: cut, but still one line.
    area = fresh_area();
    append_report_line(area, L"%s : %s\n", std::wstring(200, L'a').c_str(), std::wstring(200, L'b').c_str());
    EXPECT_EQ(std::string(200, 'a') + " : " + std::string(52, 'b') + "\n", std::string(area->bytes));

    // A Japanese line whose UTF-8 would not fit the conversion area: cut at a character.
    area = fresh_area();
    append_report_line(area, L"%s\n", std::wstring(250, L'テ').c_str());
    EXPECT_EQ(170u * 3 + 1, area->length);
    EXPECT_EQ('\n', area->bytes[area->length - 1]);

    // The title line has no line feed of its own.
    area = fresh_area();
    append_report_line(area, L"\n    %s", L"Title");
    EXPECT_STREQ("\n    Title", area->bytes);
}

TEST(ReportArea, APieceThatDoesNotFitEndsTheReport) {
    ReportArea* area = fresh_area(10);
    append_report_bytes(area, "123456", 6);
    append_report_bytes(area, "78901", 5);  // would pass the limit
    append_report_bytes(area, "ab", 2);     // would fit, but the report has ended
    EXPECT_STREQ("123456", area->bytes);
    EXPECT_EQ(1, area->full);
}

// Random texts through the conversion and the report area: nothing is written past either.
TEST(ReportTextFuzz, ConversionAndAreaStayInBounds) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::uniform_int_distribution<int> length(0, 700);
    std::vector<uint8_t> out(CONVERSION_AREA_BYTES + 16);
    std::wstring text;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000; ++i) {
        text.assign((size_t)length(random) % (i % 10 == 0 ? 700 : 40), L' ');
        for (wchar_t& c : text) c = (wchar_t)unit(random);
        int capacity = (int)(random() % (CONVERSION_AREA_BYTES + 1));
        memset(out.data(), 0xCC, out.size());
        int n = utf16_to_utf8(out.data(), capacity, text.data(), (int)text.size());
        ASSERT_GE(n, 0);
        ASSERT_LE(n, capacity);
        for (size_t k = (size_t)n; k < out.size(); ++k) ASSERT_EQ(0xCC, out[k]);
        if (i % 1000 == 0) {
            ReportArea* area = fresh_area((uint32_t)(random() % REPORT_AREA_BYTES));
            for (int k = 0; k < 40; ++k) append_report_line(area, L"%s : %s\n", text.c_str(), text.c_str());
            ASSERT_LE(area->length, area->limit);
            ASSERT_EQ(0, area->bytes[area->length]);
        }
        std::string bytes(out.begin(), out.begin() + n);
        find_substring(bytes.c_str(), i % 2 ? "{}" : "</pre>");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

// Random forms of every size around the area's bound, with the marker anywhere (or absent) and
// either skip: every page keeps the form's bytes around the marker and ends within the area.
TEST(ReportTextFuzz, PagesOfRandomFormsStayInTheArea) {
    std::wstring folder = config_test::make_scratch_folder(L"report_fuzz");
    copy_text(program_folder, TEXT_CAPACITY, folder.c_str());
    program_instance = GetModuleHandleW(nullptr);
    GameSettings settings = {};
    std::mt19937 random(7);
    std::vector<char> text;
    for (int i = 0; i < 2000; ++i) {
        size_t size = i % 4 == 0 ? (size_t)(random() % 9000) : 8191 - (size_t)(random() % 3000);
        text.assign(size + 1, 0);
        for (size_t k = 0; k < size; ++k) text[k] = (char)(1 + random() % 255);
        MailForm form = {text.data(), (int32_t)(random() % (size + 3)) - 1, (uint32_t)size + 1};
        int32_t skip = (random() % 2) * 2;
        int fitted = write_support_report(skip, folder.c_str(), &form, &settings);
        std::vector<uint8_t> page = config_test::read_bytes(folder + L"mail_support.html");
        DeleteFileW((folder + L"mail_support.html").c_str());
        uint32_t marker = form.marker >= 0 && (size_t)form.marker <= size ? (uint32_t)form.marker : (uint32_t)size;
        uint32_t rest = form.marker >= 0 && (size_t)form.marker <= size
                            ? (uint32_t)(size - std::min(size, (size_t)marker + skip))
                            : 0;
        if (marker + rest > REPORT_AREA_BYTES - 1) {
            ASSERT_EQ(0, fitted) << i;
            ASSERT_TRUE(page.empty()) << i;
            continue;
        }
        ASSERT_EQ(1, fitted) << i;
        ASSERT_LE(page.size(), (size_t)REPORT_AREA_BYTES) << i;
        ASSERT_GE(page.size(), (size_t)marker + rest + 1) << i;
        ASSERT_EQ(0, page.back()) << i;
        ASSERT_EQ(0, memcmp(page.data(), text.data(), marker)) << i;
        ASSERT_EQ(0, memcmp(page.data() + page.size() - 1 - rest, text.data() + size - rest, rest)) << i;
    }
    config_test::remove_tree(folder);
    program_folder[0] = 0;
}

}  // namespace
