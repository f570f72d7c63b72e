#!/usr/bin/env bash
# Drives the gallery's calendars page with real input (xdotool) under Xvfb, once in each of an
# English, a German and a Chinese locale, given to the program through LANG as a desktop session
# gives it: the month and day names, the first day of the week and the date texts are the locale's;
# the calendar opens on today, marked; days are picked by click and by arrow keys; months turn by
# the buttons, Page Up and Page Down and the wheel; the week column shows the ISO week of each
# row's Monday; the calendar box drops its calendar and takes the day picked there; the calendar
# text box takes a date typed in the locale's format and refuses an impossible one. The screenshots
# stay in SHOT_DIR.
# Usage: gallery_calendars_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"
. "$(dirname "$0")/../../../cmake/wine-env.sh" "$prefix"

# session_locale [LOCALE]: the prefix's desktop session in the locale (without one, in this
# script's own), as a user's desktop has it before a program starts: the first program under a
# locale of another code page replaces the fonts linked to Tahoma, which are linked again.
session_locale() {
  (
    if [ -n "${1:-}" ]; then export LANG=$1 LC_ALL=$1; fi
    "${wine_run[@]}" cmd /c exit </dev/null >/dev/null 2>&1
    link_fonts
  )
}
# The other tests find the prefix as they left it.
trap 'session_locale; cleanup' EXIT

# What a calendar last reported it shows: shown_of NAME FIELD.
shown_of() { output | grep "^shown $1 $2=" | tail -n 1 | sed "s/^shown $1 $2=//"; }
shows() { [ "$(shown_of "$1" "$2")" = "$3" ]; }
expect_shown() { wait_for 10 shows "$1" "$2" "$3" || fail "$4: $1 shows $2 \"$(shown_of "$1" "$2")\", not \"$3\""; }
# The text of cell INDEX of a calendar (0..41, row by row).
cell_text() { shown_of "$1" Cells | cut -d, -f$(($2 + 1)); }
# The screen point in the middle of cell INDEX of a calendar's days.
cell_point() {
  local left top width _
  read -r left top width _ <<<"$(rect_of "$1.Days")"
  echo "$((left + width * (2 * ($2 % 7) + 1) / 14)) $((top + 19 * ($2 / 7) + 9))"
}
click_cell() { click $(cell_point "$1" "$2"); }
# A drop-down calendar shows: its days have a rect on the screen.
opened() { local r; r=$(rect_of "$1.Days"); [ -n "$r" ] && [ "$r" != hidden ]; }
# The date DAYS days after DATE (YYYY-MM-DD); the first day of its month; a month later or earlier.
days_after() { date -d "$1 $2 days" +%F; }
month_start() { echo "${1%-*}-01"; }
# The dates of every cell: the first "1" among the first two rows is the 1st of the month shown.
cell_date() {
  local calendar=$1 index=$2 first
  first=$(shown_of "$calendar" Cells | tr , '\n' | grep -nx 1 | head -n 1 | cut -d: -f1)
  days_after "$(month_start "$(shown_of "$calendar" Date)")" $((index - first + 1))
}
# The day names starting on a weekday (0 = Monday): the seven names rotated.
rotated() { local names=$1 start=$2; echo "$names,$names" | cut -d, -f$((start + 1))-$((start + 7)); }

