// kest_launcher: starts kest.exe from its own folder, maximised, and ends.
#include "launcher/CommandLine.h"
#include "classlib/desktop/Win32.h"

namespace {

// Command lines and paths have at most this many characters on the platform.
constexpr DWORD kLongest = 32768;
char folder[kLongest];
char command[kLongest];

// The running executable's folder, ending in "\" (up to its last "\" or ":"); false when the
// path does not fit.
bool ModuleFolder() {
  const DWORD length = GetModuleFileNameA(nullptr, folder, kLongest);
  if (length == 0 || length >= kLongest) return false;
  DWORD end = length;
  while (end > 0 && folder[end - 1] != '\\' && folder[end - 1] != ':') --end;
  folder[end] = '\0';
  return true;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A missing browser, a failed start or a path too long is silent.
  if (ModuleFolder() && BrowserCommand(folder, GetCommandLineA(), command, kLongest))
    WinExec(command, SW_SHOWMAXIMIZED);
  return 0;
}
