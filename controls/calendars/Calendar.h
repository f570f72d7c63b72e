#pragma once
// TvgCalendar: a month built from other controls: a navigation row (previous month, today, next
// month, month and year pop-up boxes), a row of day names, an optional column of week numbers and
// a seven-column list box of 42 day cells. The locale gives the day and month names and, by
// default, the first day of the week. Every change of the date, the first day or the week column
// rebuilds the parts.
#include <array>
#include <cstdint>

#include "classlib/core/DateTime.h"
#include "engine/tree/Control.h"

class TvgButton;
class TvgGridLayout;
class TvgLabel;
class TvgListBox;
class TvgPopupBox;

CL_ENUM(TvgCalDayOfWeek, vgMonday, vgTuesday, vgWednesday, vgThursday, vgFriday, vgSaturday, vgSunday,
        vgLocaleDefault)

class TvgCalendar : public TvgControl {
  CL_CLASS(TvgCalendar, TvgControl)
public:
  explicit TvgCalendar(TComponent* owner);

  TDateTime Date() const { return date_; }
  // Takes the day of value and keeps the time of day of Date.
  void SetDate(TDateTime value);
  TvgCalDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
  void SetFirstDayOfWeek(TvgCalDayOfWeek value);
  bool TodayDefault() const { return todayDefault_; }
  // Set, it moves Date to now.
  void SetTodayDefault(bool value);
  bool WeekNumbers() const { return weekNumbers_; }
  void SetWeekNumbers(bool value);

  // The parts, for the boxes that hold a calendar and for tests.
  TvgListBox* Days() const { return days_; }
  TvgButton* PrevButton() const { return prev_; }
  TvgButton* TodayButton() const { return today_; }
  TvgButton* NextButton() const { return next_; }
  TvgPopupBox* MonthBox() const { return month_; }
  TvgPopupBox* YearBox() const { return year_; }
  TvgGridLayout* WeekColumn() const { return weeks_; }
  TvgGridLayout* DayNameRow() const { return dayNames_; }
  // The first day of the week in effect: 0 = Sunday ... 6 = Saturday.
  int EffectiveFirstDay() const { return first_; }
  // The date that day cell index shows (days of the neighbouring months included).
  TDateTime CellDate(int index) const;

  void Rebuild();
  // Stores the date and rebuilds, notifies the binding and fires OnChange; nothing when equal.
  void DoDateChange(TDateTime date);

  // A date; a text the locale's formats read as a date and time; anything else is ignored.
  Variant GetData() override { return Variant::FromDate(date_); }
  void SetData(const Variant& value) override;
  void Realign() override;
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;

  TNotifyEvent OnChange;
  // The user picked a day or pressed the today button.
  TNotifyEvent OnDayChange;

private:
  void BuildNavigation();
  void BuildDayNames();
  void BuildWeekColumn();
  void BuildDays();
  int LocaleFirstDay() const;
  // The month shown around the date that changes to year and month, the day clamped to its length.
  void ShowMonth(int year, int month);
  void DayClicked();
  void MonthKey(uint16_t& key);
  void DayChangedByUser();
  void FillCells(const TDateParts& shown);
  void FillWeekColumn();

  TDateTime date_ = 0;
  TvgCalDayOfWeek firstDayOfWeek_ = vgLocaleDefault;
  int first_ = 0;
  int placement_ = 0;  // s: where the 1st of the month goes (item s - first - 1)
  bool todayDefault_ = false;
  bool weekNumbers_ = false;
  int updating_ = 0;
  TvgListBox* days_ = nullptr;
  TvgButton* prev_ = nullptr;
  TvgButton* today_ = nullptr;
  TvgButton* next_ = nullptr;
  TvgPopupBox* month_ = nullptr;
  TvgPopupBox* year_ = nullptr;
  TvgGridLayout* weeks_ = nullptr;
  TvgGridLayout* dayNames_ = nullptr;
};

// The text of a date in the boxes: the locale's short date, then its long time.
std::wstring vgCalendarDateText(TDateTime date);
