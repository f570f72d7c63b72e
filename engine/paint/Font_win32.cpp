#include "engine/paint/Font.h"

#include <cmath>

#include "classlib/desktop/Graphics.h"

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

namespace {

// The class library's styles of the first four values; underline and strike-out have none.
const TFontStyles kLibraryStyles[] = {{}, {fsBold}, {fsItalic}, {fsBold, fsItalic}};

}  // namespace

void TvgFont::Assign(TPersistent* Source) {
  if (auto* font = dynamic_cast<TvgFont*>(Source)) {
    family_ = font->family_;
    size_ = font->size_;
    style_ = font->style_;
    clearType_ = font->clearType_;
    return Changed();
  }
  if (auto* font = dynamic_cast<TFont*>(Source)) {
    family_ = font->Name();
    size_ = float(std::abs(font->Height()));
    for (int style = vgFontRegular; style <= vgFontBoldItalic; ++style)
      if (font->Style() == kLibraryStyles[style]) style_ = TvgFontStyle(style);
    return Changed();
  }
  TPersistent::Assign(Source);
}

void TvgFont::AssignTo(TPersistent* Dest) {
  auto* font = dynamic_cast<TFont*>(Dest);
  if (!font) return TPersistent::AssignTo(Dest);
  font->SetName(family_);
  font->SetHeight(-int32_t(Round(size_)));
  if (style_ <= vgFontBoldItalic) font->SetStyle(kLibraryStyles[style_]);
}