check_locale() {
  local locale=$1 months=$2 mondays=$3 first=$4 format=$5 name=${1%%_*}
  local day today index d1 d2 x y weeks expected row monday before
  session_locale "$locale.UTF-8"
  LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 start_gallery calendars
  [ "$(form_of frmGalleryCalendars)" = "10 10 1000 340" ] ||
    fail "the calendars page is not at (10,10) with 1000 x 340: $(form_of frmGalleryCalendars)"
  wait_for 30 eval '[ "$(pixel $(point DarkColumn 4 250))" = 363636 ]' || fail "the dark column is not painted"

  # --- The locale's names and first day ---------------------------------------------------------
  expect_shown DarkCalendar Months "$months" "the $locale month names"
  expect_shown DarkCalendar Days "$(rotated "$mondays" "$first")" "the $locale day names from its first day"
  expect_shown SundayCalendar Days "$(rotated "$mondays" 6)" "the $locale day names from Sunday"
  expect_shown SundayCalendar Date 2029-07-01 "the streamed date"
  expect_shown SundayCalendar Month "$(echo "$months" | cut -d, -f7)" "July"
  # 1 July 2029 is a Sunday: a whole row of June stands before it.
  [ "$(shown_of SundayCalendar Cells | cut -d, -f1-8)" = "24,25,26,27,28,29,30,1" ] ||
    fail "a month starting on the first day of the week shows $(shown_of SundayCalendar Cells | cut -d, -f1-8)"

  # --- Today, marked and selected -------------------------------------------------------------------
  today=$(date +%F)
  expect_shown DarkCalendar Date "$today" "a calendar opening on today"
  index=$(shown_of DarkCalendar Today)
  [ "$index" = "$(shown_of DarkCalendar Selected)" ] || fail "today's mark is on cell $index, the selection on $(shown_of DarkCalendar Selected)"
  [ "$(cell_text DarkCalendar "$index")" = "$(date +%-d)" ] || fail "today's mark is on day $(cell_text DarkCalendar "$index")"
  expect_shown DarkCalendar Year "$(date +%Y)" "the year box"
  sleep 1
  import -window root -crop 1010x350+0+0 "$shot_dir/gallery_calendars_$name.png"

  # --- The week column: the ISO week of each row's Monday ----------------------------------------------
  check_weeks() {
    local monday_column=$(((7 - first) % 7)) weeks="" row
    for row in 0 1 2 3 4 5; do
      weeks+="${weeks:+,}$((10#$(date -d "$(cell_date DarkCalendar $((row * 7 + monday_column)))" +%V)))"
    done
    [ "$(shown_of DarkCalendar Weeks)" = "$weeks" ] || fail "$1: the week column shows $(shown_of DarkCalendar Weeks), not $weeks"
  }
  check_weeks "today's month"

  # --- Days by click and keys ------------------------------------------------------------------------
  # Row 2 lies within the month whatever day it starts on.
  d1=$(cell_date DarkCalendar 17)
  before=$(count "picked DarkCalendar")
  click_cell DarkCalendar 17
  expect_shown DarkCalendar Date "$d1" "a click on a day"
  [ "$(count "picked DarkCalendar")" -gt "$before" ] || fail "a click on a day is not reported as picked"
  key Right
  expect_shown DarkCalendar Date "$(days_after "$d1" 1)" "the right arrow"
  key Down
  expect_shown DarkCalendar Date "$(days_after "$d1" 8)" "the down arrow"
  key Up
  key Left
  expect_shown DarkCalendar Date "$d1" "the up and left arrows"
  # The day (10..16) is in every month: the month turns and the day stays.
  key Page_Down
  expect_shown DarkCalendar Date "$(date -d "$d1 +1 month" +%F)" "Page Down"
  check_weeks "the next month"
  key Page_Up
  key Page_Up
  expect_shown DarkCalendar Date "$(date -d "$d1 -1 month" +%F)" "Page Up twice"
  check_weeks "the previous month"

  # --- Months by the buttons and the wheel; back to today --------------------------------------------------
  click $(middle DarkCalendar.Next)
  expect_shown DarkCalendar Date "$d1" "the next-month button"
  click $(middle DarkCalendar.Next)
  click $(middle DarkCalendar.Prev)
  expect_shown DarkCalendar Date "$d1" "the next-month and previous-month buttons"
  move $(middle DarkCalendar.Days)
  xdotool click 5; sleep 0.3
  expect_shown DarkCalendar Date "$(date -d "$d1 +1 month" +%F)" "the wheel turned down"
  xdotool click 4; sleep 0.3
  expect_shown DarkCalendar Date "$d1" "the wheel turned up"
  before=$(count "picked DarkCalendar")
  click $(middle DarkCalendar.Today)
  expect_shown DarkCalendar Date "$today" "the today button"
  [ "$(count "picked DarkCalendar")" -gt "$before" ] || fail "the today button is not reported as picked"

  # --- The calendar box drops its calendar and takes the day picked ---------------------------------------
  [[ "$(shown_of DarkCalendarBox Text)" == "$(date -d 2026-03-05 +"$format") "* ]] ||
    fail "the calendar box shows \"$(shown_of DarkCalendarBox Text)\" for 5 March 2026"
  click $(middle DarkCalendarBox)
  wait_for 5 opened DarkCalendarBox.Calendar || fail "a click on the calendar box does not drop its calendar"
  sleep 0.5
  import -window root -crop 1010x350+0+0 "$shot_dir/gallery_calendars_${name}_box.png"
  d2=$(cell_date DarkCalendarBox.Calendar 16)
  click_cell DarkCalendarBox.Calendar 16
  expect_shown DarkCalendarBox.Calendar Date "$d2" "a day picked in the calendar box's calendar"
  wait_for 5 eval '! opened DarkCalendarBox.Calendar' || fail "picking a day leaves the calendar box's calendar open"
  wait_for 5 eval '[[ "$(shown_of DarkCalendarBox Text)" == "$(date -d "$d2" +"$format") "* ]]' ||
    fail "the calendar box shows \"$(shown_of DarkCalendarBox Text)\" for $d2"

  # --- The calendar text box: typed dates, an impossible one, its calendar ----------------------------------
  click $(point DarkCalendarTextBox 40 11)
  key ctrl+a
  typed "$(date -d 2026-12-24 +"$format")"
  key Return
  expect_shown DarkCalendarTextBox.Calendar Date 2026-12-24 "the typed $(date -d 2026-12-24 +"$format")"
  wait_for 5 eval '[[ "$(text_of DarkCalendarTextBox)" == "$(date -d 2026-12-24 +"$format") "* ]]' ||
    fail "a typed date reports \"$(text_of DarkCalendarTextBox)\""
  before=$(output | grep -c "^change DarkCalendarTextBox " || true)
  key ctrl+a
  typed "$(date -d 2026-02-28 +"$format" | sed 's/28/31/')"
  key Return
  sleep 0.5
  expect_shown DarkCalendarTextBox.Calendar Date 2026-12-24 "31 February typed"
  [[ "$(shown_of DarkCalendarTextBox Text)" == "$(date -d 2026-12-24 +"$format") "* ]] ||
    fail "31 February typed leaves \"$(shown_of DarkCalendarTextBox Text)\" in the box"
  [ "$(output | grep -c "^change DarkCalendarTextBox " || true)" = "$before" ] || fail "31 February typed is reported as a change"
  read -r x y <<<"$(point DarkCalendarTextBox 191 11)"
  click "$x" "$y"
  wait_for 5 opened DarkCalendarTextBox.Calendar || fail "the drop-down button does not drop the text box's calendar"
  d2=$(cell_date DarkCalendarTextBox.Calendar 18)
  click_cell DarkCalendarTextBox.Calendar 18
  expect_shown DarkCalendarTextBox.Calendar Date "$d2" "a day picked in the text box's calendar"
  wait_for 5 eval '[[ "$(text_of DarkCalendarTextBox)" == "$(date -d "$d2" +"$format") "* ]]' ||
    fail "a day picked in the text box's calendar reports \"$(text_of DarkCalendarTextBox)\""
  wait_for 5 eval '! opened DarkCalendarTextBox.Calendar' || fail "picking a day leaves the text box's calendar open"
  import -window root -crop 1010x350+0+0 "$shot_dir/gallery_calendars_${name}_end.png"

  close_gallery frmGalleryCalendars
}

check_locale de_DE "Januar,Februar,März,April,Mai,Juni,Juli,August,September,Oktober,November,Dezember" \
  "Mo.,Di.,Mi.,Do.,Fr.,Sa.,So." 0 "%-d.%-m.%Y"
check_locale zh_CN "一月,二月,三月,四月,五月,六月,七月,八月,九月,十月,十一月,十二月" \
  "周一,周二,周三,周四,周五,周六,周日" 0 "%Y/%-m/%-d"
check_locale en_US "January,February,March,April,May,June,July,August,September,October,November,December" \
  "Mon,Tue,Wed,Thu,Fri,Sat,Sun" 6 "%-m/%-d/%Y"
echo "gallery calendars page checks passed"
