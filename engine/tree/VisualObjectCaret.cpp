// TvgVisualObject's caret: a child rectangle, blinking when the scene animates carets.
#include "engine/tree/VisualObject.h"

#include "classlib/core/SysUtils.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/paint/Brush.h"
#include "engine/scene/SceneInterface.h"
#include "engine/shapes/Shapes.h"

void TvgVisualObject::CreateCaret() {
  if (caret_) return;
  caret_ = new TvgRectangle(this);
  caret_->FreeNotification(this);
  caret_->SetBounds(0, 0, 3, 20);
  caret_->Fill()->SetColor("#FF0000FF");
  caret_->Stroke()->SetStyle(vgBrushNone);
  caret_->SetStored(false);
  caret_->SetHitTest(false);
  caret_->SetLocked(true);
  caret_->SetVisible(false);
  if (Scene() && Scene()->GetAnimatedCaret()) {
    auto* blink = new TvgFloatAnimation(caret_);
    blink->SetBindingName("caret");
    blink->SetPropertyName("Opacity");
    blink->SetStartValue(1);
    blink->SetStopValue(0);
    blink->SetDuration(0.1f);
    blink->SetAutoReverse(true);
    blink->SetLoop(true);
    blink->SetEnabled(false);
    caret_->AddObject(blink);
  }
  AddObject(caret_);
}

void TvgVisualObject::ShowCaret() {
  CreateCaret();
  caret_->SetVisible(true);
  for (int i = 0; i < caret_->ChildrenCount(); ++i) {
    auto* blink = dynamic_cast<TvgAnimation*>(caret_->Children(i));
    if (blink && SameText(blink->BindingName(), "caret") && !blink->Running()) blink->Start();
  }
}

void TvgVisualObject::HideCaret() {
  if (caret_) caret_->SetVisible(false);
}

void TvgVisualObject::SetCaretPos(const TvgPoint& point) {
  CreateCaret();
  caret_->Position()->SetPoint({float(Round(point.X)), float(Round(point.Y))});
}

void TvgVisualObject::SetCaretSize(const TvgPoint& size) {
  CreateCaret();
  caret_->SetWidth(size.X);
  caret_->SetHeight(size.Y);
}

void TvgVisualObject::SetCaretColor(TvgColor color) {
  CreateCaret();
  caret_->Fill()->SetSolidColor(color);
}
