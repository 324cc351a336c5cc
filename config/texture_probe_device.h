// The measuring step that the Direct3D 8 and 9 texture probes share: a device on adapter 0
// for the program's open window, tried in the order of texture_probe_devices, then its
// available texture memory. The two runtimes differ only in their interface types.
#pragma once

#include <windows.h>

#include "directx_probe.h"
#include "main_window.h"

template <class Direct3D, class Device, class DeviceType, class PresentParameters>
uint32_t measure_texture_memory(Direct3D* direct3d, const PresentParameters& parameters) {
    Device* device = nullptr;
    for (const TextureProbeDevice& attempt : texture_probe_devices) {
        PresentParameters tried = parameters;
        if (SUCCEEDED(direct3d->CreateDevice(0, (DeviceType)attempt.device_type, main_window, attempt.behaviour, &tried,
                                             &device)) &&
            device)
            break;
        device = nullptr;
    }
    if (!device) return 0;
    uint32_t memory = device->GetAvailableTextureMem();
    device->Release();
    return memory;
}
