#include "controls/panels/ToolBar.h"

CL_PUBLISHED(TvgToolBar) { published.Property("Align", &TvgToolBar::Align, &TvgToolBar::SetAlign).Default(vaTop); }

TvgToolBar::TvgToolBar(TComponent* owner) : TvgControl(owner) {
  SetSizeDirect(Width(), 40);
  SetAlign(vaTop);
}
