#include "up/RunFile.h"
#include "classlib/desktop/Win32.h"
#include <shellapi.h>

void RunFile(const std::string& file, const std::string& parameters) {
  ShellExecuteA(nullptr, nullptr, file.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
}
