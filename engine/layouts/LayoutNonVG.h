#pragma once
// TvgNonVGLayout: keeps an ordinary window control of the class library on the layout's place in
// the scene's window. The control follows the layout's rect whenever the layout moves or is laid
// out, and its visibility follows the layout's ancestors: a timer checks them every 100 ms while
// the control is shown (from the moment it is given, too), so hiding an ancestor hides the
// control soon after.
#include <memory>

#include "engine/layouts/Layout.h"

class TTimer;
class TWinControl;

class TvgNonVGLayout : public TvgLayout {
  CL_CLASS(TvgNonVGLayout, TvgLayout)
public:
  explicit TvgNonVGLayout(TComponent* owner);
  ~TvgNonVGLayout() override;

  TWinControl* NonVGControl() const { return control_; }
  // The scene's own window cannot be placed on itself and is refused.
  void SetNonVGControl(TWinControl* control);
  TTimer* VisibilityTimer() const { return timer_.get(); }

  void Notification(TComponent* component, TOperation operation) override;
  void Realign() override;
  void MatrixChanged(TObject* sender) override;
  bool CheckParentVisible() override;

private:
  void PlaceControl();
  void FollowControlVisibility();

  TWinControl* control_ = nullptr;
  std::unique_ptr<TTimer> timer_;
};
