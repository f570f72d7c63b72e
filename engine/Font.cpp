#include "engine/Font.h"

CL_PUBLISHED(TvgFont) {
  published.Property("Size", &TvgFont::Size, &TvgFont::SetSize).Default(11.0f);
  published.Property("Family", &TvgFont::Family, &TvgFont::SetFamily).Default(std::string("Tahoma"));
  published.Property("Style", &TvgFont::Style, &TvgFont::SetStyle).Default(vgFontRegular);
  published.Property("ClearType", &TvgFont::ClearType, &TvgFont::SetClearType).Default(true);
}

void TvgFont::Changed() { OnChanged(this); }

void TvgFont::SetSize(float Value) {
  if (size_ == Value) return;
  size_ = Value;
  Changed();
}

void TvgFont::SetFamily(const std::string& Value) {
  if (family_ == Value) return;
  family_ = Value;
  Changed();
}

void TvgFont::SetStyle(TvgFontStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}

void TvgFont::SetClearType(bool Value) {
  if (clearType_ == Value) return;
  clearType_ = Value;
  Changed();
}

void TvgFont::Assign(TPersistent* Source) {
  auto* font = dynamic_cast<TvgFont*>(Source);
  if (!font) return TPersistent::Assign(Source);
  family_ = font->family_;
  size_ = font->size_;
  style_ = font->style_;
  clearType_ = font->clearType_;
  Changed();
}
