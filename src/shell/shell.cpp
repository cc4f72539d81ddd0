// The shell's state, set once by the process entry.

#include "shell/shell.h"

ShellState Shell;
