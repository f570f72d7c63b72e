#include "classlib/core/TextCodec.h"

#include "classlib/desktop/Win32.h"

static constexpr UINT GbkCodePage = 936;

std::wstring GbkToUtf16(std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(GbkCodePage, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(GbkCodePage, 0, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

std::string Utf16ToGbk(std::wstring_view text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(GbkCodePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(size_t(size), '\0');
  WideCharToMultiByte(GbkCodePage, 0, text.data(), int(text.size()), narrow.data(), size, nullptr, nullptr);
  return narrow;
}
