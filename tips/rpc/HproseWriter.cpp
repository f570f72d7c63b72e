#include "tips/rpc/HproseWriter.h"

namespace {

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
  }
}

// The replacement keeps the unit count: one bad unit becomes one U+FFFD.
std::string Utf8Of(const std::wstring& text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(utf8, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(utf8, 0xFFFD);
    } else {
      AppendUtf8(utf8, unit);
    }
  }
  return utf8;
}

void AppendString(std::string& out, const std::wstring& text) {
  if (text.empty()) {
    out.push_back('e');
    return;
  }
  out += 's' + std::to_string(text.size()) + '"' + Utf8Of(text) + '"';
}

}  // namespace

std::string EncodeHproseCall(const std::wstring& function, const std::vector<std::wstring>& arguments) {
  std::string request = "C";
  AppendString(request, function);
  if (!arguments.empty()) {
    request += 'a' + std::to_string(arguments.size()) + '{';
    for (const std::wstring& argument : arguments) AppendString(request, argument);
    request += '}';
  }
  request += 'z';
  return request;
}
