#include "controls/panels/StatusBar.h"

CL_PUBLISHED(TvgStatusBar) {
  using S = TvgStatusBar;
  published.Property("Align", &S::Align, &S::SetAlign).Default(vaBottom);
  published.Property("ShowSizeGrip", &S::ShowSizeGrip, &S::SetShowSizeGrip).Default(true);
}

CL_PUBLISHED(TvgHudStatusBar) {}

TvgStatusBar::TvgStatusBar(TComponent* owner) : TvgControl(owner) {
  SetSizeDirect(Width(), 22);
  SetAlign(vaBottom);
}

void TvgStatusBar::ApplyStyle() {
  TvgControl::ApplyStyle();
  TvgObject* found = FindResource("sizegrip");
  TvgVisualObject* grip = found ? found->Visual() : nullptr;
  if (!grip) return;
  grip->SetVisible(showSizeGrip_);
  if (Designing()) return;
  grip->SetLocked(false);
  grip->SetHitTest(true);
}

// Setting the style again rebuilds it with the grip shown or hidden.
void TvgStatusBar::SetShowSizeGrip(bool show) {
  if (show == showSizeGrip_) return;
  showSizeGrip_ = show;
  SetResource(Resource());
}
