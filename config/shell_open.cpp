// The one routine through which the program hands a file or a program to the shell.
#include "shell_open.h"
#include <shellapi.h>

ShellOpenRoutine shell_open_routine = ShellExecuteW;
