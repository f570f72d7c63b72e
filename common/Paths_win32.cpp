#include "common/Paths.h"
#include "classlib/desktop/Win32.h"
#include <vector>

std::string FolderOfPath(const std::string& path) {
  const auto last = path.find_last_of("\\:");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

namespace {

std::string ModulePath() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

} // namespace

std::string AppFolder() { return FolderOfPath(ModulePath()); }
