#pragma once
// Dates and times as the runtime keeps them: a double counting days since 30 December 1899, the
// fraction the time of day. Calendar arithmetic is proleptic Gregorian. Formatting and parsing
// follow a TFormatSettings whose pictures are in the system's notation ("d/M/yyyy", "HH:mm:ss",
// "tt" for the AM/PM designator, text in single quotes).
#include <array>
#include <cstdint>
#include <string>

using TDateTime = double;

struct TDateParts {
  int Year = 0, Month = 0, Day = 0;
};
struct TTimeParts {
  int Hour = 0, Minute = 0, Second = 0, MilliSecond = 0;
};

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// EConvertError "Invalid argument to date encode" for a day that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateParts DecodeDate(TDateTime date);
bool TryEncodeTime(int hour, int minute, int second, int milliSecond, TDateTime& time);
TDateTime EncodeTime(int hour, int minute, int second, int milliSecond);  // EConvertError
TTimeParts DecodeTime(TDateTime time);
TDateTime TimeOf(TDateTime dateTime);
TDateTime DateOf(TDateTime dateTime);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);
// The date moved by whole months, the day clamped to the length of the month it lands in.
TDateTime IncMonth(TDateTime date, int months);
// The week of the year by ISO 8601: weeks start on Monday, week 1 holds the year's first Thursday.
int IsoWeekOf(TDateTime date);

struct TFormatSettings {
  std::wstring ShortDateFormat = L"M/d/yyyy";
  std::wstring LongTimeFormat = L"h:mm:ss tt";
  std::wstring DateSeparator = L"/";
  std::wstring TimeSeparator = L":";
  std::wstring TimeAMString = L"AM";
  std::wstring TimePMString = L"PM";
  // The system's first day of the week as it gives it: a digit, "0" = Monday ... "6" = Sunday.
  std::wstring FirstDayOfWeek = L"6";
  std::array<std::wstring, 7> ShortDayNames{L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  std::array<std::wstring, 12> LongMonthNames{L"January", L"February", L"March",     L"April",
                                               L"May",     L"June",     L"July",      L"August",
                                               L"September", L"October", L"November", L"December"};
  std::array<std::wstring, 7> LongDayNames{L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                            L"Thursday", L"Friday", L"Saturday"};
  std::array<std::wstring, 12> ShortMonthNames{L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                                L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
};

// The process's formats: English until the desktop layer loads the user's locale into them.
TFormatSettings& FormatSettings();

std::wstring FormatDateTime(const std::wstring& picture, TDateTime dateTime, const TFormatSettings& settings);
// The short date, then the long time unless the time of day is midnight.
std::wstring DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings = FormatSettings());
// A date in the short date's order of day, month and year, its separator or "-" between the
// numbers (a four-digit year first reads as year-month-day), optionally followed by a time of
// hours and minutes, seconds optional, and an AM/PM designator. Anything else fails.
bool TryStrToDateTime(const std::wstring& text, TDateTime& dateTime, const TFormatSettings& settings = FormatSettings());
// The characters TryStrToDateTime can read in these settings.
std::wstring DateTimeCharacters(const TFormatSettings& settings);
