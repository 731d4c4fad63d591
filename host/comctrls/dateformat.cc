// Calendar arithmetic (days from a civil date and back, after Howard
// Hinnant's algorithms) and the display formats of the date controls.
#include <algorithm>
#include <chrono>
#include <cmath>

#include "host/comctrls/dateformat_p.h"

namespace host::comctrl {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

namespace {

constexpr int64_t kUnixToDelphi = 25569;  // 1970-01-01 in days since 1899-12-30
constexpr int32_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a civil date, and back.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

TCivilDate CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int32_t>(yoe + era * 400 + (m <= 2)), static_cast<int32_t>(m), static_cast<int32_t>(d)};
}

std::string Padded(int32_t Value, std::size_t Width) {
  std::string s = std::to_string(Value);
  return s.size() < Width ? std::string(Width - s.size(), '0') + s : s;
}

int32_t Wrapped(int32_t Value, int32_t Count) { return ((Value % Count) + Count) % Count; }

// The text and field of a run of Count letters Letter.
TDateSegment Token(char Letter, std::size_t Count, double DateTime) {
  const TCivilDate date = DecodeDate(DateTime);
  const int32_t seconds = SecondsOfDay(DateTime), hour = seconds / 3600;
  const std::size_t two = std::min<std::size_t>(Count, 2);
  switch (Letter) {
    case 'd':
      if (Count >= 3) {
        const std::string name = kDayNames[DayOfWeek(DateTime)];
        return {Count == 3 ? name.substr(0, 3) : name, TDateField::WeekDay};
      }
      return {Padded(date.Day, two), TDateField::Day};
    case 'M':
      if (Count >= 3) {
        const std::string name = kMonthNames[date.Month - 1];
        return {Count == 3 ? name.substr(0, 3) : name, TDateField::Month};
      }
      return {Padded(date.Month, two), TDateField::Month};
    case 'y':
      return {Count <= 2 ? Padded(date.Year % 100, Count) : Padded(date.Year, 4), TDateField::Year};
    case 'h':
      return {Padded(hour % 12 == 0 ? 12 : hour % 12, two), TDateField::Hour12};
    case 'H':
      return {Padded(hour, two), TDateField::Hour};
    case 'm':
      return {Padded(seconds / 60 % 60, two), TDateField::Minute};
    case 's':
      return {Padded(seconds % 60, two), TDateField::Second};
    default:  // 't'
      return {std::string(hour < 12 ? "AM" : "PM").substr(0, two), TDateField::AmPm};
  }
}

}  // namespace

// Within the dates there are (not a number: the epoch).
double Bounded(double DateTime) {
  return std::isnan(DateTime) ? 0 : std::clamp(DateTime, kMinDateTime, kMaxDateTime + 0.999999);
}

TCivilDate DecodeDate(double DateTime) {
  return CivilFromDays(static_cast<int64_t>(DatePart(DateTime)) - kUnixToDelphi);
}

double EncodeDate(int32_t Year, int32_t Month, int32_t Day) {
  return static_cast<double>(DaysFromCivil(Year, Month, Day) + kUnixToDelphi);
}

int32_t DaysInMonth(int32_t Year, int32_t Month) {
  static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
  return Month == 2 && leap ? 29 : kDays[Month - 1];
}

int32_t DayOfWeek(double DateTime) {
  // 1899-12-30 was a Saturday.
  return Wrapped(static_cast<int32_t>(DatePart(DateTime)) + 6, 7);
}

double DatePart(double DateTime) { return std::floor(Bounded(DateTime)); }

double TimePart(double DateTime) { return Bounded(DateTime) - DatePart(DateTime); }

int32_t SecondsOfDay(double DateTime) {
  return std::min(kSecondsPerDay - 1, static_cast<int32_t>(std::lround(TimePart(DateTime) * kSecondsPerDay)));
}

double Today() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<double>(std::chrono::duration_cast<std::chrono::hours>(now).count() / 24 + kUnixToDelphi);
}

