#include "engine/ShapesUnit.h"

#include "engine/BlurShapes.h"
#include "engine/Image.h"
#include "engine/ObjectRegistry.h"
#include "engine/PaintBox.h"
#include "engine/Path.h"
#include "engine/Shapes.h"
#include "engine/Text.h"

namespace {
bool initialized = false;
}  // namespace

void vgInitializeShapesUnit() {
  if (initialized) return;
  initialized = true;
  vgRegisterObjects("Shapes",
                    {TvgLine::StaticClass(), TvgRectangle::StaticClass(), TvgSidesRectangle::StaticClass(),
                     TvgBlurRectangle::StaticClass(), TvgRoundRect::StaticClass(), TvgBlurRoundRect::StaticClass(),
                     TvgEllipse::StaticClass(), TvgCircle::StaticClass(), TvgArc::StaticClass(),
                     TvgPie::StaticClass(), TvgText::StaticClass(), TvgPath::StaticClass(), TvgImage::StaticClass(),
                     TvgPaintBox::StaticClass(), TvgScrollArrowLeft::StaticClass(),
                     TvgScrollArrowRight::StaticClass(), TvgCalloutRectangle::StaticClass()});
}
