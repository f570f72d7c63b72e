#include "classlib/desktop/Graphics.h"

namespace {
int ScreenPixelsPerInch() {
  static const int ppi = [] {
    HDC dc = GetDC(nullptr);
    const int value = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return value > 0 ? value : 96;
  }();
  return ppi;
}
}  // namespace

const TIdentMap& ColorIdents() {
  static const TIdentMap map{{clBlack, "clBlack"},         {clWhite, "clWhite"},     {clNone, "clNone"},
                             {clDefault, "clDefault"},     {clBtnFace, "clBtnFace"}, {clBtnText, "clBtnText"},
                             {clWindow, "clWindow"},       {clWindowText, "clWindowText"}};
  return map;
}

COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return COLORREF(color);
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap map{
      {ANSI_CHARSET, "ANSI_CHARSET"}, {DEFAULT_CHARSET, "DEFAULT_CHARSET"}, {GB2312_CHARSET, "GB2312_CHARSET"}};
  return map;
}

CL_PUBLISHED(TFont) {
  published.Property("Charset", &TFont::Charset, &TFont::SetCharset).Idents(CharsetIdents());
  published.Property("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents());
  published.Property("Height", &TFont::Height, &TFont::SetHeight);
  published.Property("Name", &TFont::Name, &TFont::SetName);
  published.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  published.Property("Style", &TFont::Style, &TFont::SetStyle).Default({});
}

void TFont::Assign(TPersistent* source) {
  auto* font = dynamic_cast<TFont*>(source);
  if (!font) return TPersistent::Assign(source);
  name_ = font->name_;
  height_ = font->height_;
  color_ = font->color_;
  style_ = font->style_;
  charset_ = font->charset_;
  Changed();
}

void TFont::Changed() { OnChange(this); }

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int32_t height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int32_t TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }
void TFont::SetSize(int32_t points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int32_t charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}
