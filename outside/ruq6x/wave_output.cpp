// Output channels through the platform's wave output. Without an output device every start
// fails softly: the channel stays silent and reports that it is not playing.
#include <stdlib.h>
#include <string.h>

#include "ruq6x_state.h"

Channel channels[RUQ_CHANNELS];

namespace {
bool valid(int32_t channel) { return channel >= 0 && channel < RUQ_CHANNELS; }
}  // namespace

void apply_channel_volume(int32_t channel) {
    if (!valid(channel) || !channels[channel].device) return;
    uint32_t level = (uint32_t)channels[channel].volume * (uint32_t)wave_master_volume * 0xFFFFu / 10000u;
    if (level > 0xFFFF) level = 0xFFFF;
    waveOutSetVolume(channels[channel].device, (DWORD)(level | level << 16));
}

void stop_channel(int32_t channel) {
    if (!valid(channel)) return;
    Channel& c = channels[channel];
    if (c.device) {
        waveOutReset(c.device);
        waveOutUnprepareHeader(c.device, &c.header, sizeof c.header);
        waveOutClose(c.device);
    }
    free(c.owned);
    int32_t volume = c.volume;
    memset(&c, 0, sizeof c);
    c.volume = volume;
}

int channel_playing(int32_t channel) {
    if (!valid(channel)) return 0;
    const Channel& c = channels[channel];
    return c.device && !(c.header.dwFlags & WHDR_DONE) ? 1 : 0;
}

int start_channel(int32_t channel, const LoadedWave* wave, const uint8_t* data, uint32_t bytes, uint8_t* owned,
                  int32_t loops) {
    if (!valid(channel)) {
        free(owned);
        return 0;
    }
    stop_channel(channel);
    Channel& c = channels[channel];
    c.owned = owned;
    if (!wave || !wave->loaded || !data || bytes == 0) {
        stop_channel(channel);
        return 0;
    }

    WAVEFORMATEX format;
    memset(&format, 0, sizeof format);
    format.wFormatTag = wave->format_tag;
    format.nChannels = wave->channels;
    format.nSamplesPerSec = wave->samples_per_second;
    format.nAvgBytesPerSec = wave->average_bytes_per_second;
    format.nBlockAlign = wave->block_align;
    format.wBitsPerSample = wave->bits_per_sample;
    if (waveOutOpen(&c.device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        c.device = nullptr;
        stop_channel(channel);
        return 0;
    }
    c.header.lpData = (LPSTR)data;
    c.header.dwBufferLength = bytes;
    if (loops != 0) {
        // -1 loops until stopped; n > 0 plays n times.
        c.header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
        c.header.dwLoops = loops < 0 ? 0xFFFFFFFFu : (DWORD)loops;
    }
    c.playing = data;
    c.looping = loops < 0;
    apply_channel_volume(channel);
    if (waveOutPrepareHeader(c.device, &c.header, sizeof c.header) != MMSYSERR_NOERROR ||
        waveOutWrite(c.device, &c.header, sizeof c.header) != MMSYSERR_NOERROR) {
        stop_channel(channel);
        return 0;
    }
    return 1;
}
