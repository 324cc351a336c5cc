// The stand-in RUQ6X.DLL as the configuration program relies on it: wave files into 536-byte
// slots with the "loaded" word last, plays that fail softly without an output device, channel
// and master volumes, the capability word, and the call log.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "config_test_support.h"
#include "probe_test_support.h"
#include "sound_library.h"

namespace {

const char* const entry_names[17] = {
    "_RUQ2_Start@8",           "_RUQ2_GetCaps@4",          "_RUQ2_End@0",
    "_RUQ2_WaveRead@8",        "_RUQ2_WavePlay@12",        "_RUQ2_WaveStreamPlay@12",
    "_RUQ2_WaveChangePlay@16", "_RUQ2_WaveStop@4",         "_RUQ2_WaveFree@4",
    "_RUQ2_WaveStatus@4",      "_RUQ2_WaveSetMasterVol@4", "_RUQ2_WaveSetLocalVol@8",
    "_RUQ2_WaveGetLocalVol@4", "_RUQ2_WaveMasterFade@8",   "_RUQ2_WaveGetMasterVol@0",
    "_RUQ2_GetMasterVol@0",    "_RUQ2_SetMasterVol@4",
};

class SoundLibrary : public ::testing::Test {
protected:
    HMODULE module = nullptr;
    SoundEntries ruq = {};
    std::wstring folder;

    void SetUp() override {
        folder = config_test::make_scratch_folder(L"ruq6x");
        probe_test::set_environment(L"RUQ6X_LOG", (folder + L"calls.log").c_str());
        module = LoadLibraryW((probe_test::output_folder() + L"RUQ6X.DLL").c_str());
        ASSERT_TRUE(module);
        for (int i = 0; i < 17; ++i) {
            FARPROC entry = GetProcAddress(module, entry_names[i]);
            ASSERT_TRUE(entry) << entry_names[i];
            memcpy((char*)&ruq + i * sizeof(void*), &entry, sizeof entry);
        }
        ruq.start(nullptr, SOUND_START_FLAGS);
    }
    void TearDown() override {
        if (module) {
            ruq.end();
            FreeLibrary(module);
        }
        for (const wchar_t* name : {L"RUQ6X_LOG", L"RUQ6X_CAPS", L"RUQ6X_MASTER_VOLUME"})
            probe_test::set_environment(name, nullptr);
        config_test::remove_tree(folder);
    }

