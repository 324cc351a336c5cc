// The window class tovisetup, the settings window, the install-mode wait window and the
// message pump.
#include "main_window.h"
#include <commctrl.h>
#include "files.h"
#include "libraries.h"
#include "moxel20.h"
#include "string_table.h"
#include "system_metrics.h"

HWND main_window;
wchar_t title_text[TEXT_CAPACITY];
wchar_t warning_title[TEXT_CAPACITY];

namespace {

constexpr DWORD SETUP_WINDOW_STYLE = 0x90C80000;   // pop-up, visible, caption, system menu
constexpr int CLIENT_WIDTH = 500;
constexpr int CLIENT_HEIGHT = 400;

HICON load_program_icon(int size) {
  wchar_t path[TEXT_CAPACITY];
  if (!join_path(path, TEXT_CAPACITY, program_folder, L"tovi.ico")) return nullptr;
  return (HICON)LoadImageW(nullptr, path, IMAGE_ICON, size, size, LR_LOADFROMFILE);
}

// Registers tovisetup, the class by which a second start finds the running program.
int register_setup_class(HINSTANCE instance) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.style = 0;
  window_class.lpfnWndProc = main_window_proc;
  window_class.hInstance = instance;
  window_class.hIcon = load_program_icon(32);
  window_class.hIconSm = load_program_icon(16);
  window_class.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
  window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"tovisetup";
  return RegisterClassExW(&window_class) != 0;
}

// Centre of the primary screen for a window of the given client size, halved as unsigned numbers.
int centred(int screen, int frame, int extra, int client) {
  return (int)((unsigned)(screen - 2 * frame - extra - client) / 2u);
}

}  // namespace

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_CLOSE:
      running = 0;   // the loop in WinMain ends; the window is left to the end of the process
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

int create_main_window(HINSTANCE instance) {
  if (!register_setup_class(instance)) return 0;
  load_text(100, title_text, TEXT_CAPACITY);
  load_text(101, warning_title, TEXT_CAPACITY);

  const SystemMetrics &m = system_metrics;
  int width = CLIENT_WIDTH + 2 * m.dialog_frame_width;
  int height = CLIENT_HEIGHT + 2 * m.dialog_frame_height + m.caption_height;
  int x = centred(m.screen_width, m.dialog_frame_width, 0, CLIENT_WIDTH);
  int y = centred(m.screen_height, m.dialog_frame_height, m.caption_height, CLIENT_HEIGHT);
  main_window = CreateWindowExW(0, L"tovisetup", title_text, SETUP_WINDOW_STYLE, x, y, width,
                                height, nullptr, nullptr, instance, nullptr);

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  wchar_t panel[TEXT_CAPACITY];
  MOXEL_SetMode(1);
  MOXEL_Start(instance, join_path(panel, TEXT_CAPACITY, program_folder, L"common\\play_panel.bmp")
                            ? panel
                            : nullptr);
  start_engine(main_window);
  return 1;
}

int show_wait_window(HINSTANCE instance) {
  if (!register_setup_class(instance)) return 0;
  load_text(100, title_text, TEXT_CAPACITY);
  load_text(101, warning_title, TEXT_CAPACITY);
  load_text(102, message_buffer, TEXT_CAPACITY);

  SIZE text_size = {0, 0};
  HDC screen = GetDC(nullptr);
  GetTextExtentPoint32W(screen, message_buffer, lstrlenW(message_buffer), &text_size);
  ReleaseDC(nullptr, screen);

  // The corner is that of a 250 x 200 client area, whatever the text's size.
  const SystemMetrics &m = system_metrics;
  int width = text_size.cx + 2 * m.dialog_frame_width + 20;
  int height = text_size.cy + 2 * m.dialog_frame_height + m.caption_height + 20;
  int x = centred(m.screen_width, m.dialog_frame_width, 0, 250);
  int y = centred(m.screen_height, m.dialog_frame_height, m.caption_height, 200);
  main_window = CreateWindowExW(0, L"tovisetup", title_text, SETUP_WINDOW_STYLE, x, y, width,
                                height, nullptr, nullptr, instance, nullptr);
  HWND text = CreateWindowExW(0, L"STATIC", message_buffer, 0x50000001, 10, 10, text_size.cx,
                              text_size.cy, main_window, nullptr, instance, nullptr);
  if (text && dialog_font) SendMessageW(text, WM_SETFONT, (WPARAM)dialog_font, 0);

  while (!pump_one_message()) {
  }
  return 1;
}

int pump_one_message() {
  running = 1;
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return 1;
  if (message.message == WM_QUIT) running = 0;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return 0;
}
