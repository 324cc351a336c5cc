// The five test sounds of the Sound page, played through the stand-in RUQ6X.DLL and read back
// from its call log: what a click on each test button asks of the sound library, the button's
// picture, the stop when the Sound page is left and the release at shut-down.
#include <windows.h>
#include <string.h>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "control_ids.h"
#include "files.h"
#include "libraries.h"
#include "settings_window_fixture.h"
#include "sound_page.h"
#include "test_sounds.h"

namespace {

std::string utf8(const std::wstring& text) {
    char out[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out - 1, nullptr, nullptr);
    return out;
}

class TestSounds : public SettingsWindow {
protected:
    HMODULE library = nullptr;
    std::wstring folder;

    void SetUp() override {
        folder = config_test::make_scratch_folder(L"test_sounds");
        SetEnvironmentVariableW(L"RUQ6X_LOG", (folder + L"calls.log").c_str());
        library = LoadLibraryW(L"RUQ6X.DLL");  // the stand-in built beside this test
        ASSERT_NE(nullptr, library);
        first_bgm_name[0] = 0;
        copy_text(engine_test_sound_name, TEXT_CAPACITY, L"config_engine.wav");
    }

    // The settings window on the Sound page, bound to the stand-in as start-up binds it.
    void open_sound_page() {
        setup.sound = 1;
        open();
        sound_module = library;
        ASSERT_EQ(0u, bind_sound_entries(library, &sound_entries));
        sound_entries.start(nullptr, SOUND_START_FLAGS);
        memset(sound_slots, 0, sizeof sound_slots);
        select_tab(PAGE_SOUND);
        forget_calls();
    }

    void TearDown() override {
        if (library && sound_module == library) {  // not shut down by the test itself
            release_sound_slots();
            sound_entries.end();
        }
        close();
        if (library) FreeLibrary(library);
        for (const wchar_t* name : {L"RUQ6X_LOG", L"RUQ6X_BUSY_CHANNELS"}) SetEnvironmentVariableW(name, nullptr);
        first_bgm_name[0] = 0;
        engine_test_sound_name[0] = 0;
        config_test::remove_tree(folder);
    }

    std::vector<std::string> calls() {
        std::vector<uint8_t> bytes = config_test::read_bytes(folder + L"calls.log");
        std::vector<std::string> lines;
        std::string line;
        for (uint8_t byte : bytes) {
            if (byte != '\n') {
                line += (char)byte;
                continue;
            }
            lines.push_back(line);
            line.clear();
        }
        return lines;
    }
    void forget_calls() { DeleteFileW((folder + L"calls.log").c_str()); }

    // A file of the game folder as the library is given it: GAME stands for the program folder,
    // which the window sets when it opens.
    static std::string file(const wchar_t* relative) { return "GAME" + utf8(relative); }
    std::vector<std::string> calls_in_game_folder() {
        std::string game = utf8(program_folder);
        std::vector<std::string> lines = calls();
        for (std::string& line : lines)
            for (size_t at; (at = line.find(game)) != std::string::npos;) line.replace(at, game.size(), "GAME");
        return lines;
    }
    static std::string read(const wchar_t* relative, int loaded) {
        return "RUQ2_WaveRead " + file(relative) + " -> " + std::to_string(loaded);
    }
    // No output device: every play is taken and reports 0.
    static std::string play(int channel, const wchar_t* relative) {
        return "RUQ2_WavePlay " + std::to_string(channel) + " " + (relative ? file(relative) : "(empty)") + " -1 -> 0";
    }
    static std::string stop(int channel) { return "RUQ2_WaveStop " + std::to_string(channel); }

