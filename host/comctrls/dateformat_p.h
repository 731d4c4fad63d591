// Calendar arithmetic and the display formats of the date controls (not
// part of the unit's interface). A TDateTime is a double: the whole part
// counts days since 1899-12-30 (negative before it), the fraction is the
// time of day. Dates are proleptic Gregorian, years 1 to 9999.
//
// Formats use the letters of the classic date and time picker's Format:
// d dd (day), ddd dddd (weekday name), M MM (month), MMM MMMM (month
// name), y yy yyyy (year), h hh (12-hour), H HH (24-hour), m mm (minute),
// s ss (second), t tt (A/AM or P/PM); text in single quotes and any other
// character shows as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host::comctrl {

struct TCivilDate {
  int32_t Year = 1899;
  int32_t Month = 12;
  int32_t Day = 30;
};

inline constexpr double kMinDateTime = -693593;  // 0001-01-01
inline constexpr double kMaxDateTime = 2958465;  // 9999-12-31

// Values outside the years 1 to 9999 count as their first or last day.
TCivilDate DecodeDate(double DateTime);
double EncodeDate(int32_t Year, int32_t Month, int32_t Day);
int32_t DaysInMonth(int32_t Year, int32_t Month);
// 0 for Sunday to 6 for Saturday.
int32_t DayOfWeek(double DateTime);
// The time of day in whole seconds (0..86399), rounded to the nearest.
int32_t SecondsOfDay(double DateTime);
// The whole days of DateTime (its date at midnight).
double DatePart(double DateTime);
double TimePart(double DateTime);
// Today, by the system's clock.
double Today();

// The parts of a format, each a field the user may step or plain text.
// Hour12: the hour of a 12-hour clock (h, hh), Hour of a 24-hour one.
enum class TDateField : uint8_t { None, Year, Month, Day, WeekDay, Hour, Hour12, Minute, Second, AmPm };
struct TDateSegment {
  std::string Text;
  TDateField Field = TDateField::None;
};
std::vector<TDateSegment> FormatSegments(const std::string& Format, double DateTime);
std::string FormatDate(const std::string& Format, double DateTime);
// DateTime with Field moved by Delta, wrapping within the field (the day
// within its month, the hour within the day) as the classic picker does;
// the year is kept between 1 and 9999.
double StepField(double DateTime, TDateField Field, int32_t Delta);

// DateTime with a number typed into Field (year, month, day, hour,
// minute, second: a 12-hour hour keeps its half of the day); false when
// Value does not fit the field (a month of 13), DateTime then unchanged.
bool SetField(double& DateTime, TDateField Field, int32_t Value);
// The most digits the field takes (4 for the year, 2 for the others, 0 for
// fields that take none).
int32_t FieldDigits(TDateField Field);

extern const char* const kMonthNames[12];
extern const char* const kDayNames[7];

}  // namespace host::comctrl
