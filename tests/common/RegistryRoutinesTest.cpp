#include "common/RegistryRoutines.h"
#include "RegistryFixture.h"
#include "classlib/desktop/Registry.h"

using ReadRegStringTest = RegistryFixture;
using WriteRegTest = RegistryFixture;
using DeleteRegKeyTest = RegistryFixture;

// A root that is no key at all: nothing can be opened below it.
const HKEY kNoRoot = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x5EED0001));

TEST_F(ReadRegStringTest, ReadsAnExistingString) {
  Store("user", REG_SZ, std::string("abc\0", 4));
  std::string text = "before";
  EXPECT_TRUE(ReadRegString(text, "user", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(text, "abc");
}

TEST_F(ReadRegStringTest, OnAMissingKeyCreatesItAndKeepsTheText) {
  std::string text = "before";
  EXPECT_TRUE(ReadRegString(text, "user", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(text, "before");
  EXPECT_TRUE(KeyExists());
}

TEST_F(ReadRegStringTest, SwallowsAValueOfAnotherTypeAndStillReportsTheOpenKey) {
  Store("user", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  std::string text = "before";
  EXPECT_TRUE(ReadRegString(text, "user", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(text, "before");
}

TEST_F(ReadRegStringTest, ReadsAStringStoredWithoutItsZero) {
  Store("user", REG_SZ, "xyz");
  std::string text;
  EXPECT_TRUE(ReadRegString(text, "user", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(text, "xyz");
}

TEST_F(ReadRegStringTest, FailsWhenTheKeyCannotBeOpened) {
  std::string text = "before";
  EXPECT_FALSE(ReadRegString(text, "user", Key(), kNoRoot));
  EXPECT_EQ(text, "before");
}

TEST_F(WriteRegTest, WritesAStringAndADword) {
  EXPECT_TRUE(WriteRegString("hello", "s", Key(), HKEY_CURRENT_USER));
  EXPECT_TRUE(WriteRegInteger(-2, "n", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(Stored("s"), std::make_pair(DWORD(REG_SZ), std::string("hello\0", 6)));
  EXPECT_EQ(Stored("n"), std::make_pair(DWORD(REG_DWORD), std::string("\xFE\xFF\xFF\xFF", 4)));
}

TEST_F(WriteRegTest, ReportsAKeyThatCannotBeOpenedWithoutRaising) {
  EXPECT_FALSE(WriteRegString("hello", "s", Key(), kNoRoot));
  EXPECT_FALSE(WriteRegInteger(1, "n", Key(), kNoRoot));
  EXPECT_FALSE(KeyExists());
}

TEST_F(DeleteRegKeyTest, DeletesOnlyTheNamedValue) {
  Store("a", REG_SZ, std::string("1\0", 2));
  Store("b", REG_SZ, std::string("2\0", 2));
  EXPECT_TRUE(DeleteRegKey("a", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(Stored("a").first, 0u);
  EXPECT_EQ(Stored("b").first, DWORD(REG_SZ));
}

TEST_F(DeleteRegKeyTest, AMissingValueIsNoError) {
  Store("b", REG_SZ, std::string("2\0", 2));
  EXPECT_TRUE(DeleteRegKey("a", Key(), HKEY_CURRENT_USER));
  EXPECT_EQ(Stored("b").first, DWORD(REG_SZ));
  EXPECT_FALSE(DeleteRegKey("a", Key(), kNoRoot));
}
