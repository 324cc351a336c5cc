// The string table rule: the English id in code, id + string_offset loaded.
#pragma once
#include <windows.h>
#include "program_state.h"

// Loads string id + string_offset into out (capacity characters, always terminated; empty if absent).
int load_text(UINT id, wchar_t* out, int capacity);
// Sets string_offset from a language field: 2 gives 10000, anything else 0.
void set_string_offset(uint32_t language);
