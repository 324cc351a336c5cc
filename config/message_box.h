// The program's one message-box routine: every box it shows goes through message_box_routine.
#pragma once
#include <windows.h>

typedef int(WINAPI* MessageBoxRoutine)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// What shows a box; MessageBoxW unless an in-process test puts its own answerer here.
extern MessageBoxRoutine message_box_routine;

int show_message_box(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
