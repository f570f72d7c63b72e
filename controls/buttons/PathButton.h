#pragma once
// TvgPathButton: a button with a vector glyph beside its text, drawn by its style's "path" part
// inside the "pathowner" part; TvgToolPathButton: the same with the glyph on top.
#include <memory>

#include "controls/buttons/Button.h"
#include "controls/buttons/Glyph.h"
#include "engine/paint/Canvas.h"

class TvgBrush;
class TvgPathData;

class TvgPathButton : public TvgCustomButton {
  CL_CLASS(TvgPathButton, TvgCustomButton)
public:
  explicit TvgPathButton(TComponent* owner);
  ~TvgPathButton() override;

  TvgPathData* Path() const { return path_.get(); }
  void SetPath(TvgPathData* path);
  TvgBrush* PathFill() const { return fill_.get(); }
  void SetPathFill(TvgBrush* fill);
  TvgBrush* PathStroke() const { return stroke_.get(); }
  void SetPathStroke(TvgBrush* stroke);
  TvgButtonLayout PathLayout() const { return layout_; }
  void SetPathLayout(TvgButtonLayout layout);
  float PathSize() const { return size_; }
  void SetPathSize(float size) { StoreAndApply(size_, size); }
  float PathSpacing() const { return spacing_; }
  void SetPathSpacing(float spacing) { StoreAndApply(spacing_, spacing); }
  float PathPadding() const { return padding_; }
  void SetPathPadding(float padding) { StoreAndApply(padding_, padding); }
  float PathStrokeThickness() const { return strokeThickness_; }
  void SetPathStrokeThickness(float thickness) { StoreAndApply(strokeThickness_, thickness); }
  TvgStrokeCap PathStrokeCap() const { return strokeCap_; }
  void SetPathStrokeCap(TvgStrokeCap cap) { StoreAndApply(strokeCap_, cap); }
  TvgStrokeDash PathStrokeDash() const { return strokeDash_; }
  void SetPathStrokeDash(TvgStrokeDash dash) { StoreAndApply(strokeDash_, dash); }
  TvgStrokeJoin PathStrokeJoin() const { return strokeJoin_; }
  void SetPathStrokeJoin(TvgStrokeJoin join) { StoreAndApply(strokeJoin_, join); }

  void ApplyStyle() override;

private:
  void GlyphChanged();

  std::unique_ptr<TvgPathData> path_;
  std::unique_ptr<TvgBrush> fill_;
  std::unique_ptr<TvgBrush> stroke_;
  TvgButtonLayout layout_ = vgGlyphLeft;
  float size_ = 32;
  float spacing_ = 0;
  float padding_ = 2;
  float strokeThickness_ = 1;
  TvgStrokeCap strokeCap_ = vgCapFlat;
  TvgStrokeDash strokeDash_ = vgDashSolid;
  TvgStrokeJoin strokeJoin_ = vgJoinMiter;
};

class TvgToolPathButton : public TvgPathButton {
  CL_CLASS(TvgToolPathButton, TvgPathButton)
public:
  explicit TvgToolPathButton(TComponent* owner);
};
