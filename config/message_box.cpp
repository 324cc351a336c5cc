// The one routine through which the program shows a message box.
#include "message_box.h"

MessageBoxRoutine message_box_routine = MessageBoxW;

int show_message_box(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    return message_box_routine(owner, text, caption, type);
}
