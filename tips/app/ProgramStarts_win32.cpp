#include "tips/app/ProgramStarts.h"

#include "classlib/desktop/Win32.h"

#include "common/Paths.h"

std::string OwnExePath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

void StartProgram(const std::string& commandLine) { WinExec(commandLine.c_str(), SW_SHOWNORMAL); }

void OpenInKest(const std::string& address) { StartProgram(AppFolder() + "kest.exe \"" + address + "\""); }
