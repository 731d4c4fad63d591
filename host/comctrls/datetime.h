// TDateTimePicker and TMonthCalendar: a date (and time) the user picks,
// kept as a TDateTime (a double: days since 1899-12-30, the fraction the
// time of day) within MinDate and MaxDate (0: no limit).
//
// The picker shows its value as text in a fixed classic US format: Kind
// dtkDate with DateFormat dfShort as "M/d/yyyy" (12/25/2024), dfLong as
// "dddd, MMMM d, yyyy" (Wednesday, December 25, 2024); dtkTime as
// "h:mm:ss tt" (3:07:09 PM); a Format of its own (the classic picker's
// letters, see dateformat_p.h) replaces them. One field of the text has
// the focus: a click on a field or Left and Right choose it, Up and Down
// step it (wrapping within the field, as the classic picker does), and so
// do clicks on the up-down arrows shown for dtkTime or DateMode dmUpDown;
// digits typed set its number, the next field taking the focus once the
// number is complete.
// With DateMode dmComboBox (and dtkDate) the button, F4 or Alt+Down drops
// down a month calendar under the picker (OnDropDown); a day clicked there,
// or Enter after the arrow keys moved it, becomes the date (OnChange), and
// that, Escape, F4 or the picker losing the focus closes it (OnCloseUp). With ShowCheckbox a check box before the
// text, clicked or toggled by Space, sets Checked; an unchecked picker
// draws its text grey. Every change the user makes fires OnChange;
// changes made by code do not, as in the classic control.
//
// Form files: Date is the whole days and Time the time of day (written
// back as it was read); a form whose designer wrote the whole value as
// both is recognised by a Time of a day or more, and then both are written
// back whole again.
//
// The calendar shows a month: a title with the month and year between
// arrows that turn the months, the names of the days from FirstDayOfWeek,
// six weeks of days (those of the months around in grey, with the week
// numbers before them with WeekNumbers), and today's date below
// (ShowToday), today's day ringed (ShowTodayCircle), in the CalColors. Days OnGetMonthInfo
// marks show bold. A click on a day selects it (with MultiSelect, a
// Shift-click the range up to it, at most MaxSelectRange days, EndDate its
// end) and fires OnClick; the arrow keys move by a day or a week, Page Up
// and Page Down by a month, Home and End to the month's first and last day.
//
// Bad input raises and changes nothing: a MinDate after MaxDate (or a
// MaxDate before MinDate) raises ECommonCalendarError, and so does a Date
// outside them set by code ("Date exceeds maximum of %s", "Date is less
// than minimum of %s"). While a form is read the limits are not checked
// (the properties come in any order).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/controls.h"

namespace host {

HOST_EXCEPTION(ECommonCalendarError, Exception)

enum TDateTimeKind : uint8_t { dtkDate, dtkTime };
HOST_ENUM_INFO(TDateTimeKind, "dtkDate", "dtkTime")
enum TDTDateFormat : uint8_t { dfShort, dfLong };
HOST_ENUM_INFO(TDTDateFormat, "dfShort", "dfLong")
enum TDTDateMode : uint8_t { dmComboBox, dmUpDown };
HOST_ENUM_INFO(TDTDateMode, "dmComboBox", "dmUpDown")
enum TDTCalAlignment : uint8_t { dtaLeft, dtaRight };
HOST_ENUM_INFO(TDTCalAlignment, "dtaLeft", "dtaRight")
enum TCalDayOfWeek : uint8_t {
  dowMonday,
  dowTuesday,
  dowWednesday,
  dowThursday,
  dowFriday,
  dowSaturday,
  dowSunday,
  dowLocaleDefault
};
HOST_ENUM_INFO(TCalDayOfWeek, "dowMonday", "dowTuesday", "dowWednesday", "dowThursday", "dowFriday", "dowSaturday",
               "dowSunday", "dowLocaleDefault")

class TCommonCalendar;

// The colours of a month calendar (the picker's drop-down one, or the
// calendar's own): the background around the month, its text, the title's
// background and text, the month's background, and the text of the days of
// the months before and after.
class TMonthCalColors : public TPersistent {
  HOST_CLASS(TMonthCalColors, TPersistent)
  enum TIndex : uint8_t { ciBack, ciText, ciTitleBack, ciTitleText, ciMonthBack, ciTrailingText, ciCount };
  explicit TMonthCalColors(TCommonCalendar* AOwner) : FOwner(AOwner) {}

