#include "launcher/CommandLine.h"

namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads one parameter starting at `position`; moves `position` past it.
std::string NextParameter(const std::string& line, size_t& position) {
  while (position < line.size() && IsSeparator(line[position])) ++position;
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
  for (;;) {
    while (position < commandLine.size() && IsSeparator(commandLine[position])) ++position;
    if (position >= commandLine.size()) return arguments;
    arguments.push_back(NextParameter(commandLine, position));
  }
}

std::string BrowserCommand(const std::string& folder, const std::vector<std::string>& arguments) {
  std::string command = folder + "kest.exe";
  if (arguments.size() > 1) command += " " + arguments.front();
  return command;
}
