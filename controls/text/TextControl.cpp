#include "controls/text/TextControl.h"

#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/shapes/Text.h"

CL_PUBLISHED(TvgTextControl) {}

TvgTextControl::TvgTextControl(TComponent* owner)
    : TvgControl(owner),
      font_(std::make_unique<TvgFont>()),
      textBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF000000)) {
  font_->OnChanged = [this](TObject*) { FontChanged(); };
  textBrush_->OnChanged = [this](TObject*) { TextBrushChanged(); };
}

TvgTextControl::~TvgTextControl() {
  font_->OnChanged = nullptr;
  textBrush_->OnChanged = nullptr;
}

TvgText* TvgTextControl::TextPart() { return dynamic_cast<TvgText*>(FindResource("text")); }

// A date's wide-string form is the date-time text of the process's formats.
void TvgTextControl::SetData(const Variant& value) { SetText(value.IsNull() ? std::wstring() : value.ToWideString()); }

void TvgTextControl::ApplyStyle() {
  TvgControl::ApplyStyle();
  if (auto* foreground = dynamic_cast<TvgBrushObject*>(FindResource("foreground")))
    textBrush_->Assign(foreground->Brush());
  if (TvgText* part = TextPart()) {
    part->SetText(text_);
    part->SetHorzTextAlign(textAlign_);
    part->SetVertTextAlign(vertTextAlign_);
    part->SetWordWrap(wordWrap_);
    part->SetFont(font_.get());
  }
  if (AutoTranslate()) {
    const std::wstring translated = vgTranslate(text_);
    if (Scene() && !Designing()) SetText(translated);
  }
}

void TvgTextControl::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  if (TvgText* part = TextPart()) {
    part->SetText(text_);
    part->UpdateEffects();
  } else if (auto* root = dynamic_cast<TvgText*>(StyleObject())) {
    root->SetText(text_);
  } else {
    Repaint();
  }
  UpdateEffects();
}

void TvgTextControl::FontChanged() {
  if (TvgText* part = TextPart()) part->SetFont(font_.get());
}

void TvgTextControl::TextBrushChanged() {
  if (TvgText* part = TextPart()) part->SetFill(textBrush_.get());
}

void TvgTextControl::SetFont(TvgFont* font) { font_->Assign(font); }

void TvgTextControl::SetTextAlign(TvgTextAlign align) {
  textAlign_ = align;
  if (TvgText* part = TextPart()) part->SetHorzTextAlign(align);
  else Repaint();
}

void TvgTextControl::SetVertTextAlign(TvgTextAlign align) {
  vertTextAlign_ = align;
  if (TvgText* part = TextPart()) part->SetVertTextAlign(align);
  else Repaint();
}

void TvgTextControl::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  if (TvgText* part = TextPart()) part->SetWordWrap(wordWrap);
}
