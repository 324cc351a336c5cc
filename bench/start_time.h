// Start-to-exit time of a program started the way a person or the game starts it.
#pragma once

// The median over `runs` runs, in milliseconds, of program started with arguments in folder
// until its process ended; -1 when it did not start or did not end within a minute.
double start_to_exit_ms(const wchar_t* program, const wchar_t* arguments, const wchar_t* folder, int runs);
