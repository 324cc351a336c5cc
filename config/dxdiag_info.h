// The first display device as the DirectX diagnostic provider describes it, read once at start.
#pragma once
#include <windows.h>
#include <oleauto.h>

enum { DXDIAG_TEXT_CAPACITY = 128 };  // 127 characters and the terminator; longer texts are cut

struct DxDiagInfo {
    wchar_t chip_type[DXDIAG_TEXT_CAPACITY];       // szChipType
    wchar_t description[DXDIAG_TEXT_CAPACITY];     // szDescription
    wchar_t display_memory[DXDIAG_TEXT_CAPACITY];  // szDisplayMemoryEnglish
    wchar_t driver_date[DXDIAG_TEXT_CAPACITY];     // szDriverDateEnglish
    wchar_t driver_name[DXDIAG_TEXT_CAPACITY];     // szDriverName
    wchar_t driver_version[DXDIAG_TEXT_CAPACITY];  // szDriverVersion
    wchar_t dd_status[DXDIAG_TEXT_CAPACITY];       // szDDStatusEnglish
    wchar_t d3d_status[DXDIAG_TEXT_CAPACITY];      // szD3DStatusEnglish
};

extern DxDiagInfo dxdiag_info;

// 1 when the whole query ran, 0 when it stopped early (the fields then stay empty).
int query_dxdiag();
// A string VARIANT into destination (DXDIAG_TEXT_CAPACITY characters, cut to fit): S_OK;
// anything else leaves destination alone: E_INVALIDARG. The VARIANT is cleared either way.
HRESULT variant_to_string(wchar_t* destination, VARIANT* variant);
