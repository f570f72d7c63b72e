#include "controls/calendars/Calendar.h"

#include <algorithm>

#include "classlib/core/Property.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TemporaryChange.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Locale.h"
#include "controls/boxes/PopupBox.h"
#include "controls/buttons/Button.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/text/Label.h"
#include "engine/layouts/Layout.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/shapes/Path.h"
#include "engine/shapes/Shapes.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgCalendar) {
  using C = TvgCalendar;
  published.Property("Date", &C::Date, &C::SetDate);
  published.Property("FirstDayOfWeek", &C::FirstDayOfWeek, &C::SetFirstDayOfWeek).Default(vgLocaleDefault);
  published.Property("TodayDefault", &C::TodayDefault, &C::SetTodayDefault).Default(false);
  published.Property("WeekNumbers", &C::WeekNumbers, &C::SetWeekNumbers).Default(false);
  published.Property("BindingSource", &C::BindingSource, &C::SetBindingSource);
  published.Property("OnChange", &C::OnChange, &C::OnChange);
  published.Property("OnDayChange", &C::OnDayChange, &C::OnDayChange);
}

namespace {

constexpr float kRow = 19;
constexpr int kCells = 42;
constexpr float kOtherMonthOpacity = 0.3f;
constexpr uint16_t kKeyPageUp = 33, kKeyPageDown = 34;

// A part the calendar makes and keeps: neither streamed nor editable in a designer.
template <typename T>
T* NewPart(TvgObject* parent) {
  T* part = new T(nullptr);
  part->SetLocked(true);
  part->SetStored(false);
  parent->AddObject(part);
  return part;
}

TvgButton* NavigationButton(TvgObject* parent, float x, TvgVisualObject* glyph) {
  auto* button = NewPart<TvgButton>(parent);
  button->SetBounds(x, 0, kRow, kRow);
  button->SetAlign(vaLeft);
  button->Padding()->SetRight(2);
  button->SetResource("transparentcirclebuttonstyle");
  button->SetRepeatClick(true);
  button->SetCanFocused(false);
  glyph->SetBounds(0, 0, 5, 5);
  glyph->SetAlign(vaCenter);
  glyph->SetHitTest(false);
  glyph->SetLocked(true);
  glyph->SetStored(false);
  if (auto* shape = dynamic_cast<TvgShape*>(glyph)) shape->Stroke()->SetStyle(vgBrushNone);
  button->AddObject(glyph);
  return button;
}

TvgPopupBox* NavigationBox(TvgObject* parent, TvgAlign align, TvgTextAlign textAlign) {
  auto* box = NewPart<TvgPopupBox>(parent);
  box->SetAlign(align);
  box->SetDisableFocusEffect(true);
  box->SetResource("labelstyle");
  box->Font()->SetStyle(vgFontBold);
  box->SetTextAlign(textAlign);
  box->SetCanFocused(false);
  return box;
}

TvgLabel* CentredLabel(TvgObject* parent) {
  auto* label = NewPart<TvgLabel>(parent);
  label->SetTextAlign(vgTextAlignCenter);
  label->SetWordWrap(false);
  label->SetHitTest(false);
  return label;
}

}  // namespace

std::wstring vgCalendarDateText(TDateTime date) {
  const TFormatSettings& settings = FormatSettings();
  return FormatDateTime(settings.ShortDateFormat, date, settings) + L" " +
         FormatDateTime(settings.LongTimeFormat, date, settings);
}

TvgCalendar::TvgCalendar(TComponent* owner) : TvgControl(owner), date_(Now()) {
  SetSizeDirect(180, 160);
  BuildNavigation();
  BuildDayNames();
  BuildWeekColumn();
  BuildDays();
  Rebuild();
}

void TvgCalendar::BuildNavigation() {
  auto* row = NewPart<TvgLayout>(this);
  row->SetBounds(0, 0, Width(), kRow);
  row->SetAlign(vaMostTop);
  row->Padding()->SetBottom(2);
  prev_ = NavigationButton(row, 0, new TvgScrollArrowLeft(nullptr));
  today_ = NavigationButton(row, 30, new TvgEllipse(nullptr));
  next_ = NavigationButton(row, 50, new TvgScrollArrowRight(nullptr));
  month_ = NavigationBox(row, vaClient, vgTextAlignFar);
  month_->Padding()->SetLeft(5);
  month_->Padding()->SetRight(5);
  year_ = NavigationBox(row, vaRight, vgTextAlignNear);
  year_->SetWidth(40);
  // Built after the row took its place: nothing else lays out the boxes in a streamed calendar.
  row->Realign();
  prev_->OnClick = [this](TObject*) { SetDate(IncMonth(date_, -1)); };
  next_->OnClick = [this](TObject*) { SetDate(IncMonth(date_, 1)); };
  today_->OnClick = [this](TObject*) {
    SetDate(Now());
    DayChangedByUser();
  };
  month_->OnChange = [this](TObject*) {
    if (month_->ItemIndex() >= 0) ShowMonth(DecodeDate(date_).Year, month_->ItemIndex() + 1);
  };
  year_->OnChange = [this](TObject*) {
    int32_t year;
    if (TryStrToInt(Utf16ToGbk(year_->Text()), year) && year >= 1 && year <= 9999)
      ShowMonth(year, DecodeDate(date_).Month);
  };
}

