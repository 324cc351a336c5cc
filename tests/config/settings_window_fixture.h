// A settings window built in process from a chosen set of settings, engine and sound library,
// and driven through the messages a person's clicks, choices and key presses produce.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "display_modes.h"
#include "settings_store.h"

struct WindowSetup {
    int engine = 0;                                         // the 3D engine is available (a fake engine of the test)
    int superlow = 0;                                       // the engine's answer to the product-level question
    int sound = 0;                                          // the sound library is loaded (a fake of the test)
    uint32_t sound_kind = 1;                                // capability word: 1 hardware 3D sound, 2 software only
    uint32_t language = 1;                                  // 1 English, 2 Japanese interface
    uint32_t levels[2][4] = {{2, 4, 8, 16}, {2, 4, 0, 0}};  // anisotropy, anti-alias lists
    uint32_t current_level[2] = {8, 4};                     // the engine's current factors
};

// Calls the fake sound library received, as "name(a,b)".
extern std::vector<std::string> sound_calls;

class SettingsWindow : public ::testing::Test {
protected:
    WindowSetup setup;
    GameSettings settings = {};  // what the window starts from
    int32_t mipmap = 0;
    std::vector<DisplayMode> modes;  // the resolution list (aspect classes filled in)

    SettingsWindow();
    void TearDown() override { close(); }
    // Builds the window from setup, settings, mipmap and modes.
    void open();
    // Destroys the window and puts the program's state back (a table of cases opens again).
    void close();

    HWND control(int id);  // a control of any page, or a bottom button
    int checked(int id);
    int enabled(int id);
    int visible(int id);  // the control's own visible flag
    int selection(int id);
    std::wstring item_text(int id, int index);
    int item_count(int id);
    int page_shown();  // the one visible page, -1 when not exactly one
    int focused_id();

    // What a person does: pick a tab, click a button, choose a combo item, press a key.
    void select_tab(int page);
    void click(int id);
    void choose(int id, int index);
    void key_down(HWND window, UINT key);
};

// Runs the queued messages of this thread.
void pump_messages();
