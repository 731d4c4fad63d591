// TDateTimePicker: its value as Date and Time, the text it shows in fields,
// painting, and the user's clicks and keys that step the fields.
#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/dateformat_p.h"
#include "host/comctrls/datetime.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TDateTimePicker, TCommonCalendar)
HOST_IMPL(TDropDownCalendar, TMonthCalendar)

namespace {
constexpr int32_t kBox = 13;      // the check box
constexpr int32_t kButton = 17;   // the drop-down or up-down button's width
constexpr int32_t kInset = 3;     // between the frame and what is inside

// The segment of the field Index (among the fields); null past the last.
const comctrl::TDateSegment* FieldSegment(const std::vector<comctrl::TDateSegment>& Segments, int32_t Index) {
  int32_t field = 0;
  for (const comctrl::TDateSegment& s : Segments)
    if (s.Field != comctrl::TDateField::None && field++ == Index) return &s;
  return nullptr;
}
}  // namespace

struct TDateTimePicker::TShownSegment {
  comctrl::TDateSegment Segment;
  int32_t Left = 0;
  int32_t Right = 0;
};

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCommonCalendar(AOwner) {
  SetBounds(0, 0, 186, 21);
  FDateTime = comctrl::Today();
}

void TDateTimePicker::Destroy() {
  FreeAndNil(FCalendar);
  inherited::Destroy();
}

// ------------------------------------------------------ the drop-down calendar

void TDropDownCalendar::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

void TDropDownCalendar::DayClicked(double Day) {
  if (FPicker) FPicker->CalendarPicked(Day);
}

bool TDateTimePicker::GetDroppedDown() const { return FCalendar && FCalendar->GetVisible(); }

TMonthCalendar* TDateTimePicker::DropDownCalendar() const { return FCalendar; }

// The calendar shows the picker's date within its limits, under the picker
// (at its right edge with CalAlignment dtaRight).
void TDateTimePicker::SetDroppedDown(bool Value) {
  if (Value == GetDroppedDown()) return;
  const auto alive = AliveFlag();
  if (!Value) {
    FCalendar->Hide();
    if (OnCloseUp) OnCloseUp(this);
    return;
  }
  if (!GetShowing() || !HandleAllocated()) return;
  if (OnDropDown) OnDropDown(this);
  if (!*alive) return;
  if (!FCalendar) {
    FCalendar = New<TDropDownCalendar>(nullptr);
    FCalendar->SetVisible(false);
    FCalendar->SetPicker(this);
  }
  FCalendar->SetMinDate(0);
  FCalendar->SetMaxDate(0);
  FCalendar->SetDate(comctrl::DatePart(FDateTime));
  FCalendar->SetMinDate(FMinDate);
  FCalendar->SetMaxDate(FMaxDate);
  FCalendar->SetCalColors(FCalColors);
  FCalendar->SetFont(GetFont());
  const TPoint origin = ClientToScreen({FCalAlignment == dtaRight ? GetWidth() - 191 : 0, GetHeight()});
  FCalendar->SetBounds(origin.X, origin.Y, 191, 154);
  FCalendar->SetVisible(true);
  FCalendar->Invalidate();
}

// The date changes (OnChange) before the calendar closes (OnCloseUp), as
// in the classic control.
void TDateTimePicker::CalendarPicked(double Day) {
  const auto alive = AliveFlag();
  const double value = Clamped(comctrl::DatePart(Day) + comctrl::TimePart(FDateTime));
  if (value != FDateTime) {
    FDateTime = value;
    ValueChanged();
    Change();
  }
  if (*alive) SetDroppedDown(false);
}

// ------------------------------------------------------------- properties

double TDateTimePicker::GetDate() const { return FWholeValues ? FDateTime : comctrl::DatePart(FDateTime); }

void TDateTimePicker::SetDate(double Value) {
  CheckDate(Value);
  SetDateTime(comctrl::DatePart(Value) + (FWholeValues ? comctrl::TimePart(FDateTime) : GetTime()));
}

double TDateTimePicker::GetTime() const {
  if (FWholeValues) return FDateTime;
  return comctrl::DatePart(FDateTime) + FTime == FDateTime ? FTime : comctrl::TimePart(FDateTime);
}

// A whole value read from a form as Time marks a form of the classic
// designers (see datetime.h).
void TDateTimePicker::SetTime(double Value) {
  CheckDate(Value);
  if (Loading()) FWholeValues = Value >= 1;
  SetDateTime(comctrl::DatePart(FDateTime) + comctrl::TimePart(Value));
  FTime = comctrl::TimePart(Value);
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  comctrl::CheckEnumValue(Value, dtkTime, this);
  if (!ChangeField(FKind, Value)) return;
  SetDroppedDown(false);
  FField = 0;
  FTyped.clear();
  Invalidate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  comctrl::CheckEnumValue(Value, dfLong, this);
  if (!ChangeField(FDateFormat, Value)) return;
  FField = 0;
  FTyped.clear();
  Invalidate();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  comctrl::CheckEnumValue(Value, dmUpDown, this);
  if (!ChangeField(FDateMode, Value)) return;
  SetDroppedDown(false);
  Invalidate();
}

