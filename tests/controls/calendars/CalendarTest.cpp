// The calendar on a real scene: cell layout, the week column against ISO weeks that Python
// computed, month changes on the last days of months, the locale's names, and typed dates.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/core/StringStream.h"
#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Locale.h"
#include "controls/boxes/PopupBox.h"
#include "controls/buttons/Button.h"
#include "controls/calendars/Calendar.h"
#include "controls/calendars/CalendarBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/text/Label.h"
#include "engine/layouts/Layout.h"
#include "engine/paint/Bitmap.h"
#include "engine/scene/Popup.h"
#include "engine/tree/ObjectStreaming.h"
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
  // The calendar painted alone, on transparent black: the colour at a point of one of its parts.
  static TvgColor PixelOf(TvgCalendar* calendar, TvgVisualObject* part, float x, float y) {
    std::unique_ptr<TvgBitmap> shot = calendar->MakeScreenshot();
    const TvgPoint at = calendar->AbsoluteToLocal(part->LocalToAbsolute({x, y}));
    return shot->Bits()[int(at.Y) * shot->Width() + int(at.X)];
  }
  static TvgPoint CentreOf(TvgVisualObject* part) {
    return part->LocalToAbsolute({part->Width() / 2, part->Height() / 2});
  }
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

// Streamed as a form holds it, each week label stands left of its row of days and each day name
// above its column.
TEST_F(CalendarTest, WeekLabelsAndDayNamesStandBesideTheirCells) {
  TStringStream text(
      "object TvgCalendar\n  Position.Point = '(10,10)'\n  Width = 226\n  Height = 160\n"
      "  Date = 46063\n  FirstDayOfWeek = vgMonday\n  WeekNumbers = True\nend\n");
  auto* calendar = dynamic_cast<TvgCalendar*>(vgLoadObjectFromText(nullptr, text));
  ASSERT_NE(calendar, nullptr);
  root->AddObject(calendar);
  calendar->ApplyResource();
  for (int row = 0; row < 6; ++row) {
    const TvgPoint label = CentreOf(calendar->WeekColumn()->Children(row)->Visual());
    const TvgPoint cell = CentreOf(calendar->Days()->ItemByIndex(row * 7));
    EXPECT_FLOAT_EQ(label.Y, cell.Y) << "week label " << row;
    EXPECT_LT(label.X, calendar->Days()->LocalToAbsolute({0, 0}).X) << "week label " << row;
  }
  for (int column = 0; column < 7; ++column) {
    const TvgPoint name = CentreOf(calendar->DayNameRow()->Children(column)->Visual());
    const TvgPoint cell = CentreOf(calendar->Days()->ItemByIndex(column));
    EXPECT_NEAR(name.X, cell.X, 1) << "day name " << column;
    EXPECT_LT(name.Y, cell.Y) << "day name " << column;
  }
}

// The calendar a streamed box drops down spans its pop-up: the year box ends where the days end,
// the month box fills the rest of the navigation row.
TEST_F(CalendarTest, TheDroppedCalendarsNavigationSpansItsDays) {
  TStringStream text("object TvgCalendarBox\n  Position.Point = '(10,10)'\n  Width = 200\n  Height = 22\nend\n");
  auto* box = dynamic_cast<TvgCalendarBox*>(vgLoadObjectFromText(nullptr, text));
  ASSERT_NE(box, nullptr);
  root->AddObject(box);
  box->ApplyResource();
  box->Popup()->SetIsOpen(true);
  TvgCalendar* calendar = box->Calendar();
  const auto right = [](TvgVisualObject* o) { return o->LocalToAbsolute({o->Width(), 0}).X; };
  EXPECT_FLOAT_EQ(right(calendar->YearBox()), right(calendar->Days()));
  EXPECT_FLOAT_EQ(right(calendar->MonthBox()) + calendar->MonthBox()->Padding()->Right(),
                  calendar->YearBox()->LocalToAbsolute({0, 0}).X);
  box->Popup()->SetIsOpen(false);
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

// A click gives the days the keys: arrows move the day, Page Up and Page Down turn the month with
// the day clamped.
TEST_F(CalendarTest, KeysMoveTheDayAndTurnTheMonth) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2026, 1, 31));
  const TvgPoint cell = CentreOf(calendar->Days()->ItemByIndex(calendar->Days()->ItemIndex()));
  ClickAt(int(cell.X), int(cell.Y));
  ASSERT_EQ(DateOf(calendar->Date()), EncodeDate(2026, 1, 31));
  struct {
    WPARAM key;
    TDateTime date;
  } steps[] = {
      {VK_NEXT, EncodeDate(2026, 2, 28)},  {VK_LEFT, EncodeDate(2026, 2, 27)}, {VK_UP, EncodeDate(2026, 2, 20)},
      {VK_RIGHT, EncodeDate(2026, 2, 21)}, {VK_DOWN, EncodeDate(2026, 2, 28)}, {VK_PRIOR, EncodeDate(2026, 1, 28)},
      {VK_PRIOR, EncodeDate(2025, 12, 28)},
  };
  for (const auto& step : steps) {
    Key(step.key);
    EXPECT_EQ(DateOf(calendar->Date()), step.date) << "key " << step.key;
  }
}

