#include "classlib/desktop/Locale.h"

#include <array>
#include <string>

#include "classlib/core/DateTime.h"
#include "classlib/desktop/Win32.h"

// Asks the system each time: the user may change the regional settings while a program runs.
wchar_t LocaleDecimalSeparator() {
  wchar_t separator[4] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return L'.';
  return separator[0];
}

namespace {

// The user's setting, else the locale's own value (Wine cannot read the user's settings in the
// first program after the session's locale changed), else the fallback.
std::wstring LocaleText(LCID locale, LCTYPE type, const std::wstring& fallback) {
  wchar_t text[96] = {};
  if (GetLocaleInfoW(locale, type, text, 96) >= 2 || GetLocaleInfoW(locale, type | LOCALE_NOUSEROVERRIDE, text, 96) >= 2)
    return text;
  return fallback;
}

// The system lists day names from Monday; the runtime's tables start on Sunday.
template <size_t N>
void LoadNames(LCID locale, LCTYPE first, bool mondayFirst, std::array<std::wstring, N>& names) {
  for (size_t i = 0; i < N; ++i) {
    const size_t index = mondayFirst ? (i + 1) % N : i;
    names[index] = LocaleText(locale, first + LCTYPE(i), names[index]);
  }
}

}  // namespace

void LoadLocaleFormats(uint32_t locale) {
  TFormatSettings& settings = FormatSettings();
  settings = TFormatSettings();
  const LCID id = LCID(locale);
  settings.ShortDateFormat = LocaleText(id, LOCALE_SSHORTDATE, settings.ShortDateFormat);
  settings.LongTimeFormat = LocaleText(id, LOCALE_STIMEFORMAT, settings.LongTimeFormat);
  settings.DateSeparator = LocaleText(id, LOCALE_SDATE, settings.DateSeparator);
  settings.TimeSeparator = LocaleText(id, LOCALE_STIME, settings.TimeSeparator);
  settings.TimeAMString = LocaleText(id, LOCALE_S1159, settings.TimeAMString);
  settings.TimePMString = LocaleText(id, LOCALE_S2359, settings.TimePMString);
  settings.FirstDayOfWeek = LocaleText(id, LOCALE_IFIRSTDAYOFWEEK, settings.FirstDayOfWeek);
  LoadNames(id, LOCALE_SABBREVDAYNAME1, true, settings.ShortDayNames);
  LoadNames(id, LOCALE_SDAYNAME1, true, settings.LongDayNames);
  LoadNames(id, LOCALE_SMONTHNAME1, false, settings.LongMonthNames);
  LoadNames(id, LOCALE_SABBREVMONTHNAME1, false, settings.ShortMonthNames);
}

double Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return EncodeDate(t.wYear, t.wMonth, t.wDay) + EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}
