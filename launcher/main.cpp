// kest_launcher: starts kest.exe from its own folder, maximised, and ends.
#include "launcher/CommandLine.h"
#include "common/Paths.h"
#include "classlib/desktop/Win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string command = BrowserCommand(AppFolder(), CommandLineArguments(GetCommandLineA()));
  // A missing browser or a failed start is silent.
  WinExec(command.c_str(), SW_SHOWMAXIMIZED);
  return 0;
}
