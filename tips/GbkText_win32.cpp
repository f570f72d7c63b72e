#include "tips/GbkText.h"

#include <windows.h>

namespace {
constexpr UINT kGbkCodePage = 936;
}

std::string WideToGbk(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string gbk(size, '\0');
  WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, gbk.data(), size, nullptr, nullptr);
  return gbk;
}
