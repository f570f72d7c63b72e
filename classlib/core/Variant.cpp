#include "classlib/core/Variant.h"

#include "classlib/core/DateTime.h"
#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"

Variant Variant::Null() {
  Variant v;
  v.value_ = NullTag{};
  return v;
}

Variant Variant::FromDate(double dateTime) {
  Variant v;
  v.value_ = DateValue{dateTime};
  return v;
}

TVarType Variant::Type() const { return TVarType(value_.index()); }

bool Variant::IsNumeric() const {
  const TVarType type = Type();
  return type == TVarType::Integer || type == TVarType::Int64 || type == TVarType::Boolean || type == TVarType::Double ||
         type == TVarType::Date;
}

const char* Variant::TypeName() const {
  static const char* names[] = {"Empty", "Null", "Integer", "Int64", "Boolean", "Double", "String", "OleStr", "Date"};
  return names[value_.index()];
}

void Variant::ConversionError(const char* target) const {
  throw EVariantError(Format("Could not convert variant of type (%s) into type (%s)", TypeName(), target));
}

// 8-bit texts are GBK, as everywhere in the programs.
static std::wstring Widen(const std::string& s) { return GbkToUtf16(s); }
static std::string Narrow(const std::wstring& w) { return Utf16ToGbk(w); }

std::string Variant::ToString() const {
  switch (Type()) {
    case TVarType::Empty:
    case TVarType::Null: return "";
    case TVarType::Integer: return IntToStr(std::get<int32_t>(value_));
    case TVarType::Int64: return IntToStr(std::get<int64_t>(value_));
    case TVarType::Boolean: return std::get<bool>(value_) ? "True" : "False";
    case TVarType::Double: return FloatToStr(std::get<double>(value_));
    case TVarType::String: return std::get<std::string>(value_);
    case TVarType::WideString: return Narrow(std::get<std::wstring>(value_));
    case TVarType::Date: return Narrow(DateTimeToStr(std::get<DateValue>(value_).Value));
  }
  return "";
}

std::wstring Variant::ToWideString() const {
  if (Type() == TVarType::WideString) return std::get<std::wstring>(value_);
  if (Type() == TVarType::Date) return DateTimeToStr(std::get<DateValue>(value_).Value);
  return Widen(ToString());
}

int64_t Variant::ToInt64() const {
  switch (Type()) {
    case TVarType::Empty:
    case TVarType::Null: return 0;
    case TVarType::Integer: return std::get<int32_t>(value_);
    case TVarType::Int64: return std::get<int64_t>(value_);
    case TVarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
    case TVarType::Double: return Round(std::get<double>(value_));
    case TVarType::Date: return Round(std::get<DateValue>(value_).Value);
    case TVarType::String:
    case TVarType::WideString: {
      int64_t v;
      if (TryStrToInt64(ToString(), v)) return v;
      double d;
      if (TryStrToFloat(ToString(), d)) return Round(d);
      ConversionError("Int64");
    }
  }
  return 0;
}

int32_t Variant::ToInteger() const {
  int64_t v = ToInt64();
  if (v < INT32_MIN || v > INT32_MAX) ConversionError("Integer");
  return int32_t(v);
}

double Variant::ToDouble() const {
  switch (Type()) {
    case TVarType::Double: return std::get<double>(value_);
    case TVarType::Date: return std::get<DateValue>(value_).Value;
    case TVarType::String:
    case TVarType::WideString: {
      double d;
      if (TryStrToFloat(ToString(), d)) return d;
      ConversionError("Double");
    }
    default: return double(ToInt64());
  }
}

bool Variant::ToBoolean() const {
  switch (Type()) {
    case TVarType::Boolean: return std::get<bool>(value_);
    case TVarType::String:
    case TVarType::WideString: {
      std::string s = ToString();
      if (SameText(s, "True")) return true;
      if (SameText(s, "False")) return false;
      double d;
      if (TryStrToFloat(s, d)) return d != 0;
      ConversionError("Boolean");
    }
    default: return ToDouble() != 0;
  }
}

bool Variant::operator==(const Variant& other) const {
  if (Type() == other.Type()) return value_ == other.value_;
  if (IsString() && other.IsString()) return ToWideString() == other.ToWideString();
  if (IsString() || other.IsString()) return ToString() == other.ToString();
  if (IsEmpty() || IsNull() || other.IsEmpty() || other.IsNull()) return false;
  return ToDouble() == other.ToDouble();
}

std::string VarToStr(const Variant& v) { return v.ToString(); }
