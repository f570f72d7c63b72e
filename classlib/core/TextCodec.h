#pragma once
// The programs' 8-bit texts are GBK (code page 936); streams convert to and from UTF-16 with it.
// Characters GBK lacks become "?".
#include <string>
#include <string_view>

std::wstring GbkToUtf16(std::string_view text);
std::string Utf16ToGbk(std::wstring_view text);
