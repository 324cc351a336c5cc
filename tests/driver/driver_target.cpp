// The driver's practice window: one control of each kind, each reaction written to the title.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

namespace {

enum {
    PUSH = 10,
    CHECK = 11,
    COMBO = 12,
    SLIDER = 13,
    TABS = 14,
    DISABLED = 15,
    HIDDEN = 16,
    EDIT = 17,
    ASK = 18,
    LIST = 19
};

struct Control {
    int id;
    const wchar_t* window_class;
    const wchar_t* text;
    DWORD style;
    int x, y, width, height;
};

const Control CONTROLS[] = {
    {TABS, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, 0, 0, 400, 30},
    {PUSH, L"BUTTON", L"Push", BS_PUSHBUTTON | WS_TABSTOP, 10, 40, 80, 24},
    {CHECK, L"BUTTON", L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, 100, 40, 80, 24},
    {COMBO, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 190, 40, 100, 120},
    {SLIDER, TRACKBAR_CLASSW, L"", TBS_AUTOTICKS, 10, 70, 200, 30},
    {DISABLED, L"BUTTON", L"Off", BS_PUSHBUTTON | WS_DISABLED, 220, 70, 60, 24},
    {HIDDEN, L"STATIC", L"Hidden", 0, 290, 70, 60, 24},
    {EDIT, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER, 10, 110, 200, 24},
    {ASK, L"BUTTON", L"Ask", BS_PUSHBUTTON, 220, 110, 60, 24},
    {LIST, WC_LISTVIEWW, L"", LVS_REPORT, 290, 100, 120, 60},
};

void report(HWND window, const wchar_t* format, int a, int b) {
    wchar_t title[64];
    swprintf(title, 64, format, a, b);
    SetWindowTextW(window, title);
}

// Asks Retry/Cancel again while the answer is Retry, as a file error does; the number of boxes.
int ask_until_cancel(HWND window) {
    int asked = 1;
    while (MessageBoxW(window, L"Try again?\nThe file is busy.", L"Target", MB_RETRYCANCEL) == IDRETRY) ++asked;
    return asked;
}

WNDPROC edit_proc;  // the system's procedure of the edit control

// The edit control reports each key pressed in it and whether Shift was held.
LRESULT CALLBACK edit_key_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN) report(GetParent(edit), L"key %d shift %d", (int)wparam, GetAsyncKeyState(VK_SHIFT) < 0);
    return CallWindowProcW(edit_proc, edit, message, wparam, lparam);
}

void create_controls(HWND window) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const Control& c : CONTROLS) {
        DWORD visible = c.id == HIDDEN ? 0 : WS_VISIBLE;
        CreateWindowExW(0, c.window_class, c.text, WS_CHILD | visible | c.style, c.x, c.y, c.width, c.height, window,
                        (HMENU)(INT_PTR)c.id, instance, nullptr);
    }
    const wchar_t* items[] = {L"one", L"two", L"three"};
    for (const wchar_t* item : items) {
        SendDlgItemMessageW(window, COMBO, CB_ADDSTRING, 0, (LPARAM)item);
        TCITEMW tab = {};
        tab.mask = TCIF_TEXT;
        tab.pszText = (wchar_t*)item;
        SendDlgItemMessageW(window, TABS, TCM_INSERTITEMW, 3, (LPARAM)&tab);
    }
    SendDlgItemMessageW(window, SLIDER, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW heading = {};
        heading.mask = LVCF_WIDTH;
        heading.cx = 60;
        SendDlgItemMessageW(window, LIST, LVM_INSERTCOLUMNW, column, (LPARAM)&heading);
    }
    const wchar_t* rows[2][2] = {{L"Field", L"Value"}, {L"Memory", L"64 MB"}};
    for (int row = 0; row < 2; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = (wchar_t*)rows[row][0];
        SendDlgItemMessageW(window, LIST, LVM_INSERTITEMW, 0, (LPARAM)&item);
        item.iSubItem = 1;
        item.pszText = (wchar_t*)rows[row][1];
        SendDlgItemMessageW(window, LIST, LVM_SETITEMW, 0, (LPARAM)&item);
    }
    edit_proc = (WNDPROC)SetWindowLongPtrW(GetDlgItem(window, EDIT), GWLP_WNDPROC, (LONG_PTR)edit_key_proc);
}

LRESULT CALLBACK target_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            create_controls(window);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == ASK && HIWORD(wparam) == BN_CLICKED) {
                report(window, L"asked %d", ask_until_cancel(window), 0);
            } else if (HIWORD(wparam) == BN_CLICKED) {
                report(window, L"clicked %d", LOWORD(wparam), 0);
            } else if (HIWORD(wparam) == CBN_SELCHANGE) {
                report(window, L"selected %d", (int)SendMessageW((HWND)lparam, CB_GETCURSEL, 0, 0), 0);
            } else if (HIWORD(wparam) == EN_CHANGE) {
                report(window, L"typed %d", GetWindowTextLengthW((HWND)lparam), 0);
            }
            return 0;
        case WM_HSCROLL:
            report(window, L"scrolled %d", (int)SendMessageW((HWND)lparam, TBM_GETPOS, 0, 0), 0);
            return 0;
        case WM_NOTIFY:
            if (((NMHDR*)lparam)->code == TCN_SELCHANGE)
                report(window, L"tab %d", (int)SendMessageW(((NMHDR*)lparam)->hwndFrom, TCM_GETCURSEL, 0, 0), 0);
            return 0;
        case WM_CLOSE:  // closing asks first
            ask_until_cancel(window);
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = target_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, (const wchar_t*)IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"driver_target";
    RegisterClassW(&window_class);
    HWND window = CreateWindowExW(0, L"driver_target", L"ready", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 420, 200,
                                  nullptr, nullptr, instance, nullptr);
    SetFocus(GetDlgItem(window, PUSH));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 7;
}
