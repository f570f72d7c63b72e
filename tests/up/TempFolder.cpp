#include "TempFolder.h"
#include "classlib/core/SysUtils.h"
#include <fstream>
#include <sstream>

void TempFolderFixture::SetUp() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  char buffer[MAX_PATH];
  savedTmp_ = GetEnvironmentVariableA("TMP", buffer, MAX_PATH) ? buffer : "";
  folder_ = std::string(base) + "kest-up-test-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder_.c_str(), nullptr);
  SetEnvironmentVariableA("TMP", folder_.c_str());
  savedSeed_ = GlobalRandom().Seed;
  GlobalRandom().Seed = 0;
}

void TempFolderFixture::TearDown() {
  GlobalRandom().Seed = savedSeed_;
  SetEnvironmentVariableA("TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
  // A program a test started from the folder may still be ending: retry for a moment.
  for (int attempt = 0; attempt < 100 && !RemoveFolder(); ++attempt) Sleep(20);
}

bool TempFolderFixture::RemoveFolder() const {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string path = folder_ + found.cFileName;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (found.cFileName[0] != '.') RemoveDirectoryA(path.c_str());
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  return RemoveDirectoryA(folder_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}
