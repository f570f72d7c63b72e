#include <gtest/gtest.h>

#include "classlib/core/TextCodec.h"

TEST(CodePage, ConvertsGbkTextsBothWays) {
  struct Case {
    const char* gbk;
    const wchar_t* wide;
  } cases[] = {
      {"", L""},
      {"kest_tips", L"kest_tips"},
      {"\xBF\xEC\xBD\xDD\xCC\xE1\xCA\xBE", L"\u5FEB\u6377\u63D0\u793A"},            // the login title
      {"\xB9\xD2\xBB\xFA\xD5\xC7\xC5\xB5\xB6\xB9", L"\u6302\u673A\u6DA8\u8BFA\u8C46"},  // the tray title
      {"a\xA3\xAC" "b", L"a\uFF0Cb"},  // full-width comma
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf16(c.gbk), c.wide) << c.gbk;
    EXPECT_EQ(Utf16ToGbk(c.wide), c.gbk) << c.gbk;
  }
}

TEST(CodePage, KeepsEmbeddedZerosAndSurvivesBrokenBytes) {
  EXPECT_EQ(GbkToUtf16(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
  // A lead byte without its trail byte, and bytes that are no GBK at all.
  EXPECT_FALSE(GbkToUtf16("\xBF").empty());
  EXPECT_FALSE(GbkToUtf16("\xFF\xFF\x80").empty());
  // Characters GBK cannot write become a substitute character, not nothing.
  EXPECT_FALSE(Utf16ToGbk(L"\U0001F600").empty());
}

#ifdef _WIN32
TEST(CodePage, SystemCodePageRoundTripsAscii) {
  EXPECT_EQ(AnsiToWide("Update 1.2"), L"Update 1.2");
  EXPECT_EQ(WideToAnsi(L"Update 1.2"), "Update 1.2");
}
#endif
