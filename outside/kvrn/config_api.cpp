// The engine's configuration functions: start, end, the information record and the extended
// function. The record is filled from the platform's Direct3D 9 when d3d9.dll loads (it is
// loaded here, at start, so that nothing else of the engine needs it), else from the modes
// Windows reports. Test hooks: KVRN_CONFIG_LOG names a file that gets one line per call;
// KVRN_MODE_TABLE ("800x600@60;1024x768@60;...", first entry included) replaces the mode
// table; KVRN_PRODUCT_LEVEL replaces the product level (1 unless set).
#include <windows.h>
#include <d3d9.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "engine_information.h"
#include "stand_in_log.h"

namespace {

const int32_t INFORMATION_KIND = 5;
const int32_t FUNCTION_PRODUCT_LEVEL = 113;

KvrnInformation information;
KvrnModeEntry mode_table[KVRN_MODE_CAPACITY + 1];
uint32_t started_handle;  // the handle of the running engine, 0 when not started
uint32_t next_handle = 0x4B560001;

void log_config_call(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    append_log_line(L"KVRN_CONFIG_LOG", format, arguments);
    va_end(arguments);
}

uint32_t mode_count;

void add_mode(uint32_t width, uint32_t height, uint32_t refresh) {
    if (mode_count >= KVRN_MODE_CAPACITY || width == 0 || height == 0) return;
    mode_table[mode_count++] = {width, height, refresh};
    mode_table[mode_count] = {0, 0, 0};
}

// KVRN_MODE_TABLE: entries "WxH@R" separated by ';'. 1 when the variable was set.
int modes_from_environment() {
    wchar_t text[4096];
    DWORD length = GetEnvironmentVariableW(L"KVRN_MODE_TABLE", text, 4096);
    if (length == 0 || length >= 4096) return 0;
    const wchar_t* p = text;
    while (*p) {
        unsigned width = 0, height = 0, refresh = 0;
        if (swscanf(p, L"%ux%u@%u", &width, &height, &refresh) == 3) add_mode(width, height, refresh);
        const wchar_t* next = wcschr(p, L';');
        if (!next) break;
        p = next + 1;
    }
    return 1;
}

void modes_from_windows() {
    DEVMODEW current;
    memset(&current, 0, sizeof current);
    current.dmSize = sizeof current;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current))
        add_mode(current.dmPelsWidth, current.dmPelsHeight, current.dmDisplayFrequency);
    for (DWORD i = 0;; ++i) {
        DEVMODEW mode;
        memset(&mode, 0, sizeof mode);
        mode.dmSize = sizeof mode;
        if (!EnumDisplaySettingsW(nullptr, i, &mode)) break;
        if (mode.dmBitsPerPel == 32) add_mode(mode.dmPelsWidth, mode.dmPelsHeight, mode.dmDisplayFrequency);
    }
}

void modes_from_direct3d(IDirect3D9* direct3d) {
    D3DDISPLAYMODE current;
    if (SUCCEEDED(direct3d->GetAdapterDisplayMode(0, &current)))
        add_mode(current.Width, current.Height, current.RefreshRate);
    UINT count = direct3d->GetAdapterModeCount(0, D3DFMT_X8R8G8B8);
    for (UINT i = 0; i < count; ++i) {
        D3DDISPLAYMODE mode;
        if (SUCCEEDED(direct3d->EnumAdapterModes(0, D3DFMT_X8R8G8B8, i, &mode)))
            add_mode(mode.Width, mode.Height, mode.RefreshRate);
    }
}

