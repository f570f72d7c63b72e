#include "tips/rpc/HproseValue.h"

#include "classlib/core/SysUtils.h"

HproseValue HproseValue::Boolean(bool value) { return HproseValue(Storage(std::in_place_index<1>, value)); }
HproseValue HproseValue::Integer(std::int64_t value) { return HproseValue(Storage(std::in_place_index<2>, value)); }
HproseValue HproseValue::Double(double value) { return HproseValue(Storage(std::in_place_index<3>, value)); }
HproseValue HproseValue::String(std::wstring value) {
  return HproseValue(Storage(std::in_place_index<4>, std::move(value)));
}
HproseValue HproseValue::Bytes(std::string value) {
  return HproseValue(Storage(std::in_place_index<5>, std::move(value)));
}
HproseValue HproseValue::List(HproseList elements) {
  return HproseValue(Storage(std::make_shared<const HproseList>(std::move(elements))));
}
HproseValue HproseValue::Map(HproseMap entries) {
  return HproseValue(Storage(std::make_shared<const HproseMap>(std::move(entries))));
}

template <typename T>
const T& HproseValue::Get(Kind kind) const {
  if (GetKind() != kind) {
    throw EConvertError(Format("Hprose value of kind %s read as %s", HproseKindName(GetKind()), HproseKindName(kind)));
  }
  return std::get<T>(value_);
}

bool HproseValue::AsBoolean() const { return Get<bool>(Kind::Boolean); }
std::int64_t HproseValue::AsInteger() const { return Get<std::int64_t>(Kind::Integer); }
double HproseValue::AsDouble() const { return Get<double>(Kind::Double); }
const std::wstring& HproseValue::AsString() const { return Get<std::wstring>(Kind::String); }
const std::string& HproseValue::AsBytes() const { return Get<std::string>(Kind::Bytes); }
const HproseList& HproseValue::AsList() const { return *Get<std::shared_ptr<const HproseList>>(Kind::List); }
const HproseMap& HproseValue::AsMap() const { return *Get<std::shared_ptr<const HproseMap>>(Kind::Map); }

bool HproseValue::operator==(const HproseValue& other) const {
  if (GetKind() != other.GetKind()) return false;
  switch (GetKind()) {
    case Kind::List: return AsList() == other.AsList();
    case Kind::Map: return AsMap() == other.AsMap();
    default: return value_ == other.value_;
  }
}

const char* HproseKindName(HproseValue::Kind kind) {
  static const char* const kNames[] = {"null", "boolean", "integer", "double", "string", "bytes", "list", "map"};
  return kNames[static_cast<int>(kind)];
}

Variant ToVariant(const HproseValue& value) {
  switch (value.GetKind()) {
    case HproseValue::Kind::Null: return Variant::Null();
    case HproseValue::Kind::Boolean: return Variant(value.AsBoolean());
    case HproseValue::Kind::Integer: {
      const std::int64_t number = value.AsInteger();
      if (number >= INT32_MIN && number <= INT32_MAX) return Variant(static_cast<std::int32_t>(number));
      return Variant(number);
    }
    case HproseValue::Kind::Double: return Variant(value.AsDouble());
    case HproseValue::Kind::String: return Variant(value.AsString());
    case HproseValue::Kind::Bytes: return Variant(value.AsBytes());
    default:
      throw EVariantError(Format("An Hprose %s has no variant form", HproseKindName(value.GetKind())));
  }
}
