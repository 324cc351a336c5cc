// Definitions of the program's module-wide state; everything starts at zero.
#include "program_state.h"

volatile int32_t running;
int32_t install_mode;
HINSTANCE program_instance;
int32_t string_offset;
HFONT dialog_font;

DisplayAdapter* adapter_list;
uint32_t adapter_count;
DisplayMode* resolution_list;
uint32_t resolution_count;
PackageRecord* package_list;
uint32_t package_count;

wchar_t first_bgm_name[TEXT_CAPACITY];
wchar_t engine_test_sound_name[TEXT_CAPACITY];
wchar_t message_buffer[TEXT_CAPACITY];
