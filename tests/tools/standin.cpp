// Stand-in for a program the products start (the browser kest.exe, an installer): it only records how it
// was started, as one line appended to "<its own file name>.log" beside itself:
//   show=<wShowWindow, or "none" without STARTF_USESHOWWINDOW> argc=<arguments after the program> command=<line>
#include "classlib/desktop/Win32.h"
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const std::string show =
      startup.dwFlags & STARTF_USESHOWWINDOW ? std::to_string(startup.wShowWindow) : std::string("none");
  const std::string record = "show=" + show + " argc=" + std::to_string(__argc - 1) +
                             " command=" + GetCommandLineA() + "\r\n";

  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string log = std::string(path, length) + ".log";
  HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  // One write per record, so a reader sees whole lines.
  const BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok ? 0 : 1;
}
