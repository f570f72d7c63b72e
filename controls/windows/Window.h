#pragma once
// Window frames. TvgWindow shows its Text as the caption of its style, with the style's close
// button ("close", shown while ShowCloseButton) and size grip ("sizegrip", while ShowSizeGrip).
// The close button closes the hosting form, or, when OnCloseClick is assigned, runs that instead.
// Moving and resizing the form are the scene's: a press on the caption (which takes no pointer)
// drags the form, a press on the grip resizes it. TvgHudWindow is the translucent frame of
// heads-up displays, filled with Fill and outlined with Stroke.
#include <memory>

#include "controls/text/TextControl.h"

class TvgBrush;

CL_ENUM(TvgCloseAlign, vgButtonAlignLeft, vgButtonAlignRight)

class TvgWindow : public TvgTextControl {
  CL_CLASS(TvgWindow, TvgTextControl)
public:
  explicit TvgWindow(TComponent* owner);

  bool ShowCloseButton() const { return showCloseButton_; }
  void SetShowCloseButton(bool show);
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool show);

  void ApplyStyle() override;

  TNotifyEvent OnCloseClick;

private:
  bool showCloseButton_ = true;
  bool showSizeGrip_ = true;
};

class TvgHudWindow : public TvgWindow {
  CL_CLASS(TvgHudWindow, TvgWindow)
public:
  explicit TvgHudWindow(TComponent* owner);
  ~TvgHudWindow() override;

  // Kept for streams of other platforms' designs; it changes nothing here.
  bool DisableShadowOnOSX() const { return disableShadowOnOSX_; }
  void SetDisableShadowOnOSX(bool disable);
  TvgCloseAlign ButtonAlign() const { return buttonAlign_; }
  void SetButtonAlign(TvgCloseAlign align) { Restyle(buttonAlign_, align); }
  // Writing a brush copies it.
  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* fill);
  TvgBrush* Stroke() const { return stroke_.get(); }
  void SetStroke(TvgBrush* stroke);
  float StrokeThickness() const { return strokeThickness_; }
  void SetStrokeThickness(float thickness) { Restyle(strokeThickness_, thickness); }
  TvgStrokeCap StrokeCap() const { return strokeCap_; }
  void SetStrokeCap(TvgStrokeCap cap) { Restyle(strokeCap_, cap); }
  TvgStrokeDash StrokeDash() const { return strokeDash_; }
  void SetStrokeDash(TvgStrokeDash dash) { Restyle(strokeDash_, dash); }
  TvgStrokeJoin StrokeJoin() const { return strokeJoin_; }
  void SetStrokeJoin(TvgStrokeJoin join) { Restyle(strokeJoin_, join); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show) { Restyle(showCaption_, show); }

  void ApplyStyle() override;

private:
  // Stores a changed value and binds the style again (not while loading).
  template <class T>
  void Restyle(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (!Loading()) ApplyStyle();
  }
  void BrushChanged();
  void ShowWithCaption(TvgVisualObject& part);

  bool disableShadowOnOSX_ = true;
  TvgCloseAlign buttonAlign_ = vgButtonAlignLeft;
  std::unique_ptr<TvgBrush> fill_;
  std::unique_ptr<TvgBrush> stroke_;
  float strokeThickness_ = 1;
  TvgStrokeCap strokeCap_ = vgCapFlat;
  TvgStrokeDash strokeDash_ = vgDashSolid;
  TvgStrokeJoin strokeJoin_ = vgJoinMiter;
  bool showCaption_ = true;
};
