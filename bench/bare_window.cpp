// The bare Win32 window program that TOVICONFIG's start is compared with: one captioned window
// of its own class with a line of text, shown and painted, the queue emptied and the program
// ended, leaving the window to the end of the process as TOVICONFIG does.
#include <windows.h>

namespace {
LRESULT CALLBACK bare_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = bare_window_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"bare_window";
    if (!RegisterClassW(&window_class)) return 1;
    HWND window = CreateWindowExW(0, L"bare_window", L"bare window", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100, 100,
                                  320, 80, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    CreateWindowExW(0, L"STATIC", L"a bare window", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, window, nullptr, instance,
                    nullptr);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
