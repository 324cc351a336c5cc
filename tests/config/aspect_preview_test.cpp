// The aspect-correction preview: the cell of bitmap 109 for the chosen resolution's shape,
// drawn again when the resolution changes or the settings are reset.
#include <windows.h>
#include "aspect_preview.h"
#include "control_ids.h"
#include "libraries.h"
#include "page_builders.h"
#include "picture_pixels.h"
#include "settings_window_fixture.h"

namespace {

class AspectPreview : public SettingsWindow {
protected:
    std::vector<uint32_t> cell(int n) { return bitmap_pixels(aspect_bitmap, 100 * n - 100, 0, 100, 100); }
    std::vector<uint32_t> preview_drawing() {
        return drawn_pixels([](HDC dc, void*) { draw_aspect_preview(dc); }, nullptr, 100, 100);
    }
    // The choice of a resolution, and whether the preview was marked for drawing by it.
    bool choose_and_see_invalidated(int index) {
        pump_messages();
        ValidateRect(aspect_preview, nullptr);
        HWND combo = control(ID_RESOLUTION);
        SendMessageW(combo, CB_SETCURSEL, index, 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(ID_RESOLUTION, CBN_SELCHANGE), (LPARAM)combo);
        return GetUpdateRect(aspect_preview, nullptr, FALSE) != 0;
    }
};

TEST_F(AspectPreview, EachResolutionShowsTheCellOfItsShape) {
    modes = {{1024, 768, 60, 0}, {1280, 1024, 60, 0}, {1920, 1080, 60, 0}, {1920, 1200, 60, 0}};
    open();
    ASSERT_NE(nullptr, aspect_bitmap);
    ASSERT_NE(cell(1), cell(3));
    wchar_t preview_class[32];
    GetClassNameW(aspect_preview, preview_class, 32);
    EXPECT_STREQ(L"STATIC_GR", preview_class);
    select_tab(1);
    const struct { int index, cell; } cases[] = {{1, 3}, {2, 5}, {3, 4}, {0, 1}};
    for (const auto& c : cases) {
        EXPECT_TRUE(choose_and_see_invalidated(c.index)) << c.index;
        EXPECT_EQ(cell(c.cell), preview_drawing()) << "entry " << c.index;
        pump_messages();  // painted on the screen
        EXPECT_EQ(cell(c.cell), window_pixels(aspect_preview, 100, 100)) << "entry " << c.index << " on the screen";
    }
}

TEST_F(AspectPreview, ResetRedrawsThePreviewAtOnce) {
    open();
    select_tab(1);
    choose(ID_RESOLUTION, 3);  // 1920 x 1080
    EXPECT_EQ(cell(5), window_pixels(aspect_preview, 100, 100));
    ValidateRect(aspect_preview, nullptr);
    SendMessageW(control(ID_RESET), BM_CLICK, 0, 0);
    EXPECT_TRUE(GetUpdateRect(aspect_preview, nullptr, FALSE));
    pump_messages();
    EXPECT_EQ(cell(1), window_pixels(aspect_preview, 100, 100));
}

TEST_F(AspectPreview, AShapeWithoutACellShowsAnEmptyArea) {
    modes = {{1152, 870, 60, 0}};
    settings.screen_width = 1152;
    settings.screen_height = 870;
    open();
    std::vector<uint32_t> drawn = preview_drawing();
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    uint32_t expected = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    EXPECT_EQ(std::vector<uint32_t>(100 * 100, expected), drawn);
}

}  // namespace
