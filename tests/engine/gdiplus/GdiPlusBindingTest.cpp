// The run-time GDI+ binding: loading, start-up and shut-down, the wrappers' statuses, and real
// pixels drawn through the wrappers.
#include <gtest/gtest.h>

#include <vector>

#include "engine/gdiplus/GdiPlus.h"

namespace {

class GdiPlusBinding : public testing::Test {
protected:
  void SetUp() override { StartupGdiplus(); }
  void TearDown() override {
    ShutdownGdiplus();
    GdiplusLibraryName = "gdiplus.dll";
  }
};

// A 32-bit top-down DIB section selected into a memory device context.
class DibSection {
public:
  DibSection(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    dib_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, dib_);
  }
  ~DibSection() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(dib_);
  }
  HDC Dc() const { return dc_; }
  uint32_t Pixel(int x, int y) const { return bits_[y * width_ + x]; }

private:
  int width_;
  HBITMAP dib_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

TEST_F(GdiPlusBinding, DrawsPremultipliedPixelsIntoCallerMemory) {
  std::vector<uint32_t> pixels(4 * 4, 0xDEADBEEF);
  {
    TGPBitmap bitmap(4, 4, 16, gpPixelFormat32bppPARGB, pixels.data());
    TGPGraphics graphics(bitmap);
    ASSERT_EQ(graphics.GetLastStatus(), gpOk);
    graphics.Clear(0x80FF0000);
    TGPSolidBrush blue(0xFF0000FF);
    graphics.FillRectangle(blue, {1, 1, 2, 2});
  }
  EXPECT_EQ(pixels[0], 0x80800000u);   // half-transparent red, premultiplied
  EXPECT_EQ(pixels[5], 0xFF0000FFu);   // (1, 1)
  EXPECT_EQ(pixels[10], 0xFF0000FFu);  // (2, 2)
  EXPECT_EQ(pixels[15], 0x80800000u);  // (3, 3) outside the rectangle
}

TEST_F(GdiPlusBinding, DrawsOnTheDeviceContextOfADibSection) {
  DibSection dib(8, 8);
  {
    TGPGraphics graphics(dib.Dc());
    ASSERT_EQ(graphics.GetLastStatus(), gpOk);
    TGPSolidBrush green(0xFF00FF00);
    graphics.FillRectangle(green, {0, 0, 4, 8});
  }
  EXPECT_EQ(dib.Pixel(1, 3), 0xFF00FF00u);
  EXPECT_EQ(dib.Pixel(6, 3) & 0x00FFFFFF, 0u);
}

TEST_F(GdiPlusBinding, AFailedCallIsRememberedUntilTheObjectGoes) {
  std::vector<uint32_t> pixels(4);
  TGPBitmap bitmap(2, 2, 8, gpPixelFormat32bppPARGB, pixels.data());
  TGPGraphics graphics(bitmap);
  TGPBitmap empty(0, 0, gpPixelFormat32bppPARGB);
  EXPECT_EQ(empty.GetLastStatus(), gpInvalidParameter);
  EXPECT_EQ(graphics.DrawImage(empty, 0, 0), gpInvalidParameter);
  EXPECT_EQ(graphics.SetSmoothingMode(2), gpOk);
  EXPECT_EQ(graphics.GetLastStatus(), gpInvalidParameter);
}

TEST_F(GdiPlusBinding, FontFamiliesAreFoundByNameOrReportMissing) {
  TGPFontFamily tahoma(L"Tahoma");
  EXPECT_EQ(tahoma.GetLastStatus(), gpOk);
  EXPECT_NE(tahoma.Handle(), nullptr);
  EXPECT_TRUE(tahoma.IsStyleAvailable(0));

  TGPFontFamily missing(L"No Such Family Anywhere");
  EXPECT_EQ(missing.GetLastStatus(), gpFontFamilyNotFound);
  EXPECT_EQ(missing.Handle(), nullptr);
}

