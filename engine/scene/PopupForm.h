#pragma once
// TvgPopupForm: the borderless top-most window a pop-up opens in. It shows and hides without
// activating anything, keeps its owner form's caption active, and closes the open pop-ups when
// the user activates another window. Scenes know it by its Tag.
#include "classlib/desktop/Form.h"

class TvgPopup;

inline constexpr int32_t vgPopupFormTag = 65535;

class TvgPopupForm : public TCustomForm {
  CL_CLASS(TvgPopupForm, TCustomForm)
public:
  TvgPopupForm(TComponent* owner, TCustomForm* ownerForm, TvgPopup* popup);
  void BeforeDestruction() override;

  TCustomForm* OwnerForm() const { return ownerForm_; }
  void ForgetPopup() { popup_ = nullptr; }
  bool ClosingBySelf() const { return closingBySelf_; }

  // Moves the form, then pulls it back where its right or bottom edge passes its monitor's.
  void MoveKeptOnMonitor(int left, int top);
  void MoveTo(int left, int top) { SetBounds(left, top, Width(), Height()); }

  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void DoClose(TCloseAction& action) override;

private:
  void ShowingChanged();
  void Activated(WPARAM state, HWND other);
  void CloseOwnPopup();

  TCustomForm* ownerForm_;
  TvgPopup* popup_;
  bool closingBySelf_ = false;
};
