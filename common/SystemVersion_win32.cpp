#include "common/SystemVersion.h"
#include "classlib/desktop/Win32.h"

bool IsVistaOrLater() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwMajorVersion > 5;
}
