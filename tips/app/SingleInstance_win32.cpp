#include "tips/app/SingleInstance.h"

#include "classlib/desktop/Win32.h"

namespace {

constexpr char kMutexName[] = "{01AE8920-44F6-41E0-B706-51D0684FE753}";
HANDLE instanceMutex = nullptr;

}  // namespace

bool AcquireSingleInstance() {
  instanceMutex = CreateMutexA(nullptr, TRUE, kMutexName);
  return instanceMutex && GetLastError() != ERROR_ALREADY_EXISTS;
}

void ReleaseSingleInstance() {
  if (!instanceMutex) return;
  CloseHandle(instanceMutex);
  instanceMutex = nullptr;
}
