// The page panels, the controls on them as table rows, and the registries through which the
// window procedures reach those controls.
#pragma once
#include <windows.h>
#include <stdint.h>

enum ControlKind {
    KIND_GROUP,       // group box
    KIND_CHECK,       // automatic check box
    KIND_RADIO,       // plain radio button: the program moves its mark
    KIND_AUTO_RADIO,  // automatic radio button
    KIND_LABEL,
    KIND_CENTRED_LABEL,
    KIND_COMBO,  // drop-down list
};

enum ControlFlags {
    ROW_RING = 1,             // member of a keyboard ring
    ROW_HIDDEN = 2,           // hidden right after creation
    ROW_NOT_ENGLISH = 4,      // created only in the Japanese interface
    ROW_UNREGISTERED = 8,     // a group box left out of the group-box registry
    ROW_GRAPHICS_LABEL = 16,  // kept in the Graphics-label registry
};

// One control of a page. Texts are string ids; id 0 is a control nobody reaches by id.
struct ControlRow {
    uint16_t id;
    uint8_t kind;   // ControlKind
    uint8_t flags;  // ControlFlags
    uint16_t text;
    int16_t x, y, width, height;
};

enum {
    CHECK_BOX_SLOTS = 12,
    RADIO_SLOTS = 9,
    COMBO_BOX_SLOTS = 6,
    GROUP_BOX_SLOTS = 16,
    GRAPHICS_LABEL_SLOTS = 5,
    PAGE_WINDOW_SLOTS = 8,
};

extern HWND tab_control;                      // id 100, parent of the pages
extern HWND page_windows[PAGE_WINDOW_SLOTS];  // by tab index; the first empty entry ends it

// Registries, filled in creation order (radios at fixed slots, see page_controls.cpp).
extern HWND check_boxes[CHECK_BOX_SLOTS];  // includes the automatic radios 6008, 6009
extern int check_box_count;
extern HWND radios[RADIO_SLOTS];
extern int radio_count;
extern HWND combo_boxes[COMBO_BOX_SLOTS];
extern int combo_box_count;
extern HWND group_boxes[GROUP_BOX_SLOTS];
extern int group_box_count;
extern HWND graphics_labels[GRAPHICS_LABEL_SLOTS];
extern int graphics_label_count;

void clear_control_registries();
// A hidden page panel of class STATIC_SP on the display rectangle, kept at page_windows[index].
HWND create_page_panel(const RECT* display, int index);
// Creates the rows' controls on page with their texts and dialog_font, and registers them.
void create_page_controls(HWND page, const ControlRow* rows, int count);
// A child of page with the given kind, text (string id, 0 none), place and id, with dialog_font.
HWND create_page_control(HWND page, int kind, UINT text, int x, int y, int width, int height, int id);

// The registered check box, radio or combo box of that id, or 0.
HWND page_control(int id);
int is_checked(int id);
void set_checked(int id, int checked);
void enable_control(int id, int enabled);
void select_item(int id, int index);
// Adds string id text to combo id.
void add_text_item(int id, UINT text);