void capabilities_from_direct3d(IDirect3D9* direct3d) {
    D3DCAPS9 caps;
    memset(&caps, 0, sizeof caps);
    if (FAILED(direct3d->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps))) return;
    information.texture_stage_count = caps.MaxTextureBlendStages;
    information.max_texture_width = caps.MaxTextureWidth;
    information.max_texture_height = caps.MaxTextureHeight;
    information.light_count = caps.MaxActiveLights;
    information.stream_count = caps.MaxStreams;

    // Anisotropy 2, 4, 8, 16 up to the device's maximum; one slot stays 0 to end the list.
    uint32_t n = 0;
    for (uint32_t level = 2; level <= caps.MaxAnisotropy && n < KVRN_LEVEL_SLOTS - 1; level *= 2)
        information.anisotropy_levels[n++] = level;
    n = 0;
    for (uint32_t samples = 2; samples <= 16 && n < KVRN_LEVEL_SLOTS - 1; ++samples)
        if (SUCCEEDED(direct3d->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, TRUE,
                                                           (D3DMULTISAMPLE_TYPE)samples, nullptr)))
            information.anti_alias_levels[n++] = samples;
    information.anisotropy_current = information.anisotropy_levels[0];
    information.anti_alias_current = information.anti_alias_levels[0];

    static const struct {
        D3DFORMAT format;
        uint32_t z, stencil;
    } depth_formats[] = {{D3DFMT_D24S8, 24, 8}, {D3DFMT_D24X8, 24, 0}, {D3DFMT_D16, 16, 0}};
    for (const auto& depth : depth_formats) {
        if (SUCCEEDED(direct3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DUSAGE_DEPTHSTENCIL,
                                                  D3DRTYPE_SURFACE, depth.format))) {
            information.zbuffer_bits = depth.z;
            information.stencil_bits = depth.stencil;
            break;
        }
    }
}

void read_bios_text(const wchar_t* value_name, wchar_t* out, size_t capacity) {
    wcsncpy(out, L"Unknown", capacity - 1);
    out[capacity - 1] = 0;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DESCRIPTION\\System\\BIOS", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    wchar_t text[256 + 1];
    DWORD type = 0, bytes = 256 * sizeof(wchar_t);
    if (RegQueryValueExW(key, value_name, nullptr, &type, (BYTE*)text, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        text[bytes / sizeof(wchar_t)] = 0;
        if (text[0]) {
            wcsncpy(out, text, capacity - 1);
            out[capacity - 1] = 0;
        }
    }
    RegCloseKey(key);
}

void fill_information() {
    memset(&information, 0, sizeof information);
    memset(mode_table, 0, sizeof mode_table);
    mode_count = 0;
    information.mode_table = mode_table;
    read_bios_text(L"SystemManufacturer", information.pc_maker, 80);
    read_bios_text(L"SystemProductName", information.pc_model, 248);

    typedef IDirect3D9*(WINAPI * Direct3DCreate9Fn)(UINT);
    HMODULE library = LoadLibraryW(L"d3d9.dll");
    Direct3DCreate9Fn create = library ? (Direct3DCreate9Fn)(void*)GetProcAddress(library, "Direct3DCreate9") : nullptr;
    IDirect3D9* direct3d = create ? create(D3D_SDK_VERSION) : nullptr;
    int from_environment = modes_from_environment();
    if (direct3d) {
        if (!from_environment) modes_from_direct3d(direct3d);
        capabilities_from_direct3d(direct3d);
        direct3d->Release();
    }
    if (library) FreeLibrary(library);
    if (!from_environment && mode_count == 0) modes_from_windows();
}

}  // namespace

extern "C" uint32_t __stdcall KVRN_Start(HWND window, RECT* rect, int32_t mode) {
    fill_information();
    started_handle = next_handle++;
    log_config_call("KVRN_Start %s %d,%d,%d,%d %d -> 0x%x", window ? "window" : "0", rect ? (int)rect->left : -1,
                    rect ? (int)rect->top : -1, rect ? (int)rect->right : -1, rect ? (int)rect->bottom : -1, mode,
                    started_handle);
    return started_handle;
}

extern "C" void __stdcall KVRN_End(uint32_t engine) {
    if (engine && engine == started_handle) started_handle = 0;
    log_config_call("KVRN_End 0x%x", engine);
}

extern "C" KvrnInformation* __stdcall KVRN_GetInformation(uint32_t engine, int32_t kind) {
    KvrnInformation* record = engine && engine == started_handle && kind == INFORMATION_KIND ? &information : nullptr;
    log_config_call("KVRN_GetInformation 0x%x %d -> %s", engine, kind, record ? "record" : "null");
    return record;
}

extern "C" int32_t __stdcall KVRN_EXT_Function(uint32_t engine, int32_t function, uint32_t, uint32_t, uint32_t,
                                               uint32_t, uint32_t, uint32_t) {
    int32_t result = 0;
    if (engine && engine == started_handle && function == FUNCTION_PRODUCT_LEVEL)
        result = environment_number(L"KVRN_PRODUCT_LEVEL", 1);
    log_config_call("KVRN_EXT_Function 0x%x %d -> %d", engine, function, result);
    return result;
}
