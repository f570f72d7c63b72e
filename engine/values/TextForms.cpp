#include "engine/values/TextForms.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "classlib/core/SysUtils.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The runtime's decimal syntax: blanks, an optional sign, digits with an optional point (at least
// one digit), an optional exponent, blanks. Nothing else: no "inf", "nan" or hexadecimal.
bool IsDecimalNumber(std::string_view s) {
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < s.size() && s[i] == ' ') ++i;
  };
  auto skipDigits = [&] {
    size_t start = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i - start;
  };
  skipBlanks();
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = skipDigits();
  if (i < s.size() && s[i] == '.') {
    ++i;
    digits += skipDigits();
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (skipDigits() == 0) return false;
  }
  skipBlanks();
  return i == s.size();
}

[[noreturn]] void ThrowNotAFloat(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string WholeNumberText(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0, std::chars_format::fixed, 0);
  return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

// Three decimals, halves away from zero. A float times 1000 is exact in a double, so halves are
// recognised exactly.
std::string ThreeDecimalsText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  int64_t thousandths = int64_t(std::round(std::fabs(value) * 1000.0));
  std::string text = value < 0 ? "-" : "";
  text += std::to_string(thousandths / 1000);
  std::string decimals = std::to_string(thousandths % 1000);
  return text + "." + std::string(3 - decimals.size(), '0') + decimals;
}

}  // namespace

std::string vgFloatToStr(float Value) {
  double value = Value;
  if (std::isfinite(value) && value == std::trunc(value)) return WholeNumberText(value);
  return ThreeDecimalsText(value);
}

float vgStrToFloat(std::string_view Text) {
  if (!IsDecimalNumber(Text)) ThrowNotAFloat(Text);
  std::string number = Trim(Text);
  if (number[0] == '+') number.erase(0, 1);
  double value = 0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  // A value beyond the single range overflows when it is stored, as the runtime's conversion does.
  if (error != std::errc() || std::fabs(value) > FLT_MAX) ThrowNotAFloat(Text);
  return float(value);
}

std::string vgGetToken(std::string& S, std::string_view Separators, std::string_view Stop) {
  std::string token;
  size_t i = 0;
  while (i < S.size()) {
    char c = S[i];
    if (Stop.find(c) != std::string_view::npos) break;
    ++i;
    if (Separators.find(c) != std::string_view::npos) break;
    token += c;
  }
  S = Trim(std::string_view(S).substr(i));
  return Trim(token);
}

std::wstring vgGetWideToken(const std::wstring& Text, int& Pos, std::wstring_view Separators,
                             std::wstring_view Stop) {
  const int length = int(Text.size());
  auto isSeparator = [&](int pos) { return Separators.find(Text[pos - 1]) != std::wstring_view::npos; };
  auto isStop = [&](int pos) { return Stop.find(Text[pos - 1]) != std::wstring_view::npos; };
  if (Pos < 1) Pos = 1;
  while (Pos <= length && isSeparator(Pos)) ++Pos;
  std::wstring token;
  while (Pos <= length && !isStop(Pos) && !isSeparator(Pos)) token += Text[Pos++ - 1];
  while (Pos <= length && isSeparator(Pos)) ++Pos;
  return token;
}

namespace {
constexpr std::string_view kTupleSeparators = ",()";

// Reads Count numbers of a parenthesised tuple; the first token (before "(") is discarded.
template <size_t Count>
bool ReadTuple(std::string_view text, float (&values)[Count]) {
  try {
    std::string rest(text);
    vgGetToken(rest, kTupleSeparators);
    for (float& value : values) value = vgStrToFloat(vgGetToken(rest, kTupleSeparators));
    return true;
  } catch (const Exception&) {
    return false;
  }
}
}  // namespace

std::string vgPointToStr(const TvgPoint& P) { return "(" + vgFloatToStr(P.X) + "," + vgFloatToStr(P.Y) + ")"; }

TvgPoint vgStrToPoint(std::string_view Text) {
  float values[2];
  return ReadTuple(Text, values) ? TvgPoint{values[0], values[1]} : TvgPoint{};
}

std::string vgRectToStr(const TvgRect& R) {
  return "(" + vgFloatToStr(R.Left) + "," + vgFloatToStr(R.Top) + "," + vgFloatToStr(R.Right) + "," +
         vgFloatToStr(R.Bottom) + ")";
}

TvgRect vgStrToRect(std::string_view Text) {
  float values[4];
  return ReadTuple(Text, values) ? TvgRect{values[0], values[1], values[2], values[3]} : TvgRect{};
}