std::vector<TDateSegment> FormatSegments(const std::string& Format, double DateTime) {
  std::vector<TDateSegment> segments;
  auto literal = [&](const std::string& Text) {
    if (!segments.empty() && segments.back().Field == TDateField::None)
      segments.back().Text += Text;
    else
      segments.push_back({Text, TDateField::None});
  };
  for (std::size_t i = 0; i < Format.size();) {
    const char c = Format[i];
    if (c == '\'') {
      const std::size_t end = Format.find('\'', i + 1);
      literal(Format.substr(i + 1, (end == std::string::npos ? Format.size() : end) - i - 1));
      i = end == std::string::npos ? Format.size() : end + 1;
      continue;
    }
    std::size_t n = 1;
    while (i + n < Format.size() && Format[i + n] == c) ++n;
    if (std::string_view("dMyhHmst").find(c) == std::string_view::npos)
      literal(Format.substr(i, n));
    else
      segments.push_back(Token(c, n, DateTime));
    i += n;
  }
  return segments;
}

std::string FormatDate(const std::string& Format, double DateTime) {
  std::string text;
  for (const TDateSegment& s : FormatSegments(Format, DateTime)) text += s.Text;
  return text;
}

double StepField(double DateTime, TDateField Field, int32_t Delta) {
  TCivilDate d = DecodeDate(DateTime);
  const double time = TimePart(DateTime);
  int32_t seconds = SecondsOfDay(DateTime);
  switch (Field) {
    case TDateField::Year: d.Year = std::clamp(d.Year + Delta, 1, 9999); break;
    case TDateField::Month: d.Month = Wrapped(d.Month - 1 + Delta, 12) + 1; break;
    case TDateField::Day:
    case TDateField::WeekDay: d.Day = Wrapped(d.Day - 1 + Delta, DaysInMonth(d.Year, d.Month)) + 1; break;
    case TDateField::Hour:
    case TDateField::Hour12: seconds = Wrapped(seconds + 3600 * Delta, kSecondsPerDay); break;
    case TDateField::Minute: seconds = seconds / 3600 * 3600 + Wrapped(seconds % 3600 + 60 * Delta, 3600); break;
    case TDateField::Second: seconds = seconds / 60 * 60 + Wrapped(seconds % 60 + Delta, 60); break;
    case TDateField::AmPm: seconds = Wrapped(seconds + 12 * 3600 * (Delta % 2), kSecondsPerDay); break;
    case TDateField::None: return DateTime;
  }
  d.Day = std::min(d.Day, DaysInMonth(d.Year, d.Month));
  const bool timeField = Field >= TDateField::Hour;
  return EncodeDate(d.Year, d.Month, d.Day) + (timeField ? seconds / double(kSecondsPerDay) : time);
}

int32_t FieldDigits(TDateField Field) {
  if (Field == TDateField::Year) return 4;
  return Field == TDateField::None || Field == TDateField::WeekDay || Field == TDateField::AmPm ? 0 : 2;
}

bool SetField(double& DateTime, TDateField Field, int32_t Value) {
  TCivilDate d = DecodeDate(DateTime);
  const int32_t seconds = SecondsOfDay(DateTime);
  int32_t hour = seconds / 3600, minute = seconds / 60 % 60, second = seconds % 60;
  auto within = [&](int32_t Low, int32_t High) { return Value >= Low && Value <= High; };
  switch (Field) {
    case TDateField::Year:
      if (!within(1, 9999)) return false;
      d.Year = Value;
      break;
    case TDateField::Month:
      if (!within(1, 12)) return false;
      d.Month = Value;
      break;
    case TDateField::Day:
      if (!within(1, DaysInMonth(d.Year, d.Month))) return false;
      d.Day = Value;
      break;
    case TDateField::Hour:
      if (!within(0, 23)) return false;
      hour = Value;
      break;
    case TDateField::Hour12:
      if (!within(1, 12)) return false;
      hour = Value % 12 + (hour >= 12 ? 12 : 0);
      break;
    case TDateField::Minute:
      if (!within(0, 59)) return false;
      minute = Value;
      break;
    case TDateField::Second:
      if (!within(0, 59)) return false;
      second = Value;
      break;
    default:
      return false;
  }
  d.Day = std::min(d.Day, DaysInMonth(d.Year, d.Month));
  const double time = Field >= TDateField::Hour ? (hour * 3600 + minute * 60 + second) / double(kSecondsPerDay)
                                                : TimePart(DateTime);
  DateTime = EncodeDate(d.Year, d.Month, d.Day) + time;
  return true;
}

}  // namespace host::comctrl
