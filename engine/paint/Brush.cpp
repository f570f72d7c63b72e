#include "engine/paint/Brush.h"

#include <algorithm>
#include <vector>

#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/tree/VisualObject.h"

// --- TvgBrushResource ------------------------------------------------------------------------

CL_PUBLISHED(TvgBrushResource) {
  published.Property("ResourceName", &TvgBrushResource::ResourceName, &TvgBrushResource::SetResourceName);
}

TvgBrushResource::~TvgBrushResource() {
  if (resource_) resource_->RemoveFreeNotify(this);
}

void TvgBrushResource::SetResource(TvgBrushObject* resource) {
  if (resource_) resource_->RemoveFreeNotify(this);
  resource_ = resource;
  if (!resource_) return;
  resourceName_ = resource_->ResourceName();
  resource_->AddFreeNotify(this);
}

TvgBrush* TvgBrushResource::GetBrush() {
  if (!resource_ && !resourceName_.empty())
    if (auto* found = dynamic_cast<TvgBrushObject*>(vgFindResourceObject(resourceName_))) SetResource(found);
  return resource_ ? resource_->Brush() : nullptr;
}

void TvgBrushResource::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgBrushResource*>(source);
  if (!other) return TPersistent::Assign(source);
  SetResource(other->resource_);
  resourceName_ = other->resourceName_;
}

void TvgBrushResource::FreeNotify(TvgObject* object) {
  if (object == resource_) resource_ = nullptr;
}

// --- TvgBrushBitmap --------------------------------------------------------------------------

CL_PUBLISHED(TvgBrushBitmap) {
  published.Property("Bitmap", &TvgBrushBitmap::Bitmap, &TvgBrushBitmap::SetBitmap);
  published.Property("WrapMode", &TvgBrushBitmap::WrapMode, &TvgBrushBitmap::SetWrapMode);
}

TvgBrushBitmap::TvgBrushBitmap() : bitmap_(std::make_unique<TvgBitmap>()) {
  bitmap_->OnChange = [this](TObject*) { OnChanged(this); };
}

void TvgBrushBitmap::SetWrapMode(TvgWrapMode mode) {
  if (mode == wrapMode_) return;
  wrapMode_ = mode;
  OnChanged(this);
}

void TvgBrushBitmap::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgBrushBitmap*>(source);
  if (!other) return TPersistent::Assign(source);
  wrapMode_ = other->wrapMode_;
  TNotifyEvent bitmapChanged = bitmap_->OnChange;
  bitmap_->OnChange = nullptr;
  bitmap_->Assign(other->bitmap_.get());
  bitmap_->OnChange = bitmapChanged;
  OnChanged(this);
}

// --- TvgVisual -------------------------------------------------------------------------------

CL_PUBLISHED(TvgVisual) {
  published.Property("VisualObject", &TvgVisual::VisualObject, &TvgVisual::SetVisualObject);
}

TvgVisual::~TvgVisual() {
  if (visualObject_) visualObject_->RemoveFreeNotify(this);
}

void TvgVisual::SetVisualObject(TvgVisualObject* object) {
  if (object == visualObject_) return;
  if (visualObject_) visualObject_->RemoveFreeNotify(this);
  visualObject_ = object;
  if (visualObject_) visualObject_->AddFreeNotify(this);
  OnChanged(this);
}

void TvgVisual::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgVisual*>(source);
  if (!other) return TPersistent::Assign(source);
  SetVisualObject(other->visualObject_);
}

void TvgVisual::FreeNotify(TvgObject* object) {
  if (object == visualObject_) visualObject_ = nullptr;
}

// --- TvgBrush --------------------------------------------------------------------------------

CL_PUBLISHED(TvgBrush) {
  published.Property("Style", &TvgBrush::Style, &TvgBrush::SetStyle).Stored(&TvgBrush::IsStyleStored);
  published.Property("Color", &TvgBrush::Color, &TvgBrush::SetColor).Stored(&TvgBrush::IsColorStored);
  published.Property("Gradient", &TvgBrush::Gradient, &TvgBrush::SetGradient).Stored(&TvgBrush::IsGradientStored);
  published.Property("Bitmap", &TvgBrush::Bitmap, &TvgBrush::SetBitmap).Stored(&TvgBrush::IsBitmapStored);
  published.Property("Resource", &TvgBrush::Resource, &TvgBrush::SetResource).Stored(&TvgBrush::IsResourceStored);
  published.Property("Visual", &TvgBrush::Visual, &TvgBrush::SetVisual).Stored(&TvgBrush::IsVisualStored);
}

TvgBrush::TvgBrush(TvgBrushStyle defaultStyle, TvgColor defaultColor)
    : defaultStyle_(defaultStyle),
      defaultColor_(defaultColor),
      solidColor_(defaultColor),
      style_(defaultStyle),
      gradient_(std::make_unique<TvgGradient>()),
      visual_(std::make_unique<TvgVisual>()),
      resource_(std::make_unique<TvgBrushResource>()),
      bitmap_(std::make_unique<TvgBrushBitmap>()) {
  auto changed = [this](TObject*) { Changed(); };
  gradient_->OnChanged = changed;
  visual_->OnChanged = changed;
  bitmap_->OnChanged = changed;
}

void TvgBrush::Changed() {
  if (!muted_) OnChanged(this);
}

void TvgBrush::SetStyle(TvgBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TvgBrush::SetSolidColor(TvgColor color) {
  if (color == solidColor_) return;
  solidColor_ = color;
  Changed();
}

void TvgBrush::SetColor(const std::string& text) {
  TvgColor color = vgStrToColor(text);
  if (style_ == vgBrushGradient && gradient_->Points()->Count() > 0) gradient_->Points()->Points(0)->SetIntColor(color);
  SetSolidColor(color);
}

void TvgBrush::SetBitmap(TvgBrushBitmap* bitmap) {
  if (bitmap) bitmap_->Assign(bitmap);
}

void TvgBrush::SetResource(TvgBrushResource* resource) {
  if (resource) resource_->Assign(resource);
}

void TvgBrush::SetVisual(TvgVisual* visual) {
  if (visual) visual_->Assign(visual);
}

TvgBrush* TvgBrush::ResolveBrush() {
  std::vector<TvgBrush*> chain{this};
  TvgBrush* brush = this;
  while (brush->style_ == vgBrushResource) {
    TvgBrush* next = brush->resource_->GetBrush();
    if (!next || std::find(chain.begin(), chain.end(), next) != chain.end()) break;
    chain.push_back(next);
    brush = next;
  }
  return brush;
}

TvgColor TvgBrush::GetSolidColor() { return ResolveBrush()->solidColor_; }

void TvgBrush::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgBrush*>(source);
  if (!other) return TPersistent::Assign(source);
  muted_ = true;
  defaultStyle_ = other->defaultStyle_;
  defaultColor_ = other->defaultColor_;
  solidColor_ = other->GetSolidColor();
  style_ = other->style_;
  switch (style_) {
    case vgBrushGradient: gradient_->Assign(other->gradient_.get()); break;
    case vgBrushBitmap: bitmap_->Assign(other->bitmap_.get()); break;
    case vgBrushResource: resource_->Assign(other->resource_.get()); break;
    case vgBrushVisual: visual_->Assign(other->visual_.get()); break;
    default: break;
  }
  muted_ = false;
  Changed();
}
