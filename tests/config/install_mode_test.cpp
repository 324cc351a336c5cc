// TOVICONFIG.exe end to end in a scratch game folder: install mode writes system.dat and
// kvrn.ini, mirrored from the per-user folder; one instance; the menu window's notices.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "config_test_support.h"

using config_test::hex_dump;
using config_test::per_user_folder;
using config_test::read_bytes;
using config_test::settings_image;
using config_test::write_bytes;
using config_test::write_text;

namespace {

const DWORD RUN_LIMIT_MS = 60000;

void put_word(uint32_t fields[27], int index, uint32_t value) { fields[index] = value; }

// The 27 fields that a fresh install writes with config.ini language 0 and software sound.
void fresh_install_fields(uint32_t f[27], uint32_t refresh_rate) {
    memset(f, 0, 27 * 4);
    f[2] = 1;        // English, from config.ini
    f[4] = 1;        // hardware cursor
    f[5] = 2;        // radio language forced for the English interface
    f[6] = 1;        // low shadows
    f[7] = 1;        // smooth camera off
    f[8] = 0x10001;  // scenery word
    f[11] = refresh_rate;
    f[12] = 2;  // strobe light on
    f[17] = 1024;
    f[18] = 768;
    f[19] = 1;  // full screen
    f[20] = 2;  // software 3D sound (the sound library's capability)
    for (int i = 21; i <= 25; ++i) f[i] = 80;
    f[26] = 100;
}

// 60 when the main monitor reports a current refresh rate, as the program's late default.
uint32_t expected_refresh_default() {
    DISPLAY_DEVICEW device = {};
    device.cb = sizeof device;
    if (!EnumDisplayDevicesW(nullptr, 0, &device, 0) || !device.DeviceID[0]) return 0;
    DEVMODEW mode = {};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsExW(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode, 0)) return 0;
    return mode.dmDisplayFrequency ? 60 : 0;
}

#define EXPECT_BYTES(expected, actual) EXPECT_EQ(hex_dump(expected), hex_dump(actual))

class InstallMode : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = config_test::make_game_copy(L"install");
        ASSERT_TRUE(config_test::file_exists(game_ + L"TOVICONFIG.exe"));
        SetEnvironmentVariableW(L"RUQ6X_CAPS", L"2");
        SetEnvironmentVariableW(L"RUQ6X_MASTER_VOLUME", L"55");
        refresh_ = expected_refresh_default();
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"RUQ6X_CAPS", nullptr);
        SetEnvironmentVariableW(L"RUQ6X_MASTER_VOLUME", nullptr);
        config_test::remove_tree(game_);
    }
    // Runs the program, answering its boxes from the script; the boxes shown go to boxes_.
    int run(const wchar_t* arguments, const char* answers = "") {
        boxes_.clear();
        return config_test::run_answering_boxes(game_ + L"TOVICONFIG.exe", arguments, game_, answers, RUN_LIMIT_MS,
                                                &boxes_);
    }
    std::string boxes_shown() const { return ::testing::PrintToString(boxes_); }
    int mipmap(const std::wstring& ini) { return (int)GetPrivateProfileIntW(L"VIDEO", L"mipmap", -99, ini.c_str()); }
    std::wstring game_;
    uint32_t refresh_ = 0;
    std::vector<driver::SeenBox> boxes_;
};

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(InstallMode, WithoutSystemDatWritesTheDefaults) {
    ASSERT_EQ(0, run(L"/i"));
    uint32_t f[27];
    fresh_install_fields(f, refresh_);
    EXPECT_BYTES(settings_image(f), read_bytes(game_ + L"system.dat"));
    EXPECT_EQ(0, mipmap(game_ + L"kvrn.ini"));
}

