// Pixel read-back through a 32-bit DIB section.
#include "picture_pixels.h"
#include <string.h>

namespace {

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    uint32_t* bits;
};

Canvas make_canvas(int width, int height) {
    Canvas canvas = {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    canvas.dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    canvas.bits = (uint32_t*)bits;
    canvas.old = SelectObject(canvas.dc, canvas.bitmap);
    if (canvas.bits) memset(canvas.bits, 0xCC, (size_t)width * height * 4);  // poisoned
    return canvas;
}

std::vector<uint32_t> take(Canvas& canvas, int width, int height) {
    GdiFlush();
    std::vector<uint32_t> pixels;
    if (canvas.bits) pixels.assign(canvas.bits, canvas.bits + width * height);
    for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    SelectObject(canvas.dc, canvas.old);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
    return pixels;
}

}  // namespace

std::vector<uint32_t> bitmap_pixels(HBITMAP bitmap, int x, int y, int width, int height) {
    Canvas canvas = make_canvas(width, height);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(canvas.dc, 0, 0, width, height, source, x, y, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    return take(canvas, width, height);
}

std::vector<uint32_t> drawn_pixels(void (*draw)(HDC dc, void* context), void* context, int width, int height) {
    Canvas canvas = make_canvas(width, height);
    draw(canvas.dc, context);
    return take(canvas, width, height);
}

std::vector<uint32_t> window_pixels(HWND window, int width, int height) {
    Canvas canvas = make_canvas(width, height);
    HDC screen = GetDC(window);
    BitBlt(canvas.dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    return take(canvas, width, height);
}
