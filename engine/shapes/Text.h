#pragma once
// TvgText: a wide string drawn in a font and the fill colour within the object's rect, aligned
// on both axes, wrapped or on one line. With AutoSize it takes the size of its text; with Stretch
// the text is scaled to fill the rect.
#include <memory>
#include <string>

#include "engine/paint/Font.h"
#include "engine/shapes/Shape.h"

class TvgText : public TvgShape {
  CL_CLASS(TvgText, TvgShape)
public:
  explicit TvgText(TComponent* owner);

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& text);
  TvgFont* Font() const { return font_.get(); }
  void SetFont(TvgFont* font) { font_->Assign(font); }
  TvgTextAlign HorzTextAlign() const { return horzTextAlign_; }
  void SetHorzTextAlign(TvgTextAlign align);
  TvgTextAlign VertTextAlign() const { return vertTextAlign_; }
  void SetVertTextAlign(TvgTextAlign align);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap) { StoreAndRepaint(wordWrap_, wordWrap); }
  // Without WordWrap the width follows the text; unless centred vertically, the height too.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // Switching it on switches AutoSize off.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  Variant GetData() override { return Variant(text_); }
  void SetData(const Variant& value) override { SetText(value.ToWideString()); }

  void Paint() override;
  void Realign() override;

  virtual void FontChanged(TObject* sender);

private:
  void AdjustSize();
  void PaintStretched(TvgCanvas& canvas);

  std::wstring text_;
  std::unique_ptr<TvgFont> font_;
  TvgTextAlign vertTextAlign_ = vgTextAlignCenter;
  TvgTextAlign horzTextAlign_ = vgTextAlignCenter;
  bool wordWrap_ = true;
  bool autoSize_ = false;
  bool stretch_ = false;
  bool adjustingSize_ = false;
};
