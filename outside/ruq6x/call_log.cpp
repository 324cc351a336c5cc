// The sound library's call log, a text file named by RUQ6X_LOG that tests read back.
#include "ruq6x_state.h"
#include "stand_in_log.h"

void log_call(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    append_log_line(L"RUQ6X_LOG", format, arguments);
    va_end(arguments);
}
