#include "engine/shapes/ShapesUnit.h"

#include "classlib/core/UnitGuard.h"
#include "engine/design/DesignFrame.h"
#include "engine/design/Selection.h"
#include "engine/design/SelectionPoint.h"
#include "engine/shapes/BlurShapes.h"
#include "engine/shapes/Image.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/shapes/PaintBox.h"
#include "engine/shapes/Path.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeShapesUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Shapes",
                    {TvgLine::StaticClass(), TvgRectangle::StaticClass(), TvgSidesRectangle::StaticClass(),
                     TvgBlurRectangle::StaticClass(), TvgRoundRect::StaticClass(), TvgBlurRoundRect::StaticClass(),
                     TvgEllipse::StaticClass(), TvgCircle::StaticClass(), TvgArc::StaticClass(),
                     TvgPie::StaticClass(), TvgText::StaticClass(), TvgPath::StaticClass(), TvgImage::StaticClass(),
                     TvgPaintBox::StaticClass(), TvgScrollArrowLeft::StaticClass(),
                     TvgScrollArrowRight::StaticClass(), TvgCalloutRectangle::StaticClass()});
  vgRegisterObjects("Design", {TvgSelection::StaticClass(), TvgSelectionPoint::StaticClass(),
                               TvgDesignFrame::StaticClass()});
}
