#include "controls/colors/ColorSwatch.h"

#include "classlib/core/SysUtils.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"

namespace {

void FillSolid(TvgCanvas& canvas, const TvgRect& rect, TvgColor color, float opacity) {
  canvas.Fill()->SetStyle(vgBrushSolid);
  canvas.Fill()->SetSolidColor(color);
  canvas.FillRect(rect, 0, 0, vgAllCorners, opacity, vgCornerRound);
}

}  // namespace

void vgPaintCheckerboard(TvgCanvas& canvas, const TvgRect& area, float cell, float opacity) {
  const int state = canvas.SaveState();
  canvas.IntersectClipRect(area);
  canvas.Stroke()->SetStyle(vgBrushNone);
  FillSolid(canvas, area, 0xFFFFFFFF, opacity);
  const int columns = int(Trunc((area.Right - area.Left) / cell)) + 1;
  const int rows = int(Trunc((area.Bottom - area.Top) / cell)) + 1;
  for (int column = 0; column <= columns; ++column)
    for (int row = 0; row <= rows; ++row) {
      if ((column + row) % 2 == 0) continue;
      const float left = area.Left + float(column) * cell;
      const float top = area.Top + float(row) * cell;
      FillSolid(canvas, {left, top, left + cell, top + cell}, 0xFFD3D3D3, opacity);
    }
  if (state >= 0) canvas.RestoreState(state);
}

void vgPaintColorMarker(TvgCanvas& canvas, const TvgPoint& center, TvgColor color, float opacity) {
  TvgRect ring = vgMakeRect(center.X - 5, center.Y - 5, center.X + 5, center.Y + 5);
  canvas.StrokeThickness = 1;
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(0xFF000000);
  canvas.DrawEllipse(ring, opacity);
  vgInflateRect(ring, -1, -1);
  canvas.Stroke()->SetSolidColor(0xFFFFFFFF);
  canvas.DrawEllipse(ring, opacity);
  vgInflateRect(ring, -1, -1);
  canvas.Fill()->SetStyle(vgBrushSolid);
  canvas.Fill()->SetSolidColor(color);
  canvas.FillEllipse(ring, opacity);
}

void vgFillPixels(TvgBitmap& bitmap, const std::function<TvgColor(int x, int y)>& colorAt) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    TvgColor* row = bitmap.GetScanline(y);
    for (int x = 0; x < bitmap.Width(); ++x) row[x] = vgColorToPixel(colorAt(x, y));
  }
}

void vgKeepRamp(std::unique_ptr<TvgBitmap>& ramp, int width, int height,
                const std::function<TvgColor(int x, int y)>& colorAt) {
  if (ramp && (ramp->Width() != width || ramp->Height() != height)) ramp.reset();
  if (ramp) return;
  ramp = std::make_unique<TvgBitmap>(width, height);
  vgFillPixels(*ramp, colorAt);
}
