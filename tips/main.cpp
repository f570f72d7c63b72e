// tips: the login window, or with the switch auto the tray mode.
#include "classlib/desktop/Win32.h"

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "tips/app/TipsProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return RunTips(std::vector<std::string>(__argv + 1, __argv + __argc));
  } catch (const std::exception& error) {
    // Before any window exists (the emulation value could not be written): say why and fail.
    MessageBoxA(nullptr, error.what(), "tips", MB_OK | MB_ICONSTOP);
    return 1;
  }
}
