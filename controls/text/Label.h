#pragma once
// Labels: a text control that lets the pointer through and wraps its text. With AutoSize it
// takes the size of its measured text on one line.
#include "controls/text/TextControl.h"

class TvgLabel : public TvgTextControl {
  CL_CLASS(TvgLabel, TvgTextControl)
public:
  explicit TvgLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // The label's own wrapping, given to the text part after the base's.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

  void ApplyStyle() override;
  void SetText(const std::wstring& text) override;

private:
  void FitToText(TvgText& part);

  bool autoSize_ = false;
  bool wordWrap_ = true;
};

// A label for values: neither translated nor wrapped.
class TvgValueLabel : public TvgLabel {
  CL_CLASS(TvgValueLabel, TvgLabel)
public:
  explicit TvgValueLabel(TComponent* owner);
};

class TvgHudLabel : public TvgLabel {
  CL_CLASS(TvgHudLabel, TvgLabel)
public:
  using TvgLabel::TvgLabel;
};
