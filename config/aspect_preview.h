// The aspect-correction picture of the Display page: one 100 x 100 cell of bitmap 109 chosen
// by the aspect class of the selected resolution.
#pragma once
#include <windows.h>

extern HWND aspect_preview;         // the STATIC_GR window on the Display page
extern WNDPROC static_window_proc;  // the system STATIC procedure the derived classes chain to

LRESULT CALLBACK aspect_preview_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
void draw_aspect_preview(HDC dc);
void create_aspect_preview(HWND page);
// Marks the picture for redrawing, without erasing, after the selected resolution changed.
void repaint_aspect_preview();
