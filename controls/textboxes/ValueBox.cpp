#include "controls/textboxes/ValueBox.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Locale.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgCustomValueBox) {
  using B = TvgCustomValueBox;
  // Min and Max come before Value, so that a value read from a stream meets its own limits.
  published.Property("Min", &B::Min, &B::SetMin).Default(0.0f);
  published.Property("Max", &B::Max, &B::SetMax).Default(10.0f);
  published.Property("Value", &B::Value, &B::SetValue).Default(0.0f);
  published.Property("ValueType", &B::ValueType, &B::SetValueType).Default(vgValueInteger);
  published.Property("DecimalDigits", &B::DecimalDigits, &B::SetDecimalDigits).Default(2);
  published.Property("ShowCaret", &B::ShowsCaret, &B::SetShowsCaret).Default(true);
}

namespace {

constexpr int32_t kMostDecimalDigits = 15;
const wchar_t* const kNumberCharacters = L"0123456789.,-+";

bool HasFraction(float value) { return value != std::trunc(value); }

// A number's text with the user's decimal separator in place of the point.
std::wstring Localised(const std::string& text) {
  std::wstring wide = Utf8ToUtf16(text);
  std::replace(wide.begin(), wide.end(), L'.', LocaleDecimalSeparator());
  return wide;
}

}  // namespace

std::wstring vgValueText(float value, TvgValueType type, int32_t decimalDigits) {
  if (type != vgValueFloat || !HasFraction(value)) return Utf8ToUtf16(IntToStr(Trunc(value)));
  const int32_t digits = std::clamp(decimalDigits, 0, kMostDecimalDigits);
  return Localised(Format("%.*f", int(digits), double(value)));
}

bool vgTryTextToValue(const std::wstring& text, float& value) {
  std::wstring normalised = text;
  std::replace(normalised.begin(), normalised.end(), LocaleDecimalSeparator(), L'.');
  double parsed = 0;
  if (!TryStrToFloat(Utf16ToUtf8(normalised), parsed) || !std::isfinite(float(parsed))) return false;
  value = float(parsed);
  return true;
}

TvgCustomValueBox::TvgCustomValueBox(TComponent* owner) : TvgCustomTextBox(owner) {
  SetFilterChar(kNumberCharacters);
  StoreText(L"0");
}

void TvgCustomValueBox::SetValue(float value) {
  if (value == value_) return;
  value_ = Loading() ? value : std::max(std::min(value, max_), min_);
  ShowValue();
}

void TvgCustomValueBox::ShowValue() {
  StoreText(vgValueText(value_, valueType_, decimalDigits_));
  SetSelLength(0);
  Repaint();
}

void TvgCustomValueBox::Loaded() {
  TvgCustomTextBox::Loaded();
  value_ = std::max(std::min(value_, max_), min_);
  ShowValue();
}

// A fractional value typed into a float box is shown in its shortest exact form (a single's
// 0.1 as "0.1", not its fifteen-digit expansion).
void TvgCustomValueBox::Change() {
  float typed = 0;
  if (vgTryTextToValue(Text(), typed)) {
    value_ = std::max(std::min(typed, max_), min_);
    if (valueType_ == vgValueFloat && HasFraction(value_)) {
      char buffer[32];
      const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value_, std::chars_format::fixed);
      StoreText(Localised(std::string(buffer, error == std::errc() ? end : buffer)));
    } else {
      StoreText(vgValueText(value_, vgValueInteger, 0));
    }
  } else {
    StoreText(vgValueText(value_, valueType_, decimalDigits_));
  }
  Repaint();
  TvgCustomTextBox::Change();
}

void TvgCustomValueBox::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else SetValue(float(value.ToDouble()));
}

bool TvgCustomValueBox::StepByKey(uint16_t key) {
  constexpr uint16_t kUp = 38, kDown = 40;
  if (key != kUp && key != kDown) return false;
  SetValue(value_ + (key == kUp ? Step() : -Step()));
  SetModified(true);  // so that Return and the focus leaving report the stepped value
  return true;
}

void TvgCustomValueBox::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  TvgCustomTextBox::MouseWheel(shift, wheelDelta, handled);
  if (handled || wheelDelta == 0) return;
  SetValue(value_ + (wheelDelta > 0 ? Step() : -Step()));
  SetModified(true);
  Change();
  handled = true;
}