void TDateTimePicker::SetCalAlignment(TDTCalAlignment Value) {
  comctrl::CheckEnumValue(Value, dtaRight, this);
  FCalAlignment = Value;
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (ChangeField(FShowCheckbox, Value)) Invalidate();
}

void TDateTimePicker::SetChecked(bool Value) {
  if (ChangeField(FChecked, Value)) Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
  if (!ChangeField(FFormat, Value)) return;
  FTyped.clear();
  FField = std::min(FField, std::max(0, FieldCount() - 1));
  Invalidate();
}

std::string TDateTimePicker::ShownFormat() const {
  if (!FFormat.empty()) return FFormat;
  if (FKind == dtkTime) return "h:mm:ss tt";
  return FDateFormat == dfLong ? "dddd, MMMM d, yyyy" : "M/d/yyyy";
}

std::string TDateTimePicker::DisplayText() const { return comctrl::FormatDate(ShownFormat(), FDateTime); }

int32_t TDateTimePicker::FieldCount() const {
  const std::vector<comctrl::TDateSegment> segments = comctrl::FormatSegments(ShownFormat(), FDateTime);
  return static_cast<int32_t>(std::count_if(segments.begin(), segments.end(), [](const comctrl::TDateSegment& s) {
    return s.Field != comctrl::TDateField::None;
  }));
}

// ---------------------------------------------------------------- layout

TRect TDateTimePicker::CheckboxRect() const {
  if (!FShowCheckbox) return {};
  return Bounds(kInset, (GetHeight() - kBox) / 2, kBox, kBox);
}

TRect TDateTimePicker::ButtonRect() const {
  return Rect(GetWidth() - 2 - kButton, 2, GetWidth() - 2, GetHeight() - 2);
}

int32_t TDateTimePicker::TextLeft() const { return kInset + (FShowCheckbox ? kBox + kInset : 0) + 1; }

std::vector<TDateTimePicker::TShownSegment> TDateTimePicker::Segments() {
  std::vector<TShownSegment> shown;
  const TMeasuringCanvas measuring(GetFont());
  TCanvas* canvas = measuring.Canvas();
  int32_t x = TextLeft();
  for (comctrl::TDateSegment& segment : comctrl::FormatSegments(ShownFormat(), FDateTime)) {
    const int32_t width = canvas->TextWidth(segment.Text);
    shown.push_back({std::move(segment), x, x + width});
    x += width;
  }
  return shown;
}

// --------------------------------------------------------------- painting

void TDateTimePicker::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(GetEnabled() ? GetColor() : clBtnFace);
  canvas->FillRect(GetClientRect());
  const bool active = GetEnabled() && (FChecked || !FShowCheckbox);
  if (FShowCheckbox) {
    const TRect box = CheckboxRect();
    canvas->GetPen()->SetColor(clWindowText);
    canvas->Rectangle(box);
    if (FChecked) {
      const TPoint tick[] = {{box.Left + 3, box.Top + 6}, {box.Left + 5, box.Top + 9}, {box.Left + 10, box.Top + 3}};
      canvas->Polyline(tick);
    }
  }
  const int32_t top = (GetHeight() - canvas->TextHeight("0")) / 2;
  int32_t field = 0;
  for (const TShownSegment& s : Segments()) {
    const bool isField = s.Segment.Field != comctrl::TDateField::None;
    const bool focused = isField && field == FField && Focused() && active;
    canvas->GetBrush()->SetColor(focused ? clHighlight : GetEnabled() ? GetColor() : clBtnFace);
    canvas->GetFont()->SetColor(focused ? clHighlightText : active ? GetFont()->GetColor() : clGrayText);
    canvas->TextRect(Rect(s.Left, top, s.Right, top + canvas->TextHeight("0")), s.Left, top, s.Segment.Text);
    if (isField) ++field;
  }
  const TRect button = ButtonRect();
  const TColor arrow = GetEnabled() ? clBtnText : clGrayText;
  if (ShowsUpDown()) {
    const int32_t middle = (button.Top + button.Bottom) / 2;
    comctrl::Bevel(canvas, Rect(button.Left, button.Top, button.Right, middle), false, clBtnFace);
    comctrl::Bevel(canvas, Rect(button.Left, middle, button.Right, button.Bottom), false, clBtnFace);
    comctrl::Arrow(canvas, Rect(button.Left, button.Top, button.Right, middle), buttonpaint::TArrowDirection::Up, arrow);
    comctrl::Arrow(canvas, Rect(button.Left, middle, button.Right, button.Bottom), buttonpaint::TArrowDirection::Down,
                   arrow);
  } else {
    comctrl::Bevel(canvas, button, false, clBtnFace);
    comctrl::Arrow(canvas, button, buttonpaint::TArrowDirection::Down, arrow);
  }
  DrawSingleBorder(canvas, bsSingle, GetWidth(), GetHeight());
}

