#pragma once
// TvgNumberBox: a value box changed by dragging the mouse over it (sideways by HorzIncrement,
// up and down by VertIncrement, one step per move) or with Up and Down (HorzIncrement). While
// dragging it shows a bar along the edge of the direction of the last step.
#include "controls/textboxes/ValueBox.h"

class TvgNumberBox : public TvgCustomValueBox {
  CL_CLASS(TvgNumberBox, TvgCustomValueBox)
public:
  explicit TvgNumberBox(TComponent* owner);

  float HorzIncrement() const { return horzIncrement_; }
  void SetHorzIncrement(float increment) { horzIncrement_ = increment; }
  float VertIncrement() const { return vertIncrement_; }
  void SetVertIncrement(float increment) { vertIncrement_ = increment; }
  bool Dragging() const { return dragging_; }

  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void PaintChildren() override;

protected:
  float Step() const override { return horzIncrement_; }

private:
  float horzIncrement_ = 1;
  float vertIncrement_ = 5;
  bool dragging_ = false;
  TvgPoint dragOrigin_;
  bool vertical_ = false;
};

class TvgHudNumberBox : public TvgNumberBox {
  CL_CLASS(TvgHudNumberBox, TvgNumberBox)
public:
  using TvgNumberBox::TvgNumberBox;
};
