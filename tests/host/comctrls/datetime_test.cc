// The date and time picker and the month calendar as a user and a program
// meet them: keys and clicks step the picker's fields (within the limits)
// and move the calendar's selection; limits that contradict each other
// and dates outside them raise and change nothing; Date and Time go through
// form files as the classic designers and later ones write them.
//
// Day numbers: 45000 is 3/15/2023 (a Wednesday), 45017 4/1/2023, 45292
// 1/1/2024.
#include <cmath>

#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

class DateTimeTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    picker = Add<TDateTimePicker>(form.get(), "Picker", Bounds(10, 10, 186, 21));
    picker->SetDate(45000);
    picker->SetTime(0.75);
    picker->OnChange = [this](TObject*) { log.push_back(picker->DisplayText()); };
  }
  TPoint OnDay(TMonthCalendar* Calendar, double Day) {
    const TRect r = Calendar->DayRect(Day);
    return At(Calendar, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  TDateTimePicker* picker = nullptr;
};

TEST_F(DateTimeTest, PickerKeysStepTheFocusedFieldWithinTheLimits) {
  EXPECT_EQ(picker->DisplayText(), "3/15/2023");
  Robot().Click(At(picker, {6, 10}));  // on the month
  Robot().Press(VK_UP);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_DOWN);
  Robot().Press(VK_DOWN);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_UP);
  EXPECT_EQ(log, (std::vector<std::string>{"4/15/2023", "4/14/2023", "4/13/2023", "4/13/2024"}));
  EXPECT_EQ(picker->GetDate(), 45395);
  EXPECT_EQ(picker->GetTime(), 0.75) << "the time of day stays";
  // The day wraps within its month; the year stops at MaxDate.
  Robot().Press(VK_LEFT);
  for (int i = 0; i < 18; ++i) Robot().Press(VK_UP);
  EXPECT_EQ(picker->DisplayText(), "4/1/2024");
  picker->SetMaxDate(45400);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_UP);
  EXPECT_EQ(picker->DisplayText(), "4/18/2024") << "kept at MaxDate";
  // Long format and a format of its own.
  picker->SetDateFormat(dfLong);
  EXPECT_EQ(picker->DisplayText(), "Thursday, April 18, 2024");
  picker->SetFormat("yyyy'-'MM'-'dd HH:mm");
  EXPECT_EQ(picker->DisplayText(), "2024-04-18 18:00");
}

// Month ends, leap days, dates before 1899-12-30 and noon.
TEST_F(DateTimeTest, PickerStepsAcrossCalendarEdges) {
  picker->SetDate(44957);  // 1/31/2023
  Robot().Click(At(picker, {6, 10}));
  Robot().Press(VK_UP);
  EXPECT_EQ(picker->DisplayText(), "2/28/2023") << "no February 31st";
  picker->SetDate(45351);  // 2/29/2024
  EXPECT_EQ(picker->DisplayText(), "2/29/2024");
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_UP);
  EXPECT_EQ(picker->DisplayText(), "2/28/2025");
  Robot().Press(VK_RIGHT);  // already on the last field
  Robot().Press(VK_DOWN);
  EXPECT_EQ(picker->DisplayText(), "2/28/2024");
  picker->SetDate(-1);
  EXPECT_EQ(picker->DisplayText(), "12/29/1899");
  picker->SetDate(-1400);  // a leap day before the epoch
  EXPECT_EQ(picker->DisplayText(), "2/29/1896");
  picker->SetDate(45000);
  picker->SetKind(dtkTime);
  picker->SetTime(11.0 / 24 + 59.0 / 1440);
  EXPECT_EQ(picker->DisplayText(), "11:59:00 AM");
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_UP);  // minutes wrap within the hour
  EXPECT_EQ(picker->DisplayText(), "11:00:00 AM");
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_DOWN);  // AM to PM, the date unchanged
  EXPECT_EQ(picker->DisplayText(), "11:00:00 PM");
  EXPECT_EQ(picker->GetDate(), 45000);
}

