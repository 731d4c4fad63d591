// Message dialogs answered by the headless backend: queued answers come back
// as modal results, each box is recorded with its caption, text and
// buttons, and a box that came without an answer says so.
#include <gtest/gtest.h>

#include <functional>

#include "host/actnlist/actnlist.h"
#include "host/dialogs/dialogs.h"
#include "host/dialogs/inputquery.h"
#include "host/stdctrls/texts.h"
#include "host/forms/screen.h"
#include "host/widgetset/wskeys.h"
#include "host/forms/forms.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/unitfixture.h"

namespace host::dialogstest {
namespace {

using namespace testkit;

constexpr TUnitClasses kDialogUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterFormsClasses, UnregisterFormsClasses},
};

class DialogsTest : public THandlesTest<kDialogUnits> {
 protected:
  void SetUp() override {
    THandlesTest::SetUp();
    FreeAndNil(Application);
    Application = New<TApplication>(nullptr);
    Application->SetTitle("Guest Book");
    Windows().ClearMessageBoxes();
  }
  void TearDown() override {
    Windows().ClearMessageBoxes();
    FreeAndNil(Application);
    Application = New<TApplication>(nullptr);
    THandlesTest::TearDown();
  }
  static headless::THeadlessWindows& Windows() {
    return static_cast<headless::THeadlessWindows&>(WidgetSet().Windows());
  }
  static const headless::THeadlessWindows::TMessageBoxShown& Box(std::size_t Index) {
    return Windows().MessageBoxesShown().at(Index);
  }
};

TEST_F(DialogsTest, QueuedAnswersComeBackAsModalResultsAndEachBoxIsRecorded) {
  Windows().QueueMessageBoxAnswer(IDYES);
  Windows().QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(MessageDlg("Save the changes?", mtConfirmation, {mbYes, mbNo}, 0), mrYes);
  EXPECT_EQ(MessageDlg("Delete 3 entries?", mtWarning, mbYesNoCancel, 0), mrNo);
  ASSERT_EQ(Windows().MessageBoxesShown().size(), 2u);
  EXPECT_EQ(Box(0).Caption, "Confirm");
  EXPECT_EQ(Box(0).Text, "Save the changes?");
  EXPECT_EQ(Box(0).Flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_FALSE(Box(0).Unanswered);
  EXPECT_EQ(Box(1).Caption, "Warning");
  EXPECT_EQ(Box(1).Flags, MB_YESNOCANCEL | MB_ICONWARNING);
  EXPECT_EQ(Box(1).Answer, IDNO);
}

TEST_F(DialogsTest, ABoxWithoutAQueuedAnswerTakesItsFirstButtonAndIsMarkedUnanswered) {
  EXPECT_EQ(MessageDlg("Disk full", mtError, {mbAbort, mbRetry, mbIgnore}, 0), mrAbort);
  Windows().QueueMessageBoxAnswer(IDCANCEL);
  EXPECT_EQ(MessageDlg("Retry?", mtInformation, {mbRetry, mbCancel}, 0), mrCancel);
  ASSERT_EQ(Windows().MessageBoxesShown().size(), 2u);
  EXPECT_TRUE(Box(0).Unanswered) << "no answer was queued for the first box";
  EXPECT_EQ(Box(0).Caption, "Error");
  EXPECT_EQ(Box(0).Flags, MB_ABORTRETRYIGNORE | MB_ICONERROR);
  EXPECT_FALSE(Box(1).Unanswered);
  EXPECT_EQ(Box(1).Caption, "Information");
}

// Buttons no message box has are left out; a set no box holds takes the box
// sharing most buttons with it; a custom dialog and ShowMessage carry the
// application's title.
TEST_F(DialogsTest, ButtonSetsMapOntoTheNearestMessageBox) {
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbYes, mbNo, mbYesToAll, mbNoToAll, mbHelp}), MB_YESNO);
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbOK}), MB_OK);
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbOK, mbCancel}), MB_OKCANCEL);
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbCancel}), MB_OKCANCEL);
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbIgnore, mbYes}), MB_YESNO);
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbHelp}), MB_OK);
  EXPECT_EQ(MessageDlgFlags(mtCustom, {mbNo, mbCancel}), MB_YESNOCANCEL);
  Windows().QueueMessageBoxAnswer(IDOK);
  EXPECT_EQ(MessageDlgPos("Placed", mtCustom, {mbOK}, 0, 10, 20), mrOk);
  ShowMessage("Saved.");
  ASSERT_EQ(Windows().MessageBoxesShown().size(), 2u);
  EXPECT_EQ(Box(0).Caption, "Guest Book");
  EXPECT_EQ(Box(1).Caption, "Guest Book");
  EXPECT_EQ(Box(1).Text, "Saved.");
  EXPECT_EQ(Box(1).Flags, MB_OK);
  EXPECT_TRUE(Box(1).Unanswered);
  // Without an application the widgetset still shows the box.
  FreeAndNil(Application);
  Windows().QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(MessageDlg("Quit?", mtConfirmation, {mbYes, mbNo}, 0), mrNo);
  EXPECT_EQ(Box(2).Caption, "Confirm");
}

}  // namespace
}  // namespace host::dialogstest

namespace host::dialogstest {
namespace {

// InputQuery as a user answers it: the robot types into its edit and
// presses Enter or Escape while the modal form waits.
TEST_F(DialogsTest, InputQueryGivesTheTypedLineOnOKAndKeepsTheValueOnCancel) {
  auto& robot = static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot();
  std::vector<std::function<void()>> steps;
  std::size_t next = 0;
  Windows().SetIdleDriver([&] {
    if (next >= steps.size()) return false;
    steps[next++]();
    return true;
  });
  std::string caption, prompt;
  steps = {[&] {
             TCustomForm* form = Screen->GetActiveCustomForm();
             caption = form->GetCaption();
             prompt = static_cast<TLabel*>(form->FindComponent("Prompt"))->GetCaption();
             robot.Press('A', TShiftState{ssCtrl});
             robot.Type("other.dfm");
           },
           [&] { robot.Press(VK_RETURN); }};
  std::string value = "form.dfm";
  EXPECT_TRUE(InputQuery("Save As", "Form file:", value));
  EXPECT_EQ(value, "other.dfm");
  EXPECT_EQ(caption, "Save As");
  EXPECT_EQ(prompt, "Form file:");

  next = 0;
  steps = {[&] { robot.Type("x"); }, [&] { robot.Press(VK_ESCAPE); }};
  EXPECT_FALSE(InputQuery("Open", "Form file:", value));
  EXPECT_EQ(value, "other.dfm");
  next = 0;
  steps = {[&] { robot.Press(VK_ESCAPE); }};
  EXPECT_EQ(InputBox("Open", "Form file:", "kept.dfm"), "kept.dfm");
  Windows().SetIdleDriver(nullptr);
}

}  // namespace
}  // namespace host::dialogstest