// ------------------------------------------------------------------- input

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::UserStep(int32_t Delta) {
  if (FShowCheckbox && !FChecked) return;
  const std::vector<comctrl::TDateSegment> segments = comctrl::FormatSegments(ShownFormat(), FDateTime);
  const comctrl::TDateSegment* segment = FieldSegment(segments, FField);
  if (!segment) return;
  FTyped.clear();
  const double value = Clamped(comctrl::StepField(FDateTime, segment->Field, Delta));
  if (value == FDateTime) return;
  FDateTime = value;
  ValueChanged();
  Change();
}

// Digits typed into a field make its number; once no further digit could
// fit (a month of 2, or two digits) the next field takes the focus. A
// digit that makes no such number starts the field's number again.
void TDateTimePicker::TypeDigit(char Digit) {
  if (FShowCheckbox && !FChecked) return;
  const std::vector<comctrl::TDateSegment> segments = comctrl::FormatSegments(ShownFormat(), FDateTime);
  const comctrl::TDateSegment* segment = FieldSegment(segments, FField);
  if (!segment || comctrl::FieldDigits(segment->Field) == 0) return;
  const comctrl::TDateField field = segment->Field;
  double value = FDateTime;
  FTyped += Digit;
  if (!comctrl::SetField(value, field, std::stoi(FTyped))) {
    FTyped = std::string(1, Digit);
    if (!comctrl::SetField(value, field, std::stoi(FTyped))) return;
  }
  double longer = value;
  const bool full = static_cast<int32_t>(FTyped.size()) >= comctrl::FieldDigits(field) ||
                    !comctrl::SetField(longer, field, std::stoi(FTyped + "0"));
  if (full) {
    FTyped.clear();
    FField = std::min(FField + 1, FieldCount() - 1);
  }
  value = Clamped(value);
  Invalidate();
  if (value == FDateTime) return;
  FDateTime = value;
  ValueChanged();
  Change();
}

void TDateTimePicker::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key < '0' || Key > '9' || GetDroppedDown()) return;
  TypeDigit(Key);
  Key = 0;
}

void TDateTimePicker::UserCheck() {
  FChecked = !FChecked;
  Invalidate();
  Change();
}

// The check box toggles, the up-down arrows step the focused field, a
// click on a field gives it the focus.
void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (!*alive) return;
  const TRect button = ButtonRect();
  if (Button == mbLeft && PtInRect(CheckboxRect(), Point(X, Y))) {
    UserCheck();
  } else if (Button == mbLeft && PtInRect(button, Point(X, Y))) {
    if (ShowsUpDown())
      UserStep(Y < (button.Top + button.Bottom) / 2 ? 1 : -1);
    else if (DropsDown())
      SetDroppedDown(!GetDroppedDown());
  } else if (Button == mbLeft) {
    int32_t field = 0;
    for (const TShownSegment& s : Segments()) {
      if (s.Segment.Field == comctrl::TDateField::None) continue;
      if (X >= s.Left && X < s.Right) FField = field;
      ++field;
    }
    FTyped.clear();
    Invalidate();
  }
  if (*alive) inherited::MouseDown(Button, Shift, X, Y);
}

void TDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  if (GetDroppedDown()) return DroppedDownKey(Key, Shift);
  if (DropsDown() && (Key == VK_F4 || (Key == VK_DOWN && Shift.Contains(ssAlt)))) {
    Key = 0;
    return SetDroppedDown(true);
  }
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
      FField = std::clamp(FField + (Key == VK_LEFT ? -1 : 1), 0, std::max(0, FieldCount() - 1));
      FTyped.clear();
      Invalidate();
      break;
    case VK_UP:
    case VK_DOWN: UserStep(Key == VK_UP ? 1 : -1); break;
    case VK_SPACE:
      if (!FShowCheckbox) return;
      UserCheck();
      break;
    default: return;
  }
  Key = 0;
}

// While the calendar is down the arrow and page keys move its day, Enter
// takes the day, Escape and F4 close it.
void TDateTimePicker::DroppedDownKey(uint16_t& Key, TShiftState Shift) {
  switch (Key) {
    case VK_RETURN: CalendarPicked(FCalendar->GetDate()); break;
    case VK_ESCAPE:
    case VK_F4: SetDroppedDown(false); break;
    case VK_UP:
      if (Shift.Contains(ssAlt)) {
        SetDroppedDown(false);
        break;
      }
      [[fallthrough]];
    case VK_LEFT:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: FCalendar->NavigationKey(Key); break;
    default: return;
  }
  Key = 0;
}

// Enter and Escape are the calendar's while it is down, not the dialog's.
void TDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && GetDroppedDown()) {
    const auto key = static_cast<TWMGeneric&>(Message).WParam;
    if (key == VK_RETURN || key == VK_ESCAPE) {
      Message.Result = 1;
      return;
    }
  }
  inherited::WndProc(Message);
}

void TDateTimePicker::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TDateTimePicker::DoExit() {
  SetDroppedDown(false);
  Invalidate();
  inherited::DoExit();
}

}  // namespace host
