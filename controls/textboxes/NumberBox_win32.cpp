#include "controls/textboxes/NumberBox.h"

#include <cmath>

#include "classlib/desktop/Control.h"
#include "engine/paint/Brush.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgNumberBox) {
  using B = TvgNumberBox;
  published.Property("HorzIncrement", &B::HorzIncrement, &B::SetHorzIncrement).Default(1.0f);
  published.Property("VertIncrement", &B::VertIncrement, &B::SetVertIncrement).Default(5.0f);
}
CL_PUBLISHED(TvgHudNumberBox) {}

namespace {
constexpr TvgColor kDragIndicatorColor = 0xAA505050;
constexpr float kDragIndicatorSize = 5;
}  // namespace

TvgNumberBox::TvgNumberBox(TComponent* owner) : TvgCustomValueBox(owner) { SetAutoCapture(true); }

void TvgNumberBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  if (StepByKey(key)) {
    key = 0;
    return;
  }
  TvgCustomValueBox::KeyDown(key, keyChar, shift);
}

void TvgNumberBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgCustomValueBox::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  dragging_ = true;
  dragOrigin_ = {x, y};
  vertical_ = false;
}

void TvgNumberBox::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgCustomValueBox::MouseMove(shift, x, y, dx, dy);
  if (!dragging_) return;
  if (std::fabs(x - dragOrigin_.X) >= std::fabs(y - dragOrigin_.Y)) {
    SetValue(Value() + (x > dragOrigin_.X ? horzIncrement_ : -horzIncrement_));
  } else {
    SetValue(Value() + (y >= dragOrigin_.Y ? -vertIncrement_ : vertIncrement_));
    vertical_ = true;
  }
  SetModified(true);
  dragOrigin_ = {x, y};
}

void TvgNumberBox::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgCustomValueBox::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  Change();
  Repaint();
}

void TvgNumberBox::PaintChildren() {
  TvgCustomValueBox::PaintChildren();
  TvgCanvas* canvas = GetCanvas();
  if (!dragging_ || !canvas) return;
  TvgRect bar = GetLocalRect();
  bar = {bar.Left + 1, bar.Top + 1, bar.Right - 1, bar.Bottom - 1};
  if (vertical_) bar.Left = bar.Right - kDragIndicatorSize;
  else bar.Top = bar.Bottom - kDragIndicatorSize;
  const int state = canvas->SaveState();
  canvas->SetMatrix(GetAbsoluteMatrix());
  canvas->Fill()->SetStyle(vgBrushSolid);
  canvas->Fill()->SetSolidColor(kDragIndicatorColor);
  canvas->FillRect(bar, 0, 0, TvgCorners{}, GetAbsoluteOpacity(), vgCornerRound);
  canvas->RestoreState(state);
}
