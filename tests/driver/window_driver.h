// Drives the windows of another running program as a person would: starts the program, finds
// its windows by class, presses its buttons, picks list items and moves sliders by control id,
// and reads back what the screen shows (check states, selections, enabled and visible flags,
// texts, the focused control). Every wait is bounded; a started program is ended when its
// record goes out of scope, so that a failing test leaves nothing running.
#pragma once
#include <windows.h>
#include <string>

namespace driver {

// The longest a driver routine waits for a window to appear or to react.
const DWORD WAIT_LIMIT_MS = 20000;

// A program started for driving; still running when the record goes out of scope, it is ended.
struct DrivenProgram {
    PROCESS_INFORMATION info = {};
    DrivenProgram() = default;
    DrivenProgram(const DrivenProgram&) = delete;
    DrivenProgram& operator=(const DrivenProgram&) = delete;
    ~DrivenProgram();
};

// Starts program with arguments in folder; false when it did not start.
bool start_program(DrivenProgram* program, const std::wstring& path, const std::wstring& arguments,
                   const std::wstring& folder);
// Waits up to limit_ms for the program's end: its exit code, or -1 when it is still running
// (then it is ended). Either way the program's handles are closed.
int finish_program(DrivenProgram* program, DWORD limit_ms);
// True once the program has ended.
bool program_ended(const DrivenProgram& program);

// A top-level window of the process with the class (nullptr: any class), shown or not, or nullptr.
HWND find_process_window(DWORD process_id, const wchar_t* window_class);
// The same, polled until it appears, the program ends or limit_ms pass; once found, it is
// returned when its thread has come to read messages (the window is built).
HWND wait_for_window(const DrivenProgram& program, const wchar_t* window_class, DWORD limit_ms = WAIT_LIMIT_MS);
// The first control at any depth below window with the id, or nullptr.
HWND find_control(HWND window, int id);
// Returns once the window's thread has handled everything sent to it before; false when it
// does not answer within limit_ms (it is busy or shows a modal box).
bool wait_until_idle(HWND window, DWORD limit_ms = WAIT_LIMIT_MS);

// Actions on control id below window; false when there is no such control. An action does not
// wait for the program to finish reacting (it may show a box): the next read does.
bool click_button(HWND window, int id);                         // BM_CLICK: BN_CLICKED to its parent
bool select_combo_item(HWND window, int id, int index);         // CB_SETCURSEL, then CBN_SELCHANGE
bool set_trackbar_position(HWND window, int id, int position);  // TBM_SETPOS, then WM_HSCROLL
bool select_tab(HWND window, int id, int index);                // a mouse click on the tab's item
bool mouse_click(HWND window, int id);                          // left button down and up at its middle
// WM_KEYDOWN and WM_KEYUP; with shift, the Shift key is held down on the keyboard meanwhile
// (GetAsyncKeyState sees it) and the key messages are handled before the call returns.
bool press_key(HWND window, int id, UINT virtual_key, bool shift = false);
bool type_text(HWND window, int id, const wchar_t* text);  // WM_CHAR for each character
// Sends message to window without waiting for its answer, then posts a WM_NULL that wakes the
// window's message loop, as real input would, so that a loop waiting for a change sees it.
bool act(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Asks a window to close, as its close box does.
bool close_window(HWND window);

// Reads of control id below window; -1 (or an empty text) when there is no such control.
int button_check(HWND window, int id);                                  // BM_GETCHECK
int combo_selection(HWND window, int id);                               // CB_GETCURSEL
int combo_count(HWND window, int id);                                   // CB_GETCOUNT
std::wstring combo_item_text(HWND window, int id, int index);           // CB_GETLBTEXT
int trackbar_position(HWND window, int id);                             // TBM_GETPOS
int tab_selection(HWND window, int id);                                 // TCM_GETCURSEL
int list_item_count(HWND window, int id);                               // LVM_GETITEMCOUNT
std::wstring list_item_text(HWND window, int id, int row, int column);  // LVM_GETITEMTEXTW
int control_enabled(HWND window, int id);                               // IsWindowEnabled: 1 or 0
int control_visible(HWND window, int id);                               // IsWindowVisible: 1 or 0
std::wstring control_text(HWND window, int id);
// The text (caption) of any window, read through WM_GETTEXT.
std::wstring window_text(HWND window);
// The window that has the keyboard focus in window's thread (GetGUIThreadInfo), and its id
// (-1 when no window has the focus).
HWND focused_window(HWND window);
int focused_control_id(HWND window);

// Text as UTF-8, for comparisons with the expected texts of a test.
std::string utf8(const std::wstring& text);

}  // namespace driver
