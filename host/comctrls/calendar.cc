// TCommonCalendar (the value within its limits) and TMonthCalendar: the
// month grid, its painting, and the user's clicks and keys.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/dateformat_p.h"
#include "host/comctrls/datetime.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TMonthCalColors, TPersistent)
HOST_IMPL(TCommonCalendar, TCustomControl)
HOST_IMPL(TMonthCalendar, TCommonCalendar)

namespace {

constexpr char kDayFormat[] = "M/d/yyyy";
constexpr int32_t kMargin = 2;

std::string DateText(double Value) { return comctrl::FormatDate(kDayFormat, Value); }

// The same day Delta months on (the last of the month when shorter).
double AddMonths(double Value, int32_t Delta) {
  const comctrl::TCivilDate d = comctrl::DecodeDate(Value);
  const int32_t months = std::clamp(d.Year * 12 + d.Month - 1 + Delta, 12, 9999 * 12 + 11);
  const int32_t year = months / 12, month = months % 12 + 1;
  return comctrl::EncodeDate(year, month, std::min(d.Day, comctrl::DaysInMonth(year, month))) +
         comctrl::TimePart(Value);
}

// The week of the year (ISO 8601: weeks from Monday, week 1 holding the
// year's first Thursday) of the week holding Day.
int32_t WeekNumber(double Day) {
  const double thursday = comctrl::DatePart(Day) - (comctrl::DayOfWeek(Day) + 6) % 7 + 3;
  const double newYear = comctrl::EncodeDate(comctrl::DecodeDate(thursday).Year, 1, 1);
  return static_cast<int32_t>(thursday - newYear) / 7 + 1;
}

}  // namespace

// ------------------------------------------------------------ TMonthCalColors

TPersistent* TMonthCalColors::GetOwner() { return FOwner; }

void TMonthCalColors::SetColorAt(TIndex Index, TColor Value) {
  if (FColors[Index] == Value) return;
  FColors[Index] = Value;
  FOwner->Invalidate();
}

void TMonthCalColors::Assign(TPersistent* Source) {
  auto* colors = dynamic_cast<TMonthCalColors*>(Source);
  if (!colors) return inherited::Assign(Source);
  std::copy(std::begin(colors->FColors), std::end(colors->FColors), std::begin(FColors));
  FOwner->Invalidate();
}

// ------------------------------------------------------------ TCommonCalendar

TCommonCalendar::TCommonCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetColor(clWindow);
  FCalColors = New<TMonthCalColors>(this);
}

void TCommonCalendar::Destroy() {
  FreeAndNil(FCalColors);
  inherited::Destroy();
}

double TCommonCalendar::Clamped(double Value) const {
  const double time = comctrl::TimePart(Value);
  double date = comctrl::DatePart(Value);
  if (FMaxDate != 0) date = std::min(date, comctrl::DatePart(FMaxDate));
  if (FMinDate != 0) date = std::max(date, comctrl::DatePart(FMinDate));
  return date + time;
}

void TCommonCalendar::CheckDate(double Value) {
  if (std::isfinite(Value) && Value >= comctrl::kMinDateTime && Value < comctrl::kMaxDateTime + 1) return;
  char text[32];
  std::snprintf(text, sizeof text, "%g", Value);
  throw ECommonCalendarError("%s is not a date of the years 1 to 9999", {std::string(text)});
}

void TCommonCalendar::CheckRange(double Value) const {
  CheckDate(Value);
  if (Loading()) return;
  if (FMaxDate != 0 && comctrl::DatePart(Value) > comctrl::DatePart(FMaxDate))
    throw ECommonCalendarError("Date exceeds maximum of %s", {DateText(FMaxDate)});
  if (FMinDate != 0 && comctrl::DatePart(Value) < comctrl::DatePart(FMinDate))
    throw ECommonCalendarError("Date is less than minimum of %s", {DateText(FMinDate)});
}

void TCommonCalendar::SetDateTime(double Value) {
  CheckRange(Value);
  if (FDateTime == Value) return;
  FDateTime = Value;
  ValueChanged();
}