    void expect_picture(int channel, int playing) {
        EXPECT_EQ(playing, test_sound_playing[channel]) << channel;
        EXPECT_EQ(playing ? 27 : 0, test_buttons[channel].image.left) << channel;
        EXPECT_EQ(playing ? 54 : 27, test_buttons[channel].image.right) << channel;
        EXPECT_EQ(0, test_buttons[channel].image.top) << channel;
        EXPECT_EQ(16, test_buttons[channel].image.bottom) << channel;
    }
};

TEST_F(TestSounds, FirstClickOfEachButtonAsksTheLibraryForItsSound) {
    const struct {
        const char* name;
        int channel;
        const wchar_t* bgm;     // first_bgm_name
        const wchar_t* engine;  // engine_test_sound_name
        const wchar_t* busy;    // channels the sound card reports as playing
        std::vector<std::string> expected;
    } cases[] = {
        {"music streamed when channel 0 is idle",
         0,
         L"title.wav",
         L"config_engine.wav",
         nullptr,
         {"RUQ2_WaveStatus 0 -> 0", "RUQ2_WaveStreamPlay 0 " + file(L"common\\bgm\\title.wav") + " -1 -> 0"}},
        {"no music file: nothing starts", 0, L"", L"config_engine.wav", nullptr, {"RUQ2_WaveStatus 0 -> 0"}},
        {"channel 0 busy: nothing starts", 0, L"title.wav", L"config_engine.wav", L"1", {"RUQ2_WaveStatus 0 -> 1"}},
        {"airband", 1, L"", L"", nullptr, {read(L"common\\config_voice.wav", 1), play(1, L"common\\config_voice.wav")}},
        {"add-on engine sound from common\\snd",
         2,
         L"",
         L"acplug02_engine.wav",
         nullptr,
         {read(L"common\\snd\\acplug02_engine.wav", 1), play(2, L"common\\snd\\acplug02_engine.wav")}},
        {"the add-on name in other case",
         2,
         L"",
         L"ACPLUG02_Engine.WAV",
         nullptr,
         {read(L"common\\snd\\ACPLUG02_Engine.WAV", 1), play(2, L"common\\snd\\ACPLUG02_Engine.WAV")}},
        {"standard engine sound from common",
         2,
         L"",
         L"config_engine.wav",
         nullptr,
         {read(L"common\\config_engine.wav", 1), play(2, L"common\\config_engine.wav")}},
        {"no engine sound: the empty slot is played", 2, L"", L"", nullptr, {play(2, nullptr)}},
        {"sound effect", 3, L"", L"", nullptr, {read(L"common\\config_se.wav", 1), play(3, L"common\\config_se.wav")}},
        {"announcement",
         4,
         L"",
         L"",
         L"16",  // a busy channel does not keep a slot sound from starting
         {read(L"common\\config_voice_ca.wav", 1), play(4, L"common\\config_voice_ca.wav")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        copy_text(first_bgm_name, TEXT_CAPACITY, c.bgm);
        copy_text(engine_test_sound_name, TEXT_CAPACITY, c.engine);
        SetEnvironmentVariableW(L"RUQ6X_BUSY_CHANNELS", c.busy);
        open_sound_page();
        click(ID_FIRST_TEST_BUTTON + c.channel);
        EXPECT_EQ(c.expected, calls_in_game_folder());
        for (int channel = 0; channel < VOLUME_ROWS; ++channel) expect_picture(channel, channel == c.channel);
        TearDown();
        SetUp();
    }
}

TEST_F(TestSounds, ASoundIsReadOnceAndPlayedAgainWithoutReading) {
    open_sound_page();
    click(ID_FIRST_TEST_BUTTON + 1);
    click(ID_FIRST_TEST_BUTTON + 1);
    expect_picture(1, 0);
    click(ID_FIRST_TEST_BUTTON + 1);
    expect_picture(1, 1);
    EXPECT_EQ((std::vector<std::string>{read(L"common\\config_voice.wav", 1), play(1, L"common\\config_voice.wav"),
                                        stop(1), play(1, L"common\\config_voice.wav")}),
              calls_in_game_folder());
    EXPECT_NE(0u, sound_slots[1].loaded);
    for (int slot : {0, 2, 3, 4, 5, 6, 7}) EXPECT_EQ(0u, sound_slots[slot].loaded) << slot;
}

TEST_F(TestSounds, AFileThatCannotBeReadIsTriedAgainAtEveryStart) {
    copy_text(engine_test_sound_name, TEXT_CAPACITY, L"no_such_engine.wav");
    open_sound_page();
    for (int i = 0; i < 3; ++i) click(ID_FIRST_TEST_BUTTON + 2);
    expect_picture(2, 1);  // shows playing though nothing could be read
    EXPECT_EQ((std::vector<std::string>{read(L"common\\no_such_engine.wav", 0), play(2, nullptr), stop(2),
                                        read(L"common\\no_such_engine.wav", 0), play(2, nullptr)}),
              calls_in_game_folder());
}

TEST_F(TestSounds, TheSecondClickStopsTheMusicWhateverStarted) {
    copy_text(first_bgm_name, TEXT_CAPACITY, L"title.wav");
    open_sound_page();
    click(ID_FIRST_TEST_BUTTON);
    click(ID_FIRST_TEST_BUTTON);
    expect_picture(0, 0);
    first_bgm_name[0] = 0;
    click(ID_FIRST_TEST_BUTTON);
    click(ID_FIRST_TEST_BUTTON);
    EXPECT_EQ((std::vector<std::string>{"RUQ2_WaveStatus 0 -> 0",
                                        "RUQ2_WaveStreamPlay 0 " + file(L"common\\bgm\\title.wav") + " -1 -> 0",
                                        stop(0), "RUQ2_WaveStatus 0 -> 0", stop(0)}),
              calls_in_game_folder());
}

TEST_F(TestSounds, LeavingTheSoundPageStopsEveryChannelOnce) {
    open_sound_page();
    click(ID_FIRST_TEST_BUTTON + 1);
    click(ID_FIRST_TEST_BUTTON + 3);
    forget_calls();
    select_tab(PAGE_DISPLAY);
    EXPECT_EQ((std::vector<std::string>{stop(-1)}), calls_in_game_folder());
    for (int channel = 0; channel < VOLUME_ROWS; ++channel) expect_picture(channel, 0);
    select_tab(PAGE_GRAPHICS);
    select_tab(PAGE_SOUND);
    EXPECT_EQ((std::vector<std::string>{stop(-1)}), calls_in_game_folder());  // other switches leave the sound alone
    for (int channel = 0; channel < VOLUME_ROWS; ++channel) expect_picture(channel, 0);
    // Back on the page, a sound read before plays at once.
    click(ID_FIRST_TEST_BUTTON + 3);
    EXPECT_EQ((std::vector<std::string>{stop(-1), play(3, L"common\\config_se.wav")}), calls_in_game_folder());
}

TEST_F(TestSounds, ShutDownStopsPlayingChannelsAndFreesTheReadSounds) {
    copy_text(engine_test_sound_name, TEXT_CAPACITY, L"no_such_engine.wav");
    open_sound_page();
    click(ID_FIRST_TEST_BUTTON + 1);
    click(ID_FIRST_TEST_BUTTON + 2);  // read fails: nothing to free
    click(ID_FIRST_TEST_BUTTON + 4);
    click(ID_FIRST_TEST_BUTTON + 4);  // stopped, still read
    forget_calls();
    SetEnvironmentVariableW(L"RUQ6X_BUSY_CHANNELS", L"9");  // channels 0 and 3 report playing
    shutdown_libraries();
    EXPECT_EQ((std::vector<std::string>{"RUQ2_WaveStatus 0 -> 1", stop(0), "RUQ2_WaveStatus 1 -> 0", "RUQ2_WaveFree",
                                        "RUQ2_WaveStatus 2 -> 0", "RUQ2_WaveStatus 3 -> 1", stop(3),
                                        "RUQ2_WaveStatus 4 -> 0", "RUQ2_WaveFree", "RUQ2_End"}),
              calls_in_game_folder());
    EXPECT_EQ(0u, sound_slots[1].loaded);
    EXPECT_EQ(0u, sound_slots[4].loaded);
    library = nullptr;  // unloaded by the shut-down
}

TEST_F(TestSounds, APathLongerThanTheTextBufferReachesNoLibraryCall) {
    open_sound_page();
    std::wstring long_folder =
        std::wstring(program_folder) + std::wstring(240 - lstrlenW(program_folder), L'x') + L"\\";
    copy_text(program_folder, TEXT_CAPACITY, long_folder.c_str());
    copy_text(first_bgm_name, TEXT_CAPACITY, L"title.wav");
    click(ID_FIRST_TEST_BUTTON);
    click(ID_FIRST_TEST_BUTTON + 1);
    expect_picture(1, 1);
    // Neither a cut path is read or streamed; the empty slot is played as after a failed read.
    EXPECT_EQ((std::vector<std::string>{"RUQ2_WaveStatus 0 -> 0", play(1, nullptr)}), calls_in_game_folder());
}

}  // namespace
