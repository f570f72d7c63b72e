// The calendar on a real scene: cell layout, the week column against ISO weeks that Python
// computed, month changes on the last days of months, the locale's names, and typed dates.
#include <gtest/gtest.h>

#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Locale.h"
#include "controls/boxes/PopupBox.h"
#include "controls/calendars/Calendar.h"
#include "controls/calendars/CalendarBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/text/Label.h"
#include "engine/layouts/Layout.h"
#include "tests/support/ControlsFixture.h"

namespace {

struct TIsoMonday {
  int Year, Month, Day, Week;
};
const TIsoMonday kIsoMondays[] = {
#include "tests/support/IsoWeekMondays.inc"
};

class CalendarTest : public ControlsTest {
protected:
  ~CalendarTest() override { LoadLocaleFormats(kEnglishUs); }
  static constexpr uint32_t kEnglishUs = 0x0409, kGerman = 0x0407, kChinese = 0x0804;
  TvgCalendar* NewCalendar(TvgCalDayOfWeek first, TDateTime date) {
    auto* calendar = Add<TvgCalendar>(10, 10, 180, 160);
    calendar->SetFirstDayOfWeek(first);
    calendar->SetDate(date);
    return calendar;
  }
  static std::wstring Cell(TvgCalendar* calendar, int index) { return calendar->Days()->ItemByIndex(index)->Text(); }
  static std::wstring WeekLabel(TvgCalendar* calendar, int row) {
    return dynamic_cast<TvgLabel*>(calendar->WeekColumn()->Children(row))->Text();
  }
};

TEST_F(CalendarTest, SundayFirstPutsASundayFirstOfTheMonthInTheSecondRow) {
  TvgCalendar* calendar = NewCalendar(vgSunday, EncodeDate(2029, 7, 1));
  EXPECT_EQ(calendar->Days()->Tag(), 8);
  EXPECT_EQ(Cell(calendar, 0), L"24");
  EXPECT_EQ(Cell(calendar, 6), L"30");
  EXPECT_EQ(Cell(calendar, 7), L"1");
  EXPECT_EQ(calendar->Days()->ItemIndex(), 7);
  EXPECT_FLOAT_EQ(calendar->Days()->ItemByIndex(6)->Opacity(), 0.3f);
  EXPECT_FLOAT_EQ(calendar->Days()->ItemByIndex(7)->Opacity(), 1.0f);
}

TEST_F(CalendarTest, ChangingMonthOrYearOnALastDayClampsTheDay) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2026, 1, 31));
  calendar->MonthBox()->SetItemIndex(1);
  EXPECT_EQ(calendar->Date(), EncodeDate(2026, 2, 28));
  calendar->SetDate(EncodeDate(2024, 2, 29));
  calendar->YearBox()->SetItemIndex(11);  // 2025
  EXPECT_EQ(calendar->Date(), EncodeDate(2025, 2, 28));
  calendar->SetDate(EncodeDate(2026, 3, 31));
  calendar->NextButton()->Click();
  EXPECT_EQ(DecodeDate(calendar->Date()).Day, 30);
}

TEST_F(CalendarTest, ClickingADayOfTheMonthSetsItAndAGreyDayOnlyReports) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2026, 2, 10));
  int dayChanges = 0;
  calendar->OnDayChange = [&](TObject*) { ++dayChanges; };
  calendar->Days()->SetItemIndex(41);
  EXPECT_EQ(DateOf(calendar->Date()), EncodeDate(2026, 2, 10));
  const int s = calendar->Days()->Tag();
  calendar->Days()->SetItemIndex(20 + s - 1 - 2);
  EXPECT_EQ(calendar->Date(), EncodeDate(2026, 2, 20));
  EXPECT_EQ(dayChanges, 2);
}

// Each row's label is the ISO week of its Monday, for every month 2000-2039 and both first days.
TEST_F(CalendarTest, WeekColumnShowsTheIsoWeekOfEachRowsMonday) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2000, 1, 1));
  calendar->SetWeekNumbers(true);
  for (TvgCalDayOfWeek first : {vgMonday, vgSunday}) {
    calendar->SetFirstDayOfWeek(first);
    const int mondayColumn = first == vgMonday ? 0 : 1;
    for (int year = 2000; year <= 2039; ++year)
      for (int month = 1; month <= 12; ++month) {
        calendar->SetDate(EncodeDate(year, month, 1));
        for (int row = 0; row < 6; ++row) {
          const TDateTime monday = calendar->CellDate(row * 7 + mondayColumn);
          ASSERT_EQ(DayOfWeek(monday), 2);
          const TDateParts parts = DecodeDate(monday);
          ASSERT_EQ(Cell(calendar, row * 7 + mondayColumn), std::to_wstring(parts.Day));
          const TIsoMonday* expected = std::find_if(std::begin(kIsoMondays), std::end(kIsoMondays), [&](auto& m) {
            return m.Year == parts.Year && m.Month == parts.Month && m.Day == parts.Day;
          });
          ASSERT_NE(expected, std::end(kIsoMondays));
          ASSERT_EQ(WeekLabel(calendar, row), std::to_wstring(expected->Week)) << year << "-" << month << " row " << row;
        }
      }
  }
}

TEST_F(CalendarTest, DayAndMonthNamesAndTheFirstDayComeFromTheLocale) {
  LoadLocaleFormats(kGerman);
  TvgCalendar* german = NewCalendar(vgLocaleDefault, EncodeDate(2026, 3, 5));
  EXPECT_EQ(german->EffectiveFirstDay(), 1);
  EXPECT_EQ(german->MonthBox()->Text(), L"M\u00e4rz");
  LoadLocaleFormats(kChinese);
  TvgCalendar* chinese = NewCalendar(vgLocaleDefault, EncodeDate(2026, 3, 5));
  EXPECT_EQ(chinese->MonthBox()->Text().find(L'\u6708') != std::wstring::npos, true);
  LoadLocaleFormats(kEnglishUs);
  TvgCalendar* english = NewCalendar(vgLocaleDefault, EncodeDate(2026, 3, 5));
  EXPECT_EQ(english->EffectiveFirstDay(), 0);
  EXPECT_EQ(english->MonthBox()->Text(), L"March");
  EXPECT_EQ(dynamic_cast<TvgLabel*>(english->DayNameRow()->Children(0))->Text(), L"Sun");
}

TEST_F(CalendarTest, TypedTextBecomesTheDateOrIsRejected) {
  LoadLocaleFormats(kGerman);
  auto* box = Add<TvgCalendarTextBox>(10, 10, 160, 22);
  box->SetDate(EncodeDate(2026, 3, 5));
  int changes = 0;
  box->OnChange = [&](TObject*) { ++changes; };
  EXPECT_NE(box->FilterChar().find(L'.'), std::wstring::npos);
  EXPECT_NE(box->FilterChar().find(L':'), std::wstring::npos);
  EXPECT_NE(box->FilterChar().find(L'-'), std::wstring::npos);
  box->SetText(L"24.12.2026 18:30");
  box->Change();
  EXPECT_EQ(box->Date(), EncodeDate(2026, 12, 24) + EncodeTime(18, 30, 0, 0));
  EXPECT_EQ(changes, 1);
  box->SetText(L"31.02.2026");
  box->Change();
  EXPECT_EQ(box->Date(), EncodeDate(2026, 12, 24) + EncodeTime(18, 30, 0, 0));
  EXPECT_EQ(box->Text(), vgCalendarDateText(box->Date()));
  EXPECT_EQ(changes, 1);
}

}  // namespace
