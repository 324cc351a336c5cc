// The window procedure of the page panels (class STATIC_SP): every control change becomes a
// change of the settings record, of the MipMap value or of other controls' state.
#pragma once
#include <windows.h>

LRESULT CALLBACK settings_page_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
