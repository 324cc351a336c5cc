// The add-on package catalogue: the folder walk, descriptors and their registry entries, the
// install-date parser, the newest-first sort, the first music file and the engine test sound
// chosen from the packages found below the program folder.
#include <gtest/gtest.h>
#include <string.h>
#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>
#include "config_test_support.h"
#include "files.h"
#include "libraries.h"
#include "package_catalogue.h"
#include "program_state.h"
#include "registry_values.h"
#include "settings_store.h"
#include "startup_lists.h"

namespace {

const wchar_t ENGLISH_KEY[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tovimark3";
const wchar_t JAPANESE_KEY[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\トヴィマーク３";

// A descriptor image with its texts, as an installer writes it.
PackageDescriptor descriptor_image(const wchar_t* english, const wchar_t* japanese, const wchar_t* tag,
                                   const wchar_t* date_value_name) {
    PackageDescriptor d;
    memset(&d, 0, sizeof d);
    wcsncpy(d.english_title, english, 63);
    wcsncpy(d.japanese_title, japanese, 127);
    wcsncpy(d.short_tag, tag, 7);
    wcsncpy(d.date_value_name, date_value_name, 31);
    return d;
}

void write_descriptor(const std::wstring& path, const PackageDescriptor& d, size_t bytes = sizeof d) {
    ASSERT_TRUE(config_test::write_bytes(path, &d, bytes)) << std::string(path.begin(), path.end());
}

// The test's own registry values under both uninstall keys, removed again at the end.
class RegistryValues {
public:
    ~RegistryValues() {
        for (const auto& value : values_) config_test::delete_machine_value(value.first, value.second.c_str());
    }
    void dword(const wchar_t* key, const std::wstring& name, DWORD value) {
        values_.push_back({key, name});
        EXPECT_TRUE(config_test::set_machine_value(key, name.c_str(), REG_DWORD, &value, sizeof value));
    }
    void text(const wchar_t* key, const std::wstring& name, const std::wstring& value) {
        values_.push_back({key, name});
        EXPECT_TRUE(config_test::set_machine_value(key, name.c_str(), REG_SZ, value.c_str(),
                                                   (DWORD)((value.size() + 1) * sizeof(wchar_t))));
    }

private:
    std::vector<std::pair<const wchar_t*, std::wstring>> values_;
};

// --- folder walk -------------------------------------------------------------------------

struct Visit {
    std::wstring path, name;
};

int record_visit(const wchar_t* path, const wchar_t* name, void* context) {
    ((std::vector<Visit>*)context)->push_back({path, name});
    return 0;
}

int stop_at_first(const wchar_t* path, const wchar_t* name, void* context) {
    record_visit(path, name, context);
    return 1;
}

TEST(FolderWalk, EveryFileWithItsFullPathEachFolderWalkedWhenMet) {
    std::wstring root = config_test::make_scratch_folder(L"walk");
    CreateDirectoryW((root + L"sub").c_str(), nullptr);
    CreateDirectoryW((root + L"sub\\deep").c_str(), nullptr);
    const wchar_t* files[] = {L"a.txt", L"sub\\b.txt", L"sub\\deep\\c.txt", L"sub\\d.txt", L"z.txt"};
    for (const wchar_t* file : files) config_test::write_text(root + file, "x");

    // With and without the trailing backslash.
    for (const std::wstring& folder : {root, root.substr(0, root.size() - 1)}) {
        std::vector<Visit> visits;
        EXPECT_EQ(0, walk_folder(folder.c_str(), record_visit, &visits));
        std::set<std::wstring> paths;
        for (const Visit& v : visits) {
            paths.insert(v.path);
            EXPECT_EQ(v.name, v.path.substr(v.path.rfind(L'\\') + 1));
        }
        std::set<std::wstring> expected;
        for (const wchar_t* file : files) expected.insert(root + file);
        EXPECT_EQ(expected, paths);
        // Depth first: the files below sub\ stand together, those below sub\deep\ among them.
        std::vector<int> below_sub, below_deep;
        for (int i = 0; i < (int)visits.size(); ++i) {
            if (visits[i].path.find(L"\\sub\\") != std::wstring::npos) below_sub.push_back(i);
            if (visits[i].path.find(L"\\deep\\") != std::wstring::npos) below_deep.push_back(i);
        }
        ASSERT_EQ(3u, below_sub.size());
        EXPECT_EQ(2, below_sub.back() - below_sub.front());
        ASSERT_EQ(1u, below_deep.size());
    }

    std::vector<Visit> first;
    EXPECT_EQ(1, walk_folder(root.c_str(), stop_at_first, &first));
    EXPECT_EQ(1u, first.size());
    std::vector<Visit> none;
    EXPECT_EQ(0, walk_folder((root + L"missing").c_str(), record_visit, &none));
    EXPECT_TRUE(none.empty());
    config_test::remove_tree(root);
}

TEST(PackageScan, DescriptorsByExtensionAnywhereBelowTheFolder) {
    const struct {
        const wchar_t* file;
        bool found;
    } cases[] = {
        {L"a.prd", true},           {L"AIRPORT.PRD", true}, {L"airport.prd.bak", false},
        {L"b.PrD", true},           {L".prd", false},       {L"prd", false},
        {L"c.prdx", false},         {L"sub\\d.prd", true},  {L"sub\\deep\\e.prd", true},
        {L"pack.prd\\f.prd", true},
    };
    std::wstring root = config_test::make_scratch_folder(L"scan");
    for (const wchar_t* folder : {L"sub", L"sub\\deep", L"pack.prd"})
        CreateDirectoryW((root + folder).c_str(), nullptr);
    std::set<std::wstring> expected;
    for (const auto& c : cases) {
        write_descriptor(root + c.file, descriptor_image(c.file, L"", L"", L""));
        if (c.found) expected.insert(c.file);
    }
    game_settings.language = 1;
    PackageRecord* list = nullptr;
    uint32_t count = 0;
    scan_packages(&list, &count, root.c_str());
    std::set<std::wstring> titles;
    for (uint32_t i = 0; i < count; ++i) titles.insert(list[i].english_title);
    EXPECT_EQ(expected.size(), (size_t)count);
    EXPECT_EQ(expected, titles);
    free(list);

    PackageRecord* empty = nullptr;
    uint32_t none = 0;
    scan_packages(&empty, &none, (root + L"missing").c_str());
    EXPECT_EQ(0u, none);
    EXPECT_EQ(nullptr, empty);
    game_settings.language = 0;
    config_test::remove_tree(root);
}

// Folders one character long, depth of them below root; the path with its trailing backslash.
std::wstring make_nested_folders(const std::wstring& root, int depth) {
    std::wstring folder = root;
    for (int level = 0; level < depth; ++level) {
        folder += level % 2 ? L"b\\" : L"a\\";
        if (!CreateDirectoryW(folder.c_str(), nullptr)) return std::wstring();
    }
    return folder;
}

TEST(PackageScan, DescriptorsAtAnyDepthWhosePathFitsAreFound) {
    const struct {
        const char* name;
        int depth;          // 0: as deep as folders of 247 characters allow
        size_t path_chars;  // 0: the name "deep.prd"; else the descriptor's whole path is this long
    } cases[] = {
        {"forty folders down", 40, 0},
        {"the deepest folder, a path of 255 characters", 0, 255},
    };
    game_settings.language = 1;
    for (const auto& c : cases) {
        std::wstring root = config_test::make_scratch_folder(L"deep");
        int depth = c.depth ? c.depth : (int)(247 - root.size()) / 2;
        std::wstring folder = make_nested_folders(root, depth);
        ASSERT_FALSE(folder.empty()) << c.name;
        std::wstring path = folder + L"deep.prd";
        if (c.path_chars) path = folder + std::wstring(c.path_chars - folder.size() - 4, L'd') + L".prd";
        write_descriptor(path, descriptor_image(L"Deep Field", L"", L"DP", L""));
        if (c.path_chars) {
            ASSERT_EQ(c.path_chars, path.size()) << c.name;
        }

        PackageRecord* list = nullptr;
        uint32_t count = 0;
        scan_packages(&list, &count, root.c_str());
        ASSERT_EQ(1u, count) << c.name << ", " << depth << " folders, a path of " << path.size();
        EXPECT_STREQ(L"Deep Field", list[0].english_title) << c.name;
        free(list);
        config_test::remove_tree(root);
    }
    game_settings.language = 0;
}

// --- install date --------------------------------------------------------------------------

TEST(InstallDatetime, MonthDayYearAndHourMinuteSecond) {
    const struct {
        const wchar_t* text;
        uint32_t date, time;
    } cases[] = {
        {L"3/5/2007 9:05:00", 20070305, 90500},
        {L"12/1/2006 23:59:59", 20061201, 235959},
        {L"3/5/2007", 20070305, 0},  // no blank: the date alone
        {L"3/5/2007 ", 0, 0},        // the blank ends the text
        {L"", 0, 0},
        {L" 9:05:00", 0, 90500},
        {L"3/5/12345678 1:02:03", 305, 10203},      // a year of 8 characters counts as 0
        {L"3/5/0002007 1:02:03", 20070305, 10203},  // 7 characters are read
        {L"1/2/2000 1:02:12345678", 20000102, 10200},
        {L"10/20/2008 7:08", 20081020, 70800},  // a missing field reads 0
        {L"3/5", 305, 0},
        {L"x/y/z a:b:c", 0, 0},
        {L"07/04/1999 12:30:45 PM", 19990704, 123045},
        // Month, day, hour and minute are read in full, however long.
        {L"00000003/5/2007", 20070305, 0},
        {L"00000003/00000005/2007 00000009:00000005:00", 20070305, 90500},
        {L"0000000012/0000000001/2006 0000000023:59:59", 20061201, 235959},
        {L"12345678/1/2000 0:0:0", 1254567801, 0},           // (2000 × 100 + 12345678) × 100 + 1
        {L"3/5/00002007 00000009:05:00000000", 305, 90500},  // 8-character year and second: 0
    };
    for (const auto& c : cases) {
        uint32_t date = 0xcccccccc, time = 0xcccccccc;
        parse_install_datetime(c.text, &time, &date);
        std::string text(c.text, c.text + wcslen(c.text));
        EXPECT_EQ(c.date, date) << text;
        EXPECT_EQ(c.time, time) << text;
    }
}

// --- sort ------------------------------------------------------------------------------------

TEST(PackageSort, NewestFirstByDateThenTime) {
    struct Entry {
        const wchar_t* tag;
        uint32_t date, time;
    };
    const struct {
        std::vector<Entry> list;
        std::vector<std::wstring> order;
    } cases[] = {
        {{{L"A", 20061201, 235959}, {L"B", 20070305, 90500}}, {L"B", L"A"}},
        {{{L"A", 20070305, 90500}, {L"B", 20070305, 235959}, {L"C", 20070305, 0}}, {L"B", L"A", L"C"}},
        {{{L"A", 0, 0},
          {L"B", 20010101, 10101},
          {L"C", 20120101, 0},
          {L"D", 20010101, 10102},
          {L"E", 19991231, 235959}},
         {L"C", L"D", L"B", L"E", L"A"}},
        {{{L"A", 1, 0}, {L"B", 2, 0}, {L"C", 3, 0}, {L"D", 4, 0}, {L"E", 5, 0}, {L"F", 6, 0}},
         {L"F", L"E", L"D", L"C", L"B", L"A"}},
        {{{L"A", 6, 0}, {L"B", 5, 0}, {L"C", 4, 0}, {L"D", 3, 0}}, {L"A", L"B", L"C", L"D"}},
        {{{L"A", 20070305, 90500}}, {L"A"}},
    };
    for (const auto& c : cases) {
        std::vector<PackageRecord> records(c.list.size());
        for (size_t i = 0; i < c.list.size(); ++i) {
            memset(&records[i], 0, sizeof records[i]);
            wcscpy(records[i].short_tag, c.list[i].tag);
            records[i].install_date = c.list[i].date;
            records[i].install_time = c.list[i].time;
        }
        sort_packages(records.data(), 0, (int32_t)records.size() - 1, SORT_BY_INSTALL, 0);
        std::vector<std::wstring> order;
        for (const PackageRecord& r : records) order.push_back(r.short_tag);
        EXPECT_EQ(c.order, order) << std::string(order.front().begin(), order.front().end());
    }
}

// --- first background music -----------------------------------------------------------------

TEST(FirstBgm, FirstWaveFileButClearAndGameOverAppended) {
    const struct {
        std::vector<const wchar_t*> files;
        const wchar_t* found;
    } cases[] = {
        {{L"clear.wav", L"gameover.wav", L"title.wav"}, L"title.wav"},
        {{L"CLEAR.WAV", L"GameOver.Wav", L"notes.txt"}, L""},
        {{L"Title.WAV"}, L"Title.WAV"},
        {{L"music.wave", L"wav", L".wav"}, L""},
        {{L"clear.wav.bak", L"sub\\gameover.wav", L"sub\\inner.wav"}, L"inner.wav"},
    };
    for (const auto& c : cases) {
        std::wstring bgm = config_test::make_scratch_folder(L"bgm");
        CreateDirectoryW((bgm + L"sub").c_str(), nullptr);
        for (const wchar_t* file : c.files) config_test::write_text(bgm + file, "x");
        wchar_t name[TEXT_CAPACITY] = L"was:";
        find_first_bgm(name, bgm.c_str());
        EXPECT_EQ(std::wstring(L"was:") + c.found, std::wstring(name));
        config_test::remove_tree(bgm);
    }
}

// --- descriptors and their registry entries ---------------------------------------------------

TEST(PackageDescriptorFile, TitlesByLanguageVersionAndDateFromTheUninstallKey) {
    RegistryValues registry;
    registry.dword(ENGLISH_KEY, L"TSTPKG01", 7);
    registry.text(ENGLISH_KEY, L"TSTPKG01Date", L"3/5/2007 9:05:00");
    registry.dword(JAPANESE_KEY, L"TSTPKG01", 9);
    registry.text(JAPANESE_KEY, L"TSTPKG01Date", L"12/1/2006 23:59:59");
    registry.dword(ENGLISH_KEY, L"TSTPKG03", 4);
    registry.text(ENGLISH_KEY, L"TSTPKG03Date", std::wstring(200, L'1'));  // longer than the reader's buffer
    registry.text(ENGLISH_KEY, L"TSTPKG04", L"5");                         // not a DWORD
    registry.dword(ENGLISH_KEY, L"TSTPKG04Date", 20070305);                // not a string
    registry.text(ENGLISH_KEY, L"TSTPKG05Date", L"3/5/2007" + std::wstring(55, L' '));  // the longest that fits
    // No terminator anywhere: every text runs to the end of its area.
    std::wstring letters(32, L'A');
    registry.dword(ENGLISH_KEY, letters.substr(0, 28), 3);
    registry.text(ENGLISH_KEY, letters, L"1/2/2003 4:05:06");

    PackageDescriptor full =
        descriptor_image(L"Kitahama International Airport", L"北浜国際空港", L"KTH", L"TSTPKG01Date");
    PackageDescriptor unterminated;
    wmemset((wchar_t*)&unterminated, L'A', sizeof unterminated / sizeof(wchar_t));

    std::wstring root = config_test::make_scratch_folder(L"prd");
    const struct {
        const char* name;
        PackageDescriptor descriptor;
        size_t bytes;
        uint32_t language;
        int read;
        std::wstring display, english, tag, key;
        uint32_t version, date, time;
    } cases[] = {
        {"english", full, 736, 1, 1, L"Kitahama International Airport", L"Kitahama International Airport", L"KTH",
         L"TSTPKG01", 7, 20070305, 90500},
        {"japanese", full, 736, 2, 1, L"北浜国際空港", L"Kitahama International Airport", L"KTH", L"TSTPKG01", 9,
         20061201, 235959},
        {"no entries", descriptor_image(L"Minato", L"みなと", L"MNT", L"TSTPKG02Date"), 736, 1, 1, L"Minato", L"Minato",
         L"MNT", L"TSTPKG02", 0, 0, 0},
        {"date too long", descriptor_image(L"P3", L"", L"", L"TSTPKG03Date"), 736, 1, 1, L"P3", L"P3", L"", L"TSTPKG03",
         4, 0, 0},
        {"wrong types", descriptor_image(L"P4", L"", L"", L"TSTPKG04Date"), 736, 1, 1, L"P4", L"P4", L"", L"TSTPKG04",
         0, 0, 0},
        {"longest date", descriptor_image(L"P5", L"", L"", L"TSTPKG05Date"), 736, 1, 1, L"P5", L"P5", L"", L"TSTPKG05",
         0, 20070305, 0},
        {"short file", full, 300, 2, 1, L"", L"Kitahama International", L"", L"", 0, 0, 0},
        {"empty file", full, 0, 1, 1, L"", L"", L"", L"", 0, 0, 0},
        {"name of the suffix only", descriptor_image(L"P6", L"", L"", L"Date"), 736, 1, 1, L"P6", L"P6", L"", L"", 0, 0,
         0},
        {"unterminated", unterminated, 736, 1, 1, std::wstring(63, L'A'), std::wstring(63, L'A'), std::wstring(7, L'A'),
         std::wstring(15, L'A'), 3, 20030102, 40506},
    };
    for (const auto& c : cases) {
        std::wstring path = root + L"case.prd";
        write_descriptor(path, c.descriptor, c.bytes);
        game_settings.language = c.language;
        PackageRecord record;
        memset(&record, 0xcc, sizeof record);
        EXPECT_EQ(c.read, read_package_descriptor(&record, path.c_str())) << c.name;
        EXPECT_EQ(c.display, record.display_name) << c.name;
        EXPECT_EQ(c.english, record.english_title) << c.name;
        EXPECT_EQ(c.tag, record.short_tag) << c.name;
        EXPECT_EQ(c.key, record.key_name) << c.name;
        EXPECT_EQ(c.version, record.version) << c.name;
        EXPECT_EQ(c.date, record.install_date) << c.name;
        EXPECT_EQ(c.time, record.install_time) << c.name;
    }
    PackageRecord missing;
    EXPECT_EQ(0, read_package_descriptor(&missing, (root + L"missing.prd").c_str()));
    game_settings.language = 0;
    config_test::remove_tree(root);
}

TEST(RegistryText, ClearedFirstAndLeftEmptyWhenTheValueDoesNotFit) {
    RegistryValues registry;
    registry.text(ENGLISH_KEY, L"TSTPKG10", std::wstring(63, L'x'));
    registry.text(ENGLISH_KEY, L"TSTPKG11", std::wstring(64, L'y'));
    const struct {
        const wchar_t* name;
        int found;
        std::wstring text;
    } cases[] = {
        {L"TSTPKG10", 1, std::wstring(63, L'x')},
        {L"TSTPKG11", 0, L""},
        {L"TSTPKG12", 0, L""},
    };
    for (const auto& c : cases) {
        wchar_t buffer[REGISTRY_TEXT_CHARS + 8];
        wmemset(buffer, L'#', REGISTRY_TEXT_CHARS + 8);
        EXPECT_EQ(c.found, reg_read_string(buffer, ENGLISH_KEY, c.name));
        EXPECT_EQ(c.text, buffer);
        for (int i = REGISTRY_TEXT_CHARS; i < REGISTRY_TEXT_CHARS + 8; ++i) EXPECT_EQ(L'#', buffer[i]);
    }
    uint32_t value = 0xcccccccc;
    EXPECT_EQ(0, reg_read_dword(ENGLISH_KEY, L"TSTPKG10", &value));
    EXPECT_EQ(0xccccccccu, value);
}

// --- seeded fuzz ----------------------------------------------------------------------------

uint32_t next_random(uint32_t* seed) {
    *seed = *seed * 1664525u + 1013904223u;
    return *seed >> 8;
}

bool terminated_within(const wchar_t* text, size_t chars) { return wmemchr(text, 0, chars) != nullptr; }

TEST(PackageFuzz, DescriptorsAndDateTextsStayInsideTheirFields) {
    uint32_t seed = 20070305;
    const unsigned char guard = 0x5a;
    for (int round = 0; round < 100000; ++round) {
        PackageDescriptor d;
        unsigned char* bytes = (unsigned char*)&d;
        size_t length = next_random(&seed) % (sizeof d + 1);
        memset(&d, 0, sizeof d);
        for (size_t i = 0; i < length; ++i)
            bytes[i] = (next_random(&seed) % 4) ? (unsigned char)(next_random(&seed) | 1) : 0;
        struct {
            PackageRecord record;
            unsigned char after[32];
        } guarded;
        memset(&guarded, guard, sizeof guarded);
        describe_package(&guarded.record, &d, 1 + next_random(&seed) % 2);
        ASSERT_TRUE(terminated_within(guarded.record.display_name, 64)) << round;
        ASSERT_TRUE(terminated_within(guarded.record.english_title, 64)) << round;
        ASSERT_TRUE(terminated_within(guarded.record.short_tag, 8)) << round;
        ASSERT_TRUE(terminated_within(guarded.record.key_name, 16)) << round;
        for (unsigned char b : guarded.after) ASSERT_EQ(guard, b) << round;
    }
    const wchar_t alphabet[] = L"0123456789//::-  x";
    for (int round = 0; round < 100000; ++round) {
        wchar_t text[REGISTRY_TEXT_CHARS];
        size_t length = next_random(&seed) % REGISTRY_TEXT_CHARS;
        for (size_t i = 0; i < length; ++i) text[i] = alphabet[next_random(&seed) % (sizeof alphabet / 2 - 1)];
        text[length] = 0;
        uint32_t date = 0, time = 0;
        parse_install_datetime(text, &time, &date);
        if (!wcschr(text, L' ')) {
            ASSERT_EQ(0u, time) << round;
        }
    }
}

// --- packages of the program folder ---------------------------------------------------------

// The lists of a start in a program folder holding the given descriptors below menu\local.
class StartupPackages : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = config_test::make_scratch_folder(L"packages");
        copy_text(program_folder, TEXT_CAPACITY, game_.c_str());
        engine_available = 0;
    }
    void TearDown() override {
        game_settings.language = 0;
        program_folder[0] = 0;
        config_test::remove_tree(game_);
    }
    void add_package(const wchar_t* folder, const PackageDescriptor& d) {
        CreateDirectoryW((game_ + L"menu").c_str(), nullptr);
        CreateDirectoryW((game_ + L"menu\\local").c_str(), nullptr);
        CreateDirectoryW((game_ + L"menu\\local\\" + folder).c_str(), nullptr);
        write_descriptor(game_ + L"menu\\local\\" + folder + L"\\package.prd", d);
    }
    std::wstring game_;
};

TEST_F(StartupPackages, EngineTestSoundByThePackagesFound) {
    RegistryValues registry;
    for (const wchar_t* key : {ENGLISH_KEY, JAPANESE_KEY}) {
        registry.text(key, L"TSTPKG20Date", L"12/1/2006 23:59:59");
        registry.text(key, L"TSTPKG21Date", L"3/5/2007 9:05:00");
    }
    const PackageDescriptor airport =
        descriptor_image(L"Kitahama International Airport", L"北浜国際空港", L"KTH", L"TSTPKG20Date");
    const PackageDescriptor heliport =
        descriptor_image(L"Minato Heliport", L"みなとヘリポート", L"MNT", L"TSTPKG21Date");
    const struct {
        const char* name;
        int packages;  // 0 none, 1 the airport, 2 the airport and the heliport
        uint32_t language;
        const wchar_t* sound;
        std::vector<std::wstring> display_names;
    } cases[] = {
        {"no package", 0, 2, L"", {}},
        {"the airport, Japanese", 1, 2, L"acplug02_engine.wav", {L"北浜国際空港"}},
        {"the airport, English", 1, 1, L"config_engine.wav", {L"Kitahama International Airport"}},
        {"two packages", 2, 2, L"config_engine.wav", {L"みなとヘリポート", L"北浜国際空港"}},
    };
    for (const auto& c : cases) {
        config_test::remove_tree(game_ + L"menu");
        if (c.packages >= 1) add_package(L"kitahama", airport);
        if (c.packages >= 2) add_package(L"minato", heliport);
        game_settings.language = c.language;
        load_startup_lists();
        EXPECT_STREQ(c.sound, engine_test_sound_name) << c.name;
        std::vector<std::wstring> names;
        for (uint32_t i = 0; i < package_count; ++i) names.push_back(package_list[i].display_name);
        EXPECT_EQ(c.display_names, names) << c.name;
        free_startup_lists();
        EXPECT_EQ(0u, package_count);
    }
}

// The game folder's sample packages with the registry entries that run_config imports.
TEST(GamePackages, SamplePackagesListedNewestFirst) {
    std::wstring game = config_test::game_folder_with_packages();
    ASSERT_FALSE(game.empty());
    copy_text(program_folder, TEXT_CAPACITY, game.c_str());
    engine_available = 0;
    const struct {
        uint32_t language;
        std::vector<std::wstring> display_names;
    } cases[] = {
        {1, {L"Kitahama International Airport", L"Minato Heliport", L"Sora Sightseeing Flights"}},
        {2, {L"北浜国際空港", L"みなとヘリポート", L"そら遊覧飛行"}},
    };
    for (const auto& c : cases) {
        game_settings.language = c.language;
        load_startup_lists();
        ASSERT_EQ(3u, package_count) << c.language;
        std::vector<std::wstring> names;
        for (uint32_t i = 0; i < package_count; ++i) names.push_back(package_list[i].display_name);
        EXPECT_EQ(c.display_names, names);
        EXPECT_STREQ(L"KTH01", package_list[0].key_name);
        EXPECT_EQ(5u, package_list[0].version);
        EXPECT_EQ(20070305u, package_list[0].install_date);
        EXPECT_EQ(90500u, package_list[0].install_time);
        EXPECT_STREQ(L"MNT", package_list[1].short_tag);
        EXPECT_EQ(120u, package_list[1].version);
        EXPECT_EQ(20061201u, package_list[1].install_date);
        EXPECT_EQ(235959u, package_list[1].install_time);
        EXPECT_EQ(0u, package_list[2].version);  // no registry entries: listed last
        EXPECT_EQ(0u, package_list[2].install_date);
        EXPECT_STREQ(L"config_engine.wav", engine_test_sound_name);
        EXPECT_STREQ(L"title.wav", first_bgm_name);
        free_startup_lists();
    }
    game_settings.language = 0;
    program_folder[0] = 0;
}

}  // namespace
