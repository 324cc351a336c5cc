// Module state of the stand-in sound library RUQ6X.DLL, shared by its source files.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <stddef.h>
#include <stdint.h>

enum { RUQ_CHANNELS = 8, RUQ_PATH_CHARS = 250, RUQ_SLOT_MAGIC = 0x57515552 /* "RUQW" */ };

// The library's view of the caller's 536-byte wave slot. DO NOT MOVE the last word: callers
// read it as "loaded".
struct LoadedWave {
    uint32_t magic;       // RUQ_SLOT_MAGIC while the slot holds data of this library
    uint16_t format_tag;  // the wave's format as read from its "fmt " chunk
    uint16_t channels;
    uint32_t samples_per_second;
    uint32_t average_bytes_per_second;
    uint16_t block_align;
    uint16_t bits_per_sample;
    uint8_t* data;  // the "data" chunk, owned by the slot until RUQ2_WaveFree
    uint32_t data_bytes;
    uint32_t duration_ms;
    wchar_t path[RUQ_PATH_CHARS];  // the file read, cut to fit
    uint32_t loaded;               // non-zero while the slot holds a loaded sound
};
#if UINTPTR_MAX == UINT32_MAX
static_assert(sizeof(LoadedWave) == 536, "wave slots are 536 bytes");
static_assert(offsetof(LoadedWave, loaded) == 532, "loaded is the slot's last word");
#else
// Where pointers are wider, the data pointer widens the slot by 8 bytes (its own and padding).
static_assert(sizeof(LoadedWave) == 544, "wave slots are 544 bytes");
static_assert(offsetof(LoadedWave, loaded) == 540, "loaded is the slot's last word");
#endif

// One output channel: a wave-out device playing one buffer.
struct Channel {
    HWAVEOUT device;  // 0 when closed
    WAVEHDR header;
    uint8_t* owned;          // a streamed file's data, freed when the channel stops
    const uint8_t* playing;  // the data handed to the device
    int32_t volume;          // 0..100
    int32_t looping;
};

extern Channel channels[RUQ_CHANNELS];
extern int32_t library_started;
extern int32_t wave_master_volume;     // 0..100, the library's own mix level
extern int32_t windows_master_volume;  // 0..100

// Reads a RIFF/WAVE file into a slot; 1 when loaded. A slot that held data is freed first.
int read_wave_file(const wchar_t* path, LoadedWave* wave);
void free_wave(LoadedWave* wave);

// Starts data of the wave's format on a channel; 1 when a device took it (0 without a device).
int start_channel(int32_t channel, const LoadedWave* format, const uint8_t* data, uint32_t bytes, uint8_t* owned,
                  int32_t loops);
void stop_channel(int32_t channel);
int channel_playing(int32_t channel);
void apply_channel_volume(int32_t channel);

// The call log: when the environment variable RUQ6X_LOG names a file, every entry appends one
// line "name arguments -> result" (UTF-8) to it.
void log_call(const char* format, ...);