TEST_F(GdiPlusBinding, KeptFamiliesHandOutCopiesThatSurviveARestart) {
  using Factory = std::unique_ptr<TGPFontFamily> (*)();
  const Factory factories[] = {GenericSansSerifFontFamily, [] { return InstalledFontFamily(L"Tahoma"); }};
  for (Factory kept : factories) {
    {
      auto first = kept();
      auto second = kept();
      EXPECT_EQ(first->GetLastStatus(), gpOk);
      ASSERT_NE(first->Handle(), nullptr);
      first.reset();
      TGPFont fromCopy(*second, 12, 0, gpUnitPixel);
      EXPECT_EQ(fromCopy.GetLastStatus(), gpOk);
    }

    ShutdownGdiplus();
    StartupGdiplus();
    auto afterRestart = kept();
    EXPECT_EQ(afterRestart->GetLastStatus(), gpOk);
    TGPFont font(*afterRestart, 12, 0, gpUnitPixel);
    EXPECT_EQ(font.GetLastStatus(), gpOk);
  }
}

TEST_F(GdiPlusBinding, AMissingInstalledFamilyStaysMissing) {
  for (int i = 0; i < 2; ++i) {
    auto missing = InstalledFontFamily(L"No Such Family Anywhere");
    EXPECT_EQ(missing->Handle(), nullptr);
    EXPECT_EQ(missing->GetLastStatus(), gpFontFamilyNotFound);
  }
}

TEST_F(GdiPlusBinding, PathDataComesBackWithPointTypes) {
  TGPGraphicsPath path;
  path.AddLine(0, 0, 10, 0);
  path.AddLine(10, 0, 10, 10);
  path.CloseFigure();
  TPathData data;
  ASSERT_EQ(path.GetPathData(data), gpOk);
  ASSERT_EQ(data.Count, 3);
  EXPECT_EQ(data.Types, (std::vector<uint8_t>{0, 1, 0x81}));
  EXPECT_FLOAT_EQ(data.Points[2].X, 10);
  EXPECT_FLOAT_EQ(data.Points[2].Y, 10);
  EXPECT_TRUE(path.IsVisible(8, 2));
  EXPECT_FALSE(path.IsVisible(2, 8));
}

TEST_F(GdiPlusBinding, EncodersAreFoundByTheirExactMimeType) {
  const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  CLSID found{};
  ASSERT_TRUE(GetEncoderClsid(L"image/png", found));
  EXPECT_TRUE(IsEqualGUID(found, png));
  EXPECT_TRUE(GetEncoderClsid(L"image/jpeg", found));
  EXPECT_FALSE(GetEncoderClsid(L"image/PNG", found));
  EXPECT_FALSE(GetEncoderClsid(L"image/webp", found));
}

TEST_F(GdiPlusBinding, ShutDownLeavesEveryCallHarmless) {
  ShutdownGdiplus();
  EXPECT_FALSE(GdiplusLoaded());
  TGPSolidBrush brush(0xFF000000);
  EXPECT_EQ(brush.Handle(), nullptr);
  EXPECT_EQ(brush.GetLastStatus(), gpNotLoaded);
  CLSID clsid{};
  EXPECT_FALSE(GetEncoderClsid(L"image/png", clsid));
  ShutdownGdiplus();  // a second shut-down does nothing

  StartupGdiplus();
  EXPECT_TRUE(GdiplusLoaded());
  TGPSolidBrush again(0xFF000000);
  EXPECT_EQ(again.GetLastStatus(), gpOk);
}

TEST_F(GdiPlusBinding, AMissingLibraryFailsQuietlyAndDrawsNothing) {
  ShutdownGdiplus();
  GdiplusLibraryName = "no-such-gdiplus.dll";
  StartupGdiplus();
  StartupGdiplus();
  EXPECT_FALSE(GdiplusLoaded());

  DibSection dib(4, 4);
  TGPGraphics graphics(dib.Dc());
  TGPPen pen(0xFF000000, 1);
  EXPECT_EQ(graphics.Handle(), nullptr);
  EXPECT_EQ(graphics.DrawLine(pen, 0, 0, 4, 4), gpNotLoaded);
  EXPECT_EQ(graphics.GetDpiX(), 0);
  EXPECT_EQ(dib.Pixel(1, 1), 0u);
}

}  // namespace
