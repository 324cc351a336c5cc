// Stand-in sound library RUQ6X.DLL: the 17 RUQ2_ entries. Wave files are read into the caller's
// slots and played through the platform's wave output; every call is logged (see call_log.cpp).
// Test hooks: RUQ6X_CAPS (1 hardware 3D sound, 2 software) and RUQ6X_MASTER_VOLUME (0..100)
// stand for the sound card and the Windows master volume when set; RUQ6X_BUSY_CHANNELS, a mask
// with bit k for channel k, makes those channels report that they play, as a sound started
// elsewhere would on a machine with an output device.
#include <stdlib.h>
#include <string.h>

#include "ruq6x_state.h"
#include "stand_in_log.h"

// Exported only under the decorated names of ruq6x.def.
#define RUQ_API extern "C"

int32_t library_started;
int32_t wave_master_volume = 100;
int32_t windows_master_volume = 100;

namespace {

int32_t clamp_volume(int32_t volume) { return volume < 0 ? 0 : volume > 100 ? 100 : volume; }

int32_t system_master_volume() {
    DWORD level = 0;
    if (waveOutGetNumDevs() > 0 && waveOutGetVolume(nullptr, &level) == MMSYSERR_NOERROR)
        return (int32_t)((level & 0xFFFF) * 100 / 0xFFFF);
    return 100;
}

// A path for the log: UTF-8, cut to fit.
const char* narrow(const wchar_t* path) {
    static char text[512];
    text[0] = 0;
    if (path && WideCharToMultiByte(CP_UTF8, 0, path, -1, text, sizeof text, nullptr, nullptr) == 0) text[0] = 0;
    text[sizeof text - 1] = 0;
    return path ? text : "(null)";
}

// Stops every channel that plays from a slot's data, before that data goes away.
void stop_channels_of(const LoadedWave* wave) {
    for (int32_t i = 0; i < RUQ_CHANNELS; ++i)
        if (channels[i].playing && channels[i].playing == wave->data) stop_channel(i);
}

}  // namespace

RUQ_API int32_t __stdcall RUQ2_Start(HWND window, uint32_t flags) {
    if (!library_started) {
        for (Channel& c : channels) c.volume = 100;
        wave_master_volume = 100;
        windows_master_volume = clamp_volume(environment_number(L"RUQ6X_MASTER_VOLUME", system_master_volume()));
    }
    library_started = 1;
    log_call("RUQ2_Start %s 0x%x -> 1", window ? "window" : "0", flags);
    return 1;
}

RUQ_API int32_t __stdcall RUQ2_GetCaps(uint32_t* caps) {
    if (!caps) return 0;
    uint32_t devices = waveOutGetNumDevs();
    memset(caps, 0, 32);
    caps[0] = (uint32_t)environment_number(L"RUQ6X_CAPS", devices > 0 ? 2 : 0);
    caps[1] = devices;
    caps[2] = RUQ_CHANNELS;
    log_call("RUQ2_GetCaps -> %u", caps[0]);
    return 1;
}

RUQ_API void __stdcall RUQ2_End() {
    for (int32_t i = 0; i < RUQ_CHANNELS; ++i) stop_channel(i);
    library_started = 0;
    log_call("RUQ2_End");
}

RUQ_API int32_t __stdcall RUQ2_WaveRead(const wchar_t* path, LoadedWave* slot) {
    int32_t result = 0;
    if (slot) {
        stop_channels_of(slot);
        result = read_wave_file(path, slot);
    }
    log_call("RUQ2_WaveRead %s -> %d", narrow(path), result);
    return result;
}

RUQ_API int32_t __stdcall RUQ2_WavePlay(int32_t channel, LoadedWave* slot, int32_t loops) {
    int32_t result = 0;
    if (slot && slot->loaded && slot->magic == RUQ_SLOT_MAGIC)
        result = start_channel(channel, slot, slot->data, slot->data_bytes, nullptr, loops);
    log_call("RUQ2_WavePlay %d %s %d -> %d", channel, slot && slot->loaded ? narrow(slot->path) : "(empty)", loops,
             result);
    return result;
}

