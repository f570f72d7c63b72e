#include "controls/colors/ColorBox.h"

#include "controls/colors/ColorSwatch.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"

CL_PUBLISHED(TvgColorBox) {}

void TvgColorBox::SetColor(TvgColor color) {
  if (color == color_) return;
  color_ = color;
  Repaint();
}

void TvgColorBox::Paint() {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const float opacity = GetAbsoluteOpacity();
  vgPaintCheckerboard(*canvas, GetLocalRect(), 5, opacity);
  canvas->Fill()->SetStyle(vgBrushSolid);
  canvas->Fill()->SetSolidColor(color_);
  canvas->FillRect(GetLocalRect(), 0, 0, vgAllCorners, opacity, vgCornerRound);
}