void TvgCalendar::BuildDayNames() {
  dayNames_ = NewPart<TvgGridLayout>(this);
  dayNames_->SetBounds(0, 20, Width(), kRow);
  dayNames_->SetAlign(vaTop);
  dayNames_->Padding()->SetBottom(2);
  dayNames_->SetItemHeight(kRow);
  for (int i = 0; i < 7; ++i) CentredLabel(dayNames_);
}

void TvgCalendar::BuildWeekColumn() {
  weeks_ = NewPart<TvgGridLayout>(this);
  weeks_->SetBounds(0, 0, 23, Height());
  weeks_->SetAlign(vaMostLeft);
  weeks_->Padding()->SetTop(21);
  weeks_->SetItemHeight(kRow);
  weeks_->SetItemWidth(23);
  weeks_->SetVisible(false);
  for (int i = 0; i < 6; ++i) CentredLabel(weeks_);
  // Likewise the grid places its cells only when it realigns.
  weeks_->Realign();
}

void TvgCalendar::BuildDays() {
  days_ = NewPart<TvgListBox>(this);
  days_->SetBounds(0, 50, Width(), 6 * kRow);
  days_->SetAlign(vaTop);
  days_->SetColumns(7);
  days_->SetItemHeight(kRow);
  days_->SetAlternatingRowBackground(true);
  days_->SetHideSelectionUnfocused(false);
  days_->SetShowScrollBars(false);
  // Nothing to scroll: the wheel goes on to the calendar, which turns the month.
  days_->SetDisableMouseWheel(true);
  days_->SetResource("transparentlistboxstyle");
  days_->BeginUpdate();
  for (int i = 0; i < kCells; ++i) {
    auto* item = new TvgListBoxItem(nullptr);
    item->SetStored(false);
    item->SetLocked(true);
    item->SetTextAlign(vgTextAlignFar);
    item->SetWordWrap(false);
    days_->AddObject(item);
  }
  days_->EndUpdate();
  days_->OnChange = [this](TObject*) { DayClicked(); };
  days_->OnKeyDown = [this](TObject*, uint16_t& key, wchar_t&, TShiftState) { MonthKey(key); };
}

// The days take the keys: arrows pick a day, and Page Up and Page Down turn the month, as the
// previous and next buttons do.
void TvgCalendar::MonthKey(uint16_t& key) {
  if (key != kKeyPageUp && key != kKeyPageDown) return;
  SetDate(IncMonth(date_, key == kKeyPageUp ? -1 : 1));
  key = 0;
}

int TvgCalendar::LocaleFirstDay() const {
  const std::wstring& digit = FormatSettings().FirstDayOfWeek;
  const int value = digit.empty() ? 6 : digit[0] - L'0';
  return value >= 0 && value <= 6 ? value : 6;
}

TDateTime TvgCalendar::CellDate(int index) const {
  const TDateParts shown = DecodeDate(date_);
  return EncodeDate(shown.Year, shown.Month, 1) + index - (placement_ - first_ - 1);
}

void TvgCalendar::Rebuild() {
  TTemporaryChange<int> rebuilding(updating_, updating_ + 1);
  const int firstDay = firstDayOfWeek_ == vgLocaleDefault ? LocaleFirstDay() : int(firstDayOfWeek_);
  first_ = (firstDay + 8) % 7;
  const TFormatSettings& settings = FormatSettings();
  for (int i = 0; i < 7; ++i)
    if (auto* label = dynamic_cast<TvgLabel*>(dayNames_->Children(i)))
      label->SetText(settings.ShortDayNames[(i + first_) % 7]);

  const TDateParts shown = DecodeDate(date_);
  const int length = DaysInAMonth(shown.Year, shown.Month);
  placement_ = DayOfWeek(EncodeDate(shown.Year, shown.Month, 1));
  if (placement_ - first_ < 3) placement_ += 7;
  if (kCells + first_ - length - placement_ < 3) placement_ -= 7;
  days_->SetTag(placement_);
  FillCells(shown);
  FillWeekColumn();

  days_->SetItemIndex(shown.Day + placement_ - first_ - 2);
  month_->Items()->BeginUpdate();
  month_->Items()->Clear();
  for (const std::wstring& name : settings.LongMonthNames) month_->Items()->Add(name);
  month_->Items()->EndUpdate();
  month_->SetItemIndex(shown.Month - 1);
  year_->Items()->BeginUpdate();
  year_->Items()->Clear();
  for (int year = shown.Year - 10; year <= shown.Year + 10; ++year) year_->Items()->Add(std::to_wstring(year));
  year_->Items()->EndUpdate();
  year_->SetText(std::to_wstring(shown.Year));
}

