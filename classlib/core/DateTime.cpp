#include "classlib/core/DateTime.h"

#include <cmath>
#include <cwctype>
#include <vector>

#include "classlib/core/SysUtils.h"

namespace {

constexpr int64_t kMsPerDay = 86400000;
// 30 December 1899 counted in days from 1 January of year 1 (proleptic Gregorian).
constexpr int64_t kEpochShift = 693593;

int64_t DaysBeforeYear(int64_t year) {
  const int64_t y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

int DaysBeforeMonth(int year, int month) {
  static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return before[month - 1] + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

int64_t DayNumber(TDateTime date) { return int64_t(std::floor(date)); }

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month))
    return false;
  date = double(DaysBeforeYear(year) + DaysBeforeMonth(year, month) + day - 1 - kEpochShift);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date;
  if (!TryEncodeDate(year, month, day, date)) throw EConvertError("Invalid argument to date encode");
  return date;
}

TDateParts DecodeDate(TDateTime date) {
  const int64_t days = DayNumber(date) + kEpochShift;  // days since 1 January of year 1, 0-based
  int64_t year = days * 400 / 146097 + 1;
  while (DaysBeforeYear(year) > days) --year;
  while (DaysBeforeYear(year + 1) <= days) ++year;
  int dayOfYear = int(days - DaysBeforeYear(year));
  int month = 12;
  while (DaysBeforeMonth(int(year), month) > dayOfYear) --month;
  return {int(year), month, dayOfYear - DaysBeforeMonth(int(year), month) + 1};
}

bool TryEncodeTime(int hour, int minute, int second, int milliSecond, TDateTime& time) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || milliSecond < 0 ||
      milliSecond > 999)
    return false;
  time = double(((hour * 60 + minute) * 60 + second) * 1000 + milliSecond) / kMsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int milliSecond) {
  TDateTime time;
  if (!TryEncodeTime(hour, minute, second, milliSecond, time)) throw EConvertError("Invalid argument to time encode");
  return time;
}