TEST_F(DateTimeTest, DigitsTypedIntoAFieldSetItsNumberAndMoveOn) {
  Robot().Click(At(picker, {6, 10}));  // the month
  Robot().Type("7");                   // no month 70: on to the day
  Robot().Type("04");
  Robot().Type("2021");
  EXPECT_EQ(picker->DisplayText(), "7/4/2021");
  EXPECT_EQ(picker->GetTime(), 0.75) << "the time of day stays";
  EXPECT_EQ(log.front(), "7/15/2023");
  EXPECT_EQ(log.back(), "7/4/2021");
  Robot().Press(VK_HOME);  // not a field key: the year keeps the focus
  Robot().Press(VK_LEFT);
  Robot().Press(VK_LEFT);
  Robot().Type("13");  // no month 13: the 3 starts again
  EXPECT_EQ(picker->DisplayText(), "3/4/2021");
  EXPECT_EQ(picker->GetFocusedField(), 1);
  picker->SetKind(dtkTime);
  Robot().Type("9");  // the hour of a 12-hour clock keeps PM
  Robot().Type("59");
  EXPECT_EQ(picker->DisplayText(), "9:59:00 PM");
}

TEST_F(DateTimeTest, PickerDropsDownACalendarWhoseDayBecomesTheDate) {
  picker->OnDropDown = [this](TObject*) { log.push_back("drop"); };
  picker->OnCloseUp = [this](TObject*) { log.push_back("close"); };
  Robot().Click(At(picker, {175, 10}));  // the button
  ASSERT_TRUE(picker->GetDroppedDown());
  TMonthCalendar* calendar = picker->DropDownCalendar();
  EXPECT_EQ(calendar->GetDate(), 45000);
  EXPECT_EQ(calendar->ClientToScreen({0, 0}), At(picker, {0, 21})) << "under the picker";
  Robot().Click(OnDay(calendar, 45010));
  EXPECT_FALSE(picker->GetDroppedDown());
  EXPECT_TRUE(picker->Focused()) << "the calendar takes no focus";
  EXPECT_EQ(picker->GetDateTime(), 45010.75) << "the time of day stays";
  // From the keyboard: F4 opens, the arrows move the day, Enter takes it.
  Robot().Press(VK_F4);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_DOWN);
  Robot().Press(VK_RETURN);
  EXPECT_EQ(picker->DisplayText(), "4/2/2023");
  Robot().Press(VK_DOWN, {ssAlt});
  Robot().Press(VK_NEXT);
  Robot().Press(VK_ESCAPE);
  EXPECT_EQ(picker->DisplayText(), "4/2/2023") << "Escape drops the day";
  Robot().Press(VK_F4);
  TDateTimePicker* other = Add<TDateTimePicker>(form.get(), "Other", Bounds(10, 200, 186, 21));
  Robot().Click(At(other, {40, 10}));
  EXPECT_FALSE(picker->GetDroppedDown()) << "closed as the picker lost the focus";
  EXPECT_EQ(log, (std::vector<std::string>{"drop", "3/25/2023", "close", "drop", "4/2/2023", "close", "drop", "close",
                                           "drop", "close"}));
}

TEST_F(DateTimeTest, PickerCheckboxAndUpDownArrows) {
  picker->SetKind(dtkTime);
  EXPECT_EQ(picker->DisplayText(), "6:00:00 PM");
  Robot().Click(At(picker, {175, 5}));  // the upper arrow: the hour
  Robot().Click(At(picker, {175, 16}));
  Robot().Click(At(picker, {175, 16}));
  EXPECT_EQ(log, (std::vector<std::string>{"7:00:00 PM", "6:00:00 PM", "5:00:00 PM"}));
  picker->SetShowCheckbox(true);
  log.clear();
  Robot().Click(At(picker, {8, 10}));
  EXPECT_FALSE(picker->GetChecked());
  Robot().Press(VK_UP);  // an unchecked picker does not step
  Robot().Press(VK_SPACE);
  EXPECT_TRUE(picker->GetChecked());
  EXPECT_EQ(log, (std::vector<std::string>{"5:00:00 PM", "5:00:00 PM"}));
  picker->SetChecked(false);
  EXPECT_EQ(log.size(), 2u) << "code fires no OnChange";
}

