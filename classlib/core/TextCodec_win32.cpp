#include "classlib/core/TextCodec.h"

#include "classlib/desktop/Win32.h"

namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring Widened(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = int(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrowed(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int size = int(text.size());
  const int length = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(size_t(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring GbkToUtf16(std::string_view text) { return Widened(kGbkCodePage, text); }
std::string Utf16ToGbk(std::wstring_view text) { return Narrowed(kGbkCodePage, text); }

std::wstring AnsiToWide(std::string_view text) { return Widened(CP_ACP, text); }
std::string WideToAnsi(std::wstring_view text) { return Narrowed(CP_ACP, text); }
