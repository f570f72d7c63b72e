#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "classlib/core/Variant.h"

class HproseValue;
using HproseList = std::vector<HproseValue>;
using HproseMap = std::vector<std::pair<HproseValue, HproseValue>>;  // in reply order

// A value of an Hprose reply. Lists and maps share their elements, so resolving a reference
// costs no copy and a reply of nested references cannot blow up in memory.
class HproseValue {
public:
  enum class Kind { Null, Boolean, Integer, Double, String, Bytes, List, Map };

  HproseValue() = default;  // null
  static HproseValue Boolean(bool value);
  static HproseValue Integer(std::int64_t value);
  static HproseValue Double(double value);
  static HproseValue String(std::wstring value);
  static HproseValue Bytes(std::string value);
  static HproseValue List(HproseList elements);
  static HproseValue Map(HproseMap entries);

  Kind GetKind() const { return static_cast<Kind>(value_.index()); }
  bool IsNull() const { return GetKind() == Kind::Null; }

  // Each raises EConvertError when the value is of another kind.
  bool AsBoolean() const;
  std::int64_t AsInteger() const;
  double AsDouble() const;
  const std::wstring& AsString() const;
  const std::string& AsBytes() const;
  const HproseList& AsList() const;
  const HproseMap& AsMap() const;

  bool operator==(const HproseValue& other) const;

private:
  // Alternatives in the order of Kind.
  using Storage = std::variant<std::monostate, bool, std::int64_t, double, std::wstring, std::string,
                               std::shared_ptr<const HproseList>, std::shared_ptr<const HproseMap>>;
  explicit HproseValue(Storage value) : value_(std::move(value)) {}
  template <typename T>
  const T& Get(Kind kind) const;

  Storage value_;
};

const char* HproseKindName(HproseValue::Kind kind);

// The result as the class library's variant: null, Boolean, Integer (Int64 when it does not fit),
// Double, WideString, bytes as an 8-bit String. A list or map raises EVariantError.
Variant ToVariant(const HproseValue& value);
