// page_step: steps the running settings window (class tovisetup) to its next tab page, the
// way a Right-arrow key on its tab control does, and prints the window's place on the screen
// as "left top width height". With "--where" it only prints the place. Exit code 1 when no
// settings window is running, 2 when the page did not change.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

namespace {

const UINT WAIT_MS = 2000;

LRESULT ask(HWND window, UINT message) {
    DWORD_PTR result = (DWORD_PTR)-1;
    SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, WAIT_MS, &result);
    return (LRESULT)result;
}

}  // namespace

int main(int argc, char** argv) {
    HWND settings = FindWindowW(L"tovisetup", nullptr);
    HWND tabs = settings ? FindWindowExW(settings, nullptr, L"SysTabControl32", nullptr) : nullptr;
    if (!tabs) return 1;
    if (argc < 2 || strcmp(argv[1], "--where") != 0) {
        LRESULT before = ask(tabs, TCM_GETCURSEL);
        PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 1);
        PostMessageW(tabs, WM_KEYUP, VK_RIGHT, 0xC0000001);
        bool changed = false;
        for (int i = 0; i < 100 && !changed; ++i) {
            Sleep(20);
            changed = ask(tabs, TCM_GETCURSEL) != before;
        }
        if (!changed) return 2;
    }
    RECT place;
    GetWindowRect(settings, &place);
    printf("%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left, place.bottom - place.top);
    return 0;
}
