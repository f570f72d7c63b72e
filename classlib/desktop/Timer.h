#pragma once
// A timer component: OnTimer runs every Interval milliseconds while Enabled, from the message loop.
#include "classlib/desktop/Win32.h"

#include <cstdint>
#include <memory>

#include "classlib/core/Component.h"
#include "classlib/desktop/UtilWindow.h"

class TTimer : public TComponent {
  CL_CLASS(TTimer, TComponent)
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t interval);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(const TNotifyEvent& handler);

  // The window that receives the ticks as WM_TIMER; a test can tick the timer by sending one.
  HWND Handle() const { return window_->Handle(); }

protected:
  virtual void Timer();

private:
  // The system timer runs only while enabled, with a non-zero interval and a handler to call.
  void UpdateTimer();
  std::unique_ptr<TUtilWindow> window_;
  bool enabled_ = true;
  uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
};