TTimeParts DecodeTime(TDateTime time) {
  int64_t ms = int64_t(std::llround((time - std::floor(time)) * kMsPerDay));
  if (ms >= kMsPerDay) ms = kMsPerDay - 1;
  return {int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
}

TDateTime DateOf(TDateTime dateTime) { return std::floor(dateTime); }
TDateTime TimeOf(TDateTime dateTime) { return dateTime - std::floor(dateTime); }

int DayOfWeek(TDateTime date) {
  // 30 December 1899 was a Saturday.
  return int(((DayNumber(date) + 6) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime date, int months) {
  const TDateParts parts = DecodeDate(date);
  const int index = parts.Year * 12 + parts.Month - 1 + months;
  const int year = index / 12, month = index % 12 + 1;
  const int day = parts.Day < DaysInAMonth(year, month) ? parts.Day : DaysInAMonth(year, month);
  return EncodeDate(year, month, day) + TimeOf(date);
}

int IsoWeekOf(TDateTime date) {
  // The week's Thursday decides its year; its week is the count of Thursdays up to it.
  const int64_t day = DayNumber(date);
  const int64_t thursday = day - (DayOfWeek(date) + 5) % 7 + 3;
  const TDateParts parts = DecodeDate(double(thursday));
  return int((thursday - DayNumber(EncodeDate(parts.Year, 1, 1))) / 7 + 1);
}

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

namespace {

std::wstring Padded(int value, size_t width) {
  std::wstring text = std::to_wstring(value);
  if (text.size() < width) text.insert(0, width - text.size(), L'0');
  return text;
}

std::wstring FormatField(wchar_t letter, size_t count, TDateTime dateTime, const TFormatSettings& settings) {
  const TDateParts date = DecodeDate(dateTime);
  const TTimeParts time = DecodeTime(dateTime);
  switch (letter) {
    case L'd':
      if (count >= 4) return settings.LongDayNames[DayOfWeek(dateTime) - 1];
      if (count == 3) return settings.ShortDayNames[DayOfWeek(dateTime) - 1];
      return Padded(date.Day, count);
    case L'M':
      if (count >= 4) return settings.LongMonthNames[date.Month - 1];
      if (count == 3) return settings.ShortMonthNames[date.Month - 1];
      return Padded(date.Month, count);
    case L'y':
      if (count <= 2) return Padded(date.Year % 100, count);
      return Padded(date.Year, 4);
    case L'h': return Padded(time.Hour % 12 == 0 ? 12 : time.Hour % 12, count > 1 ? 2 : 1);
    case L'H': return Padded(time.Hour, count > 1 ? 2 : 1);
    case L'm': return Padded(time.Minute, count > 1 ? 2 : 1);
    case L's': return Padded(time.Second, count > 1 ? 2 : 1);
    case L't': {
      const std::wstring& designator = time.Hour < 12 ? settings.TimeAMString : settings.TimePMString;
      return count > 1 ? designator : designator.substr(0, 1);
    }
  }
  return {};
}

bool IsFieldLetter(wchar_t c) { return std::wstring_view(L"dMyhHmst").find(c) != std::wstring_view::npos; }

}  // namespace

std::wstring FormatDateTime(const std::wstring& picture, TDateTime dateTime, const TFormatSettings& settings) {
  std::wstring out;
  for (size_t i = 0; i < picture.size();) {
    const wchar_t c = picture[i];
    if (c == L'\'') {
      const size_t close = picture.find(L'\'', i + 1);
      const size_t end = close == std::wstring::npos ? picture.size() : close;
      out += end == i + 1 && close != std::wstring::npos ? L"'" : picture.substr(i + 1, end - i - 1);
      i = end + 1;
    } else if (IsFieldLetter(c)) {
      size_t count = 1;
      while (i + count < picture.size() && picture[i + count] == c) ++count;
      out += FormatField(c, count, dateTime, settings);
      i += count;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

std::wstring DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings) {
  std::wstring text = FormatDateTime(settings.ShortDateFormat, dateTime, settings);
  if (TimeOf(dateTime) != 0) text += L" " + FormatDateTime(settings.LongTimeFormat, dateTime, settings);
  return text;
}

namespace {

// Reads the text left to right; every Read* leaves the position unchanged when it fails.
class TDateTimeScanner {
public:
  explicit TDateTimeScanner(const std::wstring& text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  void SkipSpaces() {
    while (pos_ < text_.size() && text_[pos_] == L' ') ++pos_;
  }
  bool ReadNumber(int& value, size_t& digits) {
    size_t end = pos_;
    while (end < text_.size() && end - pos_ < 5 && std::iswdigit(text_[end])) ++end;
    if (end == pos_ || (end < text_.size() && std::iswdigit(text_[end]))) return false;
    value = std::stoi(text_.substr(pos_, end - pos_));
    digits = end - pos_;
    pos_ = end;
    return true;
  }
  bool ReadAny(std::initializer_list<const std::wstring*> words) {
    for (const std::wstring* word : words)
      if (!word->empty() && CompareWideText(text_.substr(pos_, word->size()), *word)) {
        pos_ += word->size();
        return true;
      }
    return false;
  }

private:
  static bool CompareWideText(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    return true;
  }
  const std::wstring& text_;
  size_t pos_ = 0;
};

// The order of the day, month and year fields in a date picture, as "DMY", "MDY" or "YMD".
std::string FieldOrder(const std::wstring& picture) {
  std::string order;
  for (wchar_t c : picture) {
    const char field = c == L'd' ? 'D' : c == L'M' ? 'M' : c == L'y' ? 'Y' : 0;
    if (field && order.find(field) == std::string::npos) order += field;
  }
  return order.size() == 3 ? order : "MDY";
}

int FullYear(int year, size_t digits) {
  if (digits > 2) return year;
  return year < 50 ? 2000 + year : 1900 + year;
}

bool ReadDate(TDateTimeScanner& scanner, const TFormatSettings& settings, TDateTime& date) {
  static const std::wstring dash = L"-";
  int numbers[3];
  size_t digits[3];
  for (int i = 0; i < 3; ++i) {
    if (i > 0 && !scanner.ReadAny({&settings.DateSeparator, &dash})) return false;
    if (!scanner.ReadNumber(numbers[i], digits[i])) return false;
  }
  const std::string order = digits[0] == 4 ? "YMD" : FieldOrder(settings.ShortDateFormat);
  int year = 0, month = 0, day = 0;
  for (int i = 0; i < 3; ++i) {
    if (order[i] == 'Y') year = FullYear(numbers[i], digits[i]);
    if (order[i] == 'M') month = numbers[i];
    if (order[i] == 'D') day = numbers[i];
  }
  return TryEncodeDate(year, month, day, date);
}

bool ReadTime(TDateTimeScanner& scanner, const TFormatSettings& settings, TDateTime& time) {
  int parts[3] = {0, 0, 0};
  size_t digits;
  if (!scanner.ReadNumber(parts[0], digits)) return false;
  int count = 1;
  while (count < 3 && scanner.ReadAny({&settings.TimeSeparator})) {
    if (!scanner.ReadNumber(parts[count], digits)) return false;
    ++count;
  }
  if (count < 2) return false;
  scanner.SkipSpaces();
  if (scanner.ReadAny({&settings.TimeAMString})) {
    if (parts[0] < 1 || parts[0] > 12) return false;
    parts[0] %= 12;
  } else if (scanner.ReadAny({&settings.TimePMString})) {
    if (parts[0] < 1 || parts[0] > 12) return false;
    parts[0] = parts[0] % 12 + 12;
  }
  return TryEncodeTime(parts[0], parts[1], parts[2], 0, time);
}

}  // namespace

bool TryStrToDateTime(const std::wstring& text, TDateTime& dateTime, const TFormatSettings& settings) {
  TDateTimeScanner scanner(text);
  scanner.SkipSpaces();
  TDateTime date = 0, time = 0;
  if (!ReadDate(scanner, settings, date)) return false;
  scanner.SkipSpaces();
  if (!scanner.AtEnd() && !ReadTime(scanner, settings, time)) return false;
  scanner.SkipSpaces();
  if (!scanner.AtEnd()) return false;
  dateTime = date + time;
  return true;
}

std::wstring DateTimeCharacters(const TFormatSettings& settings) {
  std::wstring characters = L"0123456789- " + settings.DateSeparator + settings.TimeSeparator;
  for (const std::wstring* designator : {&settings.TimeAMString, &settings.TimePMString})
    for (wchar_t c : *designator) characters += {wchar_t(std::towlower(c)), wchar_t(std::towupper(c))};
  std::wstring unique;
  for (wchar_t c : characters)
    if (unique.find(c) == std::wstring::npos) unique += c;
  return unique;
}
