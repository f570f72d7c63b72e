#include "engine/gdiplus/GdiPlusUnit.h"

#include "classlib/core/UnitGuard.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/GdiPlusApi.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeGdiPlusUnit() {
  if (!unit.Initializing()) return;
  DefaultFilterClass = TvgFilterGdiPlus::StaticClass();
  if (!DefaultCanvasClass) DefaultCanvasClass = vgCanvasClass<TvgCanvasGdiPlus>();
  DefaultPrinterCanvasClass = vgCanvasClass<TvgCanvasGdiPlus>();
  StartupGdiplus();
}

void vgFinalizeGdiPlusUnit() {
  if (!unit.Finalizing()) return;
  ShutdownGdiplus();
  GdiplusLibraryName.clear();
}
