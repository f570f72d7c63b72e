#include "classlib/core/TextCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

// The native build (sanitizers, fuzzing) converts with iconv; wide strings hold UTF-16 code units
// there too, as on the target.
static std::vector<char> Convert(const char* to, const char* from, const char* data, size_t size) {
  std::vector<char> out;
  iconv_t cd = iconv_open(to, from);
  if (cd == iconv_t(-1)) return out;
  std::vector<char> in(data, data + size);
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.insert(out.end(), buffer, outPtr);
    if (r == size_t(-1) && outPtr == buffer) {  // unconvertible input: mark it and move on
      out.push_back('?');
      if (std::string_view(to) == "UTF-16LE") out.push_back('\0');
      inPtr += std::string_view(from) == "UTF-16LE" ? 2 : 1;
      inLeft -= std::min<size_t>(inLeft, std::string_view(from) == "UTF-16LE" ? 2 : 1);
    }
  }
  iconv_close(cd);
  return out;
}

std::wstring GbkToUtf16(std::string_view text) {
  std::vector<char> units = Convert("UTF-16LE", "GBK", text.data(), text.size());
  std::wstring wide;
  for (size_t i = 0; i + 1 < units.size(); i += 2)
    wide.push_back(wchar_t(uint8_t(units[i]) | uint8_t(units[i + 1]) << 8));
  return wide;
}

std::string Utf16ToGbk(std::wstring_view text) {
  std::vector<char> units;
  for (wchar_t c : text) {
    units.push_back(char(uint16_t(c) & 0xFF));
    units.push_back(char(uint16_t(c) >> 8));
  }
  std::vector<char> gbk = Convert("GBK", "UTF-16LE", units.data(), units.size());
  return std::string(gbk.begin(), gbk.end());
}