  TPersistent* GetOwner() override;
  template <TIndex I>
  TColor GetColor() const {
    return FColors[I];
  }
  TColor GetColors(TIndex Index) const { return FColors[Index]; }
  template <TIndex I>
  void SetColor(TColor Value) {
    SetColorAt(I, Value);
  }
  void Assign(TPersistent* Source) override;

 protected:
  ~TMonthCalColors() override = default;

 private:
  void SetColorAt(TIndex Index, TColor Value);
  TCommonCalendar* FOwner;
  TColor FColors[ciCount] = {clWindow, clWindowText, clActiveCaption, clWhite, clWhite, clInactiveCaptionText};
};

// What the picker and the calendar share: the value, its limits and the
// calendar's colours.
class TCommonCalendar : public TCustomControl {
  HOST_CLASS(TCommonCalendar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCommonCalendar(TComponent* AOwner);

  double GetDateTime() const { return FDateTime; }
  // Checked against MinDate and MaxDate.
  void SetDateTime(double Value);
  double GetMinDate() const { return FMinDate; }
  void SetMinDate(double Value);
  double GetMaxDate() const { return FMaxDate; }
  void SetMaxDate(double Value);
  TMonthCalColors* GetCalColors() const { return FCalColors; }
  void SetCalColors(TMonthCalColors* Value) { FCalColors->Assign(Value); }

 protected:
  ~TCommonCalendar() override = default;
  void Destroy() override;
  // The date as the dates shown show it: Value with its date moved into
  // MinDate..MaxDate.
  double Clamped(double Value) const;
  // Raises for a value that is no date (not a number, before the year 1 or
  // after 9999), and (not while reading a form) one outside the limits.
  static void CheckDate(double Value);
  void CheckRange(double Value) const;
  // The value changed (by code or the user): redraws.
  virtual void ValueChanged() { Invalidate(); }
  bool Loading() const { return GetComponentState().Contains(csLoading); }

  double FDateTime = 0;
  double FMinDate = 0;
  double FMaxDate = 0;
  TMonthCalColors* FCalColors = nullptr;
};

class TDropDownCalendar;
class TMonthCalendar;

class TDateTimePicker : public TCommonCalendar {
  HOST_CLASS(TDateTimePicker, TCommonCalendar)
  using TCreateArg = TComponent;
  explicit TDateTimePicker(TComponent* AOwner);

  // The whole days; setting keeps the time of day.
  double GetDate() const;
  void SetDate(double Value);
  // The time of day; setting keeps the date.
  double GetTime() const;
  void SetTime(double Value);
  TDateTimeKind GetKind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDTDateFormat GetDateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat Value);
  TDTDateMode GetDateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  TDTCalAlignment GetCalAlignment() const { return FCalAlignment; }
  void SetCalAlignment(TDTCalAlignment Value);
  bool GetShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value);
  // Display format of its own; empty: the one of Kind and DateFormat.
  const std::string& GetFormat() const { return FFormat; }
  void SetFormat(const std::string& Value);
  bool GetParseInput() const { return FParseInput; }
  void SetParseInput(bool Value) { FParseInput = Value; }
  // The text shown, and the field with the focus (an index among the
  // fields of the text).
  std::string DisplayText() const;
  int32_t GetFocusedField() const { return FField; }
  // The drop-down calendar is shown.
  bool GetDroppedDown() const;
  void SetDroppedDown(bool Value);
  // The calendar dropped down (null until it first drops down).
  TMonthCalendar* DropDownCalendar() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  ~TDateTimePicker() override = default;
  void Destroy() override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  void DoExit() override;
  virtual void Change();

 private:
  std::string ShownFormat() const;
  // The text's parts, and where each starts (client x).
  struct TShownSegment;
  std::vector<TShownSegment> Segments();
  int32_t FieldCount() const;
  bool ShowsUpDown() const { return FKind == dtkTime || FDateMode == dmUpDown; }
  TRect CheckboxRect() const;
  TRect ButtonRect() const;
  int32_t TextLeft() const;
  // The user stepped the focused field or toggled the check box.
  void UserStep(int32_t Delta);
  void UserCheck();
  void TypeDigit(char Digit);
  bool DropsDown() const { return FKind == dtkDate && FDateMode == dmComboBox; }
  void DroppedDownKey(uint16_t& Key, TShiftState Shift);
  // The drop-down calendar's date was chosen.
  friend class TDropDownCalendar;
  void CalendarPicked(double Day);

