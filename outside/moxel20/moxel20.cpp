// Stand-in custom-control library: push buttons that show one cell of a picture strip.
#define MOXEL_BUILD
#include "moxel20.h"

namespace {

HINSTANCE library_instance;
HBITMAP picture_strip;  // the image loaded by MOXEL_Start
int library_mode;
bool class_registered;
const wchar_t BUTTON_CLASS[] = L"MOXEL_PushButton";

const UINT_PTR WATCH_TIMER = 1;
const UINT WATCH_MS = 50;
// Window extra bytes: the image rectangle drawn last, to see when the record changes.
const int LAST_DRAWN = 0;
const int EXTRA_BYTES = sizeof(RECT);

MoxelButton* record_of(HWND window) { return (MoxelButton*)GetWindowLongPtrW(window, GWLP_USERDATA); }

RECT last_drawn(HWND window) {
    RECT cell;
    for (int i = 0; i < 4; ++i) ((LONG*)&cell)[i] = GetWindowLongW(window, LAST_DRAWN + 4 * i);
    return cell;
}

void keep_drawn(HWND window, const RECT& cell) {
    for (int i = 0; i < 4; ++i) SetWindowLongW(window, LAST_DRAWN + 4 * i, ((const LONG*)&cell)[i]);
}

// The cell of the picture strip that the record's image rectangle names, or a plain face.
void draw_button(HWND window, HDC dc) {
    MoxelButton* button = record_of(window);
    RECT client;
    GetClientRect(window, &client);
    if (picture_strip && button) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture_strip);
        BitBlt(dc, 0, 0, button->image.right - button->image.left, button->image.bottom - button->image.top, memory,
               button->image.left, button->image.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        keep_drawn(window, button->image);
    } else {
        FillRect(dc, &client, (HBRUSH)(COLOR_BTNFACE + 1));
        DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
    }
}

// The caller owns the record and may change its image rectangle at any time: a watch timer
// repaints the button when the rectangle differs from the one drawn last.
LRESULT CALLBACK push_button_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            draw_button(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            draw_button(window, (HDC)wparam);
            return 0;
        case WM_TIMER: {
            MoxelButton* button = record_of(window);
            RECT drawn = last_drawn(window);
            if (wparam == WATCH_TIMER && button && !EqualRect(&drawn, &button->image))
                InvalidateRect(window, nullptr, FALSE);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetCapture(window);
            return 0;
        case WM_LBUTTONUP: {
            bool captured = GetCapture() == window;
            if (captured) ReleaseCapture();
            RECT client;
            GetClientRect(window, &client);
            POINT at = {(short)LOWORD(lparam), (short)HIWORD(lparam)};
            if (!PtInRect(&client, at)) return 0;
            SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED), (LPARAM)window);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        }
        case WM_DESTROY:
            KillTimer(window, WATCH_TIMER);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

MOXEL_API int WINAPI MOXEL_SetMode(int mode) {
    library_mode = mode;
    return 1;
}

MOXEL_API int WINAPI MOXEL_Start(HINSTANCE instance, const wchar_t* image_path) {
    library_instance = instance;
    if (!class_registered) {
        WNDCLASSW window_class = {};
        window_class.lpfnWndProc = push_button_proc;
        window_class.cbWndExtra = EXTRA_BYTES;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_HAND);
        window_class.lpszClassName = BUTTON_CLASS;
        class_registered = RegisterClassW(&window_class) != 0;
    }
    if (picture_strip) DeleteObject(picture_strip);
    picture_strip =
        image_path ? (HBITMAP)LoadImageW(nullptr, image_path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE) : nullptr;
    return picture_strip != nullptr;
}

MOXEL_API HWND WINAPI MOXEL_CreatePushButton(HWND parent, MoxelButton* button, int, int id) {
    if (!class_registered || !button) return nullptr;
    HWND window = CreateWindowExW(0, BUTTON_CLASS, L"", WS_CHILD | WS_VISIBLE, button->x, button->y, button->width,
                                  button->height, parent, (HMENU)(INT_PTR)id, GetModuleHandleW(nullptr), nullptr);
    if (window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, (LONG_PTR)button);
        SetTimer(window, WATCH_TIMER, WATCH_MS, nullptr);
    }
    button->handle = window;
    return window;
}

MOXEL_API int WINAPI MOXEL_End() {
    if (picture_strip) DeleteObject(picture_strip);
    picture_strip = nullptr;
    if (class_registered) UnregisterClassW(BUTTON_CLASS, GetModuleHandleW(nullptr));
    class_registered = false;
    return 1;
}