void TvgCalendar::FillCells(const TDateParts& shown) {
  const TDateParts today = DecodeDate(Now());
  days_->BeginUpdate();
  for (int i = 0; i < kCells; ++i) {
    TvgListBoxItem* item = days_->ItemByIndex(i);
    const TDateParts cell = DecodeDate(CellDate(i));
    const bool inMonth = cell.Month == shown.Month;
    item->SetText(std::to_wstring(cell.Day));
    item->SetOpacity(inMonth ? 1 : kOtherMonthOpacity);
    const bool isToday = cell.Year == today.Year && cell.Month == today.Month && cell.Day == today.Day;
    item->Font()->SetStyle(isToday ? vgFontBold : vgFontRegular);
  }
  days_->EndUpdate();
}

// Each row is labelled with the ISO week of its Monday.
void TvgCalendar::FillWeekColumn() {
  weeks_->SetVisible(weekNumbers_);
  if (!weekNumbers_) return;
  const int mondayColumn = (8 - first_) % 7;
  for (int row = 0; row < 6; ++row)
    if (auto* label = dynamic_cast<TvgLabel*>(weeks_->Children(row)))
      label->SetText(std::to_wstring(IsoWeekOf(CellDate(row * 7 + mondayColumn))));
}

void TvgCalendar::DoDateChange(TDateTime date) {
  if (date == date_) return;
  date_ = date;
  Rebuild();
  UpdateBinding();
  OnChange(this);
}

void TvgCalendar::SetDate(TDateTime value) {
  TTemporaryChange<int> rebuilding(updating_, updating_ + 1);
  DoDateChange(DateOf(value) + TimeOf(date_));
}

// The day is clamped to the new month's length, as the previous and next buttons clamp it.
void TvgCalendar::ShowMonth(int year, int month) {
  if (updating_ > 0) return;  // the rebuild setting the boxes to the date itself
  const int day = std::min(DecodeDate(date_).Day, DaysInAMonth(year, month));
  DoDateChange(EncodeDate(year, month, day));
}

// The list reports a new selection twice (nothing, then the item) and the rebuild's own
// selection too: only a selected cell outside a rebuild is the user's pick.
void TvgCalendar::DayClicked() {
  if (updating_ > 0 || days_->ItemIndex() < 0) return;
  const TDateParts shown = DecodeDate(date_);
  const int day = days_->ItemIndex() + first_ - placement_ + 2;
  if (day >= 1 && day <= DaysInAMonth(shown.Year, shown.Month)) DoDateChange(EncodeDate(shown.Year, shown.Month, day));
  DayChangedByUser();
}

void TvgCalendar::DayChangedByUser() {
  if (updating_ == 0) OnDayChange(this);
}

void TvgCalendar::SetFirstDayOfWeek(TvgCalDayOfWeek value) {
  if (value == firstDayOfWeek_) return;
  firstDayOfWeek_ = value;
  Rebuild();
}

void TvgCalendar::SetTodayDefault(bool value) {
  todayDefault_ = value;
  if (value) SetDate(Now());
}

void TvgCalendar::SetWeekNumbers(bool value) {
  if (value == weekNumbers_) return;
  weekNumbers_ = value;
  Rebuild();
}

void TvgCalendar::SetData(const Variant& value) {
  if (value.IsDate()) return DoDateChange(value.ToDouble());
  TDateTime parsed;
  if (value.IsString() && TryStrToDateTime(value.ToWideString(), parsed)) DoDateChange(parsed);
}

void TvgCalendar::Realign() {
  TvgControl::Realign();
  if (dayNames_) dayNames_->SetItemWidth(dayNames_->Width() / 7 - 0.1f);
}

void TvgCalendar::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  TvgControl::MouseWheel(shift, wheelDelta, handled);
  if (handled) return;
  SetDate(IncMonth(date_, wheelDelta <= 0 ? 1 : -1));
  handled = true;
}
