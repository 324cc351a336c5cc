// RIFF/WAVE files into wave slots: the "fmt " and "data" chunks, every length checked.
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "ruq6x_state.h"

namespace {

const uint32_t MAX_WAVE_BYTES = 64u << 20;  // larger files are refused

uint32_t read_u32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
uint16_t read_u16(const uint8_t* p) { return (uint16_t)(p[0] | p[1] << 8); }

uint8_t* read_whole_file(const wchar_t* path, uint32_t* size) {
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    DWORD high = 0;
    DWORD low = GetFileSize(file, &high);
    uint8_t* bytes = nullptr;
    if (low != INVALID_FILE_SIZE && high == 0 && low >= 12 && low <= MAX_WAVE_BYTES) bytes = (uint8_t*)malloc(low);
    DWORD got = 0;
    if (bytes && (!ReadFile(file, bytes, low, &got, nullptr) || got != low)) {
        free(bytes);
        bytes = nullptr;
    }
    CloseHandle(file);
    *size = bytes ? low : 0;
    return bytes;
}

}  // namespace

void free_wave(LoadedWave* wave) {
    if (wave->magic == RUQ_SLOT_MAGIC) free(wave->data);
    memset(wave, 0, sizeof *wave);
}

int read_wave_file(const wchar_t* path, LoadedWave* wave) {
    free_wave(wave);
    uint32_t size = 0;
    uint8_t* file = path ? read_whole_file(path, &size) : nullptr;
    if (!file) return 0;
    int ok = 0;
    const uint8_t* format = nullptr;
    const uint8_t* data = nullptr;
    uint32_t data_bytes = 0;
    if (memcmp(file, "RIFF", 4) == 0 && memcmp(file + 8, "WAVE", 4) == 0) {
        uint32_t at = 12;
        while (size - at >= 8) {
            uint32_t length = read_u32(file + at + 4);
            if (length > size - at - 8) length = size - at - 8;  // a chunk running past the end is cut
            if (memcmp(file + at, "fmt ", 4) == 0 && length >= 16) format = file + at + 8;
            if (memcmp(file + at, "data", 4) == 0) {
                data = file + at + 8;
                data_bytes = length;
            }
            uint32_t step = 8 + length + (length & 1);
            if (step > size - at) break;
            at += step;
        }
    }
    if (format && data && read_u16(format) == WAVE_FORMAT_PCM && read_u16(format + 2) > 0 &&
        read_u16(format + 12) > 0 && read_u32(format + 8) > 0) {
        wave->data = (uint8_t*)malloc(data_bytes ? data_bytes : 1);
        if (wave->data) {
            memcpy(wave->data, data, data_bytes);
            wave->magic = RUQ_SLOT_MAGIC;
            wave->format_tag = read_u16(format);
            wave->channels = read_u16(format + 2);
            wave->samples_per_second = read_u32(format + 4);
            wave->average_bytes_per_second = read_u32(format + 8);
            wave->block_align = read_u16(format + 12);
            wave->bits_per_sample = read_u16(format + 14);
            wave->data_bytes = data_bytes;
            wave->duration_ms = (uint32_t)((uint64_t)data_bytes * 1000 / wave->average_bytes_per_second);
            wcsncpy(wave->path, path, RUQ_PATH_CHARS - 1);
            wave->path[RUQ_PATH_CHARS - 1] = 0;
            wave->loaded = 1;
            ok = 1;
        }
    }
    free(file);
    return ok;
}
