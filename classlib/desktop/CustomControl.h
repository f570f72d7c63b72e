#pragma once
#include "classlib/desktop/WinControl.h"

// Paints itself: Paint runs for each WM_PAINT with Canvas on the paint context.
class TCustomControl : public TWinControl {
  CL_CLASS(TCustomControl, TWinControl)
public:
  using TWinControl::TWinControl;
  TCanvas* Canvas() { return &canvas_; }
  void WndProc(TMessage& message) override;

protected:
  virtual void Paint() {}

private:
  void PaintMessage(TMessage& message);
  TCanvas canvas_;
};
