// Finds, reads and answers the message boxes of another process through their windows.
#include "box_driver.h"
#include <string.h>

namespace driver {

namespace {

const DWORD POLL_MS = 20;

struct ButtonName {
    char letter;
    int id;
};

// In reading order: the order of the letters in a box's buttons.
const ButtonName BUTTONS[] = {{'Y', IDYES},   {'N', IDNO},     {'O', IDOK},    {'A', IDABORT},
                              {'R', IDRETRY}, {'I', IDIGNORE}, {'C', IDCANCEL}};

struct BoxSearch {
    DWORD process_id;
    HWND found;
};

bool is_dialog(HWND window) {
    wchar_t name[16];
    return GetClassNameW(window, name, 16) && wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK match_box(HWND window, LPARAM parameter) {
    BoxSearch* search = (BoxSearch*)parameter;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process_id || !IsWindowVisible(window) || !is_dialog(window)) return TRUE;
    search->found = window;
    return FALSE;
}

struct BoxParts {
    std::wstring text;
    bool buttons[sizeof BUTTONS / sizeof BUTTONS[0]];
};

bool has_style_type(HWND window, LONG type) { return (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == type; }

// The box's text is its static control that is not the icon; its buttons are the visible ones.
BOOL CALLBACK collect_part(HWND child, LPARAM parameter) {
    BoxParts* parts = (BoxParts*)parameter;
    wchar_t name[16];
    if (!GetClassNameW(child, name, 16)) return TRUE;
    if (lstrcmpiW(name, L"Static") == 0 && !has_style_type(child, SS_ICON)) {
        parts->text = window_text(child);
    } else if (lstrcmpiW(name, L"Button") == 0 && IsWindowVisible(child)) {
        for (size_t i = 0; i < sizeof BUTTONS / sizeof BUTTONS[0]; ++i)
            if (BUTTONS[i].id == GetDlgCtrlID(child)) parts->buttons[i] = true;
    }
    return TRUE;
}

// Polls until the box is hidden or gone (with its program), up to the driver's wait limit.
bool wait_for_box_to_close(HWND box) {
    DWORD started = GetTickCount();
    while (IsWindow(box) && IsWindowVisible(box)) {
        if (GetTickCount() - started >= WAIT_LIMIT_MS) return false;
        Sleep(POLL_MS);
    }
    return true;
}

}  // namespace

bool operator==(const SeenBox& a, const SeenBox& b) {
    return a.caption == b.caption && a.text == b.text && a.buttons == b.buttons;
}

std::ostream& operator<<(std::ostream& out, const SeenBox& box) {
    return out << box.caption << "|" << box.text << "|" << box.buttons;
}

std::string box_type_buttons(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            return "O";
        case MB_OKCANCEL:
            return "OC";
        case MB_ABORTRETRYIGNORE:
            return "ARI";
        case MB_YESNOCANCEL:
            return "YNC";
        case MB_YESNO:
            return "YN";
        case MB_RETRYCANCEL:
            return "RC";
        default:
            return "";
    }
}

int answer_button_id(char letter) {
    for (const ButtonName& button : BUTTONS)
        if (button.letter == letter) return button.id;
    return 0;
}

char default_answer(const std::string& buttons) {
    for (char letter : {'C', 'N', 'O', 'A'})
        if (buttons.find(letter) != std::string::npos) return letter;
    return buttons.empty() ? 'O' : buttons[0];
}

char scripted_answer(const char* script, size_t index, const std::string& buttons) {
    if (script && index < strlen(script) && buttons.find(script[index]) != std::string::npos) return script[index];
    return default_answer(buttons);
}

HWND find_message_box(DWORD process_id) {
    BoxSearch search = {process_id, nullptr};
    EnumWindows(match_box, (LPARAM)&search);
    return search.found;
}

bool read_message_box(HWND box, SeenBox* seen) {
    BoxParts parts = {};
    EnumChildWindows(box, collect_part, (LPARAM)&parts);
    seen->caption = utf8(window_text(box));
    seen->text = utf8(parts.text);
    seen->buttons.clear();
    for (size_t i = 0; i < sizeof BUTTONS / sizeof BUTTONS[0]; ++i)
        if (parts.buttons[i]) seen->buttons += BUTTONS[i].letter;
    return !seen->buttons.empty();
}

bool press_box_button(HWND box, char letter) {
    HWND button = GetDlgItem(box, answer_button_id(letter));
    return button && IsWindowVisible(button) && act(button, BM_CLICK, 0, 0) && wait_for_box_to_close(box);
}

HWND wait_for_message_box(const DrivenProgram& program, DWORD limit_ms) {
    DWORD started = GetTickCount();
    do {
        HWND box = find_message_box(program.info.dwProcessId);
        SeenBox shown;
        if (box && read_message_box(box, &shown)) return box;
        if (program_ended(program)) return nullptr;
        Sleep(POLL_MS);
    } while (GetTickCount() - started < limit_ms);
    return nullptr;
}

bool answer_next_box(const DrivenProgram& program, char letter, SeenBox* seen, DWORD limit_ms) {
    HWND box = wait_for_message_box(program, limit_ms);
    SeenBox shown;
    if (!box || !read_message_box(box, &shown)) return false;
    if (seen) *seen = shown;
    return press_box_button(box, letter);
}

int finish_answering_boxes(DrivenProgram* program, const char* script, DWORD limit_ms, std::vector<SeenBox>* seen) {
    size_t answered = 0;
    DWORD started = GetTickCount();
    while (!program_ended(*program) && GetTickCount() - started < limit_ms) {
        HWND box = find_message_box(program->info.dwProcessId);
        SeenBox shown;
        if (!box || !read_message_box(box, &shown)) {
            WaitForSingleObject(program->info.hProcess, POLL_MS);
            continue;
        }
        if (seen) seen->push_back(shown);
        press_box_button(box, scripted_answer(script, answered++, shown.buttons));
    }
    return finish_program(program, 0);
}

}  // namespace driver
