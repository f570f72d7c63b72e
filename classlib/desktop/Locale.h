#pragma once
// The user's number formats, as the system's regional settings give them.

// The character between the integer and fractional digits of a number ("." or "," ...).
wchar_t LocaleDecimalSeparator();
