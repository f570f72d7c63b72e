#include "classlib/desktop/Control.h"

#include <windowsx.h>

#include "classlib/desktop/WinControl.h"

CL_PUBLISHED(TControl) {
  published.Property("Left", &TControl::Left, &TControl::SetLeft);
  published.Property("Top", &TControl::Top, &TControl::SetTop);
  published.Property("Width", &TControl::Width, &TControl::SetWidth);
  published.Property("Height", &TControl::Height, &TControl::SetHeight);
  published.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
  published.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
  published.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
  published.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault).Idents(CursorIdents());
  published.Property("Color", &TControl::Color, &TControl::SetColor).Idents(ColorIdents());
  published.Property("Hint", &TControl::Hint, &TControl::SetHint);
  published.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false);
}

TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift;
  if (keys & MK_SHIFT) shift.Include(ssShift);
  if (keys & MK_CONTROL) shift.Include(ssCtrl);
  if (keys & MK_LBUTTON) shift.Include(ssLeft);
  if (keys & MK_RBUTTON) shift.Include(ssRight);
  if (keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool sizeChanged = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged(sizeChanged);
}

void TControl::BoundsChanged(bool) { RequestAlign(); }

RECT TControl::ClientRect() const { return {0, 0, width_, height_}; }

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
}

void TControl::VisibleChanged() { RequestAlign(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  CursorChanged();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::Loaded() {
  TComponent::Loaded();
  RequestAlign();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      DefaultHandler(message);
      MouseMessage(message);
      return;
  }
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::MouseMessage(const TMessage& message) {
  const int x = message.XPos(), y = message.YPos();
  TShiftState shift = MouseShiftState(message.WParam);
  switch (message.Msg) {
    case WM_MOUSEMOVE: return MouseMove(shift, x, y);
    case WM_LBUTTONDOWN: return MouseDown(mbLeft, shift, x, y);
    case WM_RBUTTONDOWN: return MouseDown(mbRight, shift, x, y);
    case WM_MBUTTONDOWN: return MouseDown(mbMiddle, shift, x, y);
    case WM_LBUTTONDBLCLK: return MouseDown(mbLeft, shift.Include(ssDouble), x, y);
    case WM_RBUTTONDBLCLK: return MouseDown(mbRight, shift.Include(ssDouble), x, y);
    case WM_MBUTTONDBLCLK: return MouseDown(mbMiddle, shift.Include(ssDouble), x, y);
    case WM_LBUTTONUP: return MouseUp(mbLeft, shift, x, y);
    case WM_RBUTTONUP: return MouseUp(mbRight, shift, x, y);
    case WM_MBUTTONUP: return MouseUp(mbMiddle, shift, x, y);
  }
}