TEST_F(DateTimeTest, ContradictingLimitsAndDatesOutsideThemRaise) {
  picker->SetMaxDate(45400);
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { picker->SetMinDate(45500); }),
            "MinDate 7/27/2024 is after MaxDate 4/18/2024");
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { picker->SetDate(45401); }),
            "Date exceeds maximum of 4/18/2024");
  picker->SetMinDate(44990);
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { picker->SetDate(44000); }),
            "Date is less than minimum of 3/5/2023");
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { picker->SetMaxDate(44000); }),
            "MaxDate 6/18/2020 is before MinDate 3/5/2023");
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { picker->SetTime(std::nan("")); }), "nan is not a date of the years 1 to 9999");
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { picker->SetMaxDate(1e9); }),
            "1e+09 is not a date of the years 1 to 9999");
  EXPECT_EQ(picker->GetDate(), 45000);
  EXPECT_EQ(picker->GetMinDate(), 44990);
  EXPECT_EQ(picker->GetMaxDate(), 45400);
  TMonthCalendar* calendar = Add<TMonthCalendar>(form.get(), "Calendar", Bounds(10, 40, 191, 154));
  calendar->SetDate(45000);
  calendar->SetMultiSelect(true);
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { calendar->SetEndDate(44999); }),
            "EndDate 3/14/2023 is before Date 3/15/2023");
  EXPECT_EQ(RaisedMessage<ECommonCalendarError>([&] { calendar->SetEndDate(45040); }),
            "A range of 41 days exceeds MaxSelectRange (31)");
  EXPECT_EQ(calendar->GetEndDate(), 45000);
}

TEST_F(DateTimeTest, CalendarClicksAndKeysMoveTheSelection) {
  TMonthCalendar* calendar = Add<TMonthCalendar>(form.get(), "Calendar", Bounds(10, 40, 191, 154));
  calendar->SetDate(45000);
  std::vector<uint32_t> months;
  calendar->OnGetMonthInfo = [&](TObject*, uint32_t Month, uint32_t& Bold) {
    months.push_back(Month);
    Bold = 1u << 9;  // the 10th
  };
  calendar->OnClick = [this](TObject*) { log.push_back("click"); };
  Robot().Click(OnDay(calendar, 45010));
  EXPECT_EQ(calendar->GetDate(), 45010);
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
  const TRect selected = calendar->DayRect(45010);
  EXPECT_EQ(Pixel(calendar, selected.Left + 1, selected.Top + 1), Drawn(clHighlight));
  EXPECT_EQ(months, (std::vector<uint32_t>{3})) << "asked once for the month shown";
  const std::vector<std::pair<uint16_t, double>> moves = {
      {VK_RIGHT, 45011}, {VK_DOWN, 45018}, {VK_NEXT, 45048}, {VK_HOME, 45047}, {VK_END, 45077}, {VK_UP, 45070}};
  for (auto [key, expected] : moves) {
    Robot().Press(key);
    EXPECT_EQ(calendar->GetDate(), expected) << key;
  }
  Robot().Click(At(calendar, {8, 10}));  // the title's left arrow
  EXPECT_EQ(calendar->GetDate(), 45040);
  calendar->SetMultiSelect(true);
  Robot().Click(OnDay(calendar, 45012), headless::TMouseButtonKind::Left, {ssShift});
  EXPECT_EQ(calendar->GetDate(), 45012);
  EXPECT_EQ(calendar->GetEndDate(), 45040);
  // A click on a day of the month before, shown in the grid, moves there.
  Robot().Click(OnDay(calendar, 45011));
  EXPECT_EQ(calendar->ShownMonth(), 44986);
  EXPECT_EQ(calendar->GetEndDate(), 45011);
}

