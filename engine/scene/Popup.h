#pragma once
// TvgPopup: a control that stays hidden in its tree until it is opened, then shows itself either
// in a top-most window of its own (TvgPopupForm with a transparent scene) or as an overlay in the
// scene it lives in. It places itself next to a target, a rectangle or the mouse, closes on a
// click elsewhere or Escape unless it stays open, and can run modally with a result.
//
// Pop-ups that do not stay open are kept, while open, in one process-wide list in opening order.
#include <memory>
#include <optional>
#include <vector>

#include "engine/tree/Control.h"

class TTimer;
class TvgPopupForm;
class TvgResources;
class TvgWindowScene;

CL_ENUM(TvgPlacement, vgPlacementBottom, vgPlacementTop, vgPlacementLeft, vgPlacementRight, vgPlacementCenter,
        vgPlacementBottomCenter, vgPlacementTopCenter, vgPlacementLeftCenter, vgPlacementRightCenter,
        vgPlacementAbsolute, vgPlacementMouse, vgPlacementMouseCenter)

inline constexpr int vgPopupOwnForm = 0;
inline constexpr int vgPopupOverlay = 1;
// The modal result of a run ended by closing the pop-up.
inline constexpr int vgPopupCancelled = 2;

class TvgPopup : public TvgControl {
  CL_CLASS(TvgPopup, TvgControl)
public:
  explicit TvgPopup(TComponent* owner);
  ~TvgPopup() override;
  void BeforeDestruction() override;

  bool IsOpen() const { return isOpen_; }
  void SetIsOpen(bool open);
  bool StaysOpen() const { return staysOpen_; }
  void SetStaysOpen(bool staysOpen) { staysOpen_ = staysOpen; }
  TvgPlacement Placement() const { return placement_; }
  void SetPlacement(TvgPlacement placement) { placement_ = placement; }
  TvgVisualObject* PlacementTarget() const { return placementTarget_; }
  void SetPlacementTarget(TvgVisualObject* target);
  TvgBounds* PlacementRectangle() const { return placementRectangle_.get(); }
  void SetPlacementRectangle(TvgBounds* rectangle) { placementRectangle_->SetRect(rectangle->GetRect()); }
  float HorizontalOffset() const { return horizontalOffset_; }
  void SetHorizontalOffset(float offset) { horizontalOffset_ = offset; }
  float VerticalOffset() const { return verticalOffset_; }
  void SetVerticalOffset(float offset) { verticalOffset_ = offset; }
  bool DragWithParent() const { return dragWithParent_; }
  void SetDragWithParent(bool drag) { dragWithParent_ = drag; }
  TvgResources* Style() const { return style_; }
  void SetStyle(TvgResources* style);
  TNotifyEvent OnClosePopup;

  // vgPopupOwnForm or vgPopupOverlay.
  int PopupMode() const { return popupMode_; }
  void SetPopupMode(int mode) { popupMode_ = mode; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);
  // While open in its own form: the form, its scene and, when following its owner, the timer.
  TvgPopupForm* PopupForm() const { return popupForm_; }
  TvgWindowScene* PopupScene() const { return popupScene_; }
  TTimer* DragTimer() const { return dragTimer_.get(); }

  // Whether the press being handled now is the one that closed the pop-up (by taking the
  // activation from it): a control that toggles its pop-up on a press must not open it again.
  bool ClosedByCurrentPress() const;

  virtual void ApplyPlacement();
  virtual int PopupModal();
  virtual void Popup();
  virtual void ClosePopup();

  void Notification(TComponent* component, TOperation operation) override;
  void DialogKey(uint16_t& key, TShiftState shift) override;
  void Paint() override;

private:
  void OpenInOwnForm();
  bool OpenAsOverlay();
  void CloseOwnForm();
  void CloseOverlay();
  void FocusOwnScene();
  TvgVisualObject* PlacementTargetOrParent() const;
  TvgPoint TargetPlacementPoint(TvgVisualObject& target) const;
  TvgPoint RectanglePlacementPoint() const;
  void PlaceAtMouse(bool withTarget);

  bool isOpen_ = false;
  bool staysOpen_ = false;
  TvgPlacement placement_ = vgPlacementBottom;
  TvgVisualObject* placementTarget_ = nullptr;
  std::unique_ptr<TvgBounds> placementRectangle_;
  float horizontalOffset_ = 0;
  float verticalOffset_ = 0;
  bool dragWithParent_ = false;
  TvgResources* style_ = nullptr;
  int popupMode_ = vgPopupOwnForm;
  int modalResult_ = 0;
  bool modal_ = false;
  bool closing_ = false;
  std::optional<uint32_t> closedAt_;  // the tick of the last close
  TvgPopupForm* popupForm_ = nullptr;
  TvgWindowScene* popupScene_ = nullptr;
  std::unique_ptr<TTimer> dragTimer_;
  TvgVisualObject* overlay_ = nullptr;
  TvgObject* savedParent_ = nullptr;
  TvgVisualObject* savedFocused_ = nullptr;
  TvgPoint savedScale_{1, 1};
};

// A modal message: it stays open, follows its owner, disables the scene behind it while it runs
// and hangs centred below its owner form's top edge or its target.
class TvgMessagePopup : public TvgPopup {
  CL_CLASS(TvgMessagePopup, TvgPopup)
public:
  explicit TvgMessagePopup(TComponent* owner);

  bool DisableScene() const { return disableScene_; }
  void SetDisableScene(bool disable) { disableScene_ = disable; }

  void ApplyPlacement() override;
  int PopupModal() override;

private:
  bool disableScene_ = true;
};

// The open pop-ups that do not stay open, in opening order.
const std::vector<TvgPopup*>& vgOpenPopups();
// Closes every pop-up of the open list, the last opened first.
void vgCloseAllPopups();
