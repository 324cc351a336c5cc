// What the stand-ins share: call logs in files that tests name through the environment, and
// numbers that tests set there.
#pragma once

#include <stdarg.h>
#include <stdint.h>

// Appends one formatted line to the file named by the environment variable; nothing when unset.
void append_log_line(const wchar_t* variable, const char* format, va_list arguments);

// An integer from the environment; fallback when it is unset or not a number.
int32_t environment_number(const wchar_t* name, int32_t fallback);
