// init_settings_and_libraries and shutdown_libraries in a scratch program folder holding the
// stand-in libraries (or variants, or none): the boxes shown, the gate, the calls the
// libraries received and the settings they settle.
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>

#include <string>
#include <vector>

#include "box_recorder.h"
#include "config_test_support.h"
#include "display_modes.h"
#include "dxdiag_info.h"
#include "files.h"
#include "libraries.h"
#include "probe_test_support.h"
#include "settings_store.h"

namespace {

using probe_test::copy_built_file;
using probe_test::read_lines;
using probe_test::set_environment;

class StartupBinding : public ::testing::Test {
protected:
    std::wstring folder;
    BoxRecorder boxes;

    void SetUp() override {
        folder = config_test::make_scratch_folder(L"binding");
        config_test::write_text(folder + L"config.ini", "[SYSTEM]\r\nlanguage=0\r\n");
        copy_text(program_folder, TEXT_CAPACITY, folder.c_str());
        program_instance = GetModuleHandleW(nullptr);
        set_environment(L"RUQ6X_LOG", (folder + L"ruq6x.log").c_str());
        set_environment(L"KVRN_CONFIG_LOG", (folder + L"kvrn.log").c_str());
        set_environment(L"RUQ6X_CAPS", nullptr);
        set_environment(L"RUQ6X_MASTER_VOLUME", nullptr);
        memset(&dxdiag_info, 0, sizeof dxdiag_info);
        memset(&game_settings, 0, sizeof game_settings);
        memset(&sound_caps, 0, sizeof sound_caps);
        engine_available = 0;
    }

    void TearDown() override {
        shutdown_libraries();
        for (const wchar_t* name :
             {L"RUQ6X_LOG", L"KVRN_CONFIG_LOG", L"RUQ6X_CAPS", L"RUQ6X_MASTER_VOLUME", L"KVRN_MODE_TABLE"})
            set_environment(name, nullptr);
        memset(&dxdiag_info, 0, sizeof dxdiag_info);
        config_test::remove_tree(folder);
    }

    void accelerated() {
        wcscpy(dxdiag_info.dd_status, L"Enabled");
        wcscpy(dxdiag_info.d3d_status, L"Enabled");
    }

    std::vector<std::string> box_texts() { return boxes.texts(); }

    std::vector<std::string> sound_calls() { return read_lines(folder + L"ruq6x.log"); }

