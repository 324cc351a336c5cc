// The first display device's DxDiag properties, through the platform's diagnostic provider.
#include "dxdiag_info.h"

#include <initguid.h>
#include <dxdiag.h>
#include <stddef.h>
#include <wchar.h>

DxDiagInfo dxdiag_info;

namespace {

// The properties whose values DxDiag gives in English, in the order they are read.
struct DxDiagProperty {
    const wchar_t* name;
    size_t field;  // offset of the text in DxDiagInfo
};

const DxDiagProperty display_properties[] = {
    {L"szChipType", offsetof(DxDiagInfo, chip_type)},
    {L"szDescription", offsetof(DxDiagInfo, description)},
    {L"szDisplayMemoryEnglish", offsetof(DxDiagInfo, display_memory)},
    {L"szDriverDateEnglish", offsetof(DxDiagInfo, driver_date)},
    {L"szDriverName", offsetof(DxDiagInfo, driver_name)},
    {L"szDriverVersion", offsetof(DxDiagInfo, driver_version)},
    {L"szDDStatusEnglish", offsetof(DxDiagInfo, dd_status)},
    {L"szD3DStatusEnglish", offsetof(DxDiagInfo, d3d_status)},
};

const DWORD DXDIAG_HEADER_VERSION = 111;
const DWORD CHILD_NAME_CHARS = 512;

}  // namespace

HRESULT variant_to_string(wchar_t* destination, VARIANT* variant) {
    HRESULT result = E_INVALIDARG;
    if (V_VT(variant) == VT_BSTR) {
        const wchar_t* text = V_BSTR(variant) ? V_BSTR(variant) : L"";
        wcsncpy(destination, text, DXDIAG_TEXT_CAPACITY - 1);
        destination[DXDIAG_TEXT_CAPACITY - 1] = 0;
        result = S_OK;
    }
    VariantClear(variant);
    return result;
}

int query_dxdiag() {
    IDxDiagProvider* provider = nullptr;
    IDxDiagContainer* root = nullptr;
    IDxDiagContainer* devices = nullptr;
    IDxDiagContainer* device = nullptr;
    DXDIAG_INIT_PARAMS parameters = {};
    WCHAR first_device[CHILD_NAME_CHARS] = {};
    int result = 0;

    CoInitialize(nullptr);  // COM stays initialised for the life of the program
    if (FAILED(CoCreateInstance(CLSID_DxDiagProvider, nullptr, CLSCTX_INPROC_SERVER, IID_IDxDiagProvider,
                                (void**)&provider)) ||
        !provider)
        return 0;
    parameters.dwSize = sizeof parameters;
    parameters.dwDxDiagHeaderVersion = DXDIAG_HEADER_VERSION;
    parameters.bAllowWHQLChecks = TRUE;
    parameters.pReserved = nullptr;
    if (FAILED(provider->Initialize(&parameters))) goto done;
    if (FAILED(provider->GetRootContainer(&root)) || !root) goto done;
    if (FAILED(root->GetChildContainer(L"DxDiag_DisplayDevices", &devices)) || !devices) goto done;
    if (FAILED(devices->EnumChildContainerNames(0, first_device, CHILD_NAME_CHARS))) goto done;
    first_device[CHILD_NAME_CHARS - 1] = 0;
    if (FAILED(devices->GetChildContainer(first_device, &device)) || !device) goto done;

    for (const DxDiagProperty& property : display_properties) {
        VARIANT value;
        VariantInit(&value);
        wchar_t* field = (wchar_t*)((char*)&dxdiag_info + property.field);
        if (SUCCEEDED(device->GetProp(property.name, &value)))
            variant_to_string(field, &value);
        else
            VariantClear(&value);
    }
    result = 1;

done:
    if (device) device->Release();
    if (devices) devices->Release();
    if (root) root->Release();
    provider->Release();
    return result;
}
