#pragma once
// The launcher only starts a process, so it carries none of the runtime's strings or containers:
// its command line is read and written in plain character buffers.
#include <cstddef>

// Reads the parameter at Position and moves Position past it, split as the runtime's ParamStr
// splits: blanks and control characters separate, double quotes group and are removed,
// backslashes are plain, and every empty pair "" before a parameter is skipped. Copies at most
// OutSize - 1 of its characters into Out (when given), terminated, and returns its whole length;
// an empty parameter is where the line ends.
size_t NextParameter(const char*& Position, char* Out, size_t OutSize);

// The browser's command line for the launcher's whole command line: Folder + "kest.exe"
// (unquoted), plus " " and the first argument when there are two or more arguments (ParamCount
// stops at the first empty parameter). False, and Out empty, when it does not fit in OutSize.
bool BrowserCommand(const char* Folder, const char* CommandLine, char* Out, size_t OutSize);
