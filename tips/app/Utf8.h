#pragma once
#include <string>
#include <string_view>

std::string Utf16ToUtf8(std::wstring_view text);
// Malformed sequences become U+FFFD.
std::wstring Utf8ToUtf16(std::string_view text);
