#pragma once
// The program body of tips: what every start does before any window, and the choice of mode.
#include <string>
#include <vector>

// The application titles (GBK): the login mode's and the tray mode's.
inline constexpr char kLoginTitle[] = "\xBF\xEC\xBD\xDD\xCC\xE1\xCA\xBE";
inline constexpr char kTrayTitle[] = "\xB9\xD2\xBB\xFA\xD5\xC7\xC5\xB5\xB6\xB9";

// Whether one argument is the switch auto with "-", "/" or "\" before it, in any case.
bool HasTrayModeSwitch(const std::vector<std::string>& arguments);
// Records the browser emulation for this executable, then runs the login window, or the tray
// mode when the switch is given and no other tray mode runs. Returns the exit code.
int RunTips(const std::vector<std::string>& arguments);