RUQ_API int32_t __stdcall RUQ2_WaveStreamPlay(int32_t channel, const wchar_t* path, int32_t loops) {
    LoadedWave wave;
    memset(&wave, 0, sizeof wave);
    int32_t result = 0;
    if (read_wave_file(path, &wave)) {
        // The channel owns the streamed data and frees it when it stops.
        result = start_channel(channel, &wave, wave.data, wave.data_bytes, wave.data, loops);
    }
    log_call("RUQ2_WaveStreamPlay %d %s %d -> %d", channel, narrow(path), loops, result);
    return result;
}

RUQ_API int32_t __stdcall RUQ2_WaveChangePlay(int32_t channel, LoadedWave* slot, int32_t loops, int32_t fade_ms) {
    int32_t result = 0;
    if (slot && slot->loaded && slot->magic == RUQ_SLOT_MAGIC)
        result = start_channel(channel, slot, slot->data, slot->data_bytes, nullptr, loops);
    log_call("RUQ2_WaveChangePlay %d %d %d -> %d", channel, loops, fade_ms, result);
    return result;
}

RUQ_API int32_t __stdcall RUQ2_WaveStop(int32_t channel) {
    if (channel < 0)
        for (int32_t i = 0; i < RUQ_CHANNELS; ++i) stop_channel(i);
    else
        stop_channel(channel);
    log_call("RUQ2_WaveStop %d", channel);
    return 1;
}

RUQ_API int32_t __stdcall RUQ2_WaveFree(LoadedWave* slot) {
    if (slot) {
        stop_channels_of(slot);
        free_wave(slot);
    }
    log_call("RUQ2_WaveFree");
    return 1;
}

RUQ_API int32_t __stdcall RUQ2_WaveStatus(int32_t channel) {
    uint32_t busy = (uint32_t)environment_number(L"RUQ6X_BUSY_CHANNELS", 0);
    int32_t playing = channel_playing(channel) || (channel >= 0 && channel < 32 && (busy >> channel) & 1) ? 1 : 0;
    log_call("RUQ2_WaveStatus %d -> %d", channel, playing);
    return playing;
}

RUQ_API int32_t __stdcall RUQ2_WaveSetMasterVol(int32_t volume) {
    wave_master_volume = clamp_volume(volume);
    for (int32_t i = 0; i < RUQ_CHANNELS; ++i) apply_channel_volume(i);
    log_call("RUQ2_WaveSetMasterVol %d", volume);
    return 1;
}

RUQ_API int32_t __stdcall RUQ2_WaveSetLocalVol(int32_t channel, int32_t volume) {
    if (channel >= 0 && channel < RUQ_CHANNELS) {
        channels[channel].volume = clamp_volume(volume);
        apply_channel_volume(channel);
    }
    log_call("RUQ2_WaveSetLocalVol %d %d", channel, volume);
    return 1;
}

RUQ_API int32_t __stdcall RUQ2_WaveGetLocalVol(int32_t channel) {
    int32_t volume = channel >= 0 && channel < RUQ_CHANNELS ? channels[channel].volume : 0;
    log_call("RUQ2_WaveGetLocalVol %d -> %d", channel, volume);
    return volume;
}

// Fades are not timed (the library runs no thread): the level is reached at once.
RUQ_API int32_t __stdcall RUQ2_WaveMasterFade(int32_t volume, int32_t fade_ms) {
    wave_master_volume = clamp_volume(volume);
    for (int32_t i = 0; i < RUQ_CHANNELS; ++i) apply_channel_volume(i);
    log_call("RUQ2_WaveMasterFade %d %d", volume, fade_ms);
    return 1;
}

RUQ_API int32_t __stdcall RUQ2_WaveGetMasterVol() {
    log_call("RUQ2_WaveGetMasterVol -> %d", wave_master_volume);
    return wave_master_volume;
}

RUQ_API int32_t __stdcall RUQ2_GetMasterVol() {
    log_call("RUQ2_GetMasterVol -> %d", windows_master_volume);
    return windows_master_volume;
}

// The Windows master volume as this library keeps it; the system's own level is not changed.
RUQ_API int32_t __stdcall RUQ2_SetMasterVol(int32_t volume) {
    windows_master_volume = clamp_volume(volume);
    log_call("RUQ2_SetMasterVol %d", volume);
    return 1;
}
