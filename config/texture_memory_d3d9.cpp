// Texture memory as a Direct3D 9 device on adapter 0 reports it.
#include <d3d9.h>

#include "texture_probe_device.h"

namespace {
typedef IDirect3D9*(WINAPI* Direct3DCreate9Fn)(UINT sdk_version);
const UINT D3D9_SDK_VERSION = 32;
}  // namespace

uint32_t query_texture_memory_d3d9() {
    HMODULE library = LoadLibraryW(L"d3d9.DLL");
    if (!library) return 0;
    uint32_t memory = 0;
    Direct3DCreate9Fn create = (Direct3DCreate9Fn)(void*)GetProcAddress(library, "Direct3DCreate9");
    IDirect3D9* direct3d = create ? create(D3D9_SDK_VERSION) : nullptr;
    if (direct3d) {
        D3DPRESENT_PARAMETERS parameters = {};
        parameters.Windowed = TRUE;
        parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
        parameters.BackBufferCount = 1;
        parameters.BackBufferFormat = D3DFMT_UNKNOWN;
        memory = measure_texture_memory<IDirect3D9, IDirect3DDevice9, D3DDEVTYPE>(direct3d, parameters);
        direct3d->Release();  // released before the library goes away
    }
    FreeLibrary(library);
    return memory;
}
