// The application's hints: which control's hint is due, when it shows and when it goes.
#include "classlib/desktop/Application.h"
#include "classlib/desktop/HintWindow.h"
#include "classlib/desktop/Screen.h"
#include "classlib/desktop/Timer.h"
#include "classlib/desktop/WinControl.h"

#include <algorithm>

#include "classlib/core/TextCodec.h"

namespace {

// The hint hangs below the pointer's arrow.
constexpr int kBelowCursor = 20;

RECT ClientRectOnScreen(TWinControl& control, const RECT& client) {
  const POINT topLeft = control.ClientToScreen({client.left, client.top});
  const POINT bottomRight = control.ClientToScreen({client.right, client.bottom});
  return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace

void TApplication::SetShowHint(bool show) {
  showHint_ = show;
  if (!show) CancelHint();
}

// Over the same control, the pause runs on; once the control was asked, the pointer may move
// inside the rectangle it gave without a new hint.
void TApplication::HintMouseMessage(TWinControl* control, POINT point) {
  if (!showHint_ || !control) return;
  const POINT screen = control->ClientToScreen(point);
  if (control == hintControl_) {
    if (!hintAsked_ || PtInRect(&hintCursorRect_, screen)) return;
  } else {
    ForgetHintControl();
    hintControl_ = control;
    hintControl_->FreeNotification(this);
  }
  const bool wasShowing = hintWindow_ && hintWindow_->Showing();
  HideHint();
  hintAsked_ = false;
  StartHintTimer(wasShowing ? hintShortPause_ : hintPause_);
}

void TApplication::CancelHint(TWinControl* control) {
  if (control && control != hintControl_) return;
  HideHint();
  if (hintTimer_) hintTimer_->SetEnabled(false);
  ForgetHintControl();
}

void TApplication::ForgetHintControl() {
  if (hintControl_) hintControl_->RemoveFreeNotification(this);
  hintControl_ = nullptr;
  hintAsked_ = false;
}

void TApplication::StartHintTimer(int ms) {
  if (!hintTimer_) {
    hintTimer_ = std::make_unique<TTimer>(nullptr);
    hintTimer_->SetOnTimer([this](TObject*) {
      hintTimer_->SetEnabled(false);
      ActivateHint();
    });
  }
  hintTimer_->SetEnabled(false);
  hintTimer_->SetInterval(uint32_t(std::max(ms, 1)));
  hintTimer_->SetEnabled(true);
}

void TApplication::HideHint() {
  if (hintHideTimer_) hintHideTimer_->SetEnabled(false);
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

// The control may change the text, the rectangle the hint stays in, the place and the time it
// shows, or refuse it.
void TApplication::ActivateHint() {
  TWinControl* control = hintControl_;
  if (!control || !control->ShowHint() || !control->HandleAllocated()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  THintInfo info;
  info.HintControl = control;
  info.CursorPos = control->ScreenToClient(cursor);
  info.CursorRect = control->ClientRect();
  info.HintPos = {cursor.x, cursor.y + kBelowCursor};
  info.HintMaxWidth = Screen->Width();
  info.HintStr = control->Hint();
  info.HideTimeout = hintHidePause_;
  const LRESULT refused = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  if (control != hintControl_) return;
  hintAsked_ = true;
  hintCursorRect_ = ClientRectOnScreen(*control, info.CursorRect);
  if (refused || info.HintStr.empty()) return;
  if (!hintWindow_) hintWindow_ = std::make_unique<THintWindow>();
  const std::wstring text = GbkToUtf16(info.HintStr);
  RECT rect = hintWindow_->CalcHintRect(info.HintMaxWidth, text);
  OffsetRect(&rect, info.HintPos.x, info.HintPos.y);
  hintWindow_->ActivateHint(rect, text);
  if (info.HideTimeout <= 0) return;
  if (!hintHideTimer_) {
    hintHideTimer_ = std::make_unique<TTimer>(nullptr);
    hintHideTimer_->SetOnTimer([this](TObject*) { HideHint(); });
  }
  hintHideTimer_->SetEnabled(false);
  hintHideTimer_->SetInterval(uint32_t(info.HideTimeout));
  hintHideTimer_->SetEnabled(true);
}
