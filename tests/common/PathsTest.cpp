#include "common/Paths.h"
#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

struct FolderCase {
  const char* path;
  const char* folder;
  friend std::ostream& operator<<(std::ostream& out, const FolderCase& c) { return out << c.path; }
};

class FolderOfPathTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfPathTest, KeepsEverythingUpToTheLastDelimiter) {
  EXPECT_EQ(FolderOfPath(GetParam().path), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderOfPathTest,
                         testing::Values(FolderCase{"C:\\Program Files\\X\\tips.exe", "C:\\Program Files\\X\\"},
                                         FolderCase{"C:tips.exe", "C:"}, FolderCase{"tips.exe", ""},
                                         FolderCase{"", ""}, FolderCase{"C:\\X\\", "C:\\X\\"},
                                         FolderCase{"\\\\server\\share\\a.exe", "\\\\server\\share\\"}));

TEST(AppFolder, IsTheRunningProgramsFolderWithItsBackslash) {
  const std::string folder = AppFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_NE(GetFileAttributesA((folder + "common_tests.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}
