// The tovisetup window class, the settings window and the install-mode wait window.
#pragma once
#include <windows.h>
#include "program_state.h"

enum { BOTTOM_BUTTONS = 5 };

extern HWND main_window;                      // settings window, or the wait window in install mode
extern wchar_t title_text[TEXT_CAPACITY];     // string 100
extern wchar_t warning_title[TEXT_CAPACITY];  // string 101, caption of the warning boxes
extern int32_t current_page;                  // tab index of the page shown last
extern HWND bottom_buttons[BOTTOM_BUTTONS];   // ids 1000..1004 in id order

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
int create_main_window(HINSTANCE instance);
// Shows tab page 0..4, swaps the bottom buttons at the system information page and places the focus.
void show_tab_page(int page);
// Focus to the page's first control; on Display and Sound it follows the settings.
void focus_first_control(int page);
int show_wait_window(HINSTANCE instance);
// 1 when the queue was empty, 0 when one message was handled.
int pump_one_message();
