#include "launcher/CommandLine.h"

namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads one parameter starting at `position` and moves `position` past it, as the runtime's
// GetParamStr: blanks and control characters before it are skipped, and so is every empty pair
// of double quotes ("") met there; inside the parameter double quotes group and are removed.
std::string NextParameter(const std::string& line, size_t& position) {
  for (;;) {
    while (position < line.size() && IsSeparator(line[position])) ++position;
    if (line.compare(position, 2, "\"\"") != 0) break;
    position += 2;
  }
  std::string parameter;
  bool quoted = false;
  for (; position < line.size(); ++position) {
    const char c = line[position];
    if (c == '"') quoted = !quoted;
    else if (!quoted && IsSeparator(c)) break;
    else parameter += c;
  }
  return parameter;
}

} // namespace

std::vector<std::string> CommandLineArguments(const std::string& commandLine) {
  std::vector<std::string> arguments;
  size_t position = 0;
  NextParameter(commandLine, position); // the program itself
  // ParamCount counts up to the first empty parameter, which is where the line ends.
  for (std::string argument = NextParameter(commandLine, position); !argument.empty();
       argument = NextParameter(commandLine, position))
    arguments.push_back(argument);
  return arguments;
}

std::string BrowserCommand(const std::string& folder, const std::vector<std::string>& arguments) {
  std::string command = folder + "kest.exe";
  if (arguments.size() > 1) command += " " + arguments.front();
  return command;
}
