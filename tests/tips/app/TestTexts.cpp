#include "TestTexts.h"

#include <algorithm>
#include <cstdint>

#include "classlib/core/TextCodec.h"

std::string EncodeBase64(const std::string& bytes) {
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t n = std::min<size_t>(3, bytes.size() - i);
    uint32_t group = 0;
    for (size_t k = 0; k < 3; ++k) group = group << 8 | (k < n ? uint8_t(bytes[i + k]) : 0);
    for (size_t k = 0; k < 4; ++k) text += k <= n ? alphabet[(group >> (18 - 6 * k)) & 63] : '=';
  }
  return text;
}

std::string Gbk(const char* utf8) { return Utf16ToGbk(Utf8ToUtf16(utf8)); }
std::wstring Wide(const char* utf8) { return Utf8ToUtf16(utf8); }
