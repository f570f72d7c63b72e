#pragma once
// A custom control that records what reaches its hooks, for the control and form tests.
#include <string>
#include <vector>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/CustomControl.h"

inline constexpr UINT kProbeMessage = WM_APP + 7;  // answered 42 by the probe itself
inline constexpr UINT kThrowMessage = WM_APP + 8;  // raises an exception in the probe's handler

class TProbeControl : public TCustomControl {
  CL_CLASS(TProbeControl, TCustomControl)
public:
  using TCustomControl::TCustomControl;
  ~TProbeControl() override {
    if (destroyed) *destroyed = true;
  }

  std::vector<std::string> events;
  std::vector<UINT> defaults;  // messages that reached the default handler
  WORD consumedKey = VK_F5;
  COLORREF paintColor = RGB(10, 200, 30);
  bool* destroyed = nullptr;

  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case kProbeMessage:
        message.Result = 42;
        return;
      case kThrowMessage:
        throw Exception("probe failed");
      case CM_MOUSEENTER:
        events.push_back("enter");
        break;
      case CM_MOUSELEAVE:
        events.push_back("leave");
        break;
    }
    TCustomControl::WndProc(message);
  }
  void DefaultHandler(TMessage& message) override {
    defaults.push_back(message.Msg);
    TCustomControl::DefaultHandler(message);
  }

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    events.push_back(Format("down %d %d,%d%s", int(button), x, y, shift.Contains(ssDouble) ? " double" : ""));
  }
  void MouseMove(TShiftState, int x, int y) override { events.push_back(Format("move %d,%d", x, y)); }
  void MouseUp(TMouseButton button, TShiftState, int x, int y) override {
    events.push_back(Format("up %d %d,%d", int(button), x, y));
  }
  void KeyDown(WORD& key, TShiftState) override {
    events.push_back(Format("keydown %d", key));
    if (key == consumedKey) key = 0;
  }
  void KeyPress(wchar_t& key) override {
    events.push_back(Format("char %04X", unsigned(key)));
    if (key == L'x') key = 0;
  }
  // Turns forward are handled here, turns back are left to the default (the parent).
  bool DoMouseWheel(TShiftState, int delta, POINT at) override {
    events.push_back(Format("wheel %d %ld,%ld", delta, at.x, at.y));
    return delta > 0;
  }
  void DoEnter() override { events.push_back("enter focus"); }
  void DoExit() override { events.push_back("exit focus"); }
  void Paint() override {
    events.push_back(Canvas()->Handle() ? "paint" : "paint without context");
    RECT all{0, 0, Width(), Height()};
    HBRUSH brush = CreateSolidBrush(paintColor);
    FillRect(Canvas()->Handle(), &all, brush);
    DeleteObject(brush);
  }
};
