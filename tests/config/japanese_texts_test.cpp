// Every label and button text of the Japanese settings window fits its control in the control's
// own font, so that no text is wrapped out of sight or cut at its end.
#include <windows.h>
#include <string>
#include <vector>
#include "files.h"
#include "main_window.h"
#include "program_state.h"
#include "startup_lists.h"
#include "settings_window_fixture.h"
#include "string_ids.h"
#include "string_table.h"

namespace {

// The width that the platform leaves a control's text: a label's whole client area; a check
// box or radio button's area right of its 13-pixel mark and a gap of half a digit; a push
// button's area inside its 2-pixel frame; a group box's caption area between its 7-pixel margins.
int text_room(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    int width = client.right - client.left;
    wchar_t window_class[32];
    GetClassNameW(window, window_class, 32);
    if (lstrcmpiW(window_class, L"Button")) return width;
    switch (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return width - 4;
        case BS_GROUPBOX:
            return width - 14;
        default: {
            INT digit = 0;
            GetCharWidth32W(dc, L'0', L'0', &digit);
            return width - 13 - digit / 2;
        }
    }
}

struct Measured {
    std::wstring text;
    int extent, room;
};

BOOL CALLBACK measure_child(HWND window, LPARAM context) {
    wchar_t window_class[32];
    GetClassNameW(window, window_class, 32);
    bool label = !lstrcmpiW(window_class, L"Static") && (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
    if (!label && lstrcmpiW(window_class, L"Button")) return TRUE;
    wchar_t text[TEXT_CAPACITY];
    int length = GetWindowTextW(window, text, TEXT_CAPACITY);
    if (!length) return TRUE;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(window, WM_GETFONT, 0, 0));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, length, &size);
    int room = text_room(window, dc);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    ((std::vector<Measured>*)context)->push_back({text, (int)size.cx, room});
    return TRUE;
}

std::string narrow(const std::wstring& text) {
    char out[512];
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return out;
}

// The settings window with the program's own dialog font, given back at the end.
class JapaneseTexts : public SettingsWindow {
protected:
    void TearDown() override {
        SettingsWindow::TearDown();
        if (dialog_font) DeleteObject(dialog_font);
        dialog_font = nullptr;
    }
};

TEST_F(JapaneseTexts, EveryLabelAndButtonTextFitsItsControl) {
    setup.language = 2;
    setup.engine = 1;
    setup.sound = 1;
    game_settings.language = 2;
    create_dialog_font();  // the program's own font, as its start-up makes it
    ASSERT_NE(nullptr, dialog_font);
    open();
    std::vector<Measured> measured;
    EnumChildWindows(main_window, measure_child, (LPARAM)&measured);

    wchar_t anisotropy_label[TEXT_CAPACITY];
    load_text(STR_ANISOTROPY, anisotropy_label, TEXT_CAPACITY);
    bool anisotropy_measured = false;
    for (const Measured& m : measured) {
        EXPECT_LE(m.extent, m.room) << narrow(m.text) << ": " << m.extent << " pixels in " << m.room;
        anisotropy_measured |= m.text == anisotropy_label;
    }
    EXPECT_TRUE(anisotropy_measured);
    EXPECT_GE(measured.size(), 40u);  // every page's labels, boxes and buttons, not a few of them
}

}  // namespace
