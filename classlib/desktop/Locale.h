#pragma once
// The user's number and date formats, as the system's regional settings give them.
#include <cstdint>

// The character between the integer and fractional digits of a number ("." or "," ...).
wchar_t LocaleDecimalSeparator();

// Loads the date and time formats, the day and month names and the first day of the week of a
// locale (an LCID; 0x0400 is the user's own) into the process's FormatSettings. The application
// loads the user's at its start; a program or a test may load another.
inline constexpr uint32_t kUserLocale = 0x0400;
void LoadLocaleFormats(uint32_t locale = kUserLocale);

// The local date and time of the system clock, to the millisecond.
double Now();
