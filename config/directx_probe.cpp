// The DirectX release label, the registry's version string and the texture-memory probe.
#include "directx_probe.h"

#include <string.h>
#include <wchar.h>

#include "files.h"
#include "main_window.h"
#include "message_box.h"
#include "string_table.h"

// The DirectX setup library's version query, imported by ordinal 11 of DSETUP.dll: fills the
// version word (major << 16 | minor) and the revision word; non-zero when it answered.
extern "C" __declspec(dllimport) int __stdcall DirectXSetupGetVersion(DWORD* version, DWORD* revision);

wchar_t directx_version_text[DIRECTX_TEXT_CAPACITY];
uint32_t texture_memory;

const D3dxLabelRow d3dx9_label_table[D3DX_LABEL_ROWS] = {
    {L"9.0c", 23},
    {L"9.0c Update(February 2005)", 24},
    {L"9.0c Update(April 2005)", 25},
    {L"9.0c Update(June 2005)", 26},
    {L"9.0c Update(August 2005)", 27},
    {L"9.0c Direct3D 10(December 2005)", 28},
    {L"9.0c Direct3D 10(February 2006)", 29},
    {L"9.0c Direct3D 10(April 2006)", 30},
    {L"9.0c Direct3D 10(October 2006)", 31},
    {L"9.0c Direct3D 10(December 2006)", 32},
    {L"9.0c Direct3D 10+ (D3DX9_33)", 33},
    {L"9.0c Direct3D 10+ (D3DX9_34)", 34},
    {L"9.0c Direct3D 10+ (D3DX9_35)", 35},
    {L"9.0c Direct3D 10+ (D3DX9_36)", 36},
    {L"9.0c Direct3D 10+ (D3DX9_37)", 37},
    {L"9.0c Direct3D 10+ (D3DX9_38)", 38},
    {L"9.0c Direct3D 10+ (D3DX9_39)", 39},
    {L"9.0c Direct3D 10+ (D3DX9_40)", 40},
};

const TextureProbeDevice texture_probe_devices[TEXTURE_PROBE_DEVICES] = {
    {1, 0x40},  // HAL, hardware vertex processing
    {1, 0x20},  // HAL, software vertex processing
    {2, 0x20},  // reference rasteriser, software vertex processing
};

namespace {

const uint32_t NEWEST_D3DX = 40;
const uint32_t OLDEST_D3DX = 24;
const DWORD REGISTRY_VERSION_BYTES = 512;

// Labels of the DirectX 8 and 9 revisions that name a release by themselves.
struct RevisionLabel {
    uint32_t version;
    uint32_t revision;
    const wchar_t* label;
};
const RevisionLabel revision_labels[] = {
    {8, 0x1032A, L"8.1"}, {8, 0x10371, L"8.1"}, {8, 0x10385, L"8.1A or 8.1B"}, {8, 0x20386, L"8.2"}, {9, 900, L"9.0"},
    {9, 901, L"9.0A"},    {9, 902, L"9.0B"},
};

const wchar_t* d3dx_label(int (*d3dx_present)(uint32_t library)) {
    for (uint32_t n = NEWEST_D3DX; n >= OLDEST_D3DX; --n)
        if (d3dx_present(n)) return d3dx9_label_table[n - 23].label;
    return d3dx9_label_table[0].label;
}

}  // namespace

int read_registry_version_text(HKEY root, const wchar_t* subkey, wchar_t* out, int capacity) {
    out[0] = 0;
    HKEY key;
    if (RegOpenKeyExW(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    wchar_t value[REGISTRY_VERSION_BYTES / sizeof(wchar_t) + 1];
    DWORD type = 0;
    DWORD bytes = REGISTRY_VERSION_BYTES;
    if (RegQueryValueExW(key, L"Version", nullptr, &type, (BYTE*)value, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        value[bytes / sizeof(wchar_t)] = 0;
        copy_text(out, capacity, value);
    }
    RegCloseKey(key);
    return 1;
}

namespace {

void show_old_directx_box(uint32_t version) {
    wchar_t format[TEXT_CAPACITY];
    load_text(904, format, TEXT_CAPACITY);
    format_text(message_buffer, TEXT_CAPACITY, format, (int)version);
    show_message_box(nullptr, message_buffer, warning_title, MB_OK);
}

}  // namespace

int query_directx_setup_version(uint32_t* version, uint32_t* revision) {
    DWORD v = 0, r = 0;
    int answered = DirectXSetupGetVersion(&v, &r) ? 1 : 0;
    *version = answered ? v : 0;
    *revision = answered ? r : 0;
    return answered;
}

TextureProbe choose_directx_label(uint32_t version, uint32_t revision, int (*d3dx_present)(uint32_t library),
                                  wchar_t* out, int capacity) {
    uint32_t v = version & 0xFFFF;
    out[0] = 0;
    if (v == 5 || v == 7) return TEXTURE_PROBE_NONE;
    if (v == 8 || v == 9) {
        for (const RevisionLabel& row : revision_labels)
            if (row.version == v && row.revision == revision) copy_text(out, capacity, row.label);
        if (v == 9 && (revision == 903 || revision == 904)) copy_text(out, capacity, d3dx_label(d3dx_present));
        return v == 8 ? TEXTURE_PROBE_D3D8 : TEXTURE_PROBE_D3D9;
    }
    wchar_t label[32];
    format_text(label, 32, L"%d.%d", (int)v, (int)revision);
    copy_text(out, capacity, label);
    return TEXTURE_PROBE_NONE;
}

void append_registry_version(wchar_t* text, int capacity, const wchar_t* registry_version) {
    if (!registry_version) return;
    append_text(text, capacity, L" [ ");
    append_text(text, capacity, registry_version);
    append_text(text, capacity, L" ] ");
}

int d3dx_library_present(uint32_t library) {
    wchar_t name[32];
    format_text(name, 32, L"d3dx9_%d", (int)library);
    HMODULE module = LoadLibraryW(name);
    if (!module) return 0;
    FreeLibrary(module);
    return 1;
}

int probe_directx_version() {
    uint32_t version = 0, revision = 0;
    query_directx_setup_version(&version, &revision);
    uint32_t v = version & 0xFFFF;
    if (v < 9) show_old_directx_box(v);

    texture_memory = 0;
    TextureProbe probe =
        choose_directx_label(version, revision, d3dx_library_present, directx_version_text, DIRECTX_TEXT_CAPACITY);
    if (probe == TEXTURE_PROBE_D3D8) texture_memory = query_texture_memory_d3d8();
    if (probe == TEXTURE_PROBE_D3D9) texture_memory = query_texture_memory_d3d9();

    wchar_t registry_version[DIRECTX_TEXT_CAPACITY];
    if (read_registry_version_text(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\DirectX", registry_version,
                                   DIRECTX_TEXT_CAPACITY))
        append_registry_version(directx_version_text, DIRECTX_TEXT_CAPACITY, registry_version);
    return 1;
}
