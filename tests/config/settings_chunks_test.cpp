// The chunk walk of system.dat and the 140-byte image: any order, short and hostile files.
#include <gtest/gtest.h>
#include <string.h>
#include <vector>
#include "config_test_support.h"
#include "settings_store.h"

namespace {

void append_word(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back((uint8_t)(value >> (8 * i)));
}

void append_chunk(std::vector<uint8_t>& bytes, const char* tag, uint32_t length, const std::vector<uint32_t>& words) {
    bytes.insert(bytes.end(), tag, tag + 4);
    append_word(bytes, length);
    for (uint32_t word : words) append_word(bytes, word);
}

const uint32_t* fields() { return (const uint32_t*)&game_settings; }

void parse(const std::vector<uint8_t>& bytes) {
    memset(&game_settings, 0, sizeof game_settings);
    config_test::GuardedBytes guarded(bytes);
    parse_settings_chunks(guarded.data(), guarded.size());
}

std::vector<uint32_t> range(uint32_t first, uint32_t count) {
    std::vector<uint32_t> words;
    for (uint32_t i = 0; i < count; ++i) words.push_back(first + i);
    return words;
}

TEST(SettingsImage, WrittenOrderAndLengths) {
    uint32_t values[27];
    for (uint32_t i = 0; i < 27; ++i) values[i] = 0x01010101u * (i + 1);
    memcpy(&game_settings, values, sizeof values);
    uint8_t image[SETTINGS_FILE_SIZE + 1];
    image[SETTINGS_FILE_SIZE] = 0xCC;
    build_settings_image(&game_settings, image);
    EXPECT_EQ(0xCC, image[SETTINGS_FILE_SIZE]);
    std::vector<uint8_t> expected = config_test::settings_image(values);
    ASSERT_EQ(140u, expected.size());
    EXPECT_EQ(0, memcmp(expected.data(), image, 140));
    EXPECT_EQ(0, memcmp(image + 84, "GDSP\x0c\0\0\0", 8));
}

TEST(SettingsChunks, ReorderedChunksLoadAsTheWrittenOrder) {
    std::vector<uint8_t> bytes;
    append_chunk(bytes, "GSND", 28, range(21, 7));
    append_chunk(bytes, "GDSP", 12, range(18, 3));
    append_chunk(bytes, "GSYS", 60, range(3, 15));
    append_chunk(bytes, "GVER", 8, range(1, 2));
    parse(bytes);
    for (uint32_t i = 0; i < 27; ++i) EXPECT_EQ(i + 1, fields()[i]) << "field " << i;
}

TEST(SettingsChunks, ShortChunkFillsOnlyItsFirstFields) {
    std::vector<uint8_t> bytes;
    append_chunk(bytes, "GDSP", 8, {1280, 1024});
    parse(bytes);
    EXPECT_EQ(1280u, game_settings.screen_width);
    EXPECT_EQ(1024u, game_settings.screen_height);
    EXPECT_EQ(0u, game_settings.screen_mode);
}

TEST(SettingsChunks, OverLongChunkStopsAtItsGroup) {
    // A GSYS chunk of 100 bytes: 60 reach the settings, GDSP after it is still its own.
    std::vector<uint8_t> bytes;
    append_chunk(bytes, "GSYS", 100, std::vector<uint32_t>(25, 0xEEEEEEEEu));
    append_chunk(bytes, "GDSP", 12, {800, 600, 2});
    parse(bytes);
    EXPECT_EQ(0u, game_settings.version[1]);
    EXPECT_EQ(0xEEEEEEEEu, game_settings.language);
    EXPECT_EQ(0xEEEEEEEEu, game_settings.scenery_flags);
    EXPECT_EQ(800u, game_settings.screen_width);
    EXPECT_EQ(2u, game_settings.screen_mode);
    EXPECT_EQ(0u, game_settings.sound_3d);
}

TEST(SettingsChunks, HostileFilesStopWithoutReadingPastTheEnd) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        uint32_t screen_width;  // what GDSP 640 before the damage leaves, 0 when none
    };
    std::vector<Case> cases;
    std::vector<uint8_t> good;
    append_chunk(good, "GDSP", 4, {640});

    cases.push_back({"empty", {}, 0});
    cases.push_back({"three bytes", {'G', 'S', 'Y'}, 0});
    {
        std::vector<uint8_t> b = good;
        append_chunk(b, "GSND", 0xFFFFFFF0u, {5});  // huge length: must not wrap the offset
        cases.push_back({"huge length", b, 640});
    }
    {
        std::vector<uint8_t> b = good;
        append_chunk(b, "GSND", 28, {1, 2});  // length runs past the end
        cases.push_back({"length past the end", b, 640});
    }
    {
        std::vector<uint8_t> b = good;
        b.push_back('G');
        b.push_back('S');  // remainder shorter than a header
        cases.push_back({"truncated header", b, 640});
    }
    {
        std::vector<uint8_t> b;
        append_chunk(b, "XXXX", 8, {0xDEAD, 0xBEEF});  // unknown tag skipped by its length
        append_chunk(b, "GDSP", 4, {640});
        cases.push_back({"unknown tag", b, 640});
    }
    {
        std::vector<uint8_t> b;
        append_chunk(b, "ZERO", 0, {});
        append_chunk(b, "GDSP", 4, {640});
        cases.push_back({"zero length unknown tag", b, 640});
    }
    for (const Case& c : cases) {
        parse(c.bytes);
        EXPECT_EQ(c.screen_width, game_settings.screen_width) << c.name;
        EXPECT_EQ(0u, game_settings.sound_3d) << c.name;
        EXPECT_EQ(0u, game_settings.version[0]) << c.name;
    }
}

}  // namespace
