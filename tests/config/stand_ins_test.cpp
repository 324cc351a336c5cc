// The stand-ins that the configuration program links: tarvelo.dll on INI files and the push
// buttons of moxel20.dll.
#include <gtest/gtest.h>
#include <string>
#include "config_test_support.h"
#include "moxel20.h"
#include "tarvelo.h"

namespace {

TEST(Tarvelo, StoredIntegerOrTheFallback) {
    std::wstring folder = config_test::make_scratch_folder(L"tarvelo");
    std::wstring ini = folder + L"test.ini";
    config_test::write_text(ini, "[S]\r\nplain=42\r\nnegative=-7\r\ntext=abc\r\nempty=\r\nmixed=12x\r\n");
    const struct {
        const wchar_t* key;
        int value;
    } cases[] = {{L"plain", 42}, {L"negative", -7}, {L"text", -1}, {L"empty", -1}, {L"mixed", -1}, {L"absent", -1}};
    for (const auto& c : cases) EXPECT_EQ(c.value, TARVELO_GetInt(L"S", c.key, -1, ini.c_str())) << c.key;
    EXPECT_EQ(-1, TARVELO_GetInt(L"S", L"plain", -1, (folder + L"none.ini").c_str()));

    EXPECT_NE(0, TARVELO_WriteInt(L"VIDEO", L"mipmap", 1, ini.c_str(), 0x10000000));
    EXPECT_EQ(1, TARVELO_GetInt(L"VIDEO", L"mipmap", 0, ini.c_str()));
    EXPECT_EQ(42, TARVELO_GetInt(L"S", L"plain", -1, ini.c_str()));
    std::vector<uint8_t> bytes = config_test::read_bytes(ini);
    EXPECT_NE(std::string::npos, std::string(bytes.begin(), bytes.end()).find("mipmap=1"));
    EXPECT_EQ(0, TARVELO_WriteInt(L"VIDEO", L"mipmap", 1, (folder + L"no\\such\\x.ini").c_str(), 0));
    config_test::remove_tree(folder);
}

struct ClickLog {
    int id = 0;
    int clicks = 0;
};
ClickLog click_log;

LRESULT CALLBACK page_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND) {
        click_log.id = LOWORD(wparam);
        ++click_log.clicks;
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

TEST(Moxel, PushButtonAtTheRecordsPlaceReportsClicks) {
    WNDCLASSW page_class = {};
    page_class.lpfnWndProc = page_proc;
    page_class.hInstance = GetModuleHandleW(nullptr);
    page_class.lpszClassName = L"moxel_test_page";
    RegisterClassW(&page_class);
    HWND page = CreateWindowExW(0, L"moxel_test_page", L"", WS_POPUP, 0, 0, 500, 300, nullptr, nullptr,
                                page_class.hInstance, nullptr);
    ASSERT_NE(nullptr, page);

    MoxelButton button = {};
    button.image = {0, 0, 27, 16};
    button.x = 432;
    button.y = 90;
    button.width = 27;
    button.height = 16;
    EXPECT_EQ(1, MOXEL_SetMode(1));
    MOXEL_Start(GetModuleHandleW(nullptr), L"missing_panel.bmp");  // no picture: plain face
    HWND handle = MOXEL_CreatePushButton(page, &button, 0, 4201);
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(handle, button.handle);
    EXPECT_EQ(page, GetParent(handle));
    EXPECT_EQ(4201, GetDlgCtrlID(handle));
    RECT place;
    GetWindowRect(handle, &place);
    MapWindowPoints(nullptr, page, (POINT*)&place, 2);
    EXPECT_EQ(432, place.left);
    EXPECT_EQ(90, place.top);
    EXPECT_EQ(27, place.right - place.left);
    EXPECT_EQ(16, place.bottom - place.top);

    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, click_log.clicks);
    EXPECT_EQ(4201, click_log.id);

    DestroyWindow(page);
    EXPECT_EQ(1, MOXEL_End());
}

}  // namespace
