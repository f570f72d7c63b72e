#include "HproseValuePrinter.h"

#include <cstdio>

namespace {

void PrintText(const std::wstring& text, std::ostream* out) {
  *out << '"';
  for (wchar_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F) {
      *out << static_cast<char>(unit);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04X", static_cast<unsigned>(unit));
      *out << escaped;
    }
  }
  *out << '"';
}

}  // namespace

void PrintTo(const HproseValue& value, std::ostream* out) {
  switch (value.GetKind()) {
    case HproseValue::Kind::Null: *out << "null"; break;
    case HproseValue::Kind::Boolean: *out << (value.AsBoolean() ? "true" : "false"); break;
    case HproseValue::Kind::Integer: *out << value.AsInteger(); break;
    case HproseValue::Kind::Double: *out << value.AsDouble(); break;
    case HproseValue::Kind::String: PrintText(value.AsString(), out); break;
    case HproseValue::Kind::Bytes: *out << "bytes(" << value.AsBytes().size() << ")"; break;
    case HproseValue::Kind::List: {
      *out << '[';
      const char* separator = "";
      for (const HproseValue& element : value.AsList()) {
        *out << separator;
        PrintTo(element, out);
        separator = ", ";
      }
      *out << ']';
      break;
    }
    case HproseValue::Kind::Map: {
      *out << '{';
      const char* separator = "";
      for (const auto& [key, element] : value.AsMap()) {
        *out << separator;
        PrintTo(key, out);
        *out << ": ";
        PrintTo(element, out);
        separator = ", ";
      }
      *out << '}';
      break;
    }
  }
}
