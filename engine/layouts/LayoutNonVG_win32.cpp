#include "engine/layouts/LayoutNonVG.h"

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Timer.h"
#include "classlib/desktop/WinControl.h"
#include "engine/scene/SceneInterface.h"

CL_PUBLISHED(TvgNonVGLayout) {
  published.Property("NonVGControl", &TvgNonVGLayout::NonVGControl, &TvgNonVGLayout::SetNonVGControl);
}

TvgNonVGLayout::TvgNonVGLayout(TComponent* owner) : TvgLayout(owner), timer_(std::make_unique<TTimer>(nullptr)) {
  timer_->SetEnabled(false);
  timer_->SetInterval(100);
  timer_->SetOnTimer([this](TObject*) { CheckParentVisible(); });
}

TvgNonVGLayout::~TvgNonVGLayout() {
  if (control_) control_->RemoveFreeNotification(this);
}

void TvgNonVGLayout::SetNonVGControl(TWinControl* control) {
  if (control == control_) return;
  if (control && Scene() && static_cast<TComponent*>(control) == Scene()->GetComponent()) return;
  if (control_) control_->RemoveFreeNotification(this);
  control_ = control;
  if (control_) control_->FreeNotification(this);
  FollowControlVisibility();
  Realign();
}

// Only a shown control can be hidden by an ancestor, so only then is there anything to watch.
void TvgNonVGLayout::FollowControlVisibility() { timer_->SetEnabled(control_ && control_->Visible()); }

void TvgNonVGLayout::Notification(TComponent* component, TOperation operation) {
  TvgLayout::Notification(component, operation);
  if (operation != opRemove || component != control_) return;
  control_ = nullptr;
  FollowControlVisibility();
}

void TvgNonVGLayout::Realign() {
  TvgLayout::Realign();
  PlaceControl();
}

void TvgNonVGLayout::MatrixChanged(TObject* sender) {
  TvgLayout::MatrixChanged(sender);
  PlaceControl();
}

// The layout's rect in the scene is the rect in the window's client area.
void TvgNonVGLayout::PlaceControl() {
  if (!control_ || !control_->Visible()) return;
  const TvgRect rect = GetAbsoluteRect();
  const int left = int(Round(rect.Left));
  const int top = int(Round(rect.Top));
  control_->SetBounds(left, top, int(Round(rect.Right)) - left, int(Round(rect.Bottom)) - top);
}

bool TvgNonVGLayout::CheckParentVisible() {
  const bool visible = TvgLayout::CheckParentVisible();
  if (control_ && control_->Visible() != visible) {
    control_->SetVisible(visible);
    FollowControlVisibility();
    if (visible) Realign();
  }
  return visible;
}
