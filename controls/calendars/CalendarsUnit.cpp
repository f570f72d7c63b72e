#include "controls/calendars/CalendarsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/calendars/Calendar.h"
#include "controls/calendars/CalendarBox.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeCalendarsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Compound", {TvgCalendar::StaticClass()});
  vgRegisterObjects("Boxes", {TvgCalendarBox::StaticClass()});
  vgRegisterObjects("Text Edits", {TvgCalendarTextBox::StaticClass()});
}
