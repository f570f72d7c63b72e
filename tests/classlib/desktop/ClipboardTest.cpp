// The clipboard against the system's: text in and out, the 8-bit fallback, and blocks read no
// further than their size. Tests here own the clipboard while they run (lock "kest_clipboard").
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "classlib/desktop/Clipboard.h"
#include "classlib/desktop/Win32.h"

namespace {

// Puts raw bytes on the clipboard in one format, as another program might.
void PutBlock(UINT format, const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  ASSERT_NE(block, nullptr);
  std::memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  ASSERT_NE(SetClipboardData(format, block), nullptr);
  CloseClipboard();
}

void EmptyIt() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
}

TEST(Clipboard, TextGoesInAndComesBackInBothWidths) {
  Clipboard().SetAsText(L"caf\u00e9 \u4e2d");
  EXPECT_TRUE(Clipboard().HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard().AsText(), L"caf\u00e9 \u4e2d");
  EXPECT_EQ(Clipboard().AsAnsiText().substr(0, 3), "caf") << "synthesised by the system";
  Clipboard().SetAsText(L"");
  EXPECT_EQ(Clipboard().AsText(), L"");
}

TEST(Clipboard, EightBitTextIsWidenedWhenNoWideTextIsThere) {
  const char text[] = "plain";
  PutBlock(CF_TEXT, text, sizeof text);
  EXPECT_EQ(Clipboard().AsAnsiText(), "plain");
  EXPECT_EQ(Clipboard().AsText(), L"plain");
}

TEST(Clipboard, ABlockWithoutATerminatingZeroIsReadToItsSizeOnly) {
  const wchar_t wide[] = {L'a', L'b', L'c'};
  PutBlock(CF_UNICODETEXT, wide, sizeof wide);
  // Some systems end a text block with a zero in its last place, so the read may be one short.
  const std::wstring read = Clipboard().AsText();
  EXPECT_GE(read.size(), 2u);
  EXPECT_EQ(read, std::wstring(L"abc").substr(0, read.size())) << "nothing from beyond the block";
  const char narrow[] = {'x', 'y', 'z'};
  PutBlock(CF_TEXT, narrow, sizeof narrow);
  const std::string readNarrow = Clipboard().AsAnsiText();
  EXPECT_GE(readNarrow.size(), 2u);
  EXPECT_EQ(readNarrow, std::string("xyz").substr(0, readNarrow.size()));
}

TEST(Clipboard, AZeroInsideTheBlockEndsTheText) {
  const wchar_t wide[] = {L'o', L'k', 0, L'n', L'o', 0};
  PutBlock(CF_UNICODETEXT, wide, sizeof wide);
  EXPECT_EQ(Clipboard().AsText(), L"ok");
}

TEST(Clipboard, AnEmptyClipboardGivesNoText) {
  EmptyIt();
  EXPECT_FALSE(Clipboard().HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard().AsText(), L"");
  EXPECT_EQ(Clipboard().AsAnsiText(), "");
}

}  // namespace
