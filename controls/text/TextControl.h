#pragma once
// TvgTextControl: the base of every control that shows one text. It owns the text, its font,
// its colour brush and its alignment, and copies them onto the style part "text" (a TvgText)
// whenever the style is applied or one of them changes.
#include <memory>
#include <string>

#include "engine/paint/Canvas.h"
#include "engine/tree/Control.h"

class TvgBrush;
class TvgFont;
class TvgText;

class TvgTextControl : public TvgControl {
  CL_CLASS(TvgTextControl, TvgControl)
public:
  explicit TvgTextControl(TComponent* owner);
  ~TvgTextControl() override;

  const std::wstring& Text() const { return text_; }
  TvgFont* Font() const { return font_.get(); }
  void SetFont(TvgFont* font);
  TvgTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TvgTextAlign align);
  TvgTextAlign VertTextAlign() const { return vertTextAlign_; }
  void SetVertTextAlign(TvgTextAlign align);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // The colour the text is drawn in; a style's "foreground" brush object replaces it.
  TvgBrush* TextBrush() const { return textBrush_.get(); }

  Variant GetData() override { return Variant(text_); }
  // Null empties the text; any other value shows as text.
  void SetData(const Variant& value) override;
  void ApplyStyle() override;

  virtual void SetText(const std::wstring& text);
  virtual void FontChanged();

protected:
  TvgText* TextPart();

private:
  void TextBrushChanged();

  std::unique_ptr<TvgFont> font_;
  std::unique_ptr<TvgBrush> textBrush_;
  std::wstring text_;
  TvgTextAlign textAlign_ = vgTextAlignCenter;
  TvgTextAlign vertTextAlign_ = vgTextAlignCenter;
  bool wordWrap_ = false;
};
