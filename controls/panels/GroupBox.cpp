#include "controls/panels/GroupBox.h"

CL_PUBLISHED(TvgGroupBox) {
  using G = TvgGroupBox;
  published.Property("AutoTranslate", &G::AutoTranslate, &G::SetAutoTranslate).Default(true);
  published.Property("Font", &G::Font, &G::SetFont);
  published.Property("TextAlign", &G::TextAlign, &G::SetTextAlign).Default(vgTextAlignCenter);
  published.Property("Text", &G::Text, &G::SetText);
}

CL_PUBLISHED(TvgHudGroupBox) {}

TvgGroupBox::TvgGroupBox(TComponent* owner) : TvgTextControl(owner) {
  SetAutoTranslate(true);
  SetCanFocused(false);
  SetSizeDirect(120, 100);
}