// A limit that leaves no date between the two raises; a value outside the
// new limits moves inside them.
void TCommonCalendar::SetMinDate(double Value) {
  CheckDate(Value);
  if (!Loading() && Value != 0 && FMaxDate != 0 && comctrl::DatePart(Value) > comctrl::DatePart(FMaxDate))
    throw ECommonCalendarError("MinDate %s is after MaxDate %s", {DateText(Value), DateText(FMaxDate)});
  FMinDate = Value;
  if (!Loading()) SetDateTime(Clamped(FDateTime));
}

void TCommonCalendar::SetMaxDate(double Value) {
  CheckDate(Value);
  if (!Loading() && Value != 0 && FMinDate != 0 && comctrl::DatePart(Value) < comctrl::DatePart(FMinDate))
    throw ECommonCalendarError("MaxDate %s is before MinDate %s", {DateText(Value), DateText(FMinDate)});
  FMaxDate = Value;
  if (!Loading()) SetDateTime(Clamped(FDateTime));
}

// ------------------------------------------------------------- TMonthCalendar

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCommonCalendar(AOwner) {
  SetBounds(0, 0, 191, 154);
  FDateTime = FEndDate = comctrl::Today();
}

void TMonthCalendar::SetDate(double Value) { SetDateTime(Value); }

double TMonthCalendar::GetEndDate() const { return FMultiSelect ? FEndDate : FDateTime; }

void TMonthCalendar::SetEndDate(double Value) {
  CheckDate(Value);
  if (!FMultiSelect || Loading()) {
    FEndDate = Value;
    return;
  }
  const double days = comctrl::DatePart(Value) - comctrl::DatePart(FDateTime) + 1;
  if (days < 1) throw ECommonCalendarError("EndDate %s is before Date %s", {DateText(Value), DateText(FDateTime)});
  if (days > FMaxSelectRange)
    throw ECommonCalendarError("A range of %d days exceeds MaxSelectRange (%d)",
                               {static_cast<int32_t>(days), FMaxSelectRange});
  FEndDate = Value;
  Invalidate();
}

void TMonthCalendar::SetMultiSelect(bool Value) {
  FMultiSelect = Value;
  ValueChanged();
}

void TMonthCalendar::SetMaxSelectRange(int32_t Value) {
  if (Value < 1) throw ECommonCalendarError("MaxSelectRange must be at least 1 (not %d)", {Value});
  FMaxSelectRange = Value;
  ValueChanged();
}

void TMonthCalendar::SetFirstDayOfWeek(TCalDayOfWeek Value) {
  comctrl::CheckEnumValue(Value, dowLocaleDefault, this);
  SetLook(FFirstDayOfWeek, Value);
}

// The range keeps its end at or after its start and within MaxSelectRange.
void TMonthCalendar::ValueChanged() {
  if (!Loading()) {
    const double start = comctrl::DatePart(FDateTime);
    if (!FMultiSelect || FEndDate < start) FEndDate = start;
    FEndDate = std::min(FEndDate, start + FMaxSelectRange - 1);
  }
  Invalidate();
}

double TMonthCalendar::ShownMonth() const {
  const comctrl::TCivilDate d = comctrl::DecodeDate(FDateTime);
  return comctrl::EncodeDate(d.Year, d.Month, 1);
}

// The locale's first day is Sunday, as in the classic US calendar.
int32_t TMonthCalendar::FirstWeekday() const {
  return FFirstDayOfWeek == dowLocaleDefault ? 0 : (static_cast<int32_t>(FFirstDayOfWeek) + 1) % 7;
}

double TMonthCalendar::FirstShownDay() const {
  const double first = ShownMonth();
  return first - (comctrl::DayOfWeek(first) - FirstWeekday() + 7) % 7;
}

// As wide as a day's number with room around it, narrower when the
// columns would not fit across.
TSize TMonthCalendar::CellSize() {
  const TMeasuringCanvas measuring(GetFont());
  const int32_t columns = 7 + (FWeekNumbers ? 1 : 0);
  const int32_t fit = (GetClientRect().Width() - 2 * kMargin) / columns;
  return {std::max(1, std::min(measuring.Canvas()->TextWidth("00") + 10, fit)),
          measuring.Canvas()->TextHeight("Ag") + 2};
}

// Below the title and the row of day names, centred across.
TPoint TMonthCalendar::GridOrigin() {
  const TSize cell = CellSize();
  const int32_t columns = 7 + (FWeekNumbers ? 1 : 0);
  const int32_t left = std::max(kMargin, (GetClientRect().Width() - columns * cell.cx) / 2);
  return {left + (FWeekNumbers ? cell.cx : 0), kMargin + (cell.cy + 8) + cell.cy + 2};
}

