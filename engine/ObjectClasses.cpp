#include "engine/ObjectClasses.h"

#include "engine/Bitmap.h"
#include "engine/Bounds.h"
#include "engine/Brush.h"
#include "engine/Content.h"
#include "engine/Control.h"
#include "engine/Gradient.h"
#include "engine/ObjectRegistry.h"
#include "engine/PathData.h"
#include "engine/ResourceObjects.h"
#include "engine/Resources.h"
#include "engine/WideStrings.h"

void vgRegisterObjectClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  for (TClass c : {TvgBitmap::StaticClass(), TvgPathData::StaticClass(), TvgBrush::StaticClass(),
                   TvgBounds::StaticClass(), TvgPosition::StaticClass(), TvgGradient::StaticClass(),
                   TvgGradientPoints::StaticClass(), TvgGradientPoint::StaticClass(), TvgVisual::StaticClass(),
                   TvgResources::StaticClass(), TvgObject::StaticClass(), TvgContent::StaticClass(),
                   TvgControl::StaticClass(), TvgWideStrings::StaticClass(), TvgWideStringList::StaticClass()})
    RegisterClass(c);
  vgRegisterObjects("Resources",
                    {TvgBrushObject::StaticClass(), TvgPathObject::StaticClass(), TvgBitmapObject::StaticClass()});
}
