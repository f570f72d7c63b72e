#pragma once
// TvgComboTrackBar: a number box whose button drops down a track bar in a pop-up. The track
// holds the value (Min, Max, Value and Frequency are the track's); moving it rewrites the text,
// and a typed number moves it on Return or when the focus leaves.
#include "controls/textboxes/TextBox.h"
#include "engine/scene/Popup.h"

class TvgTrackBar;

class TvgComboTrackBar : public TvgCustomTextBox {
  CL_CLASS(TvgComboTrackBar, TvgCustomTextBox)
public:
  explicit TvgComboTrackBar(TComponent* owner);
  void BeforeDestruction() override;

  TvgPopup* DropDownPopup() const { return popup_; }
  TvgTrackBar* TrackBar() const { return trackBar_; }
  TvgPlacement Placement() const { return placement_; }
  void SetPlacement(TvgPlacement placement) { placement_ = placement; }
  float Min() const;
  void SetMin(float min);
  float Max() const;
  void SetMax(float max);
  float Value() const;
  void SetValue(float value);
  float Frequency() const;
  void SetFrequency(float frequency);

  // Opens the track below the box (at least 100 wide), or closes it when open.
  virtual void DropDown();
  // The track moved: its value becomes the text, all selected, and is reported.
  virtual void TrackChanged();

  // The typed number moves the track; the text always ends as the track's value.
  void Change() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void ParentChanged() override;

private:
  // Owned as components.
  TvgPopup* popup_ = nullptr;
  TvgTrackBar* trackBar_ = nullptr;
  TvgPlacement placement_ = vgPlacementBottom;
};

class TvgHudComboTrackBar : public TvgComboTrackBar {
  CL_CLASS(TvgHudComboTrackBar, TvgComboTrackBar)
public:
  explicit TvgHudComboTrackBar(TComponent* owner);
};
