#include "up/TempFiles.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Win32.h"
#include <cstring>

std::string TempFolderPath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length >= sizeof buffer) return {};
  return std::string(buffer, strnlen(buffer, length));
}

std::string WithTrailingBackslash(const std::string& text) {
  std::string folder = Trim(text);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

namespace {

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

} // namespace

std::string TempExeName(const std::string& extension) {
  const std::string folder = WithTrailingBackslash(TempFolderPath());
  std::string candidate;
  do {
    candidate = folder + IntToStr(Random(2147483647)) + extension;
  } while (PathExists(candidate));
  return candidate;
}
