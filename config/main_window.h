// The tovisetup window class, the settings window and the install-mode wait window.
#pragma once
#include <windows.h>
#include "program_state.h"

extern HWND main_window;                      // settings window, or the wait window in install mode
extern wchar_t title_text[TEXT_CAPACITY];     // string 100
extern wchar_t warning_title[TEXT_CAPACITY];  // string 101, caption of the warning boxes

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
int create_main_window(HINSTANCE instance);
int show_wait_window(HINSTANCE instance);
// 1 when the queue was empty, 0 when one message was handled.
int pump_one_message();
