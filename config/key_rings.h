// Keyboard focus rings of the settings window. No dialog manager runs: every ring member is
// subclassed with one key procedure, which moves the focus along the ring of the current page
// on Tab and Shift+Tab (check boxes and radios also on Down and Up) and always passes the key on.
#pragma once
#include <windows.h>

// Subclasses the ring member of that id (a combo box through its item window); the procedure it
// had is kept for chaining. A control that is no ring member is left alone.
void install_ring_key_proc(HWND control, int id);
// The first ring member of a page as the settings stand, 0 when they name none.
HWND first_ring_member(int page);
