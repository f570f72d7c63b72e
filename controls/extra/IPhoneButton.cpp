#include "controls/extra/IPhoneButton.h"

#include "engine/paint/Brush.h"
#include "engine/shapes/Shape.h"

CL_PUBLISHED(TvgIPhoneButton) {
  using B = TvgIPhoneButton;
  published.Property("Background", &B::Background, &B::SetBackground);
  published.Property("Resource", &B::Resource, &B::SetResource);
}

TvgIPhoneButton::TvgIPhoneButton(TComponent* owner)
    : TvgBitmapButton(owner), background_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF808080)) {
  background_->OnChanged = [this](TObject*) { PaintBackground(); };
}

TvgIPhoneButton::~TvgIPhoneButton() { background_->OnChanged = nullptr; }

void TvgIPhoneButton::SetBackground(TvgBrush* brush) { background_->Assign(brush); }

void TvgIPhoneButton::ApplyStyle() {
  TvgBitmapButton::ApplyStyle();
  PaintBackground();
}

void TvgIPhoneButton::PaintBackground() {
  if (auto* shape = dynamic_cast<TvgShape*>(FindResource("background"))) shape->SetFill(background_.get());
}
