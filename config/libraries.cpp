// Loading and binding of RUQ6X.DLL and KVRN.DLL, the 3D gate, and their shut-down.
#include "libraries.h"

#include <stddef.h>
#include <string.h>
#include <wchar.h>

#include "directx_probe.h"
#include "display_modes.h"
#include "dxdiag_info.h"
#include "files.h"
#include "main_window.h"
#include "message_box.h"
#include "settings_store.h"
#include "string_table.h"
#include "system_metrics.h"
#include "test_sounds.h"

HMODULE sound_module;
HMODULE engine_module;
SoundEntries sound_entries;
EngineEntries engine_entries;
uint32_t engine_handle;
EngineInformation* engine_info;
int32_t engine_available;
SoundCaps sound_caps;
SoundSlot sound_slots[SOUND_SLOT_COUNT];
HBITMAP aspect_bitmap;

namespace {

// Decorated names in binding order; the entry's bit in the error mask is 1 << its row.
struct EntryName {
    const char* name;
    size_t field;  // offset of the entry point in its record
};

const EntryName sound_entry_names[] = {
    {"_RUQ2_Start@8", offsetof(SoundEntries, start)},
    {"_RUQ2_GetCaps@4", offsetof(SoundEntries, get_caps)},
    {"_RUQ2_End@0", offsetof(SoundEntries, end)},
    {"_RUQ2_WaveRead@8", offsetof(SoundEntries, wave_read)},
    {"_RUQ2_WavePlay@12", offsetof(SoundEntries, wave_play)},
    {"_RUQ2_WaveStreamPlay@12", offsetof(SoundEntries, wave_stream_play)},
    {"_RUQ2_WaveChangePlay@16", offsetof(SoundEntries, wave_change_play)},
    {"_RUQ2_WaveStop@4", offsetof(SoundEntries, wave_stop)},
    {"_RUQ2_WaveFree@4", offsetof(SoundEntries, wave_free)},
    {"_RUQ2_WaveStatus@4", offsetof(SoundEntries, wave_status)},
    {"_RUQ2_WaveSetMasterVol@4", offsetof(SoundEntries, wave_set_master_vol)},
    {"_RUQ2_WaveSetLocalVol@8", offsetof(SoundEntries, wave_set_local_vol)},
    {"_RUQ2_WaveGetLocalVol@4", offsetof(SoundEntries, wave_get_local_vol)},
    {"_RUQ2_WaveMasterFade@8", offsetof(SoundEntries, wave_master_fade)},
    {"_RUQ2_WaveGetMasterVol@0", offsetof(SoundEntries, wave_get_master_vol)},
    {"_RUQ2_GetMasterVol@0", offsetof(SoundEntries, get_master_vol)},
    {"_RUQ2_SetMasterVol@4", offsetof(SoundEntries, set_master_vol)},
};
static_assert(sizeof sound_entry_names / sizeof sound_entry_names[0] == 17, "17 sound entries");

const EntryName engine_entry_names[] = {
    {"_KVRN_Start@12", offsetof(EngineEntries, start)},
    {"_KVRN_End@4", offsetof(EngineEntries, end)},
    {"_KVRN_GetInformation@8", offsetof(EngineEntries, get_information)},
    {"_KVRN_EXT_Function@32", offsetof(EngineEntries, ext_function)},
};

const int SOUND_CHANNELS = 5;
const UINT ASPECT_BITMAP_ID = 109;

// Binds each named entry into its record; returns the mask of the entries not found.
uint32_t bind_entries(HMODULE module, const EntryName* names, int count, void* record) {
    uint32_t missing = 0;
    for (int i = 0; i < count; ++i) {
        FARPROC entry = module ? GetProcAddress(module, names[i].name) : nullptr;
        if (!entry) missing |= 1u << i;
        memcpy((char*)record + names[i].field, &entry, sizeof entry);
    }
    return missing;
}

// program_folder + name; 0 (and nothing loaded) when the path would not fit.
HMODULE load_program_library(const wchar_t* name) {
    wchar_t path[TEXT_CAPACITY];
    if (!join_path(path, TEXT_CAPACITY, program_folder, name)) return nullptr;
    return LoadLibraryW(path);
}

void show_warning(const wchar_t* text) { show_message_box(nullptr, text, warning_title, MB_OK); }

void show_string_warning(UINT id) {
    load_text(id, message_buffer, TEXT_CAPACITY);
    show_warning(message_buffer);
}

void start_sound_library() {
    uint32_t missing = bind_sound_entries(sound_module, &sound_entries);
    if (missing) {
        format_text(message_buffer, TEXT_CAPACITY, L"RUQ6X Entry Error!! ( %x )", missing);
        show_warning(message_buffer);
    }
    // Entries the library lacks are skipped here and by every later caller.
    if (sound_entries.start) sound_entries.start(nullptr, SOUND_START_FLAGS);
    if (sound_entries.get_caps) sound_entries.get_caps(&sound_caps);
    memset(sound_slots, 0, sizeof sound_slots);
    if (sound_entries.get_master_vol) game_settings.master_volume = (uint32_t)sound_entries.get_master_vol();
}

// The gate decides once from the library and the statuses whether the entries are bound, and
// again, once they are and the setup library has answered, whether the engine may be used.
void open_engine_gate() {
    EngineGateInput input = {};
    input.engine_loaded = engine_module != nullptr;
    input.dd_status = dxdiag_info.dd_status;
    input.d3d_status = dxdiag_info.d3d_status;
    EngineGateResult result = decide_engine_gate(&input);
    if (result.bind_entries) {
        input.entries_bound = bind_engine_entries(engine_module, &engine_entries);
        if (input.entries_bound) {
            uint32_t revision = 0;
            query_directx_setup_version(&input.directx_version, &revision);
        }
        result = decide_engine_gate(&input);
    }
    if (result.show_engine_error) show_string_warning(906);
    engine_available = result.available;
}

}  // namespace

