// Cross-process driving of a running program's windows. Messages are sent with a time limit so
// that a program showing a modal box or hanging never hangs the test; actions are queued as
// sent messages without waiting, so a later read is handled after them.
#include "window_driver.h"
#include <commctrl.h>
#include <stddef.h>
#include <vector>

namespace driver {

namespace {

const DWORD POLL_MS = 20;

bool send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, WAIT_LIMIT_MS, &answer)) return false;
    if (result) *result = (LRESULT)answer;
    return true;
}

// A read of control id: the message's answer, or -1 when there is no control or no answer.
int read_control(HWND window, int id, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    HWND control = find_control(window, id);
    LRESULT result = 0;
    if (!control || !send(control, message, wparam, lparam, &result)) return -1;
    return (int)result;
}

// Sends a message whose lParam points at size bytes through a copy in the window's own
// process: the system carries the pointers of common-control messages only within a process.
// point_into (when not nullptr) aims pointers inside the bytes at the copy, remote, first.
// False when the copy could not be made or the message answered 0.
bool send_with_remote_buffer(HWND window, UINT message, WPARAM wparam, void* buffer, SIZE_T size,
                             void (*point_into)(void* buffer, char* remote) = nullptr) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
    if (!process) return false;
    bool done = false;
    char* remote = (char*)VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote && point_into) point_into(buffer, remote);
    LRESULT result = 0;
    if (remote && WriteProcessMemory(process, remote, buffer, size, nullptr) &&
        send(window, message, wparam, (LPARAM)remote, &result) && result)
        done = ReadProcessMemory(process, remote, buffer, size, nullptr) != 0;
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return done;
}

// An item text request of a list view with room for its answer, as one block.
struct ListItemText {
    LVITEMW item;
    wchar_t text[256];
};

void point_at_text(void* buffer, char* remote) {
    ListItemText* request = (ListItemText*)buffer;
    request->item.pszText = (wchar_t*)(remote + offsetof(ListItemText, text));
}

}  // namespace

bool act(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!window || !SendNotifyMessageW(window, message, wparam, lparam)) return false;
    PostMessageW(window, WM_NULL, 0, 0);
    return true;
}

namespace {

// Presses or lets go of Shift on the keyboard and waits until the desktop's key state shows it.
// A program's thread keeps a key it last saw up as up for 50 ms: the wait covers that as well.
bool hold_shift(INPUT* key, bool down) {
    if (SendInput(1, key, sizeof *key) != 1) return false;
    DWORD started = GetTickCount();
    while ((GetAsyncKeyState(VK_SHIFT) < 0) != down) {
        if (GetTickCount() - started > 1000) return false;
        Sleep(5);
    }
    if (down) Sleep(60);
    return true;
}

struct WindowSearch {
    DWORD process_id;
    const wchar_t* window_class;
    int id;
    HWND found;
};

bool has_class(HWND window, const wchar_t* window_class) {
    if (!window_class) return true;
    wchar_t name[64];
    return GetClassNameW(window, name, 64) && lstrcmpiW(name, window_class) == 0;
}

BOOL CALLBACK match_top_level(HWND window, LPARAM parameter) {
    WindowSearch* search = (WindowSearch*)parameter;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process_id || !has_class(window, search->window_class)) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK match_control(HWND window, LPARAM parameter) {
    WindowSearch* search = (WindowSearch*)parameter;
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

DrivenProgram::~DrivenProgram() { finish_program(this, 0); }

bool start_program(DrivenProgram* program, const std::wstring& path, const std::wstring& arguments,
                   const std::wstring& folder) {
    finish_program(program, 0);
    std::wstring command = L"\"" + path + L"\"";
    if (!arguments.empty()) command += L" " + arguments;
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &program->info) != 0;
}

int finish_program(DrivenProgram* program, DWORD limit_ms) {
    PROCESS_INFORMATION& info = program->info;
    if (!info.hProcess) return -1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(info.hProcess, limit_ms) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info.hProcess, &code);
    } else {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    info = {};
    return (int)code;
}

bool program_ended(const DrivenProgram& program) {
    return !program.info.hProcess || WaitForSingleObject(program.info.hProcess, 0) == WAIT_OBJECT_0;
}

HWND find_process_window(DWORD process_id, const wchar_t* window_class) {
    WindowSearch search = {process_id, window_class, 0, nullptr};
    EnumWindows(match_top_level, (LPARAM)&search);
    return search.found;
}

HWND wait_for_window(const DrivenProgram& program, const wchar_t* window_class, DWORD limit_ms) {
    DWORD started = GetTickCount();
    do {
        HWND window = find_process_window(program.info.dwProcessId, window_class);
        // Found while it is still being built, it is ready once its thread reads messages.
        if (window) return wait_until_idle(window, limit_ms) ? window : nullptr;
        if (program_ended(program)) return nullptr;
        Sleep(POLL_MS);
    } while (GetTickCount() - started < limit_ms);
    return nullptr;
}

HWND find_control(HWND window, int id) {
    WindowSearch search = {0, nullptr, id, nullptr};
    EnumChildWindows(window, match_control, (LPARAM)&search);
    return search.found;
}

