#include "engine/gdiplus/GdiPlusUnit.h"

#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/GdiPlusApi.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"

namespace {
bool initialized = false;
bool finalized = false;
}  // namespace

void vgInitializeGdiPlusUnit() {
  if (initialized) return;
  initialized = true;
  DefaultFilterClass = TvgFilterGdiPlus::StaticClass();
  if (!DefaultCanvasClass) DefaultCanvasClass = vgCanvasClass<TvgCanvasGdiPlus>();
  DefaultPrinterCanvasClass = vgCanvasClass<TvgCanvasGdiPlus>();
  StartupGdiplus();
}

void vgFinalizeGdiPlusUnit() {
  if (finalized) return;
  finalized = true;
  ShutdownGdiplus();
  GdiplusLibraryName.clear();
}