  TDateTimeKind FKind = dtkDate;
  TDTDateFormat FDateFormat = dfShort;
  TDTDateMode FDateMode = dmComboBox;
  TDTCalAlignment FCalAlignment = dtaLeft;
  bool FShowCheckbox = false;
  bool FChecked = true;
  bool FParseInput = false;
  bool FWholeValues = false;  // read from a classic form: Date and Time both the whole value
  // The time of day as last set, kept so that it is written back as it was
  // given (the date and time added together lose its last digits).
  double FTime = 0;
  std::string FFormat;
  int32_t FField = 0;
  std::string FTyped;  // the digits typed into the focused field so far
  TDropDownCalendar* FCalendar = nullptr;
};

// Sender, the month (1..12) shown, the days to show bold (bit 0: day 1).
using TOnGetMonthInfoEvent = TEvent<TObject*, uint32_t, uint32_t&>;

class TMonthCalendar : public TCommonCalendar {
  HOST_CLASS(TMonthCalendar, TCommonCalendar)
  using TCreateArg = TComponent;
  explicit TMonthCalendar(TComponent* AOwner);

  // The date selected (the first of a range); set by code it is kept as
  // given, a time of day included, as classic form files hold it.
  double GetDate() const { return FDateTime; }
  void SetDate(double Value);
  // The last day of the range selected (MultiSelect); the date otherwise.
  double GetEndDate() const;
  void SetEndDate(double Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  int32_t GetMaxSelectRange() const { return FMaxSelectRange; }
  void SetMaxSelectRange(int32_t Value);
  TCalDayOfWeek GetFirstDayOfWeek() const { return FFirstDayOfWeek; }
  void SetFirstDayOfWeek(TCalDayOfWeek Value);
  bool GetShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { SetLook(FShowToday, Value); }
  bool GetShowTodayCircle() const { return FShowTodayCircle; }
  void SetShowTodayCircle(bool Value) { SetLook(FShowTodayCircle, Value); }
  bool GetWeekNumbers() const { return FWeekNumbers; }
  void SetWeekNumbers(bool Value) { SetLook(FWeekNumbers, Value); }

  // The month shown: its first day.
  double ShownMonth() const;
  // The day under a client point (null date 0 when none), and the cell of
  // a day shown.
  bool DayAt(int32_t X, int32_t Y, double& Day);
  TRect DayRect(double Day);

  TOnGetMonthInfoEvent OnGetMonthInfo;

 protected:
  ~TMonthCalendar() override = default;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void ValueChanged() override;
  // A click takes the focus (not in a drop-down calendar).
  virtual void TakeFocus();
  // The user clicked Day.
  virtual void DayClicked(double) {}

 private:
  template <class T>
  void SetLook(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
  }
  TColor Colour(TMonthCalColors::TIndex Index) const { return FCalColors->GetColors(Index); }
  // The layout: a day's cell, the grid's origin, the first day drawn.
  TSize CellSize();
  TPoint GridOrigin();
  double FirstShownDay() const;
  int32_t FirstWeekday() const;
  uint32_t BoldDays();
  // The user picked Day (Extend: the end of a range).
  void UserSelect(double Day, bool Extend);
  void PaintTitle(const TRect& Title);
  void PaintDays();

  double FEndDate = 0;
  bool FMultiSelect = false;
  int32_t FMaxSelectRange = 31;
  TCalDayOfWeek FFirstDayOfWeek = dowLocaleDefault;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
  bool FWeekNumbers = false;
  double FInfoMonth = -1;  // the month the bold days were asked for
  uint32_t FBoldDays = 0;
};

// The calendar a picker drops down: a pop-up window that never takes the
// focus; the picker hands it its keys.
class TDropDownCalendar : public TMonthCalendar {
  HOST_CLASS(TDropDownCalendar, TMonthCalendar)
  using TCreateArg = TComponent;
  explicit TDropDownCalendar(TComponent* AOwner) : TMonthCalendar(AOwner) {}
  void SetPicker(TDateTimePicker* Value) { FPicker = Value; }
  // A navigation key the picker got while dropped down.
  void NavigationKey(uint16_t Key) { KeyDown(Key, {}); }

 protected:
  ~TDropDownCalendar() override = default;
  void CreateParams(TCreateParams& Params) override;
  void TakeFocus() override {}
  void DayClicked(double Day) override;

 private:
  TDateTimePicker* FPicker = nullptr;
};

}  // namespace host
