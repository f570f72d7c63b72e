// Class-library bitmaps: device-independent rows of each format from the top, converting formats
// and handle kinds keeps the picture, the transparent colour, copies, and pictures holding them.
#include "classlib/desktop/Bitmap.h"

#include <gtest/gtest.h>

#include "classlib/desktop/Picture.h"

namespace {

uint32_t PixelAt(TBitmap& bitmap, int x, int y) { return static_cast<uint32_t*>(bitmap.ScanLine(y))[x]; }

TEST(Bitmap, ADibHasRowsFromTheTopThatTheCanvasDrawsInto) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(10, 6);
  EXPECT_EQ(bitmap.HandleType(), bmDIB);
  const RECT top{0, 0, 10, 1};
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  FillRect(bitmap.Canvas()->Handle(), &top, blue);
  DeleteObject(blue);
  EXPECT_EQ(PixelAt(bitmap, 3, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(PixelAt(bitmap, 3, 1) & 0xFFFFFF, 0u);
  EXPECT_EQ(bitmap.ScanLine(6), nullptr);
  EXPECT_EQ(bitmap.ScanLine(-1), nullptr);
}

TEST(Bitmap, RowsOf24BitsAreThreeBytesAPixelAlignedToFour) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(5, 2);
  auto* first = static_cast<uint8_t*>(bitmap.ScanLine(0));
  auto* second = static_cast<uint8_t*>(bitmap.ScanLine(1));
  EXPECT_EQ(second - first, 16);
}

TEST(Bitmap, ChangingTheFormatOrHandleKeepsThePicture) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(4, 4);
  SetPixel(bitmap.Canvas()->Handle(), 1, 2, RGB(10, 200, 30));
  bitmap.SetHandleType(bmDDB);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.ScanLine(0), nullptr);
  bitmap.SetPixelFormat(pf32bit);
  EXPECT_EQ(PixelAt(bitmap, 1, 2) & 0xFFFFFF, 0x0AC81Eu);
}

TEST(Bitmap, TheDefaultTransparentColourIsTheBottomLeftPixel) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(3, 3);
  SetPixel(bitmap.Canvas()->Handle(), 0, 2, RGB(1, 2, 3));
  EXPECT_EQ(bitmap.TransparentColor(), TColor(RGB(1, 2, 3)));
  bitmap.SetTransparentColor(clWhite);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite);
}

TEST(Bitmap, AssignCopiesSizeFormatTransparencyAndPicture) {
  TBitmap source;
  source.SetPixelFormat(pf32bit);
  source.SetSize(6, 3);
  source.SetTransparent(true);
  SetPixel(source.Canvas()->Handle(), 5, 2, RGB(255, 128, 0));
  TBitmap copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 6);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(copy.PixelFormat(), pf32bit);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(PixelAt(copy, 5, 2) & 0xFFFFFF, 0xFF8000u);
}

TEST(Picture, HoldsACopyOfABitmapAndMakesItselfABitmapOnRequest) {
  TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(7, 2);
  TPicture picture;
  EXPECT_EQ(picture.Graphic(), nullptr);
  picture.Assign(&source);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(picture.Graphic(), &source);
  EXPECT_EQ(picture.Width(), 7);
  TPicture other;
  other.Assign(&picture);
  EXPECT_EQ(other.Bitmap()->Height(), 2);
}

}  // namespace