    bool per_user_folder_in_use() {
        wchar_t user_folder[TEXT_CAPACITY];
        return get_user_data_folder(user_folder) != 0;
    }
};

TEST_F(StartupBinding, BothLibrariesMissingShowSoundThenEngineErrorAndGoOn) {
    accelerated();
    EXPECT_EQ(1, init_settings_and_libraries());
    EXPECT_EQ((std::vector<std::string>{"Sound device error.(RUQ) ", "3D Device error.(KVRN)"}), box_texts());
    EXPECT_EQ(0, engine_available);
    EXPECT_TRUE(sound_module == nullptr && engine_module == nullptr);
    EXPECT_EQ(0u, sound_caps.kind);
    if (!per_user_folder_in_use()) {
        EXPECT_EQ(2u, game_settings.sound_3d);  // no capability word: software
    }
}

TEST_F(StartupBinding, BoxesComeInTheLanguageOfConfigIni) {
    config_test::write_text(folder + L"config.ini", "[SYSTEM]\r\nlanguage=1\r\n");
    init_settings_and_libraries();
    std::vector<std::string> texts = box_texts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ("サウンドデバイスのエラーです。(RUQ) ", texts[0]);
    EXPECT_EQ("3D デバイスのエラーです。(KVRN)", texts[1]);
}

TEST_F(StartupBinding, PartialSoundLibraryReportsItsMaskAndStillStarts) {
    ASSERT_TRUE(copy_built_file(L"variants\\ruq6x_partial\\RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    accelerated();
    init_settings_and_libraries();
    EXPECT_EQ((std::vector<std::string>{"RUQ6X Entry Error!! ( 10100 )"}), box_texts());
    std::vector<std::string> calls = sound_calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ("RUQ2_Start 0 0x1000 -> 1", calls[0]);
    EXPECT_EQ(0u, calls[1].find("RUQ2_GetCaps"));
    EXPECT_EQ(0u, calls[2].find("RUQ2_GetMasterVol"));
    EXPECT_EQ(1, engine_available);
}

TEST_F(StartupBinding, HardwareSoundSettlesTheSoundDefaultsAndChannelVolumes) {
    if (per_user_folder_in_use()) GTEST_SKIP() << "a per-user system.dat would be read";
    ASSERT_TRUE(copy_built_file(L"RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    set_environment(L"RUQ6X_CAPS", L"1");
    set_environment(L"RUQ6X_MASTER_VOLUME", L"37");
    init_settings_and_libraries();
    EXPECT_EQ(1u, sound_caps.kind);
    EXPECT_EQ(1u, game_settings.sound_3d);
    EXPECT_EQ(100u, game_settings.master_volume);  // a first start: 100 and all volumes 80
    const std::vector<std::string> expected_tail = {"RUQ2_WaveSetLocalVol 0 80", "RUQ2_WaveSetLocalVol 1 80",
                                                    "RUQ2_WaveSetLocalVol 2 80", "RUQ2_WaveSetLocalVol 3 80",
                                                    "RUQ2_WaveSetLocalVol 4 80"};
    std::vector<std::string> calls = sound_calls();
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(expected_tail, std::vector<std::string>(calls.end() - 5, calls.end()));
    EXPECT_EQ((std::vector<std::string>{"3D Device error.(KVRN)"}), box_texts());
}

TEST_F(StartupBinding, StoredSettingsKeepTheirVolumesAndTakeTheWindowsMasterVolume) {
    if (per_user_folder_in_use()) GTEST_SKIP() << "a per-user system.dat would be read";
    uint32_t fields[27] = {};
    fields[20] = 2;  // software 3D sound
    const uint32_t volumes[5] = {10, 20, 30, 40, 50};
    for (int i = 0; i < 5; ++i) fields[21 + i] = volumes[i];
    std::vector<uint8_t> image = config_test::settings_image(fields);
    config_test::write_bytes(folder + L"system.dat", image.data(), image.size());
    ASSERT_TRUE(copy_built_file(L"RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    set_environment(L"RUQ6X_MASTER_VOLUME", L"37");
    init_settings_and_libraries();
    EXPECT_EQ(37u, game_settings.master_volume);
    std::vector<std::string> calls = sound_calls();
    ASSERT_GE(calls.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ("RUQ2_WaveSetLocalVol " + std::to_string(i) + " " + std::to_string(volumes[i]),
                  calls[calls.size() - 5 + i]);
}

TEST_F(StartupBinding, EngineLackingAnEntryKeepsTheGateClosedWithoutABox) {
    ASSERT_TRUE(copy_built_file(L"RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    ASSERT_TRUE(copy_built_file(L"variants\\kvrn_missing_entry\\KVRN.DLL", folder, L"KVRN.DLL"));
    accelerated();
    init_settings_and_libraries();
    EXPECT_TRUE(box_texts().empty());
    EXPECT_TRUE(engine_module != nullptr);
    EXPECT_EQ(0, engine_available);
    EXPECT_TRUE(engine_entries.start == nullptr);
}

TEST_F(StartupBinding, UnacceleratedDirect3DKeepsTheGateClosedWithoutABox) {
    ASSERT_TRUE(copy_built_file(L"RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    wcscpy(dxdiag_info.dd_status, L"Enabled");
    wcscpy(dxdiag_info.d3d_status, L"Not Available");
    init_settings_and_libraries();
    EXPECT_TRUE(box_texts().empty());
    EXPECT_EQ(0, engine_available);
    EXPECT_TRUE(engine_entries.start == nullptr);
}

TEST_F(StartupBinding, ShutdownEndsSoundAndEngineAndUnloadsBoth) {
    ASSERT_TRUE(copy_built_file(L"RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    accelerated();
    init_settings_and_libraries();
    ASSERT_EQ(1, engine_available);
    RECT none = {0, 0, 0, 0};
    engine_handle = engine_entries.start(nullptr, &none, 1);
    ASSERT_NE(0u, engine_handle);
    std::vector<uint8_t> wave = probe_test::wave_file(800);
    config_test::write_bytes(folder + L"voice.wav", wave.data(), wave.size());
    ASSERT_NE(0, sound_entries.wave_read((folder + L"voice.wav").c_str(), &sound_slots[1]));
    sound_entries.wave_play(1, &sound_slots[1], SOUND_LOOP);

    shutdown_libraries();
    EXPECT_TRUE(sound_module == nullptr && engine_module == nullptr);
    EXPECT_TRUE(sound_entries.end == nullptr && engine_entries.end == nullptr);
    EXPECT_EQ(0u, engine_handle);
    std::vector<std::string> calls = sound_calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(1, std::count(calls.begin(), calls.end(), "RUQ2_WaveFree"));  // the loaded test sound is released
    EXPECT_EQ("RUQ2_End", calls.back());
    EXPECT_EQ(0u, sound_slots[1].loaded);
    std::vector<std::string> engine_calls = read_lines(folder + L"kvrn.log");
    ASSERT_EQ(2u, engine_calls.size());
    EXPECT_EQ(0u, engine_calls[0].find("KVRN_Start 0 0,0,0,0 1 -> "));
    EXPECT_EQ(0u, engine_calls[1].find("KVRN_End 0x"));
    shutdown_libraries();  // a second shut-down finds nothing left to end
}

TEST_F(StartupBinding, StartedEngineModeTableBecomesTheResolutionList) {
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    set_environment(L"KVRN_MODE_TABLE", L"800x600@60;1024x768@60;1024x768@60;1280x1024@75;1366x768@60");
    accelerated();
    init_settings_and_libraries();
    ASSERT_EQ(1, engine_available);
    start_engine(nullptr);
    ASSERT_TRUE(engine_info);
    EXPECT_EQ(1, engine_entries.ext_function(engine_handle, ENGINE_FUNCTION_PRODUCT_LEVEL, 0, 0, 0, 0, 0, 0));
    set_environment(L"KVRN_MODE_TABLE", nullptr);
    ASSERT_EQ(3u, resolution_count);
    const uint32_t expected[3][4] = {
        {1024, 768, 60, ASPECT_4_3}, {1280, 1024, 75, ASPECT_5_4}, {1366, 768, 60, ASPECT_16_9}};
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(expected[i][0], resolution_list[i].width);
        EXPECT_EQ(expected[i][1], resolution_list[i].height);
        EXPECT_EQ(expected[i][2], resolution_list[i].refresh_rate);
        EXPECT_EQ((int32_t)expected[i][3], resolution_list[i].aspect_class);
    }
    free_display_lists();
}

TEST_F(StartupBinding, ClosedGateStartsNoEngine) {
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    init_settings_and_libraries();  // no DxDiag statuses: the gate stays closed
    start_engine(nullptr);
    EXPECT_EQ(0u, engine_handle);
    EXPECT_TRUE(engine_info == nullptr);
    EXPECT_TRUE(read_lines(folder + L"kvrn.log").empty());
}

}  // namespace
