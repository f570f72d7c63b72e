#include "classlib/desktop/Timer.h"

#include "classlib/desktop/Errors.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

CL_PUBLISHED(TTimer) {
  published.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  published.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000u);
  published.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_(std::make_unique<TUtilWindow>([this](TMessage& message) {
        if (message.Msg != WM_TIMER) return false;
        Timer();
        return true;
      })) {}

TTimer::~TTimer() { KillTimer(window_->Handle(), kTimerId); }

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(uint32_t interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& handler) {
  onTimer_ = handler;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(window_->Handle(), kTimerId);
  if (enabled_ && interval_ != 0 && onTimer_ && !SetTimer(window_->Handle(), kTimerId, interval_, nullptr))
    throw EOutOfResources("Not enough timers available");
}

// From a copy: the handler may free the timer.
void TTimer::Timer() {
  const TNotifyEvent handler = onTimer_;
  handler(this);
}
