#include "engine/shapes/PaintBox.h"

CL_PUBLISHED(TvgPaintBox) { published.Property("OnPaint", &TvgPaintBox::OnPaint, &TvgPaintBox::OnPaint); }

void TvgPaintBox::Paint() {
  TvgVisualObject::Paint();
  if (OnPaint) OnPaint(this, GetCanvas());
}
