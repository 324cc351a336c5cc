// TOVICONFIG.exe in normal mode in a scratch game folder, its settings window driven as a
// person would: changes on three pages saved and shown again at the next start, Cancel and the
// close box leaving the files as they were, and a system.dat that cannot be written.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "config_test_support.h"

namespace {

using config_test::hex_dump;
using config_test::read_bytes;
using config_test::settings_image;

#define EXPECT_BYTES(expected, actual) EXPECT_EQ(hex_dump(expected), hex_dump(actual))

const DWORD RUN_LIMIT_MS = 60000;

// Control ids of the settings window.
const int TAB_CONTROL = 100, SAVE = 1000, CANCEL = 1001;
const int INFO_BAR_HIDE = 2300, SMOOTH_CAMERA = 2400;
const int RESOLUTION = 3000, FULL_SCREEN = 3200, WINDOW = 3201;
const int SHADOW = 6002, MIPMAP = 6006;

// system.dat field numbers.
const int F_BAR_FLAGS = 3, F_SHADOW = 6, F_SMOOTH_CAMERA = 7, F_ANISOTROPY = 9, F_ANTI_ALIAS = 10, F_REFRESH = 11,
          F_WIDTH = 17, F_HEIGHT = 18, F_SCREEN_MODE = 19, F_MASTER_VOLUME = 26;

// Settings as this game folder's start leaves them: English interface, software 3D sound (the
// sound library's capability) and the master volume of the stand-in sound library.
void stored_fields(uint32_t f[27]) {
    memset(f, 0, 27 * 4);
    f[0] = 7;
    f[1] = 9;
    f[2] = 1;        // English, as config.ini says
    f[4] = 1;        // hardware cursor
    f[5] = 2;        // radio language of the English interface
    f[6] = 1;        // low shadows
    f[7] = 1;        // smooth camera off
    f[8] = 0x10001;  // scenery word
    f[11] = 60;
    f[12] = 2;  // strobe light on
    f[17] = 1024;
    f[18] = 768;
    f[19] = 1;  // full screen
    f[20] = 2;  // software 3D sound
    for (int i = 21; i <= 25; ++i) f[i] = 80;
    f[26] = 55;
}

std::vector<uint32_t> fields_of(const std::vector<uint8_t>& image) {
    // The four chunks in the written order: 8 header bytes each, then their words.
    const int firsts[] = {0, 2, 17, 20}, counts[] = {2, 15, 3, 7};
    std::vector<uint32_t> fields(27, 0xDEADBEEF);
    if (image.size() != 140) return fields;
    size_t offset = 0;
    for (int g = 0; g < 4; ++g) {
        offset += 8;
        for (int i = 0; i < counts[g]; ++i, offset += 4) memcpy(&fields[firsts[g] + i], &image[offset], 4);
    }
    return fields;
}

class SettingsProgram : public ::testing::Test {
protected:
    void SetUp() override {
        config_test::remove_per_user_folders();
        game_ = config_test::make_game_copy(L"settings");
        ASSERT_TRUE(config_test::file_exists(game_ + L"TOVICONFIG.exe"));
        SetEnvironmentVariableW(L"RUQ6X_CAPS", L"2");
        SetEnvironmentVariableW(L"RUQ6X_MASTER_VOLUME", L"55");
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"RUQ6X_CAPS", nullptr);
        SetEnvironmentVariableW(L"RUQ6X_MASTER_VOLUME", nullptr);
        RemoveDirectoryW((game_ + L"system.dat").c_str());
        config_test::remove_tree(game_);
        config_test::remove_per_user_folders();
    }

