#include "common/FileVersion.h"
#include "classlib/desktop/Win32.h"
#include <cstdio>
#include <vector>

namespace {

bool IsExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

TFileVersion ReadFileVersion(const std::string& path) {
  TFileVersion version;
  if (!IsExistingFile(path)) return version;
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
  if (size == 0) return version;
  std::vector<char> block(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed ||
      fixedSize < sizeof(VS_FIXEDFILEINFO))
    return version;
  version.Major = HIWORD(fixed->dwFileVersionMS);
  version.Minor = LOWORD(fixed->dwFileVersionMS);
  version.Release = HIWORD(fixed->dwFileVersionLS);
  version.Build = LOWORD(fixed->dwFileVersionLS);
  return version;
}

std::string FileVersionText(const std::string& path) {
  const TFileVersion v = ReadFileVersion(path);
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", v.Major, v.Minor, v.Release, v.Build);
  return text;
}
