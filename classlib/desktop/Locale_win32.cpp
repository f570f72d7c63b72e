#include "classlib/desktop/Locale.h"

#include "classlib/desktop/Win32.h"

// Asks the system each time: the user may change the regional settings while a program runs.
wchar_t LocaleDecimalSeparator() {
  wchar_t separator[4] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return L'.';
  return separator[0];
}
