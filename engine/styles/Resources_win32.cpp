#include "classlib/desktop/Win32.h"

#include "engine/styles/Resources.h"

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string file(path, length);
  return file.substr(0, file.find_last_of("\\/") + 1);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string TvgResources::FindStyleFile(const std::string& fileName) {
  if (fileName.empty()) return "";
  if (const std::string inFolder = ProgramFolder() + fileName; FileExists(inFolder)) return inFolder;
  return FileExists(fileName) ? fileName : "";
}
