// The tovisetup windows: the settings window's client area and place, the wait window sized
// to its text with a corner that does not depend on the text, and the close message.
#include <gtest/gtest.h>
#include "files.h"
#include "main_window.h"
#include "string_table.h"
#include "system_metrics.h"

namespace {

class SetupWindow : public ::testing::Test {
protected:
    void SetUp() override {
        program_instance = GetModuleHandleW(nullptr);
        read_system_metrics();
    }
    void TearDown() override {
        if (main_window) DestroyWindow(main_window);
        main_window = nullptr;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        UnregisterClassW(L"tovisetup", program_instance);
        UnregisterClassW(L"STATIC_SP", program_instance);
        UnregisterClassW(L"STATIC_GR", program_instance);
        set_string_offset(1);
    }
};

TEST_F(SetupWindow, SettingsWindowHasA500By400ClientCentredOnTheScreen) {
    set_string_offset(1);
    ASSERT_EQ(1, create_main_window(program_instance));
    ASSERT_NE(nullptr, main_window);
    EXPECT_EQ(main_window, FindWindowW(L"tovisetup", nullptr));
    wchar_t title[TEXT_CAPACITY];
    GetWindowTextW(main_window, title, TEXT_CAPACITY);
    EXPECT_STREQ(L"Tovimark Tower3 Configure Ver1.16", title);
    EXPECT_STREQ(L"Tovimark Tower3 WARNING", warning_title);
    DWORD style = (DWORD)GetWindowLongW(main_window, GWL_STYLE);
    EXPECT_EQ(0x90C80000u, style & 0x90C80000u);  // pop-up, visible, caption, system menu
    EXPECT_EQ(0u, style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    RECT client;
    GetClientRect(main_window, &client);
    EXPECT_EQ(500, client.right);
    EXPECT_EQ(400, client.bottom);
    RECT outer;
    GetWindowRect(main_window, &outer);
    const SystemMetrics& m = system_metrics;
    EXPECT_EQ((m.screen_width - 2 * m.dialog_frame_width - 500) / 2, outer.left);
    EXPECT_EQ((m.screen_height - 2 * m.dialog_frame_height - m.caption_height - 400) / 2, outer.top);

    running = 1;
    SendMessageW(main_window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, running);
    EXPECT_TRUE(IsWindow(main_window));  // closing only ends the loop
}

// The icon's size as Windows holds it.
SIZE icon_size(HICON icon) {
    SIZE size = {0, 0};
    ICONINFO info;
    if (!icon || !GetIconInfo(icon, &info)) return size;
    BITMAP mask;
    if (GetObjectW(info.hbmMask, sizeof mask, &mask)) {
        size.cx = mask.bmWidth;
        size.cy = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    }
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return size;
}

TEST_F(SetupWindow, SetupClassTakesTheIconsOfTheProgramFolder) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    copy_text(program_folder, TEXT_CAPACITY, current);
    append_text(program_folder, TEXT_CAPACITY, L"\\..\\game\\");
    ASSERT_EQ(1, show_wait_window(program_instance));
    program_folder[0] = 0;
    WNDCLASSEXW setup_class = {};
    setup_class.cbSize = sizeof setup_class;
    ASSERT_TRUE(GetClassInfoExW(program_instance, L"tovisetup", &setup_class));
    EXPECT_EQ(0u, setup_class.style);
    EXPECT_TRUE(setup_class.lpfnWndProc == main_window_proc);
    EXPECT_EQ(0, setup_class.cbClsExtra);
    EXPECT_EQ(0, setup_class.cbWndExtra);
    EXPECT_EQ((HBRUSH)(COLOR_BTNFACE + 1), setup_class.hbrBackground);
    EXPECT_TRUE(setup_class.hCursor != nullptr);
    EXPECT_TRUE(setup_class.lpszMenuName == nullptr);
    SIZE large = icon_size(setup_class.hIcon);
    SIZE small = icon_size(setup_class.hIconSm);
    EXPECT_EQ(32, large.cx);
    EXPECT_EQ(32, large.cy);
    EXPECT_EQ(16, small.cx);
    EXPECT_EQ(16, small.cy);
}

TEST_F(SetupWindow, WaitWindowFitsItsTextAndKeepsItsCorner) {
    RECT corners[2];
    for (int language = 1; language <= 2; ++language) {
        set_string_offset((uint32_t)language);
        ASSERT_EQ(1, show_wait_window(program_instance));
        ASSERT_NE(nullptr, main_window);
        EXPECT_EQ(1, running);  // the queue was drained with the pump's own step

        wchar_t text[TEXT_CAPACITY];
        load_text(102, text, TEXT_CAPACITY);
        HWND label = FindWindowExW(main_window, nullptr, L"STATIC", nullptr);
        ASSERT_NE(nullptr, label);
        wchar_t shown[TEXT_CAPACITY];
        GetWindowTextW(label, shown, TEXT_CAPACITY);
        EXPECT_STREQ(text, shown);

        SIZE size;
        HDC screen = GetDC(nullptr);
        GetTextExtentPoint32W(screen, text, lstrlenW(text), &size);
        ReleaseDC(nullptr, screen);
        RECT client;
        GetClientRect(main_window, &client);
        EXPECT_EQ(size.cx + 20, client.right);
        EXPECT_EQ(size.cy + 20, client.bottom);
        GetWindowRect(main_window, &corners[language - 1]);

        DestroyWindow(main_window);
        main_window = nullptr;
        UnregisterClassW(L"tovisetup", program_instance);
    }
    EXPECT_EQ(corners[0].left, corners[1].left);
    EXPECT_EQ(corners[0].top, corners[1].top);
    const SystemMetrics& m = system_metrics;
    EXPECT_EQ((m.screen_width - 2 * m.dialog_frame_width - 250) / 2, corners[0].left);
}

TEST_F(SetupWindow, PumpTellsAnEmptyQueueFromAHandledMessage) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    running = 0;
    EXPECT_EQ(1, pump_one_message());
    EXPECT_EQ(1, running);
    PostQuitMessage(0);
    EXPECT_EQ(0, pump_one_message());
    EXPECT_EQ(0, running);
}

}  // namespace