    // Starts the program and waits for its settings window; nullptr when it did not come.
    HWND open(driver::DrivenProgram* program) {
        if (!driver::start_program(program, game_ + L"TOVICONFIG.exe", L"", game_)) return nullptr;
        return driver::wait_for_window(*program, L"tovisetup", RUN_LIMIT_MS);
    }
    // Opens the window and presses Save at once: the file that a start leaves unchanged.
    std::vector<uint8_t> save_unchanged() {
        driver::DrivenProgram program;
        HWND window = open(&program);
        EXPECT_NE(nullptr, window);
        if (!window) return {};
        EXPECT_TRUE(driver::click_button(window, SAVE));
        EXPECT_EQ(0, driver::finish_program(&program, RUN_LIMIT_MS));
        return system_dat();
    }
    std::vector<uint8_t> system_dat() { return read_bytes(game_ + L"system.dat"); }
    void store(const std::vector<uint8_t>& image) {
        config_test::write_bytes(game_ + L"system.dat", image.data(), image.size());
    }
    int mipmap() { return (int)GetPrivateProfileIntW(L"VIDEO", L"mipmap", -99, (game_ + L"kvrn.ini").c_str()); }

    std::wstring game_;
};

TEST_F(SettingsProgram, ChangesOnThreePagesAreSavedAndShownAtTheNextStart) {
    uint32_t stored[27];
    stored_fields(stored);
    store(settings_image(stored));
    std::vector<uint8_t> before = save_unchanged();
    ASSERT_EQ(140u, before.size());
    std::vector<uint32_t> expected = fields_of(before);
    // The resolution list and the engine's anisotropy and anti-alias levels are the machine's;
    // every other field comes back as it was stored.
    for (int field : {F_ANISOTROPY, F_ANTI_ALIAS, F_REFRESH, F_WIDTH, F_HEIGHT}) stored[field] = expected[field];
    EXPECT_BYTES(settings_image(stored), before);
    EXPECT_EQ(0, mipmap());

    int resolution = -1;
    {
        driver::DrivenProgram program;
        HWND window = open(&program);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(driver::select_tab(window, TAB_CONTROL, 0));
        ASSERT_EQ(0, driver::button_check(window, INFO_BAR_HIDE));
        ASSERT_TRUE(driver::click_button(window, INFO_BAR_HIDE));
        ASSERT_TRUE(driver::click_button(window, SMOOTH_CAMERA));

        ASSERT_TRUE(driver::select_tab(window, TAB_CONTROL, 1));
        ASSERT_TRUE(driver::click_button(window, WINDOW));
        ASSERT_EQ(1, driver::button_check(window, WINDOW));
        ASSERT_EQ(0, driver::button_check(window, FULL_SCREEN));
        resolution = driver::combo_selection(window, RESOLUTION);
        ASSERT_EQ(1, driver::control_enabled(window, RESOLUTION));

        ASSERT_TRUE(driver::select_tab(window, TAB_CONTROL, 2));
        ASSERT_TRUE(driver::select_combo_item(window, SHADOW, 1));
        ASSERT_EQ(1, driver::button_check(window, MIPMAP));  // kvrn.ini mipmap=0
        ASSERT_TRUE(driver::click_button(window, MIPMAP));
        ASSERT_EQ(0, driver::button_check(window, MIPMAP));

        ASSERT_TRUE(driver::click_button(window, SAVE));
        ASSERT_EQ(0, driver::finish_program(&program, RUN_LIMIT_MS));
    }
    expected[F_BAR_FLAGS] |= 1;
    expected[F_SMOOTH_CAMERA] = 2;
    expected[F_SCREEN_MODE] = 2;
    expected[F_SHADOW] = 2;
    std::vector<uint8_t> saved = system_dat();
    EXPECT_BYTES(settings_image(expected.data()), saved);
    EXPECT_EQ(1, mipmap());

    // The next start shows the saved values; leaving with Cancel keeps the file.
    driver::DrivenProgram program;
    HWND window = open(&program);
    ASSERT_NE(nullptr, window);
    const struct {
        int page, id, check, selection;
    } shown[] = {
        {0, INFO_BAR_HIDE, 1, -1},       {0, SMOOTH_CAMERA, 1, -1}, {1, WINDOW, 1, -1}, {1, FULL_SCREEN, 0, -1},
        {1, RESOLUTION, -1, resolution}, {2, SHADOW, -1, 1},        {2, MIPMAP, 0, -1},
    };
    for (const auto& c : shown) {
        ASSERT_TRUE(driver::select_tab(window, TAB_CONTROL, c.page));
        if (c.check >= 0) {
            EXPECT_EQ(c.check, driver::button_check(window, c.id)) << "control " << c.id;
        }
        if (c.selection >= 0) {
            EXPECT_EQ(c.selection, driver::combo_selection(window, c.id)) << "control " << c.id;
        }
        EXPECT_EQ(1, driver::control_visible(window, c.id)) << "control " << c.id;
    }
    ASSERT_TRUE(driver::click_button(window, CANCEL));
    ASSERT_EQ(0, driver::finish_program(&program, RUN_LIMIT_MS));
    EXPECT_BYTES(saved, system_dat());
}