TEST_F(InstallMode, KeepsStoredValuesInAnyChunkOrder) {
    // GSND, GDSP, GSYS, GVER: the reverse of the written order.
    uint32_t stored[27] = {7, 9, 5, 0x11, 2,    1, 2, 2,  0x30002, 4,  2,  75, 1, 1,
                           1, 1, 2, 1280, 1024, 2, 1, 10, 20,      30, 40, 50, 90};
    std::vector<uint8_t> canonical = settings_image(stored);
    std::vector<uint8_t> reordered;
    reordered.insert(reordered.end(), canonical.begin() + 104, canonical.end());
    reordered.insert(reordered.end(), canonical.begin() + 84, canonical.begin() + 104);
    reordered.insert(reordered.end(), canonical.begin() + 16, canonical.begin() + 84);
    reordered.insert(reordered.end(), canonical.begin(), canonical.begin() + 16);
    write_bytes(game_ + L"system.dat", reordered.data(), reordered.size());
    write_text(game_ + L"kvrn.ini", "[VIDEO]\r\nmipmap=1\r\n");

    ASSERT_EQ(0, run(L"/i"));
    uint32_t want[27];
    memcpy(want, stored, sizeof want);
    put_word(want, 2, 1);    // language from config.ini
    put_word(want, 5, 2);    // English interface: Japanese radio
    put_word(want, 20, 2);   // hardware 3D sound without hardware sound
    put_word(want, 26, 55);  // the Windows master volume of this start
    EXPECT_BYTES(settings_image(want), read_bytes(game_ + L"system.dat"));
    EXPECT_EQ(1, mipmap(game_ + L"kvrn.ini"));
}

TEST_F(InstallMode, DamagedSystemDatGivesDefaultsWithoutACrash) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool display_kept;  // the GDSP chunk in front of the damage is taken
    };
    std::vector<uint8_t> display = {'G', 'D', 'S',  'P',  12, 0, 0, 0, 0x00, 0x05,
                                    0,   0,   0xC0, 0x03, 0,  0, 2, 0, 0,    0};  // 1280 x 960, window
    auto with = [&display](std::vector<uint8_t> tail) {
        std::vector<uint8_t> bytes = display;
        for (uint8_t byte : tail) bytes.push_back(byte);
        return bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}, false},
        {"truncated header", with({'G', 'S', 'N'}), true},
        {"huge length", with({'G', 'S', 'Y', 'S', 0xF8, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}), true},
        {"length past the end", with({'G', 'S', 'N', 'D', 28, 0, 0, 0, 1, 0, 0, 0}), true},
        {"unknown tags", with({'J', 'U', 'N', 'K', 4, 0, 0, 0, 9, 9, 9, 9, 'Z', 'Z', 'Z', 'Z', 0, 0, 0, 0}), true},
        {"garbage", std::vector<uint8_t>(3000, 0xFF), false},
    };
    for (const Case& c : cases) {
        write_bytes(game_ + L"system.dat", c.bytes.data(), c.bytes.size());
        ASSERT_EQ(0, run(L"/i")) << c.name;
        uint32_t f[27];
        fresh_install_fields(f, refresh_);
        if (c.display_kept) {
            f[17] = 1280;
            f[18] = 960;
            f[19] = 2;
        }
        EXPECT_BYTES(settings_image(f), read_bytes(game_ + L"system.dat")) << c.name;
    }
}