uint32_t engine_level_count(const uint32_t levels[ENGINE_LEVEL_SLOTS]) {
    uint32_t count = 0;
    while (count < ENGINE_LEVEL_SLOTS && levels[count]) ++count;
    return count;
}

uint32_t bind_sound_entries(HMODULE module, SoundEntries* entries) {
    return bind_entries(module, sound_entry_names, 17, entries);
}

int bind_engine_entries(HMODULE module, EngineEntries* entries) {
    if (bind_entries(module, engine_entry_names, 4, entries) == 0) return 1;
    memset(entries, 0, sizeof *entries);
    return 0;
}

int status_enabled(const wchar_t* status) { return status && _wcsicmp(status, L"Enabled") == 0; }

EngineGateResult decide_engine_gate(const EngineGateInput* input) {
    EngineGateResult result = {};
    if (!input->engine_loaded) {
        result.show_engine_error = 1;
        return result;
    }
    if (!status_enabled(input->dd_status) || !status_enabled(input->d3d_status)) return result;
    result.bind_entries = 1;
    if (!input->entries_bound) return result;
    if ((input->directx_version & 0xFFFF) < 9) {
        result.show_engine_error = 1;
        return result;
    }
    result.available = 1;
    return result;
}

int init_settings_and_libraries() {
    set_string_offset(read_language_setting());
    load_settings();
    apply_setting_defaults();
    set_string_offset(game_settings.language);
    read_mipmap_setting();

    engine_handle = 0;
    sound_module = nullptr;
    engine_module = nullptr;
    sound_module = load_program_library(L"RUQ6X.DLL");
    engine_module = load_program_library(L"KVRN.DLL");

    if (sound_module)
        start_sound_library();
    else
        show_string_warning(905);
    open_engine_gate();

    aspect_bitmap = LoadBitmapW(program_instance, MAKEINTRESOURCEW(ASPECT_BITMAP_ID));
    apply_late_setting_defaults(sound_caps.kind, main_refresh_rate());
    if (sound_entries.wave_set_local_vol)
        for (int channel = 0; channel < SOUND_CHANNELS; ++channel)
            sound_entries.wave_set_local_vol(channel, (int32_t)game_settings.volumes[channel]);
    return 1;
}

void start_engine(HWND window) {
    if (!engine_available || !engine_entries.start) return;
    RECT no_area = {0, 0, 0, 0};
    engine_handle = engine_entries.start(window, &no_area, 1);
    engine_info = nullptr;
    engine_info = engine_entries.get_information(engine_handle, ENGINE_INFORMATION_KIND);
    // Without an information record the list is that of an empty mode table: one default entry.
    build_resolution_list();
}

void shutdown_libraries() {
    if (aspect_bitmap) DeleteObject(aspect_bitmap);
    aspect_bitmap = nullptr;
    release_sound_slots();
    if (sound_entries.end) {
        sound_entries.end();
        sound_entries.end = nullptr;
    }
    if (engine_entries.end && engine_handle) {
        engine_entries.end(engine_handle);
        engine_entries.end = nullptr;
    }
    if (engine_module) FreeLibrary(engine_module);
    engine_module = nullptr;
    if (sound_module) FreeLibrary(sound_module);
    sound_module = nullptr;
    // Nothing of either library may be called once it is unloaded.
    memset(&sound_entries, 0, sizeof sound_entries);
    memset(&engine_entries, 0, sizeof engine_entries);
    engine_handle = 0;
    engine_info = nullptr;
    engine_available = 0;
}
