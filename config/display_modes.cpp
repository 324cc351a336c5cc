// Display adapters, their modes and the full-screen resolution list with aspect classes.
#include "display_modes.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "files.h"
#include "libraries.h"
#include "partition_sort.h"

namespace {

// A damaged engine table without its end entry is never walked further than this.
const uint32_t ENGINE_TABLE_LIMIT = 4096;
const uint32_t MIN_WIDTH = 1024;
const uint32_t MIN_HEIGHT = 768;

uint32_t sort_key(const DisplayMode& mode, int32_t key) {
    switch (key) {
        case SORT_BY_WIDTH:
            return mode.width;
        case SORT_BY_HEIGHT:
            return mode.height;
        case SORT_BY_REFRESH:
            return mode.refresh_rate;
        default:
            return 0;
    }
}

// Ascending (direction 0): keys less than or equal to the pivot's first; descending: greater.
int mode_stands_before(const void* item, const void* pivot, const SortOrder* order) {
    uint32_t value = sort_key(*(const DisplayMode*)item, order->key);
    uint32_t pivot_value = sort_key(*(const DisplayMode*)pivot, order->key);
    return order->direction == 0 ? value <= pivot_value : value > pivot_value;
}

bool mode_listed(const DisplayMode* list, uint32_t count, uint32_t width, uint32_t height, uint32_t refresh) {
    for (uint32_t i = 0; i < count; ++i)
        if (list[i].width == width && list[i].height == height && list[i].refresh_rate == refresh) return true;
    return false;
}

// Appends one entry, growing the list by one; a failed growth skips the entry.
void append_mode(DisplayMode** list, uint32_t* count, uint32_t width, uint32_t height, uint32_t refresh) {
    DisplayMode* grown = (DisplayMode*)realloc(*list, (*count + 1) * sizeof(DisplayMode));
    if (!grown) return;
    *list = grown;
    DisplayMode& mode = grown[(*count)++];
    mode.width = width;
    mode.height = height;
    mode.refresh_rate = refresh;
    mode.aspect_class = classify_aspect(width, height);
}

bool windows_nt5_or_later() {
    OSVERSIONINFOW info;
    memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) return false;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
}

void free_adapters() {
    for (uint32_t i = 0; adapter_list && i < adapter_count; ++i) free(adapter_list[i].modes);
    free(adapter_list);
    adapter_list = nullptr;
    adapter_count = 0;
}

}  // namespace

int32_t classify_aspect(uint32_t w, uint32_t h) {
    if ((3 * w) / 4 == h) return ASPECT_4_3;
    if ((3 * w) / 5 == h) return ASPECT_5_3;
    if ((4 * w) / 5 == h) return ASPECT_5_4;
    if ((5 * w) / 8 == h) return ASPECT_16_10;
    if ((9 * w) / 16 == h) return ASPECT_16_9;
    return ASPECT_OTHER;
}

void sort_modes(DisplayMode* modes, int32_t first, int32_t last, int32_t key, int32_t direction) {
    SortOrder order = {key, direction};
    partition_sort(modes, sizeof(DisplayMode), first, last, mode_stands_before, &order);
}

int enum_display_adapters() {
    free_adapters();
    if (!windows_nt5_or_later()) return 0;
    uint32_t kept = 0;
    for (DWORD index = 0;; ++index) {
        DISPLAY_DEVICEW device;
        memset(&device, 0, sizeof device);
        device.cb = sizeof device;
        if (!EnumDisplayDevicesW(nullptr, index, &device, 0)) break;
        DisplayAdapter* grown = (DisplayAdapter*)realloc(adapter_list, (kept + 1) * sizeof(DisplayAdapter));
        if (!grown) break;
        adapter_list = grown;
        DisplayAdapter& adapter = adapter_list[kept++];
        memset(&adapter, 0, sizeof adapter);
        device.DeviceName[31] = 0;
        device.DeviceString[127] = 0;
        copy_text(adapter.device_name, 32, device.DeviceName);
        copy_text(adapter.description, 128, device.DeviceString);

        for (DWORD mode_index = 0;; ++mode_index) {
            DEVMODEW mode;
            memset(&mode, 0, sizeof mode);
            mode.dmSize = sizeof mode;
            if (!EnumDisplaySettingsW(device.DeviceName, mode_index, &mode)) break;
            DisplayMode* modes = (DisplayMode*)realloc(adapter.modes, (adapter.mode_count + 1) * sizeof(DisplayMode));
            if (!modes) break;
            adapter.modes = modes;
            DisplayMode& entry = modes[adapter.mode_count++];
            entry.width = mode.dmPelsWidth;
            entry.height = mode.dmPelsHeight;
            entry.refresh_rate = mode.dmDisplayFrequency;
            entry.aspect_class = 0;
        }
    }
    adapter_count = kept;
    return kept > 0 ? 1 : 0;
}

uint32_t make_resolution_list(int engine_path, const EngineInformation* info, DisplayAdapter* adapters,
                              uint32_t adapters_found, DisplayMode** list) {
    uint32_t count = 0;
    *list = nullptr;
    if (engine_path) {
        // The first entry of the engine's table is not offered; an empty table ends at once.
        const EngineMode* table = info ? info->mode_table : nullptr;
        if (table && table[0].width && table[0].height) {
            for (uint32_t i = 1; i < ENGINE_TABLE_LIMIT && table[i].width && table[i].height; ++i) {
                const EngineMode& mode = table[i];
                if (mode.width < MIN_WIDTH || mode.height < MIN_HEIGHT) continue;
                if (mode_listed(*list, count, mode.width, mode.height, mode.refresh_rate)) continue;
                if (classify_aspect(mode.width, mode.height) == ASPECT_OTHER) continue;
                append_mode(list, &count, mode.width, mode.height, mode.refresh_rate);
            }
        }
    } else if (adapters_found > 0 && adapters && adapters[0].mode_count > 0) {
        DisplayAdapter& adapter = adapters[0];
        int32_t last = (int32_t)adapter.mode_count - 1;
        sort_modes(adapter.modes, 0, last, SORT_BY_HEIGHT, 0);
        sort_modes(adapter.modes, 0, last, SORT_BY_WIDTH, 0);
        for (uint32_t i = 0; i < adapter.mode_count; ++i) {
            const DisplayMode& mode = adapter.modes[i];
            if (mode.width < MIN_WIDTH || mode.height < MIN_HEIGHT) continue;
            if (mode_listed(*list, count, mode.width, mode.height, mode.refresh_rate)) continue;
            append_mode(list, &count, mode.width, mode.height, mode.refresh_rate);
        }
    }
    if (count == 0) append_mode(list, &count, 1024, 768, 60);
    return count;
}

int build_resolution_list() {
    free(resolution_list);
    resolution_list = nullptr;
    resolution_count =
        make_resolution_list(engine_available, engine_info, adapter_list, adapter_count, &resolution_list);
    return 1;
}

void free_display_lists() {
    free_adapters();
    free(resolution_list);
    resolution_list = nullptr;
    resolution_count = 0;
}
