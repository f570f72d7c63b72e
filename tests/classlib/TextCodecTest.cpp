#include <gtest/gtest.h>

#include <string>

#include "classlib/core/TextCodec.h"

namespace {

// "中文" (Chinese) in each form.
const std::string kChineseUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";
const std::wstring kChineseWide = L"\u4E2D\u6587";

}  // namespace

TEST(TextCodec, ConvertsWellFormedTextsEveryWay) {
  struct Case {
    const char* name;
    std::string utf8, gbk;
    std::wstring wide;
  } cases[] = {
      {"empty", "", "", L""},
      {"ASCII", "Update 1.2", "Update 1.2", L"Update 1.2"},
      {"Chinese", kChineseUtf8, kChineseGbk, kChineseWide},
      {"mixed", "v2 " + kChineseUtf8 + "!", "v2 " + kChineseGbk + "!", L"v2 " + kChineseWide + L"!"},
      {"embedded zero", std::string("a\0b", 3), std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.wide) << c.name;
    EXPECT_EQ(Utf16ToUtf8(c.wide), c.utf8) << c.name;
    EXPECT_TRUE(IsValidUtf8(c.utf8)) << c.name;
    EXPECT_EQ(GbkToUtf16(c.gbk), c.wide) << c.name;
    EXPECT_EQ(Utf16ToGbk(c.wide), c.gbk) << c.name;
  }
}

TEST(TextCodec, Utf8CarriesEveryPlane) {
  struct Case {
    const char* name;
    std::string utf8;
    std::wstring wide;
  } cases[] = {
      {"two bytes", "\xC2\xA9", L"\u00A9"},
      {"the replacement character itself", "\xEF\xBF\xBD", L"\uFFFD"},
      {"a surrogate pair", "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
      {"the last code point", "\xF4\x8F\xBF\xBF", L"\xDBFF\xDFFF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.wide) << c.name;
    EXPECT_EQ(Utf16ToUtf8(c.wide), c.utf8) << c.name;
    EXPECT_TRUE(IsValidUtf8(c.utf8)) << c.name;
  }
}

TEST(TextCodec, MalformedUtf8IsRejectedAndReadWithReplacements) {
  struct Case {
    const char* name;
    std::string utf8;
    std::wstring lenient;
  } cases[] = {
      {"Chinese in GBK", kChineseGbk, L"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"a stray continuation byte", "a\x80" "b", L"a\uFFFDb"},
      {"a byte that never starts a sequence", "\xFF", L"\uFFFD"},
      {"a sequence cut off by the end", kChineseUtf8.substr(0, 2), L"\uFFFD"},
      {"a sequence cut off by ASCII", kChineseUtf8.substr(0, 2) + "z", L"\uFFFDz"},
      {"an overlong two-byte zero", "\xC0\x80", L"\uFFFD\uFFFD"},
      {"an overlong three-byte form", "\xE0\x80\xAF", L"\uFFFD\uFFFD\uFFFD"},
      {"an encoded surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"good text around a bad byte", kChineseUtf8 + "\xFE" + kChineseUtf8, kChineseWide + L"\uFFFD" + kChineseWide},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(IsValidUtf8(c.utf8)) << c.name;
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.lenient) << c.name;
  }
}

TEST(TextCodec, UnpairedSurrogatesBecomeOneReplacementEach) {
  EXPECT_EQ(Utf16ToUtf8(L"\xD800"), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(L"a\xDC00" L"b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Utf16ToUtf8(L"\xD800\xD800\xDE00"), "\xEF\xBF\xBD\xF0\x90\x88\x80");
}

TEST(TextCodec, ConvertsGbkTextsBothWays) {
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

TEST(TextCodec, GbkSurvivesBrokenBytes) {
  // A lead byte without its trail byte, and bytes that are no GBK at all.
  EXPECT_FALSE(GbkToUtf16("\xBF").empty());
  EXPECT_FALSE(GbkToUtf16("\xFF\xFF\x80").empty());
  // Characters GBK cannot write become a substitute character, not nothing.
  EXPECT_FALSE(Utf16ToGbk(L"\xD83D\xDE00").empty());
}

#ifdef _WIN32
TEST(TextCodec, SystemCodePageRoundTripsAscii) {
  EXPECT_EQ(AnsiToWide("Update 1.2"), L"Update 1.2");
  EXPECT_EQ(WideToAnsi(L"Update 1.2"), "Update 1.2");
  EXPECT_EQ(AnsiToWide(""), L"");
}
#endif
