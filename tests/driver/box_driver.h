// Message boxes as a person meets them: a box's caption, text and buttons, and the button
// pressed. Buttons are letters in a box's reading order: Y Yes, N No, O OK, A Abort, R Retry,
// I Ignore, C Cancel ("RC" is a Retry/Cancel box). An answer script is such letters, one a box
// in turn; a box beyond the script gets Cancel, else No, else OK, else Abort.
#pragma once
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>
#include "window_driver.h"

namespace driver {

struct SeenBox {
    std::string caption;  // UTF-8
    std::string text;     // UTF-8, line feeds as they are shown
    std::string buttons;  // letters, as above
};
bool operator==(const SeenBox& a, const SeenBox& b);
// caption|text|buttons, as test failures show a box.
std::ostream& operator<<(std::ostream& out, const SeenBox& box);

// The letters of the buttons a box of MessageBox type shows.
std::string box_type_buttons(UINT type);
// The button id of an answer letter (0 for an unknown letter).
int answer_button_id(char letter);
// The answer to a box beyond the script.
char default_answer(const std::string& buttons);
// The answer letter for box number index (from 0) of a script (nullptr: none).
char scripted_answer(const char* script, size_t index, const std::string& buttons);

// A message box (dialog class "#32770") the process shows, or nullptr.
HWND find_message_box(DWORD process_id);
// Caption, text and buttons of a shown box; false when it is not a message box (no buttons).
bool read_message_box(HWND box, SeenBox* seen);
// Presses the button of the letter and waits for the box to close; false when the box has no
// such button or stays open.
bool press_box_button(HWND box, char letter);
// A box the program shows, polled until one appears, the program ends or limit_ms pass.
HWND wait_for_message_box(const DrivenProgram& program, DWORD limit_ms = WAIT_LIMIT_MS);
// Waits for the program's next box, reads it into seen (when not nullptr) and presses the
// button of the letter; false when no box came, it lacks the button or it stays open.
bool answer_next_box(const DrivenProgram& program, char letter, SeenBox* seen, DWORD limit_ms = WAIT_LIMIT_MS);

// Waits up to limit_ms for the program's end, answering every box it shows from the script in
// turn and appending each box to seen (when not nullptr). Its exit code, or -1 when it did not
// end in time (then it is ended). The program's handles are closed.
int finish_answering_boxes(DrivenProgram* program, const char* script, DWORD limit_ms, std::vector<SeenBox>* seen);

}  // namespace driver
