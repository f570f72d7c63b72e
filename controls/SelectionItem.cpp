#include "controls/SelectionItem.h"

CL_PUBLISHED(TvgSelectionItem) {}

TvgSelectionItem::TvgSelectionItem(TComponent* owner) : TvgControl(owner) { SetHitTest(false); }

void TvgSelectionItem::PaintChildren() {
  if (!Designing()) TvgControl::PaintChildren();
}
