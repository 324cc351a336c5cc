// A seeded fuzz run over the readers of the settings files: the system.dat chunk walk on bytes
// that end at an unreadable page, load_settings on such files on disk, and the INI readers of
// config.ini and kvrn.ini. Nothing may crash or read past the bytes, the record must hold just
// what the chunks give, and the module state beside it must stay as it was.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <random>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "files.h"
#include "program_test_support.h"
#include "settings_store.h"

namespace {

const int CHUNK_INPUTS = 200000;  // the walk in memory
const int FILE_INPUTS = 1500;     // system.dat on disk through load_settings
const int INI_INPUTS = 600;       // config.ini and kvrn.ini through their readers

uint32_t fuzz_seed() {
    const char* text = getenv("TOVI_FUZZ_SEED");
    return text && *text ? (uint32_t)strtoul(text, nullptr, 0) : 20261210u;
}

struct Group {
    const char* tag;
    uint32_t first_field, capacity;
};
const Group groups[] = {{"GVER", 0, 8}, {"GSYS", 2, 60}, {"GDSP", 17, 12}, {"GSND", 20, 28}};

uint32_t word_at(const std::vector<uint8_t>& bytes, size_t offset) {
    return (uint32_t)bytes[offset] | (uint32_t)bytes[offset + 1] << 8 | (uint32_t)bytes[offset + 2] << 16 |
           (uint32_t)bytes[offset + 3] << 24;
}

// What the record must hold after the walk: for each chunk header that the walk reaches and
// whose data lies inside the bytes, the data over the first fields of its group, cut to the group.
void expected_record(const std::vector<uint8_t>& bytes, uint32_t out[27]) {
    memset(out, 0, 27 * 4);
    size_t offset = 0;
    while (bytes.size() - offset >= 8) {
        uint64_t length = word_at(bytes, offset + 4);
        if (length > bytes.size() - offset - 8) break;
        for (const Group& group : groups) {
            if (memcmp(&bytes[offset], group.tag, 4) != 0) continue;
            memcpy((uint8_t*)out + group.first_field * 4, &bytes[offset + 8],
                   (size_t)(length < group.capacity ? length : group.capacity));
        }
        offset += 8 + (size_t)length;
    }
}

// Inputs: written images cut, grown, bit-flipped, with hostile lengths and reordered chunks,
// and plain random bytes.
class InputMaker {
public:
    explicit InputMaker(uint32_t seed) : random_(seed) {}

    std::vector<uint8_t> next() {
        std::vector<uint8_t> bytes;
        switch (pick(6)) {
            case 0:
                for (uint32_t n = pick(300); n; --n) bytes.push_back((uint8_t)pick(256));
                return bytes;
            case 1:
                chunks(bytes, 1 + pick(8));
                break;
            default:
                chunks(bytes, 4);
                break;
        }
        for (uint32_t n = pick(4); n; --n) mutate(bytes);
        return bytes;
    }

private:
    uint32_t pick(uint32_t below) { return (uint32_t)(random_() % below); }

    uint32_t hostile_length(size_t room) {
        static const uint32_t lengths[] = {0,   1,          3,          4,          7,          8,         11, 12,
                                           13,  27,         28,         29,         59,         60,        61, 64,
                                           140, 0x7FFFFFFF, 0x80000000, 0xFFFFFFF7, 0xFFFFFFF8, 0xFFFFFFFF};
        switch (pick(3)) {
            case 0:
                return lengths[pick(sizeof lengths / sizeof lengths[0])];
            case 1:
                return (uint32_t)room + pick(3) - 1;
            default:
                return (uint32_t)random_();
        }
    }

    void chunks(std::vector<uint8_t>& bytes, uint32_t count) {
        static const char* const unknown[] = {"GXXX", "gsys", "\0\0\0\0", "GSY"};
        for (uint32_t i = 0; i < count; ++i) {
            const char* tag = pick(8) ? groups[pick(4)].tag : unknown[pick(4)];
            uint32_t length = pick(4) ? groups[pick(4)].capacity : pick(80);
            bytes.insert(bytes.end(), tag, tag + 4);
            for (int b = 0; b < 4; ++b) bytes.push_back((uint8_t)(length >> (8 * b)));
            for (uint32_t d = 0; d < length; ++d) bytes.push_back((uint8_t)pick(256));
        }
    }

