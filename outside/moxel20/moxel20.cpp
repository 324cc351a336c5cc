// Stand-in custom-control library: push buttons that show one cell of a picture strip.
#define MOXEL_BUILD
#include "moxel20.h"

namespace {

HINSTANCE library_instance;
HBITMAP picture_strip;    // the image loaded by MOXEL_Start
int library_mode;
bool class_registered;
const wchar_t BUTTON_CLASS[] = L"MOXEL_PushButton";

// The record of a button is kept in its window's user data; the caller may change the
// image rectangle at any time, so every paint reads it again.
LRESULT CALLBACK push_button_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  MoxelButton *button = (MoxelButton *)GetWindowLongPtrW(window, GWLP_USERDATA);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      if (picture_strip && button) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture_strip);
        BitBlt(dc, 0, 0, button->image.right - button->image.left,
               button->image.bottom - button->image.top, memory, button->image.left,
               button->image.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
      } else {
        FillRect(dc, &client, (HBRUSH)(COLOR_BTNFACE + 1));
        DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_LBUTTONUP: {
      HWND parent = GetParent(window);
      int id = GetDlgCtrlID(window);
      SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)window);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

MOXEL_API int WINAPI MOXEL_SetMode(int mode) {
  library_mode = mode;
  return 1;
}

MOXEL_API int WINAPI MOXEL_Start(HINSTANCE instance, const wchar_t *image_path) {
  library_instance = instance;
  if (!class_registered) {
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = push_button_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_HAND);
    window_class.lpszClassName = BUTTON_CLASS;
    class_registered = RegisterClassW(&window_class) != 0;
  }
  if (picture_strip) DeleteObject(picture_strip);
  picture_strip = image_path ? (HBITMAP)LoadImageW(nullptr, image_path, IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE)
                             : nullptr;
  return picture_strip != nullptr;
}

MOXEL_API HWND WINAPI MOXEL_CreatePushButton(HWND parent, MoxelButton *button, int, int id) {
  if (!class_registered || !button) return nullptr;
  HWND window = CreateWindowExW(0, BUTTON_CLASS, L"", WS_CHILD | WS_VISIBLE, button->x, button->y,
                                button->width, button->height, parent, (HMENU)(INT_PTR)id,
                                GetModuleHandleW(nullptr), nullptr);
  if (window) SetWindowLongPtrW(window, GWLP_USERDATA, (LONG_PTR)button);
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
