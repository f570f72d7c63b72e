#pragma once
// Labelled editors of a number that show it beside the editor: TvgCompoundTrackBar (a track bar,
// its value with DecimalDigits and a Suffix) and TvgCompoundAngleBar (an angle dial, whole
// degrees).
#include <string>

#include "controls/compound/CompoundControl.h"

class TvgAngleButton;
class TvgTrackBar;
class TvgValueLabel;

// What both share: the value label in a holder on the right.
class TvgCompoundValueControl : public TvgCompoundControl {
  CL_CLASS(TvgCompoundValueControl, TvgCompoundControl)
public:
  explicit TvgCompoundValueControl(TComponent* owner);

  TvgValueLabel* ValueLabel() const { return valueLabel_; }

private:
  TvgValueLabel* valueLabel_;
};

class TvgCompoundTrackBar : public TvgCompoundValueControl {
  CL_CLASS(TvgCompoundTrackBar, TvgCompoundValueControl)
public:
  explicit TvgCompoundTrackBar(TComponent* owner);

  TvgTrackBar* TrackBar() const { return trackBar_; }
  float Value() const;
  void SetValue(float value);
  int32_t DecimalDigits() const { return decimalDigits_; }
  void SetDecimalDigits(int32_t digits);
  const std::wstring& Suffix() const { return suffix_; }
  void SetSuffix(const std::wstring& suffix);

  // Decimals while the track moves in fractions (Frequency 0 or not whole), else whole numbers.
  std::wstring ValueText() const;

private:
  void UpdateValueLabel();

  TvgTrackBar* trackBar_;
  int32_t decimalDigits_ = 2;
  std::wstring suffix_;
};

class TvgCompoundAngleBar : public TvgCompoundValueControl {
  CL_CLASS(TvgCompoundAngleBar, TvgCompoundValueControl)
public:
  explicit TvgCompoundAngleBar(TComponent* owner);

  TvgAngleButton* AngleButton() const { return angleButton_; }
  float Value() const;
  void SetValue(float value);

private:
  void UpdateValueLabel();

  TvgAngleButton* angleButton_;
};
