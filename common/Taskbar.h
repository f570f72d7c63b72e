#pragma once
#include <string>

// Pins `file` of `folder` to the taskbar by invoking the shell's own pin verb on it.
// Failures of the shell's automation calls raise EOleError.
void PinToTaskbar(const std::string& folder, const std::string& file);
