#include "controls/panels/SelectionItem.h"

CL_PUBLISHED(TvgSelectionItem) {
  published.Property("HitTest", &TvgSelectionItem::HitTest, &TvgSelectionItem::SetHitTest).Default(false);
}

TvgSelectionItem::TvgSelectionItem(TComponent* owner) : TvgControl(owner) { SetHitTest(false); }

void TvgSelectionItem::PaintChildren() {
  if (!Designing()) TvgControl::PaintChildren();
}
