#include "controls/extra/DropTarget.h"

CL_PUBLISHED(TvgDropTarget) {
  using D = TvgDropTarget;
  published.Property("DragDisableHighlight", &D::DragDisableHighlight, &D::SetDragDisableHighlight).Default(true);
  published.Property("Filter", &D::Filter, &D::SetFilter);
  published.Property("Font", &D::Font, &D::SetFont);
  published.Property("Text", &D::Text, &D::SetText);
  published.Property("OnDroped", &D::OnDroped, &D::OnDroped);
}

TvgDropTarget::TvgDropTarget(TComponent* owner) : TvgTextControl(owner) {
  SetDragDisableHighlight(true);
  SetSizeDirect(120, 120);
}

void TvgDropTarget::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  TvgTextControl::DragOver(data, point, accept);
  accept = true;
}

void TvgDropTarget::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  TvgTextControl::DragDrop(data, point);
  OnDroped(this, data, point);
}
