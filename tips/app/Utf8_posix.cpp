#include "tips/app/Utf8.h"

#include <iconv.h>

#include <cstdint>
#include <vector>

// The native build (sanitizers, fuzzing) converts with iconv; wide strings hold UTF-16 code units
// there too. As on the target, a byte that starts no valid sequence becomes U+FFFD.
namespace {

std::vector<char> Convert(const char* to, const char* from, std::vector<char> in, const std::vector<char>& bad,
                          size_t badStep) {
  std::vector<char> out;
  iconv_t cd = iconv_open(to, from);
  if (cd == iconv_t(-1)) return out;
  char* inPtr = in.data();
  size_t inLeft = in.size();
  while (inLeft > 0) {
    char buffer[256];
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.insert(out.end(), buffer, outPtr);
    if (result == size_t(-1) && outPtr == buffer) {
      out.insert(out.end(), bad.begin(), bad.end());
      const size_t step = inLeft < badStep ? inLeft : badStep;
      inPtr += step;
      inLeft -= step;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf16ToUtf8(std::wstring_view text) {
  std::vector<char> units;
  for (wchar_t c : text) {
    units.push_back(char(uint16_t(c) & 0xFF));
    units.push_back(char(uint16_t(c) >> 8));
  }
  const std::vector<char> utf8 = Convert("UTF-8", "UTF-16LE", std::move(units), {'\xEF', '\xBF', '\xBD'}, 2);
  return std::string(utf8.begin(), utf8.end());
}

std::wstring Utf8ToUtf16(std::string_view text) {
  const std::vector<char> units = Convert("UTF-16LE", "UTF-8", {text.begin(), text.end()}, {'\xFD', '\xFF'}, 1);
  std::wstring wide;
  for (size_t i = 0; i + 1 < units.size(); i += 2) wide.push_back(wchar_t(uint8_t(units[i]) | uint8_t(units[i + 1]) << 8));
  return wide;
}
