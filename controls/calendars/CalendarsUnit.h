#pragma once
// The calendars' part of the toolkit's start-up: the calendar and the two date boxes become known
// to streaming and, by category, to the designer. Runs at most once per process.
void vgInitializeCalendarsUnit();