bool wait_until_idle(HWND window, DWORD limit_ms) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, limit_ms, &answer) != 0;
}

bool click_button(HWND window, int id) {
    HWND button = find_control(window, id);
    return act(button, BM_CLICK, 0, 0);
}

bool select_combo_item(HWND window, int id, int index) {
    HWND combo = find_control(window, id);
    LRESULT result = 0;
    if (!combo || !send(combo, CB_SETCURSEL, (WPARAM)index, 0, &result) || result != index) return false;
    return act(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
}

bool set_trackbar_position(HWND window, int id, int position) {
    HWND trackbar = find_control(window, id);
    if (!trackbar || !send(trackbar, TBM_SETPOS, TRUE, position, nullptr)) return false;
    return act(GetParent(trackbar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), (LPARAM)trackbar);
}

bool select_tab(HWND window, int id, int index) {
    HWND tab = find_control(window, id);
    RECT item = {};
    if (!tab || !send_with_remote_buffer(tab, TCM_GETITEMRECT, (WPARAM)index, &item, sizeof item)) return false;
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    return act(tab, WM_LBUTTONDOWN, MK_LBUTTON, point) && act(tab, WM_LBUTTONUP, 0, point);
}

bool mouse_click(HWND window, int id) {
    HWND control = find_control(window, id);
    RECT area = {};
    if (!control || !GetClientRect(control, &area)) return false;
    LPARAM point = MAKELPARAM(area.right / 2, area.bottom / 2);
    return act(control, WM_LBUTTONDOWN, MK_LBUTTON, point) && act(control, WM_LBUTTONUP, 0, point);
}

bool press_key(HWND window, int id, UINT virtual_key, bool shift) {
    HWND control = find_control(window, id);
    if (!control) return false;
    if (!shift) return act(control, WM_KEYDOWN, virtual_key, 1) && act(control, WM_KEYUP, virtual_key, 0xC0000001);
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_SHIFT;
    if (!hold_shift(&key, true)) return false;
    bool sent =
        send(control, WM_KEYDOWN, virtual_key, 1, nullptr) && send(control, WM_KEYUP, virtual_key, 0xC0000001, nullptr);
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    return hold_shift(&key, false) && sent;
}

bool type_text(HWND window, int id, const wchar_t* text) {
    HWND control = find_control(window, id);
    if (!control) return false;
    for (; *text; ++text)
        if (!act(control, WM_CHAR, *text, 1)) return false;
    return true;
}

bool close_window(HWND window) { return PostMessageW(window, WM_CLOSE, 0, 0) != 0; }

int button_check(HWND window, int id) { return read_control(window, id, BM_GETCHECK); }
int combo_selection(HWND window, int id) { return read_control(window, id, CB_GETCURSEL); }
int combo_count(HWND window, int id) { return read_control(window, id, CB_GETCOUNT); }
int trackbar_position(HWND window, int id) { return read_control(window, id, TBM_GETPOS); }
int tab_selection(HWND window, int id) { return read_control(window, id, TCM_GETCURSEL); }
int list_item_count(HWND window, int id) { return read_control(window, id, LVM_GETITEMCOUNT); }

std::wstring list_item_text(HWND window, int id, int row, int column) {
    HWND list = find_control(window, id);
    ListItemText request = {};
    request.item.iSubItem = column;
    request.item.cchTextMax = 256;
    if (!list || !send_with_remote_buffer(list, LVM_GETITEMTEXTW, (WPARAM)row, &request, sizeof request, point_at_text))
        return L"";
    request.text[255] = 0;
    return request.text;
}

std::wstring combo_item_text(HWND window, int id, int index) {
    int length = read_control(window, id, CB_GETLBTEXTLEN, (WPARAM)index);
    if (length < 0) return L"";
    std::vector<wchar_t> text((size_t)length + 1, 0);
    if (read_control(window, id, CB_GETLBTEXT, (WPARAM)index, (LPARAM)text.data()) < 0) return L"";
    return text.data();
}

int control_enabled(HWND window, int id) {
    HWND control = find_control(window, id);
    return control ? IsWindowEnabled(control) != 0 : -1;
}

int control_visible(HWND window, int id) {
    HWND control = find_control(window, id);
    return control ? IsWindowVisible(control) != 0 : -1;
}

std::wstring window_text(HWND window) {
    LRESULT length = 0;
    if (!window || !send(window, WM_GETTEXTLENGTH, 0, 0, &length) || length < 0) return L"";
    std::vector<wchar_t> text((size_t)length + 1, 0);
    if (!send(window, WM_GETTEXT, text.size(), (LPARAM)text.data(), nullptr)) return L"";
    return text.data();
}

std::wstring control_text(HWND window, int id) { return window_text(find_control(window, id)); }

HWND focused_window(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

int focused_control_id(HWND window) {
    HWND focus = focused_window(window);
    return focus ? GetDlgCtrlID(focus) : -1;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string out((size_t)(length > 0 ? length : 0), '\0');
    if (length > 0) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0], length, nullptr, nullptr);
    return out;
}

}  // namespace driver
