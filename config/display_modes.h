// Display adapters and their modes, and the list of full-screen resolutions the Display page
// offers, each with the aspect class that picks its preview picture.
#pragma once
#include <windows.h>
#include <stdint.h>
#include "engine_library.h"
#include "program_state.h"

enum AspectClass {
    ASPECT_OTHER = 0,
    ASPECT_4_3 = 1,
    ASPECT_5_3 = 2,
    ASPECT_5_4 = 3,
    ASPECT_16_10 = 4,
    ASPECT_16_9 = 5,
};

struct DisplayMode {
    uint32_t width;         // pixels
    uint32_t height;        // pixels
    uint32_t refresh_rate;  // Hz
    int32_t aspect_class;   // AspectClass; not set for an adapter's own modes
};

struct DisplayAdapter {
    DisplayMode* modes;        // owned; mode_count entries
    wchar_t device_name[32];   // cut to fit
    wchar_t description[128];  // cut to fit
    uint32_t mode_count;
};

enum SortKey { SORT_BY_WIDTH = 1, SORT_BY_HEIGHT = 2, SORT_BY_REFRESH = 4 };

int32_t classify_aspect(uint32_t width, uint32_t height);
// Partition sort of modes[first..last] by one key; direction 0 ascending, else descending.
void sort_modes(DisplayMode* modes, int32_t first, int32_t last, int32_t key, int32_t direction);

// Fills adapter_list / adapter_count from Windows (NT 5.0 and later only): 1 when an adapter was found.
int enum_display_adapters();
// Builds resolution_list / resolution_count from the engine's mode table when engine_available,
// else from the first adapter's modes; never empty. Returns 1.
int build_resolution_list();
// The same from given inputs: engine_path selects the engine's table (info may be NULL: no
// table). The list is allocated into *list (free with free()) and its length returned.
uint32_t make_resolution_list(int engine_path, const EngineInformation* info, DisplayAdapter* adapters,
                              uint32_t adapters_found, DisplayMode** list);
// Frees every adapter's modes, the adapter list and the resolution list, and clears their counts.
void free_display_lists();
