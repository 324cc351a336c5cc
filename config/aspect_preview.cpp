// The aspect-correction preview: cell n of the strip (n the aspect class, counted from 1).
#include "aspect_preview.h"
#include "display_modes.h"
#include "libraries.h"
#include "page_builders.h"
#include "program_state.h"

HWND aspect_preview;
WNDPROC static_window_proc;

namespace {
constexpr int CELL = 100;
}

LRESULT CALLBACK aspect_preview_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        draw_aspect_preview(dc);
        EndPaint(window, &paint);
        return 0;
    }
    return CallWindowProcW(static_window_proc, window, message, wparam, lparam);
}

void draw_aspect_preview(HDC dc) {
    int aspect_class = ASPECT_OTHER;
    if (selected_mode_index >= 0 && (uint32_t)selected_mode_index < resolution_count)
        aspect_class = resolution_list[selected_mode_index].aspect_class;
    // A shape without a picture of its own shows an empty area rather than a part of the strip.
    if (aspect_class < ASPECT_4_3 || aspect_class > ASPECT_16_9 || !aspect_bitmap) {
        RECT area = {0, 0, CELL, CELL};
        FillRect(dc, &area, (HBRUSH)(COLOR_BTNFACE + 1));
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, aspect_bitmap);
    BitBlt(dc, 0, 0, CELL, CELL, memory, CELL * aspect_class - CELL, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void create_aspect_preview(HWND page) {
    aspect_preview = CreateWindowExW(0, L"STATIC_GR", L"", 0x5000000E, 300, 130, CELL, CELL, page, nullptr,
                                     program_instance, nullptr);
}

void repaint_aspect_preview() {
    if (aspect_preview) InvalidateRect(aspect_preview, nullptr, FALSE);
}
