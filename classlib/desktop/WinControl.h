#pragma once
// A control with a window of its own. The window is made on demand (Handle, HandleNeeded) from
// CreateParams, uses a wide (UTF-16) window procedure, and routes every message through WndProc;
// an exception that leaves a message goes to the application's exception handler.
#include "classlib/desktop/Win32.h"

#include <string>
#include <vector>

#include "classlib/desktop/Control.h"

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  WNDCLASSW WindowClass{};  // style, cursor and brush; the class library sets the procedure and name
  std::wstring WinClassName;
};

class TWinControl : public TControl {
  CL_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  void BeforeDestruction() override;

  HWND Handle();  // makes the window (and its parents' windows) when there is none yet
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  // Makes this control's window and those of its children; DestroyHandle undoes it.
  virtual void CreateHandle();
  virtual void DestroyHandle();
  // Makes the window anew, for style changes that only a new window takes.
  void RecreateWnd();
  // Visible, and for a child also its parent, with a window to show.
  bool Showing() const { return showing_; }

  int ControlCount() const { return int(controls_.size()); }
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // Places the aligned children in the client area, in the order top, bottom, left, right, client.
  void Realign();

  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();

  POINT ClientToScreen(POINT point);
  POINT ScreenToClient(POINT point);
  RECT ClientRect() const override;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;

  // The control whose window this is; nullptr for a window the class library did not make.
  static TWinControl* FindControl(HWND window);
  // Offered each keyboard message of its window or of a window inside it that the class library
  // did not make, before the message is translated and dispatched; true when the control has
  // dealt with it, and the message then goes no further (a hosted OLE control's accelerators).
  virtual bool PreProcessMessage(MSG&) { return false; }

protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();

  // Keyboard hooks: setting the key to 0 consumes it.
  virtual void KeyDown(WORD&, TShiftState) {}
  virtual void KeyUp(WORD&, TShiftState) {}
  virtual void KeyPress(wchar_t&) {}
  // Focus hooks, after the window gained or lost the keyboard focus.
  virtual void DoEnter() {}
  virtual void DoExit() {}
  // The wheel turned by wheelDelta over mousePos (screen coordinates); true when handled.
  virtual bool DoMouseWheel(TShiftState, int, POINT) { return false; }

  void BoundsChanged(bool sizeChanged) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void CursorChanged() override;
  void ColorChanged() override;
  // Whether the window should be on screen now.
  virtual bool ShouldShow() const;
  void UpdateShowing();

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void RegisterWindowClass(TCreateParams& params);
  void StoreBoundsFromWindow();
  void TrackMouse();
  bool SetControlCursor(TMessage& message);
  void EraseBackground(TMessage& message);
  void KeyMessage(TMessage& message);

  HWND handle_ = nullptr;
  bool showing_ = false;
  bool tabStop_ = false;
  bool aligning_ = false;
  bool storingBounds_ = false;
  bool mouseInside_ = false;
  std::vector<TControl*> controls_;
};
