#include "common/SystemVersion.h"
#include <windows.h>

bool IsVistaOrLater() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwMajorVersion > 5;
}
