// Dates and times: encoding against the runtime's day numbers, the ISO week against weeks that
// Python computed, formatting in the system's pictures and reading typed dates back.
#include <gtest/gtest.h>

#include "classlib/core/DateTime.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/Variant.h"

namespace {

struct TDayNumberCase {
  int Year, Month, Day;
  double Number;
  int WeekDay;
};

TEST(DateTime, EncodesAndDecodesTheRuntimesDayNumbers) {
  const TDayNumberCase cases[] = {
      {1899, 12, 30, 0, 7}, {1900, 1, 1, 2, 2},      {2000, 2, 29, 36585, 3}, {2000, 3, 1, 36586, 4},
      {1600, 3, 1, -109511, 4}, {2026, 2, 1, 46054, 1}, {9999, 12, 31, 2958465, 6}, {1, 1, 1, -693593, 2},
  };
  for (const TDayNumberCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << "-" << c.Day);
    EXPECT_EQ(EncodeDate(c.Year, c.Month, c.Day), c.Number);
    const TDateParts parts = DecodeDate(c.Number + 0.75);
    EXPECT_EQ(parts.Year, c.Year);
    EXPECT_EQ(parts.Month, c.Month);
    EXPECT_EQ(parts.Day, c.Day);
    EXPECT_EQ(DayOfWeek(c.Number + 0.5), c.WeekDay);
  }
}

TEST(DateTime, RefusesDaysThatDoNotExist) {
  EXPECT_THROW(EncodeDate(2026, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2026, 4, 31), EConvertError);
  EXPECT_THROW(EncodeDate(2026, 13, 1), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2400, 2, 29));
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateTime, TimeOfDayRoundTripsToTheMillisecond) {
  const TDateTime time = EncodeTime(23, 59, 58, 999);
  const TTimeParts parts = DecodeTime(EncodeDate(2026, 12, 11) + time);
  EXPECT_EQ(parts.Hour, 23);
  EXPECT_EQ(parts.Minute, 59);
  EXPECT_EQ(parts.Second, 58);
  EXPECT_EQ(parts.MilliSecond, 999);
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTime) {
  const TDateTime time = EncodeTime(9, 30, 0, 0);
  EXPECT_EQ(IncMonth(EncodeDate(2026, 3, 31) + time, 1), EncodeDate(2026, 4, 30) + time);
  EXPECT_EQ(IncMonth(EncodeDate(2024, 2, 29), 12), EncodeDate(2025, 2, 28));
  EXPECT_EQ(IncMonth(EncodeDate(2026, 1, 31), -2), EncodeDate(2025, 11, 30));
  EXPECT_EQ(IncMonth(EncodeDate(2026, 12, 15), 1), EncodeDate(2027, 1, 15));
}

struct TIsoMonday {
  int Year, Month, Day, Week;
};
const TIsoMonday kIsoMondays[] = {
#include "tests/support/IsoWeekMondays.inc"
};

TEST(DateTime, IsoWeekOfEveryDayMatchesPythonsWeeks) {
  for (const TIsoMonday& monday : kIsoMondays) {
    const TDateTime date = EncodeDate(monday.Year, monday.Month, monday.Day);
    for (int day = 0; day < 7; ++day)
      ASSERT_EQ(IsoWeekOf(date + day + 0.9), monday.Week)
          << monday.Year << "-" << monday.Month << "-" << monday.Day << " + " << day;
  }
}

TFormatSettings German() {
  TFormatSettings settings;
  settings.ShortDateFormat = L"dd.MM.yyyy";
  settings.LongTimeFormat = L"HH:mm:ss";
  settings.DateSeparator = L".";
  settings.TimeAMString = settings.TimePMString = L"";
  settings.LongMonthNames[2] = L"M\u00e4rz";
  return settings;
}

TEST(DateTime, FormatsThePicturesOfTheSystem) {
  const TDateTime at = EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 0);
  const TFormatSettings english;
  EXPECT_EQ(DateTimeToStr(at, english), L"3/5/2026 2:07:09 PM");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2026, 3, 5), english), L"3/5/2026");
  EXPECT_EQ(DateTimeToStr(at, German()), L"05.03.2026 14:07:09");
  EXPECT_EQ(FormatDateTime(L"dddd, d. MMMM yy 'um' h 'Uhr'''", at, German()), L"Thursday, 5. M\u00e4rz 26 um 2 Uhr'");
  EXPECT_EQ(FormatDateTime(L"hh tt", EncodeDate(2026, 3, 5), english), L"12 AM");
}

struct TParseCase {
  const wchar_t* Text;
  bool German;
  bool Parses;
  double Expected;
};

TEST(DateTime, ReadsTypedDatesInTheLocalesOrder) {
  const TDateTime march5 = EncodeDate(2026, 3, 5);
  const TParseCase cases[] = {
      {L"3/5/2026", false, true, march5},
      {L" 3/5/26 ", false, true, march5},
      {L"2026-03-05", false, true, march5},
      {L"3/5/2026 2:07 PM", false, true, march5 + EncodeTime(14, 7, 0, 0)},
      {L"3/5/2026 12:00:30 am", false, true, march5 + EncodeTime(0, 0, 30, 0)},
      {L"05.03.2026", true, true, march5},
      {L"5-3-2026 23:59:59", true, true, march5 + EncodeTime(23, 59, 59, 0)},
      {L"2026.3.5", true, true, march5},
      {L"31.02.2026", true, false, 0},
      {L"3/5", false, false, 0},
      {L"3/5/2026 25:00", false, false, 0},
      {L"3/5/2026 13:00 PM", false, false, 0},
      {L"3/5/2026 x", false, false, 0},
      {L"3..5.2026", true, false, 0},
      {L"", false, false, 0},
      {L"99999999/1/1", false, false, 0},
  };
  for (const TParseCase& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << std::string(c.Text, c.Text + wcslen(c.Text)) << '"');
    TDateTime value = -1;
    ASSERT_EQ(TryStrToDateTime(c.Text, value, c.German ? German() : TFormatSettings()), c.Parses);
    if (c.Parses) EXPECT_NEAR(value, c.Expected, 1e-9);
  }
}

TEST(DateTime, TypedCharactersCoverWhatTheReaderReads) {
  const std::wstring english = DateTimeCharacters(TFormatSettings());
  for (wchar_t c : std::wstring(L"0123456789/-: AMPampm")) EXPECT_NE(english.find(c), std::wstring::npos) << char(c);
  const std::wstring german = DateTimeCharacters(German());
  EXPECT_NE(german.find(L'.'), std::wstring::npos);
  EXPECT_EQ(german.find(L'/'), std::wstring::npos);
  EXPECT_EQ(german.find(L'A'), std::wstring::npos);
}

TEST(Variant, ADateIsANumberThatReadsAsItsDateTimeText) {
  const TDateTime at = EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 0);
  const Variant date = Variant::FromDate(at);
  EXPECT_TRUE(date.IsDate());
  EXPECT_TRUE(date.IsNumeric());
  EXPECT_EQ(date.ToDouble(), at);
  EXPECT_EQ(date.ToWideString(), DateTimeToStr(at));
  EXPECT_EQ(date.ToString(), "3/5/2026 2:07:09 PM");
  EXPECT_EQ(date, Variant::FromDate(at));
  EXPECT_EQ(date, Variant(at));
}

}  // namespace
