#include "common/FileVersion.h"
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <fstream>

namespace {

std::string OwnPath() {
  char path[MAX_PATH];
  return std::string(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

} // namespace

// This test program carries file version 1.2.3.4 and product version 9.8.7.6.
TEST(FileVersion, ReadsTheFileVersionNotTheProductVersion) {
  const TFileVersion v = ReadFileVersion(OwnPath());
  EXPECT_EQ(v.Major, 1);
  EXPECT_EQ(v.Minor, 2);
  EXPECT_EQ(v.Release, 3);
  EXPECT_EQ(v.Build, 4);
  EXPECT_EQ(FileVersionText(OwnPath()), "1.2.3.4");
}

TEST(FileVersion, IsZeroWithoutAVersionResource) {
  const std::string text = TempPath("kest-version-test.txt");
  std::ofstream(text) << "not a program\n";
  EXPECT_EQ(FileVersionText(text), "0.0.0.0");
  DeleteFileA(text.c_str());
}

TEST(FileVersion, IsZeroForMissingFilesAndFolders) {
  EXPECT_EQ(FileVersionText(TempPath("kest-no-such-file.exe")), "0.0.0.0");
  EXPECT_EQ(FileVersionText(TempPath("")), "0.0.0.0");
  EXPECT_EQ(FileVersionText(""), "0.0.0.0");
}
