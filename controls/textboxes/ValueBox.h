#pragma once
// TvgCustomValueBox: what the number and spin boxes share: a single Value kept between Min and
// Max, shown as text (an integer, or with ValueType vgValueFloat and a fractional part, with
// DecimalDigits decimals and the user's decimal separator), read back from the text on Return
// and when the focus leaves.
#include <string>

#include "controls/textboxes/TextBox.h"

CL_ENUM(TvgValueType, vgValueInteger, vgValueFloat)

// The text of a value: with vgValueFloat and a fractional part, "%.Nf" for N = decimalDigits
// clamped to 0..15; else the integer of its truncation. The decimal separator is the user's.
std::wstring vgValueText(float value, TvgValueType type, int32_t decimalDigits);
// A number typed by the user: the user's decimal separator or a point; false when it is none.
bool vgTryTextToValue(const std::wstring& text, float& value);

class TvgCustomValueBox : public TvgCustomTextBox {
  CL_CLASS(TvgCustomValueBox, TvgCustomTextBox)
public:
  explicit TvgCustomValueBox(TComponent* owner);

  float Value() const { return value_; }
  // Clamps to Max, then to Min, and shows the value's text (without OnChangeTracking).
  void SetValue(float value);
  float Min() const { return min_; }
  void SetMin(float min) { min_ = min; }
  float Max() const { return max_; }
  void SetMax(float max) { max_ = max; }
  TvgValueType ValueType() const { return valueType_; }
  virtual void SetValueType(TvgValueType type) { valueType_ = type; }
  int32_t DecimalDigits() const { return decimalDigits_; }
  void SetDecimalDigits(int32_t digits) { decimalDigits_ = digits; }

  // Reads the typed value back (or restores the text of the last one), then reports.
  void Change() override;
  Variant GetData() override { return Variant(double(value_)); }
  // A packed method becomes OnChange; anything else sets Value.
  void SetData(const Variant& value) override;
  // A value read before Min and Max is clamped once they are known too.
  void Loaded() override;

protected:
  // Up and Down and the wheel step by this; a wheel step is reported at once.
  virtual float Step() const = 0;
  // Up adds the step, Down takes it away, both reported by the next Change; true when the key
  // was one of them.
  bool StepByKey(uint16_t key);
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;

private:
  void ShowValue();

  float value_ = 0;
  float min_ = 0;
  float max_ = 10;
  TvgValueType valueType_ = vgValueInteger;
  int32_t decimalDigits_ = 2;
};
