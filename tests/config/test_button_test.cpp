// The test-sound push buttons of the custom-control library: the cell of play_panel.bmp that
// the button record names, drawn again when the record changes.
#include <windows.h>
#include <string>
#include "files.h"
#include "moxel20.h"
#include "picture_pixels.h"
#include "settings_window_fixture.h"

namespace {

LRESULT CALLBACK plain_page_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

class TestButton : public ::testing::Test {
protected:
    HWND page = nullptr;
    HBITMAP panel = nullptr;
    MoxelButton button = {};
    std::wstring panel_path;

    void SetUp() override {
        wchar_t current[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, current);
        panel_path = std::wstring(current) + L"\\..\\game\\common\\play_panel.bmp";
        panel = (HBITMAP)LoadImageW(nullptr, panel_path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        ASSERT_NE(nullptr, panel);
        WNDCLASSW page_class = {};
        page_class.lpfnWndProc = plain_page_proc;
        page_class.hInstance = GetModuleHandleW(nullptr);
        page_class.lpszClassName = L"test_button_page";
        RegisterClassW(&page_class);
        page = CreateWindowExW(0, L"test_button_page", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                               page_class.hInstance, nullptr);
        ASSERT_NE(nullptr, page);
        MOXEL_SetMode(1);
        ASSERT_EQ(1, MOXEL_Start(GetModuleHandleW(nullptr), panel_path.c_str()));
        button.image = {27, 0, 54, 16};
        button.x = 40;
        button.y = 30;
        button.width = 27;
        button.height = 16;
        ASSERT_NE(nullptr, MOXEL_CreatePushButton(page, &button, 0, 4203));
        pump_messages();
    }
    void TearDown() override {
        if (page) DestroyWindow(page);
        pump_messages();
        MOXEL_End();
        UnregisterClassW(L"test_button_page", GetModuleHandleW(nullptr));
        if (panel) DeleteObject(panel);
    }
    std::vector<uint32_t> printed() {
        return drawn_pixels([](HDC dc, void* window) { SendMessageW((HWND)window, WM_PRINTCLIENT, (WPARAM)dc, 0); },
                            button.handle, 27, 16);
    }
    // Runs the button's timer messages for up to a second; whether it was marked for drawing.
    bool invalidated_within_a_second() {
        for (int i = 0; i < 50; ++i) {
            MSG message;
            while (PeekMessageW(&message, button.handle, WM_TIMER, WM_TIMER, PM_REMOVE)) DispatchMessageW(&message);
            if (GetUpdateRect(button.handle, nullptr, FALSE)) return true;
            Sleep(20);
        }
        return false;
    }
};

TEST_F(TestButton, DrawsTheCellItsRecordNames) {
    std::vector<uint32_t> playing = bitmap_pixels(panel, 27, 0, 27, 16);
    std::vector<uint32_t> stopped = bitmap_pixels(panel, 0, 0, 27, 16);
    ASSERT_NE(playing, stopped);
    EXPECT_EQ(playing, printed());
    EXPECT_EQ(playing, window_pixels(button.handle, 27, 16));
    button.image = {0, 0, 27, 16};
    EXPECT_EQ(stopped, printed());
}

TEST_F(TestButton, RepaintsWhenTheRecordChangesAndOnlyThen) {
    pump_messages();
    ValidateRect(button.handle, nullptr);
    EXPECT_FALSE(invalidated_within_a_second());
    button.image = {0, 0, 27, 16};
    EXPECT_TRUE(invalidated_within_a_second());
    pump_messages();
    EXPECT_EQ(bitmap_pixels(panel, 0, 0, 27, 16), window_pixels(button.handle, 27, 16));
}

struct Clicks {
    int id = 0;
    int count = 0;
} clicks;

LRESULT CALLBACK counting_page_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND) {
        clicks.id = LOWORD(wparam);
        ++clicks.count;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

TEST_F(TestButton, AClickSendsItsIdToThePageAndAReleaseOutsideDoesNot) {
    SetWindowLongPtrW(page, GWLP_WNDPROC, (LONG_PTR)counting_page_proc);
    clicks = Clicks{};
    SendMessageW(button.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button.handle, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(1, clicks.count);
    EXPECT_EQ(4203, clicks.id);
    SendMessageW(button.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(button.handle, WM_LBUTTONUP, 0, MAKELPARAM(60, 4));
    EXPECT_EQ(1, clicks.count);
}

}  // namespace