TEST_F(SettingsProgram, CancelAndTheCloseBoxLeaveTheFilesAsTheyWere) {
    // Chunks in reverse order and a master volume other than this start's: any write shows.
    uint32_t stored[27];
    stored_fields(stored);
    stored[F_MASTER_VOLUME] = 33;
    std::vector<uint8_t> canonical = settings_image(stored);
    std::vector<uint8_t> reordered;
    const size_t chunk_starts[] = {104, 84, 16, 0}, chunk_ends[] = {140, 104, 84, 16};
    for (int c = 0; c < 4; ++c)
        reordered.insert(reordered.end(), canonical.begin() + chunk_starts[c], canonical.begin() + chunk_ends[c]);
    const struct {
        const char* name;
        bool close_box;
    } cases[] = {{"Cancel", false}, {"close box", true}};
    for (const auto& c : cases) {
        store(reordered);
        driver::DrivenProgram program;
        HWND window = open(&program);
        ASSERT_NE(nullptr, window) << c.name;
        ASSERT_TRUE(driver::click_button(window, INFO_BAR_HIDE)) << c.name;
        ASSERT_TRUE(driver::select_tab(window, TAB_CONTROL, 2)) << c.name;
        ASSERT_TRUE(driver::click_button(window, MIPMAP)) << c.name;
        ASSERT_EQ(0, driver::button_check(window, MIPMAP)) << c.name;
        bool asked = c.close_box ? driver::close_window(window) : driver::click_button(window, CANCEL);
        ASSERT_TRUE(asked) << c.name;
        ASSERT_EQ(0, driver::finish_program(&program, RUN_LIMIT_MS)) << c.name;
        EXPECT_BYTES(reordered, system_dat()) << c.name;
        EXPECT_EQ(0, mipmap()) << c.name;
    }
}

TEST_F(SettingsProgram, UnwritableSystemDatOffersRetryThenCancelAndStillSavesKvrnIni) {
    // A folder in the place of system.dat: the start finds no settings, Save cannot replace it.
    ASSERT_TRUE(CreateDirectoryW((game_ + L"system.dat").c_str(), nullptr));
    driver::DrivenProgram program;
    HWND window = open(&program);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(driver::select_tab(window, TAB_CONTROL, 2));
    ASSERT_TRUE(driver::click_button(window, MIPMAP));
    ASSERT_TRUE(driver::click_button(window, SAVE));
    std::vector<driver::SeenBox> boxes;
    ASSERT_EQ(0, driver::finish_answering_boxes(&program, "RC", RUN_LIMIT_MS, &boxes));
    // Retry brings the same box again; Cancel gives up and the program still ends.
    ASSERT_EQ(2u, boxes.size()) << ::testing::PrintToString(boxes);
    for (const driver::SeenBox& box : boxes) {
        EXPECT_EQ("Tovimark Tower3 WARNING", box.caption);
        EXPECT_EQ("RC", box.buttons);
        const std::string tail = "system.dat ]";
        EXPECT_TRUE(box.text.size() >= tail.size() &&
                    box.text.compare(box.text.size() - tail.size(), tail.size(), tail) == 0)
            << box;
    }
    EXPECT_EQ(1, mipmap());
}

}  // namespace
