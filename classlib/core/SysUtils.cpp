#include "classlib/core/SysUtils.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
  va_end(args);
  return out;
}

static char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }
static char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

std::string LowerCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = LowerAscii(c);
  return r;
}

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = UpperAscii(c);
  return r;
}

int CompareText(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int d = (unsigned char)UpperAscii(a[i]) - (unsigned char)UpperAscii(b[i]);
    if (d) return d;
  }
  return int(a.size()) - int(b.size());
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (unsigned char)s[b] <= ' ') ++b;
  while (e > b && (unsigned char)s[e - 1] <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

bool TryStrToInt64(std::string_view s, int64_t& value) {
  std::string t = Trim(s);
  std::string_view v(t);
  bool negative = false;
  if (!v.empty() && (v[0] == '-' || v[0] == '+')) {
    negative = v[0] == '-';
    v.remove_prefix(1);
  }
  int base = 10;
  if (!v.empty() && v[0] == '$') {
    base = 16;
    v.remove_prefix(1);
  } else if (v.size() > 1 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    base = 16;
    v.remove_prefix(2);
  }
  if (v.empty()) return false;
  uint64_t magnitude = 0;
  auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), magnitude, base);
  if (ec != std::errc() || end != v.data() + v.size()) return false;
  if (base == 16) {
    value = int64_t(negative ? 0 - magnitude : magnitude);  // hex texts wrap like the runtime
    return true;
  }
  if (magnitude > (negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX))) return false;
  value = negative ? int64_t(0 - magnitude) : int64_t(magnitude);
  return true;
}

bool TryStrToInt(std::string_view s, int32_t& value) {
  int64_t wide;
  if (!TryStrToInt64(s, wide)) return false;
  std::string t = Trim(s);
  bool hex = t.find('$') != std::string::npos || t.find("0x") != std::string::npos ||
             t.find("0X") != std::string::npos;
  if (hex) {
    if (wide > int64_t(UINT32_MAX) || wide < -int64_t(UINT32_MAX)) return false;
    value = int32_t(uint32_t(wide));
    return true;
  }
  if (wide < INT32_MIN || wide > INT32_MAX) return false;
  value = int32_t(wide);
  return true;
}

int32_t StrToInt(std::string_view s) {
  int32_t v;
  if (!TryStrToInt(s, v))
    throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
  return v;
}

int32_t StrToIntDef(std::string_view s, int32_t fallback) {
  int32_t v;
  return TryStrToInt(s, v) ? v : fallback;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(uint64_t value, int digits) {
  std::string s = Format("%llX", (unsigned long long)value);
  if (int(s.size()) < digits) s.insert(0, digits - s.size(), '0');
  return s;
}

bool TryStrToFloat(std::string_view s, double& value) {
  std::string t = Trim(s);
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  // Decimal syntax only: no "inf", "nan" or hexadecimal floats.
  if (t.empty() || t.find_first_not_of("0123456789.eE+-") != std::string::npos) return false;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (ec == std::errc::result_out_of_range) return false;
  return ec == std::errc() && end == t.data() + t.size();
}

double StrToFloat(std::string_view s) {
  double v;
  if (!TryStrToFloat(s, v))
    throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
  return v;
}

std::string FloatToStr(double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string s(buf, ec == std::errc() ? end : buf);
  // The runtime writes exponents as E+NN without padding quirks; keep to_chars' form but upper-case.
  for (char& c : s) c = UpperAscii(c);
  return s;
}

int64_t Round(double value) { return int64_t(std::nearbyint(value)); }
int64_t Trunc(double value) { return int64_t(value); }
double Int(double value) { return std::trunc(value); }
double Frac(double value) { return value - std::trunc(value); }

int32_t TRandom::Next(int32_t range) {
  Seed = Seed * 134775813u + 1u;
  return int32_t((uint64_t(Seed) * uint64_t(uint32_t(range))) >> 32);
}

double TRandom::Next() {
  Seed = Seed * 134775813u + 1u;
  return double(Seed) / 4294967296.0;
}

TRandom& GlobalRandom() {
  static TRandom generator;
  return generator;
}

int32_t Random(int32_t range) { return GlobalRandom().Next(range); }
double Random() { return GlobalRandom().Next(); }
