#include "controls/calendars/CalendarBox.h"

#include "classlib/core/Property.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Cursors.h"
#include "controls/calendars/Calendar.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/scene/Popup.h"
#include "engine/tree/Content.h"

CL_PUBLISHED(TvgCalendarBox) {
  using B = TvgCalendarBox;
  published.Property("Date", &B::Date, &B::SetDate);
  published.Property("TextAlign", &B::TextAlign, &B::SetTextAlign).Default(vgTextAlignNear);
  published.Property("Cursor", &B::Cursor, &B::SetCursor).Default(crDefault).Idents(CursorIdents());
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &B::DisableFocusEffect, &B::SetDisableFocusEffect).Default(false);
}

CL_PUBLISHED(TvgCalendarTextBox) {
  using B = TvgCalendarTextBox;
  published.Property("Date", &B::Date, &B::SetDate);
  published.Property("Cursor", &B::Cursor, &B::SetCursor).Default(crDefault).Idents(CursorIdents());
}

namespace {

// The drop-down both boxes own: a pop-up below the box holding a calendar.
TvgCalendar* NewCalendarPopup(TvgControl* box, TvgPopup*& popup) {
  popup = new TvgPopup(nullptr);
  popup->SetResource("combopopupstyle");
  popup->SetPlacementTarget(box);
  popup->SetStaysOpen(false);
  popup->SetLocked(true);
  popup->SetStored(false);
  popup->SetDesignHide(true);
  popup->SetSizeDirect(186, 166);
  box->AddObject(popup);
  auto* calendar = new TvgCalendar(nullptr);
  calendar->SetAlign(vaClient);
  calendar->SetLocked(true);
  calendar->SetStored(false);
  calendar->Padding()->SetRect({3, 3, 3, 3});
  popup->AddObject(calendar);
  return calendar;
}

void TogglePopup(TvgPopup* popup) { popup->SetIsOpen(!popup->IsOpen()); }

}  // namespace

// --- TvgCalendarBox -----------------------------------------------------------------------------

TvgCalendarBox::TvgCalendarBox(TComponent* owner) : TvgTextControl(owner) {
  SetCanFocused(true);
  SetCursor(crDefault);
  SetTextAlign(vgTextAlignNear);
  SetResource("combotextboxstyle");
  SetSizeDirect(100, 22);
  calendar_ = NewCalendarPopup(this, popup_);
  calendar_->OnChange = [this](TObject*) { SetText(vgCalendarDateText(calendar_->Date())); };
  calendar_->OnDayChange = [this](TObject*) {
    if (popup_->IsOpen()) popup_->SetIsOpen(false);
  };
  SetText(vgCalendarDateText(calendar_->Date()));
}

TDateTime TvgCalendarBox::Date() const { return calendar_->Date(); }
void TvgCalendarBox::SetDate(TDateTime value) { calendar_->SetDate(value); }

void TvgCalendarBox::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  content_ = dynamic_cast<TvgContent*>(FindResource("content"));
  if (content_) content_->OnPaint = [this](TObject*, TvgCanvas* canvas, const TvgRect& r) { PaintContent(*canvas, r); };
}

void TvgCalendarBox::FreeStyle() {
  if (content_) content_->OnPaint = nullptr;
  content_ = nullptr;
  TvgTextControl::FreeStyle();
}

void TvgCalendarBox::PaintContent(TvgCanvas& canvas, const TvgRect& rect) {
  canvas.Font()->Assign(Font());
  canvas.Fill()->Assign(TextBrush());
  canvas.FillText(rect, rect, Text(), false, GetAbsoluteOpacity(), TextAlign(), vgTextAlignCenter);
}

void TvgCalendarBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgTextControl::MouseDown(button, shift, x, y);
  if (button == mbLeft && !popup_->ClosedByCurrentPress()) TogglePopup(popup_);
}

// --- TvgCalendarTextBox -------------------------------------------------------------------------

TvgCalendarTextBox::TvgCalendarTextBox(TComponent* owner) : TvgCustomTextBox(owner) {
  SetCursor(crDefault);
  SetResource("combotextboxstyle");
  SetFilterChar(DateTimeCharacters(FormatSettings()));
  calendar_ = NewCalendarPopup(this, popup_);
  calendar_->OnChange = [this](TObject*) { CalendarChanged(); };
  popup_->OnClosePopup = [this](TObject*) { PopupClosed(); };
  StoreText(vgCalendarDateText(calendar_->Date()));
}

TDateTime TvgCalendarTextBox::Date() const { return calendar_->Date(); }

void TvgCalendarTextBox::SetDate(TDateTime value) {
  calendar_->SetDate(value);
  StoreText(vgCalendarDateText(calendar_->Date()));
}

void TvgCalendarTextBox::Change() {
  if (!Modified()) return;
  TDateTime typed;
  const bool readable = TryStrToDateTime(Text(), typed);
  if (readable) calendar_->DoDateChange(typed);
  StoreText(vgCalendarDateText(calendar_->Date()));
  if (readable) TvgCustomTextBox::Change();
  SetModified(false);
}

void TvgCalendarTextBox::CalendarChanged() {
  if (!popup_->IsOpen()) return;
  StoreText(vgCalendarDateText(calendar_->Date()));
  SetCaretPosition(int32_t(Text().size()));
  SetModified(true);
  TvgCustomTextBox::Change();
  SetModified(false);
  popup_->SetIsOpen(false);
}

void TvgCalendarTextBox::PopupClosed() {
  if (IsFocused() && ShowsCaret()) ShowCaret();
}

void TvgCalendarTextBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgCustomTextBox::MouseDown(button, shift, x, y);
  if (button != mbLeft || vgPtInRect({x, y}, GetContentRect()) || popup_->ClosedByCurrentPress()) return;
  if (!popup_->IsOpen()) HideCaret();
  TogglePopup(popup_);
}
