#pragma once
// The base of every control: a component with a parent window control, bounds in its parent's
// client coordinates, alignment, visibility, a cursor, and the message chain through which all
// its window messages pass.
//
// Message dispatch: a message goes to the most derived WndProc. A class handles the messages it
// cares about by their id and passes everything else, or a message after its own work, to
// Inherited::WndProc; at the end of the chain DefaultHandler does the window system's default.
#include "classlib/desktop/Win32.h"

#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/desktop/Cursors.h"
#include "classlib/desktop/Errors.h"
#include "classlib/desktop/Graphics.h"
#include "classlib/desktop/Messages.h"

class TWinControl;

CL_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
CL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
CL_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;
CL_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks,
        csActionClient)
using TControlStyle = TSet<TControlStyleItem>;

// The shift state of a mouse message's MK_ flags, with Alt read from the keyboard.
TShiftState MouseShiftState(WPARAM keys);
// Shift, Ctrl and Alt as they are down now.
TShiftState KeyboardShiftState();

class TControl : public TComponent {
  CL_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const;
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

  // Sends a message straight into the control's WndProc chain and answers its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  void Loaded() override;

protected:
  // Mouse hooks; coordinates are in the control's client area.
  virtual void MouseDown(TMouseButton, TShiftState, int, int) {}
  virtual void MouseMove(TShiftState, int, int) {}
  virtual void MouseUp(TMouseButton, TShiftState, int, int) {}

  // Called after the stored bounds, visibility, enabling, cursor or colour changed.
  virtual void BoundsChanged(bool sizeChanged);
  virtual void VisibleChanged();
  virtual void EnabledChanged() {}
  virtual void CursorChanged() {}
  virtual void ColorChanged() {}
  // Asks the parent to realign its children when this control takes part in the alignment.
  void RequestAlign();

private:
  friend class TWinControl;  // keeps the parent link of its children
  void MouseMessage(const TMessage& message);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TCursor cursor_ = crDefault;
  TColor color_ = clBtnFace;
  std::string hint_;
  bool showHint_ = false;
  TControlStyle controlStyle_;
};