TEST_F(DateTimeTest, CalendarWeeksStartOnTheirFirstDayAndKeysStayWithinTheLimits) {
  TMonthCalendar* calendar = Add<TMonthCalendar>(form.get(), "Calendar", Bounds(10, 40, 191, 154));
  calendar->SetDate(45000);
  const int32_t sundayLeft = calendar->DayRect(44990).Left;  // Sunday 3/5/2023
  calendar->SetFirstDayOfWeek(dowMonday);
  EXPECT_EQ(calendar->DayRect(44991).Left, sundayLeft) << "Monday in the first column";
  EXPECT_GT(calendar->DayRect(44990).Left, sundayLeft);
  calendar->SetWeekNumbers(true);
  EXPECT_LE(calendar->DayRect(44996).Right, calendar->GetClientRect().Right) << "Sunday still in sight";
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { calendar->SetFirstDayOfWeek(TCalDayOfWeek(12)); }),
            "Invalid property value (control 'Calendar')");
  calendar->SetMinDate(44998);
  calendar->SetMaxDate(45005);
  Robot().Click(OnDay(calendar, 45000));
  Robot().Press(VK_UP);
  EXPECT_EQ(calendar->GetDate(), 44998) << "kept at MinDate";
  Robot().Press(VK_NEXT);
  EXPECT_EQ(calendar->GetDate(), 45005) << "kept at MaxDate";
  Robot().Click(OnDay(calendar, 44990));
  EXPECT_EQ(calendar->GetDate(), 44998);
  // A range is kept within MaxSelectRange.
  calendar->SetMinDate(0);
  calendar->SetMaxDate(0);
  calendar->SetMultiSelect(true);
  calendar->SetMaxSelectRange(5);
  Robot().Click(OnDay(calendar, 44990));
  Robot().Click(OnDay(calendar, 45000), headless::TMouseButtonKind::Left, {ssShift});
  EXPECT_EQ(calendar->GetDate(), 44990);
  EXPECT_EQ(calendar->GetEndDate(), 44994);
}

TEST_F(DateTimeTest, DatesGoThroughFormFilesAsEitherDesignerWroteThem) {
  picker->SetTime(0.5123);
  picker->SetKind(dtkTime);
  TMonthCalendar* calendar = Add<TMonthCalendar>(form.get(), "Calendar", Bounds(10, 40, 191, 154));
  calendar->SetDate(45000);
  calendar->SetMultiSelect(true);
  calendar->SetEndDate(45003);
  calendar->GetCalColors()->SetColor<TMonthCalColors::ciTitleBack>(clSilver);
  EXPECT_EQ(Pixel(calendar, 30, 4), Drawn(clSilver)) << "the title in its colour";
  const TFormRoundTrip file = RoundTrip(form.get());
  for (const char* expected : {"Date = 45000.0\n", "Time = 0.5123\n", "Kind = dtkTime", "EndDate = 45003.0",
                               "CalColors.TitleBackColor = clSilver"})
    EXPECT_NE(file.Text.find(expected), std::string::npos) << expected << "\n" << file.Text;
  EXPECT_EQ(file.Text.find("MinDate"), std::string::npos) << "no limit, not written";
  TOwned<THolder> copy = ReadNewRoot<THolder>(file.Binary);
  auto* back = dynamic_cast<TDateTimePicker*>(copy->FindComponent("Picker"));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetDateTime(), picker->GetDateTime());
  auto* calendarBack = dynamic_cast<TMonthCalendar*>(copy->FindComponent("Calendar"));
  EXPECT_EQ(calendarBack->GetEndDate(), 45003);
  EXPECT_EQ(calendarBack->GetCalColors()->GetColor<TMonthCalColors::ciTitleBack>(), clSilver);
  EXPECT_EQ(FormText(copy.get()), file.Text);

  // The classic designers wrote the whole value as both Date and Time, and
  // limits in any order.
  const std::string classic =
      "object Form: THolder\n  object Old: TDateTimePicker\n    Left = 8\n    Top = 8\n    Width = 186\n"
      "    Height = 21\n    Date = 37900.65625\n    Time = 37900.65625\n    MaxDate = 38000.0\n"
      "    MinDate = 37000.0\n    TabOrder = 0\n  end\nend\n";
  TOwned<THolder> old = ReadNewRoot<THolder>(TextToBinary(classic));
  auto* picked = dynamic_cast<TDateTimePicker*>(old->FindComponent("Old"));
  ASSERT_NE(picked, nullptr);
  EXPECT_EQ(picked->GetDateTime(), 37900.65625);
  const std::string text = FormText(old.get());
  EXPECT_EQ(text.substr(text.find("  object Old")), classic.substr(classic.find("  object Old")));
}

}  // namespace
}  // namespace host::comctrlstest
