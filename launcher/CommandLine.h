#pragma once
#include <string>
#include <vector>

// The arguments of a command line after the program, split as the runtime's ParamStr does:
// blanks and control characters separate, double quotes group and are removed, backslashes are plain,
// an empty pair "" before a parameter is skipped, and the list ends at the first empty parameter
// (as ParamCount stops there).
std::vector<std::string> CommandLineArguments(const std::string& commandLine);

// The browser's command line: folder + "kest.exe" (unquoted), plus " " and the first argument when there
// are two or more arguments.
std::string BrowserCommand(const std::string& folder, const std::vector<std::string>& arguments);
