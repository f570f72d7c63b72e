#include "controls/text/Label.h"

#include "engine/paint/Font.h"
#include "engine/shapes/Text.h"

CL_PUBLISHED(TvgLabel) {
  using L = TvgLabel;
  published.Property("AutoSize", &L::AutoSize, &L::SetAutoSize).Default(false);
  published.Property("AutoTranslate", &L::AutoTranslate, &L::SetAutoTranslate).Default(true);
  published.Property("BindingSource", &L::BindingSource, &L::SetBindingSource);
  published.Property("Font", &L::Font, &L::SetFont);
  published.Property("TextAlign", &L::TextAlign, &L::SetTextAlign).Default(vgTextAlignCenter);
  published.Property("VertTextAlign", &L::VertTextAlign, &L::SetVertTextAlign).Default(vgTextAlignCenter);
  published.Property("Text", &L::Text, &L::SetText);
  published.Property("HitTest", &L::HitTest, &L::SetHitTest).Default(false);
  published.Property("WordWrap", &L::WordWrap, &L::SetWordWrap).Default(true);
}

CL_PUBLISHED(TvgValueLabel) {
  using L = TvgValueLabel;
  published.Property("AutoTranslate", &L::AutoTranslate, &L::SetAutoTranslate).Default(false);
  published.Property("WordWrap", &L::WordWrap, &L::SetWordWrap).Default(false);
}

CL_PUBLISHED(TvgHudLabel) {}

TvgLabel::TvgLabel(TComponent* owner) : TvgTextControl(owner) {
  SetAutoTranslate(true);
  SetSizeDirect(120, 15);
  SetHitTest(false);
}

TvgValueLabel::TvgValueLabel(TComponent* owner) : TvgLabel(owner) {
  SetAutoTranslate(false);
  SetWordWrap(false);
}

void TvgLabel::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  TvgText* part = TextPart();
  if (!part) return;
  part->SetWordWrap(wordWrap_);
  if (autoSize_) FitToText(*part);
}

// The part measures its text on one line from its top-left corner; the label takes that size.
void TvgLabel::FitToText(TvgText& part) {
  wordWrap_ = false;
  part.SetWordWrap(false);
  part.SetVertTextAlign(vgTextAlignNear);
  part.SetHorzTextAlign(vgTextAlignNear);
  const TvgAlign align = part.Align();
  part.SetAlign(vaNone);
  part.SetAutoSize(true);
  SetWidth(part.Width());
  SetHeight(part.Height());
  part.SetAutoSize(false);
  part.SetAlign(align);
}

void TvgLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  if (TvgText* part = TextPart()) part->SetWordWrap(wordWrap);
}

void TvgLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  if (autoSize_) ApplyStyle();
}

void TvgLabel::SetText(const std::wstring& text) {
  if (text == Text()) return;
  TvgTextControl::SetText(text);
  if (autoSize_) ApplyStyle();
}
