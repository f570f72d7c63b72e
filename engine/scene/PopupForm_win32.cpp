#include "engine/scene/PopupForm.h"

#include <algorithm>
#include <utility>

#include "classlib/desktop/Messages.h"
#include "engine/scene/Popup.h"

CL_PUBLISHED(TvgPopupForm) {}

TvgPopupForm::TvgPopupForm(TComponent* owner, TCustomForm* ownerForm, TvgPopup* popup)
    : TCustomForm(owner), ownerForm_(ownerForm), popup_(popup) {
  SetTag(vgPopupFormTag);
  SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
  SetPosition(poDesigned);
  if (ownerForm_) ownerForm_->FreeNotification(this);
}

// A pop-up in a modal run answers the first close by ending the run, the second closes it.
void TvgPopupForm::BeforeDestruction() {
  closingBySelf_ = true;
  CloseOwnPopup();
  CloseOwnPopup();
  TCustomForm::BeforeDestruction();
}

void TvgPopupForm::CloseOwnPopup() {
  if (popup_ && popup_->PopupForm() == this) popup_->ClosePopup();
}

void TvgPopupForm::Notification(TComponent* component, TOperation operation) {
  TCustomForm::Notification(component, operation);
  if (operation == opRemove && component == ownerForm_) ownerForm_ = nullptr;
}

void TvgPopupForm::CreateParams(TCreateParams& params) {
  TCustomForm::CreateParams(params);
  params.WindowClass.style |= CS_SAVEBITS;
}

void TvgPopupForm::DoClose(TCloseAction& action) {
  TCustomForm::DoClose(action);
  action = caFree;
  closingBySelf_ = true;
  CloseOwnPopup();
}

void TvgPopupForm::MoveKeptOnMonitor(int left, int top) {
  MoveTo(left, top);
  const RECT placed{left, top, left + Width(), top + Height()};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&placed, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& edges = monitor.rcMonitor;
  if (placed.right > edges.right) left = edges.right - Width();
  if (placed.bottom > edges.bottom) top = edges.bottom - Height();
  MoveTo(left, top);
}

void TvgPopupForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_SHOWINGCHANGED:
      ShowingChanged();
      return;
    case WM_MOUSEACTIVATE:
      if (ownerForm_) {
        message.Result = MA_NOACTIVATE;
        return;
      }
      break;
    case WM_ACTIVATE:
      Activated(message.WParam, reinterpret_cast<HWND>(message.LParam));
      break;
  }
  TCustomForm::WndProc(message);
}

void TvgPopupForm::ShowingChanged() {
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (Showing() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// The owner keeps an active caption; losing the activation to anything but a pop-up opened
// later closes the open pop-ups.
void TvgPopupForm::Activated(WPARAM state, HWND other) {
  if (ownerForm_ && ownerForm_->HandleAllocated()) SendMessageW(ownerForm_->Handle(), WM_NCACTIVATE, TRUE, 0);
  if (LOWORD(state) != WA_INACTIVE || !popup_ || popup_->StaysOpen()) return;
  const std::vector<TvgPopup*>& open = vgOpenPopups();
  auto isOther = [other](TvgPopup* p) { return other && p->PopupForm() && p->PopupForm()->Handle() == other; };
  auto otherPopup = std::find_if(open.begin(), open.end(), isOther);
  if (otherPopup == open.end()) {
    vgCloseAllPopups();
    return;
  }
  if (otherPopup < std::find(open.begin(), open.end(), popup_)) popup_->ClosePopup();
}
