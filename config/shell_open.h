// The one routine through which the program hands a file or a program to the shell.
#pragma once
#include <windows.h>

typedef HINSTANCE(WINAPI* ShellOpenRoutine)(HWND owner, const wchar_t* verb, const wchar_t* file,
                                            const wchar_t* parameters, const wchar_t* directory, INT show);

// What opens the support page and starts the DirectX diagnostic tool: ShellExecuteW unless an
// in-process test puts its own recorder here.
extern ShellOpenRoutine shell_open_routine;
