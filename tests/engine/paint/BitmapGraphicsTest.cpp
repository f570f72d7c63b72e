// TvgBitmap and the class library's pictures: 32-bit and 24-bit bitmaps copied by their pixels
// with their transparent colour left out, any other picture drawn over the key colour, a picture
// holding a bitmap, and the bitmap handed back as a 32-bit DIB.
#include "engine/paint/Bitmap.h"

#include <gtest/gtest.h>

#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/Picture.h"

namespace {

void Paint(TBitmap& bitmap, int x, int y, COLORREF color) { SetPixel(bitmap.Canvas()->Handle(), x, y, color); }

TEST(BitmapGraphics, A32BitDibIsCopiedPixelByPixel) {
  TBitmap source;
  source.SetPixelFormat(pf32bit);
  source.SetSize(3, 2);
  static_cast<uint32_t*>(source.ScanLine(1))[2] = 0x80402010;
  TvgBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.Assign(&source);
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.GetScanline(1)[2], 0x80402010u);
  EXPECT_EQ(bitmap.GetScanline(0)[0], 0u);
  EXPECT_EQ(changes, 1);
}

TEST(BitmapGraphics, TheTransparentColourOfATransparentBitmapBecomesClear) {
  for (TPixelFormat format : {pf32bit, pf24bit}) {
    SCOPED_TRACE(format == pf32bit ? "32-bit" : "24-bit");
    TBitmap source;
    source.SetPixelFormat(format);
    source.SetSize(2, 1);
    Paint(source, 0, 0, RGB(0, 255, 0));
    Paint(source, 1, 0, RGB(200, 10, 30));
    source.SetTransparent(true);
    source.SetTransparentColor(TColor(RGB(0, 255, 0)));
    TvgBitmap bitmap;
    bitmap.Assign(&source);
    EXPECT_EQ(bitmap.GetScanline(0)[0], 0u);
    EXPECT_EQ(bitmap.GetScanline(0)[1] & 0x00FFFFFF, 0xC80A1Eu);
    source.SetTransparent(false);
    bitmap.Assign(&source);
    EXPECT_EQ(bitmap.GetScanline(0)[0] & 0x00FFFFFF, 0x00FF00u);
  }
}

TEST(BitmapGraphics, A24BitBitmapGivesOpaquePixels) {
  TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(2, 2);
  Paint(source, 1, 1, RGB(1, 2, 3));
  TvgBitmap bitmap;
  bitmap.Assign(&source);
  EXPECT_EQ(bitmap.GetScanline(1)[1], 0xFF010203u);
  EXPECT_EQ(bitmap.GetScanline(0)[0], 0xFF000000u);
}

TEST(BitmapGraphics, AnyOtherPictureIsDrawnOverTheKeyColourWhichStaysClear) {
  TBitmap source;
  source.SetPixelFormat(pf16bit);
  source.SetSize(4, 4);
  const RECT left{0, 0, 2, 4};
  FillRect(source.Canvas()->Handle(), &left, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Paint(source, 3, 3, RGB(255, 0, 255));
  TPicture picture;
  picture.Assign(&source);
  TvgBitmap bitmap;
  bitmap.Assign(&picture);
  ASSERT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.GetScanline(2)[0], 0xFFFFFFFFu);
  EXPECT_EQ(bitmap.GetScanline(2)[3], 0xFF000000u);
  EXPECT_EQ(bitmap.GetScanline(3)[3], 0u) << "the picture's own key-coloured pixel is left out too";
}

TEST(BitmapGraphics, AnEmptyPictureEmptiesTheBitmapAndOtherObjectsCannotBeAssigned) {
  TvgBitmap bitmap(5, 5);
  TPicture empty;
  bitmap.Assign(&empty);
  EXPECT_TRUE(bitmap.IsEmpty());
  TPersistent unrelated;
  EXPECT_THROW(bitmap.Assign(&unrelated), EConvertError);
}

TEST(BitmapGraphics, AssignedToAPictureOrBitmapItBecomesA32BitDibOfItsPixels) {
  TvgBitmap bitmap(3, 2);
  bitmap.GetScanline(1)[1] = 0x7F102030;
  TBitmap target;
  target.Assign(&bitmap);
  EXPECT_EQ(target.PixelFormat(), pf32bit);
  EXPECT_EQ(target.HandleType(), bmDIB);
  ASSERT_EQ(target.Width(), 3);
  EXPECT_EQ(static_cast<uint32_t*>(target.ScanLine(1))[1], 0x7F102030u);
  TPicture picture;
  picture.Assign(&bitmap);
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 2);
}

}  // namespace
