// Stand-in for the game's menu program: a window of class tovimenu that counts the
// configuration program's notices (message 0x8064). The count is shown in the window title
// and written to the file named by the first argument after every notice, so tests can read it.
#include <windows.h>
#include <stdio.h>

namespace {

const UINT CONFIG_NOTICE = 0x8064;  // WM_APP + 100
int notice_count;
wchar_t count_file[MAX_PATH];

void publish_count(HWND window) {
    wchar_t text[64];
    wsprintfW(text, L"tovimenu %d", notice_count);
    SetWindowTextW(window, text);
    if (!count_file[0]) return;
    HANDLE file =
        CreateFileW(count_file, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char digits[16];
    int length = wsprintfA(digits, "%d\n", notice_count);
    DWORD written = 0;
    WriteFile(file, digits, (DWORD)length, &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK menu_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case CONFIG_NOTICE:
            ++notice_count;
            publish_count(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int) {
    if (command_line && command_line[0]) lstrcpynW(count_file, command_line, MAX_PATH);
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = menu_window_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"tovimenu";
    if (!RegisterClassW(&window_class)) return 1;
    HWND window = CreateWindowExW(0, L"tovimenu", L"tovimenu 0", WS_OVERLAPPEDWINDOW, 0, 0, 200, 80, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) return 1;
    publish_count(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
