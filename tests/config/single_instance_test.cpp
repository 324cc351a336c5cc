// One configuration program at a time, the notices to the game's menu window and the
// command lines that select install mode.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "window_driver.h"

namespace {

const DWORD RUN_LIMIT_MS = 60000;

std::wstring here(const wchar_t* below) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    return std::wstring(current) + below;
}

// The stand-in menu program, counting notices into a file.
class MenuWindow {
public:
    explicit MenuWindow(const std::wstring& count_file) : count_file_(count_file) {
        if (driver::start_program(&program_, here(L"\\tovimenu.exe"), count_file, L""))
            window_ = driver::wait_for_window(program_, L"tovimenu");
    }
    ~MenuWindow() {
        if (window_) driver::close_window(window_);
        driver::finish_program(&program_, 10000);
    }
    bool ready() const { return window_ != nullptr; }
    // The notices counted, polled until it reaches the expected number or a time limit passes
    // (the menu program handles posted notices in its own time).
    int count(int expected) {
        int value = -1;
        for (int waited = 0; waited <= 5000; waited += 50) {
            std::vector<uint8_t> bytes = config_test::read_bytes(count_file_);
            value = bytes.empty() ? -1 : atoi(std::string(bytes.begin(), bytes.end()).c_str());
            if (value == expected) break;
            Sleep(50);
        }
        return value;
    }

private:
    std::wstring count_file_;
    driver::DrivenProgram program_;
    HWND window_ = nullptr;
};

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = config_test::make_scratch_folder(L"instance");
        std::wstring source = here(L"\\..\\game\\");
        const wchar_t* parts[] = {L"TOVICONFIG.exe", L"tarvelo.dll", L"moxel20.dll", L"DSETUP.dll", L"RUQ6X.DLL",
                                  L"kvrn.dll",       L"tovi.ico",    L"config.ini",  L"kvrn.ini"};
        for (const wchar_t* part : parts) CopyFileW((source + part).c_str(), (game_ + part).c_str(), FALSE);
    }
    void TearDown() override { config_test::remove_tree(game_); }

    // Starts the program; in normal mode closes its window once it appears. Exit code or -1.
    int run(const wchar_t* arguments, bool expect_window) {
        driver::DrivenProgram program;
        if (!driver::start_program(&program, game_ + L"TOVICONFIG.exe", arguments, game_)) return -1;
        HWND window = expect_window ? driver::wait_for_window(program, L"tovisetup", RUN_LIMIT_MS) : nullptr;
        window_seen_ = window != nullptr;
        if (window) driver::close_window(window);
        return driver::finish_answering_boxes(&program, "", RUN_LIMIT_MS, nullptr);
    }

    std::wstring game_;
    bool window_seen_ = false;
};

TEST_F(SingleInstance, CommandLineSelectsInstallMode) {
    const struct {
        const wchar_t* arguments;
        bool install;
    } cases[] = {{L"/i", true}, {L"/install", true}, {L"/I", false}, {L"-i", false}, {L"", false}};
    for (const auto& c : cases) {
        DeleteFileW((game_ + L"system.dat").c_str());
        EXPECT_EQ(0, run(c.arguments, !c.install)) << "command line [" << c.arguments << "]";
        // Install mode writes the settings without a window; normal mode shows the window and,
        // closed without Save, writes nothing.
        EXPECT_EQ(c.install, config_test::file_exists(game_ + L"system.dat")) << "[" << c.arguments << "]";
        EXPECT_EQ(!c.install, window_seen_) << "[" << c.arguments << "]";
    }
}

TEST_F(SingleInstance, MenuWindowHearsStartAndExit) {
    MenuWindow menu(game_ + L"notices.txt");
    ASSERT_TRUE(menu.ready());
    EXPECT_EQ(0, menu.count(0));
    ASSERT_EQ(0, run(L"/i", false));
    EXPECT_EQ(2, menu.count(2));
    ASSERT_EQ(0, run(L"", true));
    EXPECT_EQ(4, menu.count(4));
}

TEST_F(SingleInstance, SecondStartEndsAtOnceWithoutNotices) {
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = DefWindowProcW;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"tovisetup";
    ASSERT_NE(0, RegisterClassW(&window_class));
    HWND first = CreateWindowExW(0, L"tovisetup", L"first", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 window_class.hInstance, nullptr);
    ASSERT_NE(nullptr, first);
    {
        MenuWindow menu(game_ + L"notices.txt");
        ASSERT_TRUE(menu.ready());
        DWORD started = GetTickCount();
        EXPECT_EQ(0, run(L"/i", false));
        EXPECT_LT(GetTickCount() - started, 10000u);
        EXPECT_FALSE(config_test::file_exists(game_ + L"system.dat"));
        Sleep(500);  // time for a stray notice to arrive
        EXPECT_EQ(0, menu.count(0));
    }
    DestroyWindow(first);
    UnregisterClassW(L"tovisetup", window_class.hInstance);
}

}  // namespace
