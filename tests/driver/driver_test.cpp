// The driver on a window of another process: each action reaches the program as its own
// notification, and each read shows the control's state.
#include <gtest/gtest.h>
#include "box_driver.h"
#include "window_driver.h"

namespace {

enum {
    PUSH = 10,
    CHECK = 11,
    COMBO = 12,
    SLIDER = 13,
    TABS = 14,
    DISABLED = 15,
    HIDDEN = 16,
    EDIT = 17,
    ASK = 18,
    LIST = 19
};

std::wstring built_program(const wchar_t* name) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    return std::wstring(current) + L"\\" + name;
}

// windrive with the arguments: its exit code.
int run_windrive(const std::wstring& arguments) {
    driver::DrivenProgram windrive;
    if (!driver::start_program(&windrive, built_program(L"windrive.exe"), arguments, L"")) return -1;
    return driver::finish_program(&windrive, driver::WAIT_LIMIT_MS);
}

class Driver : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver::start_program(&target_, built_program(L"driver_target.exe"), L"", L""));
        window_ = driver::wait_for_window(target_, L"driver_target");
        ASSERT_NE(nullptr, window_);
    }
    // The target's title once it has handled everything sent before: its last reaction.
    std::string reaction() {
        driver::wait_until_idle(window_);
        return driver::utf8(driver::window_text(window_));
    }
    driver::DrivenProgram target_;
    HWND window_ = nullptr;
};

TEST_F(Driver, ActionsArriveAsTheProgramsOwnNotifications) {
    driver::wait_until_idle(window_);
    EXPECT_EQ(PUSH, driver::focused_control_id(window_));
    ASSERT_TRUE(driver::click_button(window_, PUSH));
    EXPECT_EQ("clicked 10", reaction());
    ASSERT_TRUE(driver::mouse_click(window_, CHECK));
    EXPECT_EQ("clicked 11", reaction());
    EXPECT_EQ(1, driver::button_check(window_, CHECK));

    ASSERT_TRUE(driver::click_button(window_, CHECK));
    EXPECT_EQ("clicked 11", reaction());
    EXPECT_EQ(0, driver::button_check(window_, CHECK));
    EXPECT_EQ(CHECK, driver::focused_control_id(window_));  // a click takes the focus

    EXPECT_EQ(3, driver::combo_count(window_, COMBO));
    EXPECT_EQ(L"three", driver::combo_item_text(window_, COMBO, 2));
    EXPECT_EQ(-1, driver::combo_selection(window_, COMBO));
    ASSERT_TRUE(driver::select_combo_item(window_, COMBO, 2));
    EXPECT_EQ("selected 2", reaction());
    EXPECT_EQ(2, driver::combo_selection(window_, COMBO));
    EXPECT_FALSE(driver::select_combo_item(window_, COMBO, 5));  // no such item

    ASSERT_TRUE(driver::set_trackbar_position(window_, SLIDER, 40));
    EXPECT_EQ("scrolled 40", reaction());
    EXPECT_EQ(40, driver::trackbar_position(window_, SLIDER));

    EXPECT_EQ(0, driver::tab_selection(window_, TABS));
    ASSERT_TRUE(driver::select_tab(window_, TABS, 2));
    EXPECT_EQ("tab 2", reaction());
    EXPECT_EQ(2, driver::tab_selection(window_, TABS));

    ASSERT_TRUE(driver::type_text(window_, EDIT, L"abc"));
    EXPECT_EQ("typed 3", reaction());
    EXPECT_EQ(L"abc", driver::control_text(window_, EDIT));
    ASSERT_TRUE(driver::press_key(window_, EDIT, VK_TAB));
    EXPECT_EQ("key 9 shift 0", reaction());
    ASSERT_TRUE(driver::press_key(window_, EDIT, VK_TAB, true));
    EXPECT_EQ("key 9 shift 1", reaction());
    ASSERT_TRUE(driver::press_key(window_, EDIT, VK_TAB));
    EXPECT_EQ("key 9 shift 0", reaction());  // Shift is let go again
}

TEST_F(Driver, ReadsShowEnabledVisibleAndMissingControls) {
    EXPECT_EQ(1, driver::control_enabled(window_, PUSH));
    EXPECT_EQ(0, driver::control_enabled(window_, DISABLED));
    EXPECT_EQ(1, driver::control_visible(window_, PUSH));
    EXPECT_EQ(0, driver::control_visible(window_, HIDDEN));
    EXPECT_EQ(L"Hidden", driver::control_text(window_, HIDDEN));
    EXPECT_EQ(2, driver::list_item_count(window_, LIST));
    EXPECT_EQ(L"Memory", driver::list_item_text(window_, LIST, 1, 0));
    EXPECT_EQ(L"64 MB", driver::list_item_text(window_, LIST, 1, 1));
    EXPECT_EQ(-1, driver::button_check(window_, 99));
    EXPECT_EQ(-1, driver::control_enabled(window_, 99));
    EXPECT_FALSE(driver::click_button(window_, 99));
}

TEST_F(Driver, MessageBoxIsReadAndAnsweredWithTheScriptedButton) {
    ASSERT_TRUE(driver::click_button(window_, ASK));
    HWND box = driver::wait_for_message_box(target_);
    ASSERT_NE(nullptr, box);
    driver::SeenBox seen;
    ASSERT_TRUE(driver::read_message_box(box, &seen));
    const driver::SeenBox asked = {"Target", "Try again?\nThe file is busy.", "RC"};
    EXPECT_EQ(asked, seen);
    EXPECT_FALSE(driver::press_box_button(box, 'O'));  // a Retry/Cancel box has no OK
    ASSERT_TRUE(driver::press_box_button(box, 'R'));
    // Retry: the program asks again.
    driver::SeenBox again;
    ASSERT_TRUE(driver::answer_next_box(target_, 'C', &again));
    EXPECT_EQ(asked, again);
    EXPECT_EQ("asked 2", reaction());
}

TEST_F(Driver, CommandLineFrontEndDrivesTheWindowOfAClass) {
    EXPECT_EQ(0, run_windrive(L"tab driver_target 14 1"));
    EXPECT_EQ("tab 1", reaction());
    EXPECT_EQ(0, run_windrive(L"select driver_target 12 1"));
    EXPECT_EQ(1, driver::combo_selection(window_, COMBO));
    EXPECT_EQ(0, run_windrive(L"click driver_target 10"));
    EXPECT_EQ("clicked 10", reaction());
    EXPECT_EQ(0, run_windrive(L"read driver_target 11"));
    EXPECT_EQ(1, run_windrive(L"click driver_target 99"));
    EXPECT_EQ(2, run_windrive(L"click driver_target"));
}

TEST_F(Driver, BoxesBeyondTheScriptGetCancelWhileWaitingForTheEnd) {
    driver::close_window(window_);
    std::vector<driver::SeenBox> boxes;
    EXPECT_EQ(7, driver::finish_answering_boxes(&target_, "R", driver::WAIT_LIMIT_MS, &boxes));
    const driver::SeenBox asked = {"Target", "Try again?\nThe file is busy.", "RC"};
    EXPECT_EQ((std::vector<driver::SeenBox>{asked, asked}), boxes);
}

}  // namespace
