#pragma once
#include <string>

// The system's folder for temporary files, as it reports it; empty when it reports none.
std::string TempFolderPath();
// The text trimmed, with a "\" appended unless it is empty or ends in one.
std::string WithTrailingBackslash(const std::string& text);
// A path in the temporary folder that does not exist yet: a number from the runtime's (unseeded)
// random generator plus `extension`, so every run tries the same names in the same order.
std::string TempExeName(const std::string& extension);
