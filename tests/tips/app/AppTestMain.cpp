// The windows under test start "the program itself" (the tray mode, the login mode): that is this
// test program. Started with KEST_TIPS_STARTS_LOG set, it records its command line in that file
// and ends, as the stand-in kest.exe does.
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <shellapi.h>

#include <string>

#include "tips/app/TipsClasses.h"

namespace {

constexpr char kStartsLogVariable[] = "KEST_TIPS_STARTS_LOG";

bool RecordedStart() {
  char log[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA(kStartsLogVariable, log, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const std::string record = std::string("command=") + GetCommandLineA() + "\r\n";
  HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, record.data(), DWORD(record.size()), &written, nullptr);
    CloseHandle(file);
  }
  return true;
}

// Wine hides its notification area when the last icon goes, and waits about two seconds for the
// window system each time it hides or shows it. An icon of the desktop window, which lives as long
// as the Wine prefix's server, keeps the area up; adding it again changes nothing.
void KeepNotificationAreaShown() {
  NOTIFYICONDATAA keeper{};
  keeper.cbSize = NOTIFYICONDATAA_V2_SIZE;
  keeper.hWnd = GetDesktopWindow();
  keeper.uID = 0x4B455354;
  keeper.uFlags = NIF_ICON;
  keeper.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  Shell_NotifyIconA(NIM_ADD, &keeper);
}

}  // namespace

int main(int argc, char** argv) {
  if (RecordedStart()) return 0;
  RegisterTipsClasses();
  KeepNotificationAreaShown();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
