// Texture memory as a Direct3D 8 device on adapter 0 reports it.
#include <d3d8.h>

#include "texture_probe_device.h"

namespace {
typedef IDirect3D8*(WINAPI* Direct3DCreate8Fn)(UINT sdk_version);
const UINT D3D8_SDK_VERSION = 220;
}  // namespace

uint32_t query_texture_memory_d3d8() {
    HMODULE library = LoadLibraryW(L"d3d8.DLL");
    if (!library) return 0;
    uint32_t memory = 0;
    Direct3DCreate8Fn create = (Direct3DCreate8Fn)(void*)GetProcAddress(library, "Direct3DCreate8");
    IDirect3D8* direct3d = create ? create(D3D8_SDK_VERSION) : nullptr;
    if (direct3d) {
        D3DDISPLAYMODE display = {};
        direct3d->GetAdapterDisplayMode(0, &display);
        D3DPRESENT_PARAMETERS parameters = {};
        parameters.Windowed = TRUE;
        parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
        parameters.BackBufferCount = 1;
        parameters.BackBufferFormat = display.Format;
        parameters.EnableAutoDepthStencil = TRUE;
        parameters.AutoDepthStencilFormat = D3DFMT_D16;
        parameters.hDeviceWindow = main_window;
        memory = measure_texture_memory<IDirect3D8, IDirect3DDevice8, D3DDEVTYPE>(direct3d, parameters);
        direct3d->Release();  // released before the library goes away
    }
    FreeLibrary(library);
    return memory;
}
