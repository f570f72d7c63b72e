#include "engine/tree/TreeUnit.h"

#include "classlib/core/UnitGuard.h"
#include "engine/paint/Bitmap.h"
#include "engine/values/Bounds.h"
#include "engine/paint/Brush.h"
#include "engine/tree/Content.h"
#include "engine/tree/Control.h"
#include "engine/paint/Gradient.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/paint/PathData.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/styles/Resources.h"
#include "engine/values/WideStrings.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTreeUnit() {
  if (!unit.Initializing()) return;
  for (TClass c : {TvgBitmap::StaticClass(), TvgPathData::StaticClass(), TvgBrush::StaticClass(),
                   TvgBounds::StaticClass(), TvgPosition::StaticClass(), TvgGradient::StaticClass(),
                   TvgGradientPoints::StaticClass(), TvgGradientPoint::StaticClass(), TvgVisual::StaticClass(),
                   TvgResources::StaticClass(), TvgObject::StaticClass(), TvgContent::StaticClass(),
                   TvgControl::StaticClass(), TvgWideStrings::StaticClass(), TvgWideStringList::StaticClass()})
    RegisterClass(c);
  vgRegisterObjects("Resources",
                    {TvgBrushObject::StaticClass(), TvgPathObject::StaticClass(), TvgBitmapObject::StaticClass()});
}
