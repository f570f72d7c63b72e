#pragma once
// TvgImage: a bitmap drawn as it is, fitted, stretched or tiled into the object's rect, or as a
// nine-patch whose corners keep their size while its edges and centre stretch.
#include <memory>

#include "engine/paint/Bitmap.h"
#include "engine/values/Bounds.h"
#include "engine/tree/VisualObject.h"

CL_ENUM(TvgImageWrap, vgImageOriginal, vgImageFit, vgImageStretch, vgImageTile)

class TvgImage : public TvgVisualObject {
  CL_CLASS(TvgImage, TvgVisualObject)
public:
  explicit TvgImage(TComponent* owner);

  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap);
  // Any margin not 0 draws the bitmap as a nine-patch with these margins.
  TvgBounds* BitmapMargins() const { return bitmapMargins_.get(); }
  void SetBitmapMargins(TvgBounds* margins) { bitmapMargins_->Assign(margins); }
  TvgImageWrap WrapMode() const { return wrapMode_; }
  void SetWrapMode(TvgImageWrap mode);
  // Fitted and stretched bitmaps are drawn without smoothing.
  bool DisableInterpolation() const { return disableInterpolation_; }
  void SetDisableInterpolation(bool disable);

  // A reference to Bitmap. Given a reference to a persistent object, Bitmap copies it; given
  // anything else, the bitmap is loaded from the file of that name.
  Variant GetData() override;
  void SetData(const Variant& value) override;

  void Paint() override;

  virtual void BitmapChanged(TObject* sender);

  // The bitmap loaded a file; the value is its name.
  TEvent<TObject*, const Variant&> OnBitmapLoaded;

private:
  void BitmapLoaded(const Variant& value);
  void PaintWrapped(TvgCanvas& canvas, TvgBitmap& bitmap, float opacity);
  void PaintTiled(TvgCanvas& canvas, TvgBitmap& bitmap, float opacity);
  void PaintNinePatch(TvgCanvas& canvas, TvgBitmap& bitmap, float opacity);

  std::unique_ptr<TvgBitmap> bitmap_;
  std::unique_ptr<TvgBounds> bitmapMargins_;
  TvgImageWrap wrapMode_ = vgImageFit;
  bool disableInterpolation_ = false;
};