// Over the days as over the rest, a turn down shows the next month and a turn up the previous one.
TEST_F(CalendarTest, TheWheelOverTheDaysTurnsTheMonth) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2026, 3, 31));
  for (TvgVisualObject* over : std::initializer_list<TvgVisualObject*>{calendar->Days(), calendar->DayNameRow()}) {
    const TvgPoint at = CentreOf(over);
    Move(int(at.X), int(at.Y));
    const LPARAM screen = MAKELPARAM(kFormLeft + int(at.X), kFormTop + int(at.Y));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), screen);
    EXPECT_EQ(DateOf(calendar->Date()), EncodeDate(2026, 4, 30));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), screen);
    EXPECT_EQ(DateOf(calendar->Date()), EncodeDate(2026, 3, 30));
    calendar->SetDate(EncodeDate(2026, 3, 31));
  }
}

// The navigation buttons are bare glyphs until the pointer is over one: a light circle then, and
// a dark one while pressed.
TEST_F(CalendarTest, NavigationButtonsShowACircleOnlyWhenHoveredOrPressed) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2026, 2, 10));
  TvgButton* prev = calendar->PrevButton();
  const float x = 3, y = prev->Height() / 2;  // inside the circle, beside the arrow
  EXPECT_EQ(PixelOf(calendar, prev, x, y) >> 24, 0u) << "a background at rest";
  const TvgPoint centre = CentreOf(prev);
  Move(int(centre.X), int(centre.Y));
  TickFor(400);
  const TvgColor hovered = PixelOf(calendar, prev, x, y);
  EXPECT_GE(hovered >> 24, 0x20u);
  EXPECT_LE(hovered >> 24, 0x60u) << "a subtle circle, not a solid one";
  EXPECT_EQ(hovered & 0xFF, (hovered >> 16) & 0xFF) << "a grey circle";
  Press(int(centre.X), int(centre.Y));
  TickFor(400);
  const TvgColor pressed = PixelOf(calendar, prev, x, y);
  EXPECT_GE(pressed >> 24, 0x20u);
  EXPECT_LT(pressed & 0xFF, hovered & 0xFF) << "pressed is darker than hovered";
  Release(int(centre.X), int(centre.Y));
  Move(250, 190);
  TickFor(800);
  EXPECT_EQ(PixelOf(calendar, prev, x, y) >> 24, 0u) << "the circle stays after the pointer left";
  EXPECT_GT(PixelOf(calendar, prev, prev->Width() / 2, prev->Height() / 2) >> 24, 0x80u) << "no arrow";
}

// The days draw no frame and no background; the selected day and every other row still show.
TEST_F(CalendarTest, DaysShowTheSelectionAndAlternateRowsOnNoBackground) {
  TvgCalendar* calendar = NewCalendar(vgMonday, EncodeDate(2026, 2, 10));
  TvgListBox* days = calendar->Days();
  ASSERT_EQ(days->ItemIndex(), 15);
  // The left of a cell: its number stands on the right.
  auto cellPixel = [&](int index) {
    TvgListBoxItem* cell = days->ItemByIndex(index);
    return PixelOf(calendar, cell, 3, cell->Height() / 2);
  };
  EXPECT_EQ(cellPixel(0) >> 24, 0u) << "a background in the first row";
  EXPECT_EQ(PixelOf(calendar, days, 0, 0) >> 24, 0u) << "a frame";
  const TvgColor stripe = cellPixel(7);
  EXPECT_GT(stripe >> 24, 0u) << "no stripe in the second row";
  EXPECT_LT(stripe >> 24, 0x30u) << "a stripe too strong to read the days on";
  const TvgColor selected = cellPixel(15);
  EXPECT_EQ(selected >> 24, 0xFFu);
  EXPECT_GT(selected & 0xFF, ((selected >> 16) & 0xFF) + 0x40) << "the selection is not blue";
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
