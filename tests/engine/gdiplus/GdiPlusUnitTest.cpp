// The GDI+ unit's start-up and shut-down: the default classes it installs, GDI+ running for
// bitmaps that stream and draw through them, and both steps running once per process.
#include <gtest/gtest.h>

#include "classlib/core/MemoryStream.h"
#include "engine/paint/Bitmap.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/GdiPlusApi.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"

namespace {

std::string FormatOf(TvgBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  if (stream.Size() > 4 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') return "png";
  if (stream.Size() > 3 && bytes[0] == 0xFF && bytes[1] == 0xD8) return "jpeg";
  return "other";
}

// One test, because each step runs only once per process.
TEST(GdiPlusUnit, InstallsTheGdiPlusClassesStartsAndStopsOnce) {
  const TvgCanvasClass* chosenBefore = DefaultCanvasClass;
  TClass filterBefore = DefaultFilterClass;
  const TvgCanvasClass* printerBefore = DefaultPrinterCanvasClass;
  DefaultCanvasClass = nullptr;

  vgInitializeGdiPlusUnit();
  EXPECT_TRUE(GdiplusLoaded());
  EXPECT_EQ(DefaultFilterClass, TvgFilterGdiPlus::StaticClass());
  ASSERT_NE(DefaultCanvasClass, nullptr);
  EXPECT_EQ(DefaultCanvasClass->Class, TvgCanvasGdiPlus::StaticClass());
  EXPECT_EQ(DefaultPrinterCanvasClass, DefaultCanvasClass);

  {
    // Bitmaps stream through the filter and draw through the canvas class.
    TvgBitmap translucent(1, 1), opaque(1, 1);
    translucent.Clear(0x80FF0000);
    opaque.Clear(0xFFFF0000);
    EXPECT_EQ(FormatOf(translucent), "png");
    EXPECT_EQ(FormatOf(opaque), "jpeg");

    TMemoryStream stream;
    translucent.SaveToStream(stream);
    stream.SetPosition(0);
    TvgBitmap decoded;
    decoded.LoadFromStream(stream);
    ASSERT_EQ(decoded.Width(), 1);
    EXPECT_EQ(decoded.GetScanline(0)[0], translucent.GetScanline(0)[0]);

    TvgCanvas* canvas = decoded.GetCanvas();
    ASSERT_NE(dynamic_cast<TvgCanvasGdiPlus*>(canvas), nullptr);
    canvas->Clear(0xFF0000FF);
    EXPECT_EQ(decoded.GetScanline(0)[0], 0xFF0000FFu);
  }

  vgFinalizeGdiPlusUnit();
  EXPECT_FALSE(GdiplusLoaded());
  vgInitializeGdiPlusUnit();  // once only: GDI+ stays down
  EXPECT_FALSE(GdiplusLoaded());

  DefaultCanvasClass = chosenBefore;
  DefaultFilterClass = filterBefore;
  DefaultPrinterCanvasClass = printerBefore;
  GdiplusLibraryName = "gdiplus.dll";
}

}  // namespace
