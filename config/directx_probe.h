// The installed DirectX release in the words users know, and the texture memory that a
// Direct3D device reports.
#pragma once
#include <windows.h>
#include <stdint.h>

enum { DIRECTX_TEXT_CAPACITY = 128, D3DX_LABEL_CHARS = 64, D3DX_LABEL_ROWS = 18 };

extern wchar_t directx_version_text[DIRECTX_TEXT_CAPACITY];  // label plus " [ registry version ] "
extern uint32_t texture_memory;                              // bytes, 0 when not measured

struct D3dxLabelRow {
    wchar_t label[D3DX_LABEL_CHARS];
    uint32_t library;  // N of the library "d3dx9_N" that marks the release
};
extern const D3dxLabelRow d3dx9_label_table[D3DX_LABEL_ROWS];

enum TextureProbe { TEXTURE_PROBE_NONE = 0, TEXTURE_PROBE_D3D8 = 8, TEXTURE_PROBE_D3D9 = 9 };

// The setup library's version query (DSETUP.dll ordinal 11): 1 and both words when it answered,
// else 0 and both words 0.
int query_directx_setup_version(uint32_t* version, uint32_t* revision);

// Chooses the release label for the version and revision words and the texture probe to run.
// d3dx_present(N) tells whether "d3dx9_N" loads; it is asked only for 9.0c (revision 903, 904).
// The label goes into out (capacity characters, cut to fit; empty when there is none).
TextureProbe choose_directx_label(uint32_t version, uint32_t revision, int (*d3dx_present)(uint32_t library),
                                  wchar_t* out, int capacity);
// Appends " [ %s ] " of the registry version to the label; nothing when registry_version is null.
void append_registry_version(wchar_t* text, int capacity, const wchar_t* registry_version);

// The "Version" text below root\subkey into out (cut to fit): 0 when the key does not open. A
// value that is missing, not text or longer than 512 bytes reads as empty.
int read_registry_version_text(HKEY root, const wchar_t* subkey, wchar_t* out, int capacity);

// 1 when the library "d3dx9_N" can be loaded (it is unloaded again at once).
int d3dx_library_present(uint32_t library);
// Fills directx_version_text and texture_memory; shows box 904 for DirectX before 9. Returns 1.
int probe_directx_version();
// The devices the texture probes try on adapter 0, in this order: HAL with hardware vertex
// processing, HAL with software vertex processing, the reference rasteriser with software.
struct TextureProbeDevice {
    uint32_t device_type;  // D3DDEVTYPE: 1 HAL, 2 reference
    uint32_t behaviour;    // D3DCREATE_ flags: 0x40 hardware, 0x20 software vertex processing
};
enum { TEXTURE_PROBE_DEVICES = 3 };
extern const TextureProbeDevice texture_probe_devices[TEXTURE_PROBE_DEVICES];

// Available texture memory of a device on adapter 0 for the program's open window, or 0.
uint32_t query_texture_memory_d3d8();
uint32_t query_texture_memory_d3d9();
