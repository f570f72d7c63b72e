#include "engine/shapes/Image.h"

#include "classlib/core/SysUtils.h"
#include "engine/paint/Canvas.h"
#include "engine/design/DesignOutline.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/paint/TileGrid.h"

CL_PUBLISHED(TvgImage) {
  using I = TvgImage;
  published.Property("Bitmap", &I::Bitmap, &I::SetBitmap);
  published.Property("BitmapMargins", &I::BitmapMargins, &I::SetBitmapMargins);
  published.Property("WrapMode", &I::WrapMode, &I::SetWrapMode).Default(vgImageFit);
  published.Property("DisableInterpolation", &I::DisableInterpolation, &I::SetDisableInterpolation)
      .Default(false);
  published.Property("OnBitmapLoaded", &I::OnBitmapLoaded, &I::OnBitmapLoaded);
}

TvgImage::TvgImage(TComponent* owner)
    : TvgVisualObject(owner), bitmap_(std::make_unique<TvgBitmap>()), bitmapMargins_(std::make_unique<TvgBounds>()) {
  bitmap_->OnChange = [this](TObject* sender) { BitmapChanged(sender); };
  bitmap_->OnLoaded = [this](TObject*, const Variant& value) { BitmapLoaded(value); };
  bitmapMargins_->OnChange = [this](TObject*) { Repaint(); };
}

void TvgImage::SetBitmap(TvgBitmap* bitmap) {
  bitmap_->Assign(bitmap);
  Repaint();
}

void TvgImage::SetWrapMode(TvgImageWrap mode) {
  if (mode == wrapMode_) return;
  wrapMode_ = mode;
  Repaint();
}

void TvgImage::SetDisableInterpolation(bool disable) {
  if (disable == disableInterpolation_) return;
  disableInterpolation_ = disable;
  Repaint();
}

void TvgImage::BitmapChanged(TObject*) {
  UpdateEffects();
  Repaint();
}

void TvgImage::BitmapLoaded(const Variant& value) {
  OnBitmapLoaded(this, value);
  if (!HasState(csDestroying)) Repaint();
}

Variant TvgImage::GetData() { return vgObjectToVariant(bitmap_.get()); }

void TvgImage::SetData(const Variant& value) {
  if (vgVarIsObject(value)) {
    if (auto* persistent = dynamic_cast<TPersistent*>(vgVariantToObject(value))) bitmap_->Assign(persistent);
    return;
  }
  bitmap_->LoadFromFile(VarToStr(value));
}

void TvgImage::Paint() {
  TvgCanvas* canvas = GetCanvas();
  vgPaintDesignOutline(*this, *canvas);
  TvgBitmap* bitmap = bitmap_->GetResourceBitmap();
  if (!bitmap) bitmap = bitmap_.get();
  if (bitmap->IsEmpty()) return;
  const float opacity = GetAbsoluteOpacity();
  if (bitmapMargins_->Empty()) PaintWrapped(*canvas, *bitmap, opacity);
  else PaintNinePatch(*canvas, *bitmap, opacity);
}

void TvgImage::PaintWrapped(TvgCanvas& canvas, TvgBitmap& bitmap, float opacity) {
  const TvgRect local = GetLocalRect();
  const TvgRect whole{0, 0, float(bitmap.Width()), float(bitmap.Height())};
  switch (wrapMode_) {
    case vgImageOriginal: {
      const int state = canvas.SaveState();
      canvas.IntersectClipRect(local);
      canvas.DrawBitmap(&bitmap, whole, whole, opacity, true);
      canvas.RestoreState(state);
      break;
    }
    case vgImageFit: {
      TvgRect fitted = whole;
      vgRectFit(fitted, local);
      canvas.DrawBitmap(&bitmap, whole, fitted, opacity, disableInterpolation_);
      break;
    }
    case vgImageStretch: canvas.DrawBitmap(&bitmap, whole, local, opacity, disableInterpolation_); break;
    case vgImageTile: PaintTiled(canvas, bitmap, opacity); break;
  }
}

void TvgImage::PaintTiled(TvgCanvas& canvas, TvgBitmap& bitmap, float opacity) {
  const float bw = float(bitmap.Width()), bh = float(bitmap.Height());
  const TvgRect whole{0, 0, bw, bh};
  const int state = canvas.SaveState();
  canvas.IntersectClipRect(GetLocalRect());
  vgForEachVisibleTile(canvas, {0, 0}, {bw, bh}, {bw, bh}, Round(Width() / bw), Round(Height() / bh),
                       [&](int64_t column, int64_t row) {
                         const TvgRect tile{float(column) * bw, float(row) * bh, float(column) * bw + bw,
                                            float(row) * bh + bh};
                         canvas.DrawBitmap(&bitmap, whole, tile, opacity, true);
                       });
  canvas.RestoreState(state);
}

// Corners keep their size, the edges stretch along their side, the centre both ways.
void TvgImage::PaintNinePatch(TvgCanvas& canvas, TvgBitmap& bitmap, float opacity) {
  const TvgRect m = bitmapMargins_->GetRect();
  const float bw = float(bitmap.Width()), bh = float(bitmap.Height()), w = Width(), h = Height();
  const float sourceColumns[4] = {0, m.Left, bw - m.Right, bw};
  const float sourceRows[4] = {0, m.Top, bh - m.Bottom, bh};
  const float columns[4] = {0, m.Left, w - m.Right, w};
  const float rows[4] = {0, m.Top, h - m.Bottom, h};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      canvas.DrawBitmap(&bitmap,
                        {sourceColumns[column], sourceRows[row], sourceColumns[column + 1], sourceRows[row + 1]},
                        {columns[column], rows[row], columns[column + 1], rows[row + 1]}, opacity, true);
}
