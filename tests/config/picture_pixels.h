// Pixels of pictures and windows, read back through GDI for comparison.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <vector>

// width x height pixels (0x00RRGGBB) of the bitmap from (x, y).
std::vector<uint32_t> bitmap_pixels(HBITMAP bitmap, int x, int y, int width, int height);
// What a routine draws into a width x height device context.
std::vector<uint32_t> drawn_pixels(void (*draw)(HDC dc, void* context), void* context, int width, int height);
// What the window shows on the screen now, from its top-left corner.
std::vector<uint32_t> window_pixels(HWND window, int width, int height);