TEST_F(InstallMode, PerUserFolderIsReadWrittenAndMirrored) {
    std::wstring user = per_user_folder(L"tovien_data");
    std::wstring quellbright = user.substr(0, user.size() - wcslen(L"tovien_data\\"));
    CreateDirectoryW(quellbright.c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryW(user.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);

    uint32_t user_fields[27];
    fresh_install_fields(user_fields, 75);
    user_fields[17] = 1600;
    user_fields[18] = 1200;
    user_fields[20] = 2;
    user_fields[26] = 55;
    std::vector<uint8_t> user_image = settings_image(user_fields);
    write_bytes(user + L"system.dat", user_image.data(), user_image.size());
    write_text(user + L"kvrn.ini", "[VIDEO]\r\nmipmap=1\r\n");
    uint32_t program_fields[27] = {};
    program_fields[17] = 640;
    std::vector<uint8_t> program_image = settings_image(program_fields);
    write_bytes(game_ + L"system.dat", program_image.data(), program_image.size());

    int code = run(L"/i");
    std::vector<uint8_t> written = read_bytes(user + L"system.dat");
    std::vector<uint8_t> mirrored = read_bytes(game_ + L"system.dat");
    int user_mipmap = mipmap(user + L"kvrn.ini");
    int mirrored_mipmap = mipmap(game_ + L"kvrn.ini");
    config_test::remove_tree(user);
    RemoveDirectoryW(quellbright.c_str());

    ASSERT_EQ(0, code);
    EXPECT_BYTES(user_image, written);
    EXPECT_BYTES(user_image, mirrored);
    EXPECT_EQ(1, user_mipmap);
    EXPECT_EQ(1, mirrored_mipmap);
}

TEST_F(InstallMode, JapaneseInterfaceUsesItsOwnPerUserFolderName) {
    DeleteFileW((game_ + L"config.ini").c_str());  // no config.ini: Japanese
    std::wstring user = per_user_folder(L"tovidata");
    std::wstring quellbright = user.substr(0, user.size() - wcslen(L"tovidata\\"));
    CreateDirectoryW(quellbright.c_str(), nullptr);
    CreateDirectoryW(user.c_str(), nullptr);
    int code = run(L"/i");
    std::vector<uint8_t> written = read_bytes(user + L"system.dat");
    std::vector<uint8_t> mirrored = read_bytes(game_ + L"system.dat");
    config_test::remove_tree(user);
    RemoveDirectoryW(quellbright.c_str());

    ASSERT_EQ(0, code);
    ASSERT_EQ(140u, written.size());
    EXPECT_EQ(2, written[24]);  // language field: Japanese
    EXPECT_BYTES(written, mirrored);
}

TEST_F(InstallMode, UnwritableSystemDatOffersRetryAndStillWritesKvrnIni) {
    // A folder in the place of system.dat can be neither read nor replaced.
    CreateDirectoryW((game_ + L"system.dat").c_str(), nullptr);
    write_text(game_ + L"kvrn.ini", "[VIDEO]\r\nmipmap=1\r\n");
    int code = run(L"/i", "RC");
    ASSERT_EQ(0, code) << boxes_shown();
    // Retry brings the same box again; Cancel gives up.
    int file_boxes = 0;
    bool program_bug = false;
    for (const driver::SeenBox& box : boxes_) {
        if (!ends_with(box.text, "system.dat ]")) continue;
        ++file_boxes;
        EXPECT_EQ("RC", box.buttons);
        program_bug |= box.text.find("Program Bug ( code = 5 )") != std::string::npos;
    }
    EXPECT_EQ(2, file_boxes) << boxes_shown();
    EXPECT_TRUE(program_bug) << boxes_shown();
    EXPECT_EQ(1, mipmap(game_ + L"kvrn.ini"));
    RemoveDirectoryW((game_ + L"system.dat").c_str());
}

TEST_F(InstallMode, UnwritableKvrnIniIsReportedOnceAndRetryIsNotActedOn) {
    DeleteFileW((game_ + L"kvrn.ini").c_str());
    CreateDirectoryW((game_ + L"kvrn.ini").c_str(), nullptr);
    int code = run(L"/i", "RRR");
    RemoveDirectoryW((game_ + L"kvrn.ini").c_str());
    ASSERT_EQ(0, code) << boxes_shown();
    ASSERT_EQ(1u, boxes_.size()) << boxes_shown();
    EXPECT_EQ("Tovimark Tower3 WARNING", boxes_[0].caption);  // the wait window's caption
    EXPECT_TRUE(ends_with(boxes_[0].text, "kvrn.ini ]")) << boxes_shown();
    EXPECT_EQ("RC", boxes_[0].buttons);
    EXPECT_EQ(140u, read_bytes(game_ + L"system.dat").size());
}

TEST_F(InstallMode, WithoutEitherLibraryReportsBothAndStillSaves) {
    DeleteFileW((game_ + L"RUQ6X.DLL").c_str());
    DeleteFileW((game_ + L"kvrn.dll").c_str());
    ASSERT_EQ(0, run(L"/i")) << boxes_shown();
    // No window exists yet: the boxes have an empty caption.
    const std::vector<driver::SeenBox> expected = {{"", "Sound device error.(RUQ) ", "O"},
                                                   {"", "3D Device error.(KVRN)", "O"}};
    EXPECT_EQ(expected, boxes_);
    uint32_t f[27];
    fresh_install_fields(f, refresh_);
    EXPECT_BYTES(settings_image(f), read_bytes(game_ + L"system.dat"));
}

}  // namespace