    void mutate(std::vector<uint8_t>& bytes) {
        switch (pick(5)) {
            case 0:  // cut
                bytes.resize(bytes.empty() ? 0 : pick((uint32_t)bytes.size() + 1));
                break;
            case 1:  // flip a byte
                if (!bytes.empty()) bytes[pick((uint32_t)bytes.size())] ^= (uint8_t)(1 + pick(255));
                break;
            case 2: {  // a hostile length in some chunk-header-like place
                if (bytes.size() < 8) break;
                size_t at = pick((uint32_t)(bytes.size() - 7)) & ~(size_t)3;
                if (pick(2)) at = 4;
                uint32_t length = hostile_length(bytes.size() - at - 4);
                for (int b = 0; b < 4; ++b) bytes[at + b] = (uint8_t)(length >> (8 * b));
                break;
            }
            case 3:  // grow with random bytes
                for (uint32_t n = 1 + pick(12); n; --n) bytes.push_back((uint8_t)pick(256));
                break;
            default: {  // repeat a slice
                if (bytes.empty()) break;
                size_t from = pick((uint32_t)bytes.size()), count = pick((uint32_t)(bytes.size() - from) + 1);
                std::vector<uint8_t> slice(bytes.begin() + from, bytes.begin() + from + count);
                bytes.insert(bytes.begin() + pick((uint32_t)bytes.size() + 1), slice.begin(), slice.end());
                break;
            }
        }
    }

    std::mt19937 random_;
};

std::string hex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char piece[4];
    for (uint8_t b : bytes) {
        snprintf(piece, sizeof piece, "%02x", b);
        out += piece;
    }
    return out;
}

// The record matches the chunks, and what lies beside it in the settings store is untouched.
::testing::AssertionResult record_holds(const std::vector<uint8_t>& bytes) {
    uint32_t expected[27];
    expected_record(bytes, expected);
    if (memcmp(expected, &game_settings, sizeof expected) != 0)
        return ::testing::AssertionFailure() << "record differs for input " << hex(bytes);
    if (mipmap_value != 0x5A5A5A5A || user_data_folder[0] != L'#' || user_data_folder[1] != 0)
        return ::testing::AssertionFailure() << "module state beside the record changed for input " << hex(bytes);
    return ::testing::AssertionSuccess();
}

class SettingsFuzz : public ::testing::Test {
protected:
    void SetUp() override {
        config_test::use_english_strings();
        printf("fuzz seed %u (TOVI_FUZZ_SEED sets another)\n", seed_);
    }
    uint32_t seed_ = fuzz_seed();
};

TEST_F(SettingsFuzz, ChunkWalkStaysInsideTheBytesAndTheRecord) {
    InputMaker maker(seed_);
    config_test::GuardedBytes guarded;
    int reached[4] = {};  // inputs that set some field of each group: the run goes deep enough
    for (int i = 0; i < CHUNK_INPUTS; ++i) {
        std::vector<uint8_t> bytes = maker.next();
        guarded.place(bytes.data(), bytes.size());
        memset(&game_settings, 0, sizeof game_settings);
        mipmap_value = 0x5A5A5A5A;
        copy_text(user_data_folder, TEXT_CAPACITY, L"#");
        parse_settings_chunks(guarded.data(), guarded.size());
        ASSERT_TRUE(record_holds(bytes)) << "input " << i;
        uint32_t scenery = default_scenery_word(game_settings.scenery_word);
        uint32_t model = scenery & 0xF00F0000u;
        ASSERT_TRUE((scenery & 0xF) <= 2 && (model == 0x10000 || model == 0x20000 || model == 0x30000))
            << "scenery word " << std::hex << scenery << " from input " << hex(bytes);
        for (int g = 0; g < 4; ++g) {
            const uint32_t* first = (const uint32_t*)&game_settings + groups[g].first_field;
            for (uint32_t f = 0; f < groups[g].capacity / 4; ++f)
                if (first[f]) {
                    ++reached[g];
                    break;
                }
        }
    }
    for (int g = 0; g < 4; ++g) EXPECT_GT(reached[g], CHUNK_INPUTS / 10) << groups[g].tag;
    user_data_folder[0] = 0;
    mipmap_value = 0;
}

