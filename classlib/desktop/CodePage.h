#pragma once
// Texts in the system's code page (CP_ACP) and UTF-16. The programs' own 8-bit texts are GBK
// whatever the system's code page is: for those use GbkToUtf16 and Utf16ToGbk of the core.
#include <string>
#include <string_view>

#include "classlib/core/TextCodec.h"

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
