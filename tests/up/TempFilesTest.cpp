#include "up/TempFiles.h"
#include "TempFolder.h"

using TempExeNameTest = TempFolderFixture;

TEST_F(TempExeNameTest, FollowsTheUnseededRandomSequence) {
  EXPECT_EQ(TempExeName(".exe"), Folder() + "0.exe");
  EXPECT_EQ(TempExeName(".exe"), Folder() + "67387906.exe");
  EXPECT_EQ(TempExeName(".exe"), Folder() + "1849087502.exe");
}

TEST_F(TempExeNameTest, SkipsNamesThatExist) {
  WriteBytes(Folder() + "0.exe", "left over");
  EXPECT_EQ(TempExeName(".exe"), Folder() + "67387906.exe");
  EXPECT_EQ(ReadBytes(Folder() + "0.exe"), "left over");
}

TEST_F(TempExeNameTest, SkipsFoldersOfThatNameToo) {
  CreateDirectoryA((Folder() + "0.tmp").c_str(), nullptr);
  EXPECT_EQ(TempExeName(".tmp"), Folder() + "67387906.tmp");
}

TEST_F(TempExeNameTest, UsesTheFolderAsTheSystemReportsIt) {
  EXPECT_EQ(TempFolderPath(), Folder());
}

TEST(WithTrailingBackslash, TrimsAndAddsOneBackslash) {
  EXPECT_EQ(WithTrailingBackslash("C:\\Temp"), "C:\\Temp\\");
  EXPECT_EQ(WithTrailingBackslash("  C:\\Temp\\ \r\n"), "C:\\Temp\\");
  EXPECT_EQ(WithTrailingBackslash("C:"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "");
  EXPECT_EQ(WithTrailingBackslash("   "), "");
}
