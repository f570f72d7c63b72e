#pragma once
// TvgBrush: the paint of every fill and stroke: nothing, a solid colour, a gradient, a bitmap, a
// named brush resource or the rendering of another visual object. Only what its style uses is
// streamed, and only when it differs from the defaults given to the constructor.
#include <memory>
#include <string>

#include "classlib/core/Persistent.h"
#include "engine/paint/Bitmap.h"
#include "engine/values/Colors.h"
#include "engine/paint/Gradient.h"
#include "engine/tree/Object.h"

class TvgBrush;
class TvgBrushObject;
class TvgVisualObject;

CL_ENUM(TvgBrushStyle, vgBrushNone, vgBrushSolid, vgBrushGradient, vgBrushBitmap, vgBrushResource, vgBrushVisual)
CL_ENUM(TvgWrapMode, vgWrapTile, vgWrapTileOriginal, vgWrapTileStretch)

// A brush that stands for a named TvgBrushObject, found again by its name after loading.
class TvgBrushResource : public TPersistent, public IvgFreeNotify {
  CL_CLASS(TvgBrushResource, TPersistent)
public:
  TvgBrushResource() = default;
  ~TvgBrushResource() override;
  TvgBrushResource(const TvgBrushResource&) = delete;
  TvgBrushResource& operator=(const TvgBrushResource&) = delete;
  TvgBrushObject* Resource() const { return resource_; }
  void SetResource(TvgBrushObject* resource);
  const std::string& ResourceName() const { return resourceName_; }
  void SetResourceName(const std::string& name) { resourceName_ = name; }
  // The referenced object's brush, looked up by name (and then kept) when only the name is known.
  TvgBrush* GetBrush();
  void Assign(TPersistent* source) override;
  void FreeNotify(TvgObject* object) override;

private:
  TvgBrushObject* resource_ = nullptr;
  std::string resourceName_;
};

class TvgBrushBitmap : public TPersistent {
  CL_CLASS(TvgBrushBitmap, TPersistent)
public:
  TvgBrushBitmap();
  TvgBrushBitmap(const TvgBrushBitmap&) = delete;
  TvgBrushBitmap& operator=(const TvgBrushBitmap&) = delete;
  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap) { bitmap_->Assign(bitmap); }
  TvgWrapMode WrapMode() const { return wrapMode_; }
  void SetWrapMode(TvgWrapMode mode);
  void Assign(TPersistent* source) override;

  TNotifyEvent OnChanged;

private:
  std::unique_ptr<TvgBitmap> bitmap_;
  TvgWrapMode wrapMode_ = vgWrapTile;
};

// The rendering of another visual object as paint.
class TvgVisual : public TPersistent, public IvgFreeNotify {
  CL_CLASS(TvgVisual, TPersistent)
public:
  TvgVisual() = default;
  ~TvgVisual() override;
  TvgVisual(const TvgVisual&) = delete;
  TvgVisual& operator=(const TvgVisual&) = delete;
  TvgVisualObject* VisualObject() const { return visualObject_; }
  void SetVisualObject(TvgVisualObject* object);
  void Assign(TPersistent* source) override;
  void FreeNotify(TvgObject* object) override;

  TNotifyEvent OnChanged;

private:
  TvgVisualObject* visualObject_ = nullptr;
};

class TvgBrush : public TPersistent {
  CL_CLASS(TvgBrush, TPersistent)
public:
  explicit TvgBrush(TvgBrushStyle defaultStyle = vgBrushSolid, TvgColor defaultColor = 0xFFFFFFFF);
  TvgBrush(const TvgBrush&) = delete;
  TvgBrush& operator=(const TvgBrush&) = delete;

  TvgBrushStyle DefaultStyle() const { return defaultStyle_; }
  TvgColor DefaultColor() const { return defaultColor_; }
  TvgBrushStyle Style() const { return style_; }
  void SetStyle(TvgBrushStyle style);
  TvgColor SolidColor() const { return solidColor_; }
  void SetSolidColor(TvgColor color);
  std::string Color() const { return vgColorToStr(solidColor_); }
  void SetColor(const std::string& text);  // a gradient brush also recolours its first stop

  TvgGradient* Gradient() const { return gradient_.get(); }
  void SetGradient(TvgGradient* gradient) { gradient_->Assign(gradient); }
  TvgBrushBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBrushBitmap* bitmap);
  TvgBrushResource* Resource() const { return resource_.get(); }
  void SetResource(TvgBrushResource* resource);
  TvgVisual* Visual() const { return visual_.get(); }
  void SetVisual(TvgVisual* visual);

  // The brush that paints: a resource brush passes on to the brush it names (following chains of
  // resource brushes, and stopping where one would lead back into the chain); any other brush is
  // itself.
  TvgBrush* ResolveBrush();
  TvgColor GetSolidColor();

  void Assign(TPersistent* source) override;

  TNotifyEvent OnChanged;

private:
  bool IsStyleStored() const { return style_ != defaultStyle_; }
  bool IsColorStored() const { return style_ == vgBrushSolid && solidColor_ != defaultColor_; }
  bool IsGradientStored() const { return style_ == vgBrushGradient; }
  bool IsBitmapStored() const { return style_ == vgBrushBitmap; }
  bool IsResourceStored() const { return style_ == vgBrushResource; }
  bool IsVisualStored() const { return style_ == vgBrushVisual; }
  void Changed();

  TvgBrushStyle defaultStyle_;
  TvgColor defaultColor_;
  TvgColor solidColor_;
  TvgBrushStyle style_;
  std::unique_ptr<TvgGradient> gradient_;
  std::unique_ptr<TvgVisual> visual_;
  std::unique_ptr<TvgBrushResource> resource_;
  std::unique_ptr<TvgBrushBitmap> bitmap_;
  bool muted_ = false;
};
