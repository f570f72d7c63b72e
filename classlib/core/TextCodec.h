#pragma once
// The text conversions of the programs, to and from UTF-16 (wide strings hold UTF-16 code units,
// on the target and in the native build alike).
#include <string>
#include <string_view>

// UTF-8, converted the same way everywhere. Each malformed piece (a bad byte, or the longest
// start of a sequence that breaks off) becomes one U+FFFD; so does an unpaired surrogate.
std::wstring Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::wstring_view text);
// Well-formed UTF-8 only: no stray or missing continuation bytes, overlong forms, surrogates or
// code points past U+10FFFF. The empty text is valid.
bool IsValidUtf8(std::string_view text);
// Whether text[at] and text[at + 1] are the two halves of one character outside the Basic
// Multilingual Plane.
bool IsSurrogatePairAt(std::wstring_view text, size_t at);

// The programs' 8-bit texts are GBK (code page 936) whatever the system's code page is; streams
// convert to and from UTF-16 with it. Characters GBK lacks become "?".
std::wstring GbkToUtf16(std::string_view text);
std::string Utf16ToGbk(std::wstring_view text);

// Texts in the system's code page (CP_ACP), as the platform's 8-bit calls take them; the Windows
// build only.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);
