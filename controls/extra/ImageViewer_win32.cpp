#include "controls/extra/ImageViewer.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "controls/panels/ImageControl.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Shapes.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgImageViewer) {
  using V = TvgImageViewer;
  published.Property("Resource", &V::Resource, &V::SetResource).Default(std::string("framedscrollboxstyle"));
  published.Property("MouseTracking", &V::MouseTracking, &V::SetMouseTracking).Default(true);
  published.Property("Bitmap", &V::Bitmap, &V::SetBitmap);
  published.Property("BitmapScale", &V::BitmapScale, &V::SetBitmapScale).Default(1.0f);
  published.Property("BackgroundFill", &V::BackgroundFill, &V::SetBackgroundFill);
  published.Property("ShowBackground", &V::ShowBackground, &V::SetShowBackground).Default(false);
  published.Property("MouseScaling", &V::MouseScaling, &V::SetMouseScaling).Default(true);
}

TvgImageViewer::TvgImageViewer(TComponent* owner)
    : TvgScrollBox(owner), background_(new TvgRectangle(this)), image_(new TvgImage(this)) {
  SetResource("framedscrollboxstyle");
  SetMouseTracking(true);
  background_->Stroke()->SetStyle(vgBrushNone);
  background_->SetVisible(false);
  image_->SetWrapMode(vgImageStretch);
  for (TvgVisualObject* part : {static_cast<TvgVisualObject*>(background_), static_cast<TvgVisualObject*>(image_)}) {
    part->SetHitTest(false);
    part->SetLocked(true);
    part->SetStored(false);
    AddObject(part);
  }
  // The image repaints itself on a change of its bitmap; the viewer then fits its content to it.
  image_->Bitmap()->OnChange = [this, repaint = image_->Bitmap()->OnChange](TObject* sender) {
    repaint(sender);
    Realign();
  };
}

TvgImageViewer::~TvgImageViewer() { image_->Bitmap()->OnChange = nullptr; }

TvgBitmap* TvgImageViewer::Bitmap() const { return image_->Bitmap(); }
void TvgImageViewer::SetBitmap(TvgBitmap* bitmap) { image_->Bitmap()->Assign(bitmap); }
TvgBrush* TvgImageViewer::BackgroundFill() const { return background_->Fill(); }
void TvgImageViewer::SetBackgroundFill(TvgBrush* brush) { background_->SetFill(brush); }
bool TvgImageViewer::ShowBackground() const { return background_->Visible(); }
void TvgImageViewer::SetShowBackground(bool show) { background_->SetVisible(show); }

void TvgImageViewer::SetBitmapScale(float scale) {
  scale = std::clamp(scale, kMinScale, kMaxScale);
  if (scale == bitmapScale_) return;
  bitmapScale_ = scale;
  Realign();
}

Variant TvgImageViewer::GetData() { return vgObjectToVariant(Bitmap()); }
void TvgImageViewer::SetData(const Variant& value) { vgAssignBitmapData(*Bitmap(), value); }

void TvgImageViewer::GetContentBounds(TvgRect& rect) {
  const float width = float(Bitmap()->Width()) * bitmapScale_, height = float(Bitmap()->Height()) * bitmapScale_;
  const float viewportWidth = GetViewportWidth(), viewportHeight = GetViewportHeight();
  const float left = width < viewportWidth ? float(Round((viewportWidth - width) / 2)) : 0;
  const float top = height < viewportHeight ? float(Round((viewportHeight - height) / 2)) : 0;
  image_->SetBounds(left, top, width, height);
  background_->SetBounds(left, top, width, height);
  rect = vgUnionRect({0, 0, 0, 0}, image_->GetParentedRect());
}

void TvgImageViewer::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  if (mouseScaling_) {
    SetBitmapScale(bitmapScale_ + float(wheelDelta) / 120 * kScalePerNotch);
    handled = true;
  }
  TvgScrollBox::MouseWheel(shift, wheelDelta, handled);
}
