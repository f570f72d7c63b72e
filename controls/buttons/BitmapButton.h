#pragma once
// TvgBitmapButton: a button with a bitmap glyph beside its text, shown in its style's "image"
// part; TvgToolButton: the same with the glyph on top, for tool bars.
#include <memory>

#include "controls/buttons/Button.h"
#include "controls/buttons/Glyph.h"

class TvgBitmap;

class TvgBitmapButton : public TvgCustomButton {
  CL_CLASS(TvgBitmapButton, TvgCustomButton)
public:
  explicit TvgBitmapButton(TComponent* owner);
  ~TvgBitmapButton() override;

  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap);
  TvgButtonLayout BitmapLayout() const { return layout_; }
  void SetBitmapLayout(TvgButtonLayout layout);
  float BitmapSpacing() const { return spacing_; }
  void SetBitmapSpacing(float spacing) { StoreAndApply(spacing_, spacing); }
  float BitmapSize() const { return size_; }
  void SetBitmapSize(float size) { StoreAndApply(size_, size); }
  float BitmapPadding() const { return padding_; }
  void SetBitmapPadding(float padding) { StoreAndApply(padding_, padding); }

  void ApplyStyle() override;

private:
  void PlaceGlyph();

  std::unique_ptr<TvgBitmap> bitmap_;
  TvgButtonLayout layout_ = vgGlyphLeft;
  float spacing_ = 0;
  float size_ = 32;
  float padding_ = 2;
};

class TvgToolButton : public TvgBitmapButton {
  CL_CLASS(TvgToolButton, TvgBitmapButton)
public:
  explicit TvgToolButton(TComponent* owner);
};
