// up: checks the update service for a newer kest.exe and ends with exit code 0.
// Until the update window exists the decision is reported on standard output, when there is one.
#include "up/UpdateCheck.h"
#include <windows.h>
#include <string>

namespace {

void Report(const std::string& text) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (output && output != INVALID_HANDLE_VALUE)
    WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const TUpdateDecision decision = CheckForUpdate();
  Report(decision.Due ? "update due\ninstaller: " + decision.InstallerAddress + "\n" : std::string("no update\n"));
  return 0;
}