TRect TMonthCalendar::DayRect(double Day) {
  const int32_t index = static_cast<int32_t>(comctrl::DatePart(Day) - FirstShownDay());
  if (index < 0 || index >= 42) return {};
  const TSize cell = CellSize();
  const TPoint origin = GridOrigin();
  return Bounds(origin.X + index % 7 * cell.cx, origin.Y + index / 7 * cell.cy, cell.cx, cell.cy);
}

bool TMonthCalendar::DayAt(int32_t X, int32_t Y, double& Day) {
  const TSize cell = CellSize();
  const TPoint origin = GridOrigin();
  if (X < origin.X || Y < origin.Y) return false;
  const int32_t column = (X - origin.X) / cell.cx, row = (Y - origin.Y) / cell.cy;
  if (column >= 7 || row >= 6) return false;
  Day = FirstShownDay() + row * 7 + column;
  return true;
}

uint32_t TMonthCalendar::BoldDays() {
  const double shown = ShownMonth();
  if (FInfoMonth != shown) {
    FInfoMonth = shown;
    FBoldDays = 0;
    if (OnGetMonthInfo) OnGetMonthInfo(this, static_cast<uint32_t>(comctrl::DecodeDate(shown).Month), FBoldDays);
  }
  return FBoldDays;
}

// ---------------------------------------------------------------- painting

void TMonthCalendar::PaintTitle(const TRect& Title) {
  TCanvas* canvas = GetCanvas();
  const TColor back = Colour(TMonthCalColors::ciTitleBack);
  canvas->GetBrush()->SetColor(back);
  canvas->FillRect(Title);
  const TColor arrows = GetEnabled() ? Colour(TMonthCalColors::ciTitleText) : clGrayText;
  comctrl::Arrow(canvas, Rect(Title.Left, Title.Top, Title.Left + 20, Title.Bottom),
                 buttonpaint::TArrowDirection::Left, arrows);
  comctrl::Arrow(canvas, Rect(Title.Right - 20, Title.Top, Title.Right, Title.Bottom),
                 buttonpaint::TArrowDirection::Right, arrows);
  canvas->GetBrush()->SetColor(back);  // the arrows filled with their colour
  canvas->GetFont()->SetColor(Colour(TMonthCalColors::ciTitleText));
  canvas->GetFont()->SetStyle(TFontStyles{fsBold});
  comctrl::CenteredText(canvas, Title, comctrl::FormatDate("MMMM yyyy", ShownMonth()), GetEnabled());
  canvas->GetFont()->SetStyle(TFontStyles{});
}

