#include "classlib/core/TextCodec.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMalformed = 0xFFFFFFFF;

// The code point of the sequence at `at`, which moves past it; kMalformed for a malformed piece,
// with `at` past the bad byte or past the longest valid start of the sequence (the bounds of the
// second byte rule out overlong forms, surrogates and code points past U+10FFFF).
char32_t DecodeAt(std::string_view text, size_t& at) {
  const uint8_t lead = uint8_t(text[at++]);
  if (lead < 0x80) return lead;
  int continuations = 0;
  char32_t codePoint = 0;
  uint8_t low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1, codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2, codePoint = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3, codePoint = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kMalformed;
  }
  for (; continuations > 0; --continuations) {
    if (at == text.size()) return kMalformed;
    const uint8_t next = uint8_t(text[at]);
    if (next < low || next > high) return kMalformed;
    low = 0x80, high = 0xBF;
    codePoint = (codePoint << 6) | (next & 0x3F);
    ++at;
  }
  return codePoint;
}

void AppendUtf16(std::wstring& out, char32_t codePoint) {
  if (codePoint < 0x10000) {
    out.push_back(wchar_t(codePoint));
  } else {
    out.push_back(wchar_t(0xD800 + ((codePoint - 0x10000) >> 10)));
    out.push_back(wchar_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out.push_back(char(codePoint));
  } else if (codePoint < 0x800) {
    out.push_back(char(0xC0 | (codePoint >> 6)));
    out.push_back(char(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    out.push_back(char(0xE0 | (codePoint >> 12)));
    out.push_back(char(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(char(0x80 | (codePoint & 0x3F)));
  } else {
    out.push_back(char(0xF0 | (codePoint >> 18)));
    out.push_back(char(0x80 | ((codePoint >> 12) & 0x3F)));
    out.push_back(char(0x80 | ((codePoint >> 6) & 0x3F)));
    out.push_back(char(0x80 | (codePoint & 0x3F)));
  }
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::wstring Utf8ToUtf16(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const char32_t codePoint = DecodeAt(text, at);
    AppendUtf16(wide, codePoint == kMalformed ? kReplacement : codePoint);
  }
  return wide;
}

std::string Utf16ToUtf8(std::wstring_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = char16_t(text[i]);
    if (IsSurrogatePairAt(text, i)) {
      AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (char16_t(text[++i]) - 0xDC00));
    } else {
      AppendUtf8(utf8, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
    }
  }
  return utf8;
}

bool IsSurrogatePairAt(std::wstring_view text, size_t at) {
  return at + 1 < text.size() && IsHighSurrogate(char16_t(text[at])) && IsLowSurrogate(char16_t(text[at + 1]));
}

bool IsValidUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();)
    if (DecodeAt(text, at) == kMalformed) return false;
  return true;
}
