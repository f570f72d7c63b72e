#pragma once
// The user locale's case-insensitive comparison of two wide texts: < 0, 0 or > 0.
#include <string_view>

int vgWideCompareText(std::wstring_view A, std::wstring_view B);