    std::wstring write_file(const wchar_t* name, const std::vector<uint8_t>& bytes) {
        std::wstring path = folder + name;
        config_test::write_bytes(path, bytes.data(), bytes.size());
        return path;
    }
    std::vector<std::string> calls() { return probe_test::read_lines(folder + L"calls.log"); }
};

// A slot inside a larger poisoned block, to see that the library stays within its 536 bytes.
struct GuardedSlot {
    uint8_t before[16];
    SoundSlot slot;
    uint8_t after[16];
    GuardedSlot() {
        memset(this, 0xCC, sizeof *this);
        memset(&slot, 0, sizeof slot);
    }
    bool guards_intact() const {
        for (int i = 0; i < 16; ++i)
            if (before[i] != 0xCC || after[i] != 0xCC) return false;
        return true;
    }
};

TEST_F(SoundLibrary, ReadsAWaveIntoItsSlotAndFreesIt) {
    std::wstring path = write_file(L"voice.wav", probe_test::wave_file(800));
    GuardedSlot guarded;
    EXPECT_NE(0, ruq.wave_read(path.c_str(), &guarded.slot));
    EXPECT_NE(0u, guarded.slot.loaded);
    EXPECT_TRUE(guarded.guards_intact());
    EXPECT_NE(0, ruq.wave_free(&guarded.slot));
    EXPECT_EQ(0u, guarded.slot.loaded);
    EXPECT_TRUE(guarded.guards_intact());
}

TEST_F(SoundLibrary, DamagedOrMissingFilesLeaveTheSlotEmpty) {
    std::vector<uint8_t> good = probe_test::wave_file(400);
    std::vector<uint8_t> not_riff = good;
    memcpy(not_riff.data(), "RIFX", 4);
    std::vector<uint8_t> cut(good.begin(), good.begin() + 10);
    std::vector<uint8_t> no_block_align = good;
    no_block_align[32] = 0;  // "fmt " block align
    std::vector<uint8_t> huge_format = good;
    huge_format[16] = 0xFF, huge_format[17] = 0xFF, huge_format[18] = 0xFF, huge_format[19] = 0x7F;
    const struct {
        const wchar_t* name;
        std::vector<uint8_t> bytes;
    } files[] = {{L"not_riff.wav", not_riff},
                 {L"cut.wav", cut},
                 {L"no_align.wav", no_block_align},
                 {L"huge_format.wav", huge_format},
                 {L"empty.wav", {}}};
    for (const auto& file : files) {
        GuardedSlot guarded;
        EXPECT_EQ(0, ruq.wave_read(write_file(file.name, file.bytes).c_str(), &guarded.slot))
            << probe_test::narrow(file.name);
        EXPECT_EQ(0u, guarded.slot.loaded);
        EXPECT_TRUE(guarded.guards_intact());
    }
    GuardedSlot missing;
    EXPECT_EQ(0, ruq.wave_read((folder + L"none.wav").c_str(), &missing.slot));
    EXPECT_EQ(0, ruq.wave_read(nullptr, &missing.slot));
    EXPECT_EQ(0u, missing.slot.loaded);
}

TEST_F(SoundLibrary, DataChunkLongerThanTheFileIsCutToWhatIsThere) {
    std::vector<uint8_t> bytes = probe_test::wave_file(400);
    bytes[40] = 0xFF, bytes[41] = 0xFF, bytes[42] = 0xFF, bytes[43] = 0x7F;  // "data" length
    GuardedSlot guarded;
    EXPECT_NE(0, ruq.wave_read(write_file(L"long_data.wav", bytes).c_str(), &guarded.slot));
    EXPECT_TRUE(guarded.guards_intact());
    ruq.wave_free(&guarded.slot);
}

TEST_F(SoundLibrary, PlayStatusAndStopAgreeWithOrWithoutAnOutputDevice) {
    SoundSlot slot = {};
    ASSERT_NE(0, ruq.wave_read(write_file(L"se.wav", probe_test::wave_file(8000)).c_str(), &slot));
    int32_t played = ruq.wave_play(3, &slot, SOUND_LOOP);
    EXPECT_EQ(played, ruq.wave_status(3));  // a looping sound plays until stopped
    if (waveOutGetNumDevs() == 0) {
        EXPECT_EQ(0, played);
    }
    ruq.wave_stop(3);
    EXPECT_EQ(0, ruq.wave_status(3));

    SoundSlot empty = {};
    EXPECT_EQ(0, ruq.wave_play(1, &empty, SOUND_LOOP));
    EXPECT_EQ(0, ruq.wave_status(1));

    int32_t streamed = ruq.wave_stream_play(0, write_file(L"bgm.wav", probe_test::wave_file(8000)).c_str(), SOUND_LOOP);
    EXPECT_EQ(streamed, ruq.wave_status(0));
    EXPECT_EQ(0, ruq.wave_stream_play(0, (folder + L"none.wav").c_str(), SOUND_LOOP));
    ruq.wave_play(2, &slot, SOUND_LOOP);
    ruq.wave_stop(SOUND_ALL_CHANNELS);
    for (int channel = 0; channel < 5; ++channel) {
        EXPECT_EQ(0, ruq.wave_status(channel));
    }
    ruq.wave_play(4, &slot, SOUND_LOOP);
    ruq.wave_free(&slot);  // freeing a playing sound stops its channel first
    EXPECT_EQ(0, ruq.wave_status(4));
}

TEST_F(SoundLibrary, VolumesAreKeptPerChannelWithinZeroTo100) {
    EXPECT_EQ(100, ruq.wave_get_local_vol(2));
    ruq.wave_set_local_vol(2, 55);
    EXPECT_EQ(55, ruq.wave_get_local_vol(2));
    ruq.wave_set_local_vol(1, 150);
    EXPECT_EQ(100, ruq.wave_get_local_vol(1));
    ruq.wave_set_local_vol(0, -5);
    EXPECT_EQ(0, ruq.wave_get_local_vol(0));
    ruq.set_master_vol(30);
    EXPECT_EQ(30, ruq.get_master_vol());
    ruq.wave_set_master_vol(70);
    EXPECT_EQ(70, ruq.wave_get_master_vol());
    ruq.wave_master_fade(20, 500);
    EXPECT_EQ(20, ruq.wave_get_master_vol());
}

TEST_F(SoundLibrary, CapabilityAndMasterVolumeFollowTheTestSwitches) {
    probe_test::set_environment(L"RUQ6X_CAPS", L"1");
    SoundCaps caps;
    memset(&caps, 0xCC, sizeof caps);
    EXPECT_NE(0, ruq.get_caps(&caps));
    EXPECT_EQ(1u, caps.kind);
    probe_test::set_environment(L"RUQ6X_CAPS", nullptr);
    ruq.get_caps(&caps);
    EXPECT_EQ(waveOutGetNumDevs() > 0 ? 2u : 0u, caps.kind);

    ruq.end();
    probe_test::set_environment(L"RUQ6X_MASTER_VOLUME", L"37");
    ruq.start(nullptr, SOUND_START_FLAGS);
    EXPECT_EQ(37, ruq.get_master_vol());
}

TEST_F(SoundLibrary, EveryCallIsLoggedInOrder) {
    std::wstring path = write_file(L"voice.wav", probe_test::wave_file(100));
    SoundSlot slot = {};
    ruq.wave_set_local_vol(1, 80);
    ruq.wave_read(path.c_str(), &slot);
    ruq.wave_stop(1);
    ruq.wave_free(&slot);
    std::vector<std::string> expected = {
        "RUQ2_Start 0 0x1000 -> 1",
        "RUQ2_WaveSetLocalVol 1 80",
        "RUQ2_WaveRead " + probe_test::narrow(path) + " -> 1",
        "RUQ2_WaveStop 1",
        "RUQ2_WaveFree",
    };
    EXPECT_EQ(expected, calls());
}

}  // namespace
