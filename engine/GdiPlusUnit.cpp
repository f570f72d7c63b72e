#include "engine/GdiPlusUnit.h"

#include "engine/CanvasGdiPlus.h"
#include "engine/GdiPlusApi.h"
#include "engine/ImageFilterGdiPlus.h"

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