void TMonthCalendar::PaintDays() {
  TCanvas* canvas = GetCanvas();
  const TSize cell = CellSize();
  const TPoint origin = GridOrigin();
  const TColor monthBack = Colour(TMonthCalColors::ciMonthBack), text = Colour(TMonthCalColors::ciText);
  canvas->GetBrush()->SetColor(monthBack);
  canvas->FillRect(Rect(origin.X - (FWeekNumbers ? cell.cx : 0), origin.Y - cell.cy - 2, origin.X + 7 * cell.cx,
                        origin.Y + 7 * cell.cy + 2));
  canvas->GetFont()->SetColor(text);
  for (int32_t i = 0; i < 7; ++i) {
    std::string name = std::string(comctrl::kDayNames[(FirstWeekday() + i) % 7]).substr(0, 3);
    if (canvas->TextWidth(name) > cell.cx - 2) name.pop_back();  // "Mo" where "Mon" does not fit
    comctrl::CenteredText(canvas, Bounds(origin.X + i * cell.cx, origin.Y - cell.cy - 2, cell.cx, cell.cy), name,
                          GetEnabled());
  }
  canvas->GetPen()->SetColor(clGrayText);
  canvas->MoveTo(origin.X, origin.Y - 1);
  canvas->LineTo(origin.X + 7 * cell.cx, origin.Y - 1);
  const double first = FirstShownDay(), month = ShownMonth(), today = comctrl::Today();
  const double start = comctrl::DatePart(FDateTime), end = comctrl::DatePart(GetEndDate());
  const uint32_t bold = BoldDays();
  for (int32_t i = 0; i < 42; ++i) {
    const double day = first + i;
    const TRect box = DayRect(day);
    const comctrl::TCivilDate civil = comctrl::DecodeDate(day);
    const bool inMonth = comctrl::DecodeDate(month).Month == civil.Month;
    const bool selected = day >= start && day <= end;
    canvas->GetBrush()->SetColor(monthBack);
    if (FWeekNumbers && i % 7 == 0)
      comctrl::CenteredText(canvas, Bounds(box.Left - cell.cx, box.Top, cell.cx, cell.cy),
                            std::to_string(WeekNumber(day)), false);
    canvas->GetBrush()->SetColor(selected ? clHighlight : monthBack);
    canvas->FillRect(box);
    canvas->GetFont()->SetColor(selected  ? clHighlightText
                                : inMonth ? text
                                          : Colour(TMonthCalColors::ciTrailingText));
    canvas->GetFont()->SetStyle(inMonth && (bold >> (civil.Day - 1) & 1) ? TFontStyles{fsBold} : TFontStyles{});
    comctrl::CenteredText(canvas, box, std::to_string(civil.Day), GetEnabled());
    if (FShowTodayCircle && day == today) {
      canvas->GetBrush()->SetStyle(bsClear);
      canvas->GetPen()->SetColor(clRed);
      canvas->Ellipse(box);
      canvas->GetBrush()->SetStyle(bsSolid);
    }
  }
  canvas->GetFont()->SetStyle(TFontStyles{});
  canvas->GetFont()->SetColor(text);
  canvas->GetBrush()->SetColor(monthBack);
  if (FShowToday)
    comctrl::CenteredText(canvas, Bounds(origin.X, origin.Y + 6 * cell.cy + 2, 7 * cell.cx, cell.cy),
                          "Today: " + DateText(today), GetEnabled());
}

void TMonthCalendar::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(Colour(TMonthCalColors::ciBack));
  canvas->FillRect(GetClientRect());
  PaintTitle(Rect(kMargin, kMargin, GetClientRect().Right - kMargin, kMargin + CellSize().cy + 8));
  PaintDays();
  if (Focused()) canvas->DrawFocusRect(DayRect(FDateTime));
  DrawSingleBorder(canvas, bsSingle, GetWidth(), GetHeight());
}

// ------------------------------------------------------------------- input

void TMonthCalendar::UserSelect(double Day, bool Extend) {
  const double day = comctrl::DatePart(Clamped(Day));
  if (Extend && FMultiSelect) {
    const double anchor = comctrl::DatePart(FDateTime);
    FDateTime = std::min(anchor, day) + comctrl::TimePart(FDateTime);
    FEndDate = std::max(anchor, day);
  } else {
    FDateTime = day + comctrl::TimePart(FDateTime);
    FEndDate = day;
  }
  ValueChanged();
}

void TMonthCalendar::TakeFocus() {
  if (CanFocus()) SetFocus();
}

void TMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft) TakeFocus();
  if (!*alive) return;
  const int32_t titleBottom = kMargin + CellSize().cy + 8;
  double day = 0;
  if (Button == mbLeft && Y < titleBottom && (X < 22 || X >= GetClientRect().Right - 22))
    UserSelect(AddMonths(FDateTime, X < 22 ? -1 : 1), false);
  else if (Button == mbLeft && DayAt(X, Y, day)) {
    UserSelect(day, Shift.Contains(ssShift));
    DayClicked(FDateTime);
  }
  if (*alive) inherited::MouseDown(Button, Shift, X, Y);
}

void TMonthCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  const double date = comctrl::DatePart(FDateTime);
  const comctrl::TCivilDate civil = comctrl::DecodeDate(date);
  double target = 0;
  switch (Key) {
    case VK_LEFT: target = date - 1; break;
    case VK_RIGHT: target = date + 1; break;
    case VK_UP: target = date - 7; break;
    case VK_DOWN: target = date + 7; break;
    case VK_PRIOR: target = AddMonths(date, -1); break;
    case VK_NEXT: target = AddMonths(date, 1); break;
    case VK_HOME: target = date - civil.Day + 1; break;
    case VK_END: target = date - civil.Day + comctrl::DaysInMonth(civil.Year, civil.Month); break;
    default: return;
  }
  Key = 0;
  UserSelect(target, Shift.Contains(ssShift));
}

}  // namespace host
