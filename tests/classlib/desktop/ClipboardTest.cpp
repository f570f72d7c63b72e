// The clipboard against the system's: text in and out, the 8-bit fallback, and blocks read no
// further than their size. Tests here own the clipboard while they run (lock "kest_clipboard").
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "classlib/desktop/Bitmap.h"
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

// A bottom-up 32-bit picture of 2 x 2 without alpha, as a drawing program copies one; rows
// drops that many rows from the end of the block while the header still claims two.
std::vector<uint8_t> DibBlock(int rowsKept = 2) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = 2;
  header.biHeight = 2;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const uint32_t rows[2][2] = {{0x00102030, 0x00405060}, {0x00708090, 0x00A0B0C0}};  // bottom row first
  std::vector<uint8_t> block(sizeof(header) + sizeof(uint32_t) * 2 * size_t(rowsKept));
  std::memcpy(block.data(), &header, sizeof(header));
  std::memcpy(block.data() + sizeof(header), rows, block.size() - sizeof(header));
  return block;
}

std::vector<uint32_t> PixelsOf(TBitmap& bitmap) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* row = static_cast<const uint32_t*>(bitmap.ScanLine(y));
    pixels.insert(pixels.end(), row, row + bitmap.Width());
  }
  return pixels;
}

TEST(ClipboardPicture, ADibBlockBecomesAnOpaqueBitmapWithRowsFromTheTop) {
  const std::vector<uint8_t> block = DibBlock();
  PutBlock(CF_DIB, block.data(), block.size());
  TBitmap bitmap;
  ASSERT_TRUE(Clipboard().AsBitmap(bitmap));
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(PixelsOf(bitmap), (std::vector<uint32_t>{0xFF708090, 0xFFA0B0C0, 0xFF102030, 0xFF405060}));
}

TEST(ClipboardPicture, AShortBlockIsRefusedAndTheBitmapKept) {
  const std::vector<uint8_t> block = DibBlock(1);
  PutBlock(CF_DIB, block.data(), block.size());
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(3, 1);
  EXPECT_FALSE(Clipboard().AsBitmap(bitmap));
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 1);
}

TEST(ClipboardPicture, ABitmapHandleIsReadThroughTheBlockTheSystemMakesOfIt) {
  HDC screen = GetDC(nullptr);
  HBITMAP handle = CreateCompatibleBitmap(screen, 3, 2);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, handle);
  const RECT all = {0, 0, 3, 2};
  HBRUSH brush = CreateSolidBrush(RGB(0x20, 0x80, 0xC0));
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  ASSERT_NE(SetClipboardData(CF_BITMAP, handle), nullptr);
  CloseClipboard();
  TBitmap bitmap;
  ASSERT_TRUE(Clipboard().AsBitmap(bitmap));
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(PixelsOf(bitmap), std::vector<uint32_t>(6, 0xFF2080C0));
}

TEST(ClipboardPicture, TextIsNoPicture) {
  Clipboard().SetAsText(L"not a picture");
  TBitmap bitmap;
  EXPECT_FALSE(Clipboard().AsBitmap(bitmap));
  EmptyIt();
  EXPECT_FALSE(Clipboard().AsBitmap(bitmap));
}

}  // namespace
