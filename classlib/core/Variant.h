#pragma once
// A dynamically typed value: the few kinds and conversions the programs and the toolkit use.
#include <cstdint>
#include <string>
#include <variant>

enum class TVarType { Empty, Null, Integer, Int64, Boolean, Double, String, WideString, Date };

class Variant {
public:
  Variant() = default;
  Variant(int32_t v) : value_(v) {}
  Variant(int64_t v) : value_(v) {}
  Variant(bool v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(const char* v) : value_(std::string(v)) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(const wchar_t* v) : value_(std::wstring(v)) {}
  Variant(std::wstring v) : value_(std::move(v)) {}
  static Variant Null();
  // A date-time (TDateTime): a number to arithmetic, the date-time text to texts.
  static Variant FromDate(double dateTime);

  TVarType Type() const;
  bool IsEmpty() const { return Type() == TVarType::Empty; }
  bool IsNull() const { return Type() == TVarType::Null; }
  bool IsDate() const { return Type() == TVarType::Date; }
  bool IsString() const { return Type() == TVarType::String || Type() == TVarType::WideString; }
  // Integers, Booleans and floats, as the runtime counts numbers.
  bool IsNumeric() const;

  // Conversions as the runtime's: empty and null give "" / 0 / false; a text that is not a number
  // raises EVariantError "Could not convert variant of type (%s) into type (%s)".
  std::string ToString() const;    // wide strings narrowed to GBK
  std::wstring ToWideString() const;
  int32_t ToInteger() const;
  int64_t ToInt64() const;
  double ToDouble() const;
  bool ToBoolean() const;

  bool operator==(const Variant& other) const;

private:
  struct NullTag {
    bool operator==(const NullTag&) const { return true; }
  };
  struct DateValue {
    double Value;
    bool operator==(const DateValue& other) const { return Value == other.Value; }
  };
  std::variant<std::monostate, NullTag, int32_t, int64_t, bool, double, std::string, std::wstring, DateValue> value_;
  const char* TypeName() const;
  [[noreturn]] void ConversionError(const char* target) const;
};

// Narrow or widen between Variant texts and the runtime's plain conversions.
std::string VarToStr(const Variant& v);
