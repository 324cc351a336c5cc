// Every user text is loaded from the string table at its English id plus string_offset.
#include "string_table.h"

int load_text(UINT id, wchar_t* out, int capacity) {
    if (capacity <= 0) return 0;
    out[0] = 0;
    // LoadStringW copies at most capacity - 1 characters and always terminates.
    return LoadStringW(program_instance, id + (UINT)string_offset, out, capacity);
}

void set_string_offset(uint32_t language) {
    // Only the two tables exist: any language other than Japanese reads the English one.
    string_offset = language == 2 ? 10000 : 0;
}