TEST_F(SettingsFuzz, LoadSettingsReadsAnyFileIntoAValidRecord) {
    std::wstring game = config_test::make_scratch_folder(L"fuzz_files");
    // No per-user folder: the file is read from the program folder.
    config_test::LocalFolderOverride no_user_folder(game + L"none");
    copy_text(program_folder, TEXT_CAPACITY, game.c_str());
    InputMaker maker(seed_ + 1);
    for (int i = 0; i < FILE_INPUTS; ++i) {
        std::vector<uint8_t> bytes = maker.next();
        ASSERT_TRUE(config_test::write_bytes(game + L"system.dat", bytes.data(), bytes.size()));
        memset(&game_settings, 0xAB, sizeof game_settings);
        load_settings();
        mipmap_value = 0x5A5A5A5A;  // load_settings empties the per-user folder; mark both again
        copy_text(user_data_folder, TEXT_CAPACITY, L"#");
        ASSERT_TRUE(record_holds(bytes)) << "file " << i;
    }
    user_data_folder[0] = 0;
    mipmap_value = 0;
    program_folder[0] = 0;
    config_test::remove_tree(game);
}

// INI texts around the two keys: long lines, odd numbers, stray bytes. Each input gets fresh
// files so that no cached copy answers. A well-formed value must come back as written.
TEST_F(SettingsFuzz, IniReadersTakeAnyText) {
    std::wstring game = config_test::make_scratch_folder(L"fuzz_ini");
    config_test::LocalFolderOverride no_user_folder(game + L"none");
    std::mt19937 random(seed_ + 2);
    auto pick = [&random](uint32_t below) { return (uint32_t)(random() % below); };
    static const char* const values[] = {
        "0",  "1",  "-1",   "2147483647", "-2147483648", "2147483648", "99999999999999999999", "", " 1",
        "1 ", "+1", "0x10", "abc",        "1\x01",       "\xff\xfe"};
    for (int i = 0; i < INI_INPUTS; ++i) {
        wchar_t name[32];
        swprintf(name, 32, L"%d\\", i);
        std::wstring folder = game + name;
        CreateDirectoryW(folder.c_str(), nullptr);
        copy_text(program_folder, TEXT_CAPACITY, folder.c_str());
        int well_formed = pick(2);
        int value = (int)pick(3);
        std::string mipmap_text, language_text;
        if (well_formed) {
            mipmap_text = "[VIDEO]\r\nmipmap=" + std::to_string(value) + "\r\n";
            language_text = "[SYSTEM]\r\nlanguage=" + std::to_string(value) + "\r\n";
        } else {
            for (std::string* text : {&mipmap_text, &language_text}) {
                *text = text == &mipmap_text ? "[VIDEO]" : "[SYSTEM]";
                if (pick(2)) *text += std::string(pick(400), 'x');
                *text += pick(2) ? "\r\n" : "\n";
                *text += text == &mipmap_text ? "mipmap=" : "language=";
                *text += values[pick(sizeof values / sizeof values[0])];
                if (pick(2)) *text += std::string(pick(100), (char)(1 + pick(255)));
            }
        }
        config_test::write_text(folder + L"kvrn.ini", mipmap_text.c_str());
        config_test::write_text(folder + L"config.ini", language_text.c_str());
        mipmap_value = 0x5A5A5A5A;
        read_mipmap_setting();
        uint32_t language = read_language_setting();
        ASSERT_TRUE(language == 1 || language == 2) << "config.ini: " << language_text;
        if (well_formed) {
            ASSERT_EQ(value, mipmap_value) << "kvrn.ini: " << mipmap_text;
            ASSERT_EQ(value == 0 ? 1u : 2u, language) << "config.ini: " << language_text;
        }
    }
    mipmap_value = 0;
    program_folder[0] = 0;
    config_test::remove_tree(game);
}

}  // namespace
