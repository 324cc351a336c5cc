// The program's one message-box routine. When TOVI_MESSAGE_LOG names a file, the box is not
// shown: its caption, text and buttons are appended to that file, and the answer is taken in
// turn from the letters of TOVI_MESSAGE_ANSWERS (R retry, C cancel, O ok), else the box's
// Cancel (or OK when it has none).
#pragma once
#include <windows.h>

typedef int (WINAPI *MessageBoxRoutine)(HWND owner, const wchar_t *text, const wchar_t *caption,
                                        UINT type);

// What shows a box; MessageBoxW unless an in-process test puts its own answerer here.
extern MessageBoxRoutine message_box_routine;

int show_message_box(HWND owner, const wchar_t *text, const wchar_t *caption, UINT type);
