#pragma once
#include <string>

// The programs' 8-bit texts use the Chinese code page GBK (936); characters it lacks become "?".
std::string WideToGbk(const std::wstring& text);
