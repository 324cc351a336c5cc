// windrive: the test driver from a shell, for scripts that drive a running program's window
// (switching pages before a screenshot, for instance). The window is the first top-level
// window of the class on the desktop, waited for up to the driver's wait limit.
//
//   windrive wait CLASS                 the window exists and reads messages
//   windrive click CLASS ID             BM_CLICK on control ID
//   windrive tab CLASS ID INDEX         a click on item INDEX of tab control ID
//   windrive select CLASS ID INDEX      item INDEX of combo box ID, with its notification
//   windrive read CLASS ID              prints check, selection, enabled, visible and text
//   windrive close CLASS                asks the window to close
//
// Exit code 0 when done, 1 when the window or control is missing, 2 for a wrong command line.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include "window_driver.h"

namespace {

HWND wait_for_class(const wchar_t* window_class) {
    DWORD started = GetTickCount();
    do {
        HWND window = FindWindowW(window_class, nullptr);
        if (window) return driver::wait_until_idle(window) ? window : nullptr;
        Sleep(20);
    } while (GetTickCount() - started < driver::WAIT_LIMIT_MS);
    return nullptr;
}

int usage() {
    fputs("usage: windrive wait|close CLASS | click|read CLASS ID | tab|select CLASS ID INDEX\n", stderr);
    return 2;
}

int read_control(HWND window, int id) {
    if (!driver::find_control(window, id)) return 1;
    printf("check %d\nselection %d\nenabled %d\nvisible %d\ntext %s\n", driver::button_check(window, id),
           driver::combo_selection(window, id), driver::control_enabled(window, id),
           driver::control_visible(window, id), driver::utf8(driver::control_text(window, id)).c_str());
    return 0;
}

}  // namespace

int wmain(int count, wchar_t** arguments) {
    if (count < 3) return usage();
    const wchar_t* command = arguments[1];
    int needed = !wcscmp(command, L"wait") || !wcscmp(command, L"close")   ? 3
                 : !wcscmp(command, L"click") || !wcscmp(command, L"read") ? 4
                 : !wcscmp(command, L"tab") || !wcscmp(command, L"select") ? 5
                                                                           : 0;
    if (!needed || count != needed) return usage();
    HWND window = wait_for_class(arguments[2]);
    if (!window) return 1;
    int id = count > 3 ? _wtoi(arguments[3]) : 0;
    int index = count > 4 ? _wtoi(arguments[4]) : 0;
    bool done = true;
    if (!wcscmp(command, L"close")) done = driver::close_window(window);
    if (!wcscmp(command, L"click")) done = driver::click_button(window, id);
    if (!wcscmp(command, L"tab")) done = driver::select_tab(window, id, index);
    if (!wcscmp(command, L"select")) done = driver::select_combo_item(window, id, index);
    if (!wcscmp(command, L"read")) return read_control(window, id);
    if (done) driver::wait_until_idle(window);
    return done ? 0 : 1;
}
