#pragma once
// TvgCalendarBox and TvgCalendarTextBox: a date shown as text (the locale's short date and long
// time) that drops a calendar down in a pop-up. The box's text only follows the calendar; the text
// box can also be typed in, and what is typed becomes the date when the locale's formats read it.
#include "classlib/core/DateTime.h"
#include "controls/text/TextControl.h"
#include "controls/textboxes/TextBox.h"

class TvgCalendar;
class TvgContent;
class TvgPopup;

class TvgCalendarBox : public TvgTextControl {
  CL_CLASS(TvgCalendarBox, TvgTextControl)
public:
  explicit TvgCalendarBox(TComponent* owner);

  TDateTime Date() const;
  void SetDate(TDateTime value);
  TvgCalendar* Calendar() const { return calendar_; }
  TvgPopup* Popup() const { return popup_; }

  void ApplyStyle() override;
  void FreeStyle() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;

private:
  void PaintContent(TvgCanvas& canvas, const TvgRect& rect);

  TvgPopup* popup_ = nullptr;
  TvgCalendar* calendar_ = nullptr;
  TvgContent* content_ = nullptr;
};

class TvgCalendarTextBox : public TvgCustomTextBox {
  CL_CLASS(TvgCalendarTextBox, TvgCustomTextBox)
public:
  explicit TvgCalendarTextBox(TComponent* owner);

  TDateTime Date() const;
  void SetDate(TDateTime value);
  TvgCalendar* Calendar() const { return calendar_; }
  TvgPopup* Popup() const { return popup_; }

  // Typed text the locale's formats read becomes the date (and the text its formatted form)
  // before OnChange; any other text is replaced by the date's and changes nothing.
  void Change() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;

private:
  void CalendarChanged();
  void PopupClosed();

  TvgPopup* popup_ = nullptr;
  TvgCalendar* calendar_ = nullptr;
};
