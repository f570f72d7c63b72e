#pragma once
// TvgRadioButton: the two-state control of a group. Checking one unchecks every other radio
// button of the same GroupName (compared exactly; the empty name is a group too) anywhere in its
// scene; a checked button cannot be unchecked but by checking another of its group.
#include <string>

#include "controls/boxes/CheckBox.h"

class TvgRadioButton : public TvgCheckControl {
  CL_CLASS(TvgRadioButton, TvgCheckControl)
public:
  using TvgCheckControl::TvgCheckControl;

  const std::string& GroupName() const { return groupName_; }
  void SetGroupName(const std::string& name) { groupName_ = name; }

  void SetIsChecked(bool checked) override;

private:
  // Unchecks the peers when checked is true; answers whether any peer was checked.
  bool VisitPeers(bool checked);

  std::string groupName_;
};

class TvgHudRadioButton : public TvgRadioButton {
  CL_CLASS(TvgHudRadioButton, TvgRadioButton)
public:
  using TvgRadioButton::TvgRadioButton;
};
