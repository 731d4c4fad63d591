// Modal forms driven through the robot: closed by a click on a button with
// a ModalResult, by Enter on the default button and Esc on the cancel
// button, kept open by OnCloseQuery, and a loop nobody can end.
#include "tests/host/forms/forms_test.h"

namespace host::formstest {
namespace {

using ModalTest = FormsTest;

TEST_F(ModalTest, AClickOnAButtonWithAModalResultEndsTheLoop) {
  TOwned<TForm> owner = NewForm("Owner");
  owner->Show();
  TOwned<TForm> dialog = NewForm("Dialog");
  TButton* ok = AddButton(dialog.get(), "Ok", mrOk, Bounds(10, 10, 80, 25));
  bool ownerDisabledMeanwhile = false;
  Drive({[&] {
    ownerDisabledMeanwhile = !owner->GetEnabled() && dialog->GetFormState().Contains(fsModal);
    Robot().Click(Center(ok));
  }});
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(ownerDisabledMeanwhile);
  EXPECT_FALSE(dialog->GetVisible());
  EXPECT_FALSE(dialog->GetFormState().Contains(fsModal));
  EXPECT_TRUE(owner->GetEnabled());
  EXPECT_EQ(Screen->GetActiveForm(), owner.get()) << "the owner is active again once the dialog hides";
}

TEST_F(ModalTest, ADialogOpenedFromADialogGivesTheActivationBackToIt) {
  TOwned<TForm> owner = NewForm("Owner");
  owner->Show();
  TOwned<TForm> first = NewForm("First");
  TButton* more = AddButton(first.get(), "More", mrNone, Bounds(10, 10, 80, 25));
  TOwned<TForm> second = NewForm("Second");
  TButton* ok = AddButton(second.get(), "Ok", mrOk, Bounds(10, 10, 80, 25));
  more->OnClick = [&](TObject*) { second->ShowModal(); };
  TCustomForm* activeAfterSecond = nullptr;
  Drive({[&] { Robot().Click(Center(more)); },
         [&] { Robot().Click(Center(ok)); },
         [&] {
           activeAfterSecond = Screen->GetActiveCustomForm();
           first->SetModalResult(mrCancel);
         }});
  EXPECT_EQ(first->ShowModal(), mrCancel);
  EXPECT_EQ(activeAfterSecond, first.get());
  EXPECT_EQ(Screen->GetActiveForm(), owner.get());
}

TEST_F(ModalTest, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
  TOwned<TForm> dialog = NewForm("Dialog");
  TEdit* edit = Add<TEdit>(dialog.get(), "Edit", Bounds(10, 10, 120, 22));
  AddButton(dialog.get(), "Yes", mrYes, Bounds(10, 50, 80, 25))->SetDefault(true);
  AddButton(dialog.get(), "No", mrNo, Bounds(100, 50, 80, 25))->SetCancel(true);
  dialog->SetActiveControl(edit);
  Drive({[&] {
    EXPECT_TRUE(edit->Focused()) << "the active control has the focus while the dialog runs";
    Robot().Press(VK_RETURN);
  }});
  EXPECT_EQ(dialog->ShowModal(), mrYes);
  Drive({[&] { Robot().Press(VK_ESCAPE); }});
  EXPECT_EQ(dialog->ShowModal(), mrNo);
  EXPECT_EQ(DriverCalls(), 1);
}

TEST_F(ModalTest, OnCloseQueryKeepsTheDialogOpenUntilItAgrees) {
  TOwned<TForm> dialog = NewForm("Dialog");
  TButton* ok = AddButton(dialog.get(), "Ok", mrOk, Bounds(10, 10, 80, 25));
  int asked = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = ++asked > 1; };
  dialog->OnClose = [&](TObject*, TCloseAction& Action) {
    log.push_back("close " + std::to_string(Action));
  };
  Drive({[&] { Robot().Click(Center(ok)); },
         [&] {
           EXPECT_TRUE(dialog->GetVisible()) << "refused: the dialog still shows";
           EXPECT_EQ(dialog->GetModalResult(), mrNone);
           Robot().Click(Center(ok));
         }});
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(log, (std::vector<std::string>{"close 1"})) << "OnClose runs once, with caHide";
}

TEST_F(ModalTest, ALoopNobodyCanEndRaisesAndLeavesTheFormHidden) {
  TOwned<TForm> owner = NewForm("Owner");
  owner->Show();
  TOwned<TForm> dialog = NewForm("Dialog");
  EXPECT_RAISES(dialog->ShowModal(), EInvalidOperation,
                "Modal form 'Dialog' cannot be closed: no input can come while it waits");
  EXPECT_FALSE(dialog->GetVisible());
  EXPECT_FALSE(dialog->GetFormState().Contains(fsModal));
  EXPECT_TRUE(owner->GetEnabled());
}

TEST_F(ModalTest, ShowModalRefusesAVisibleOrDisabledForm) {
  TOwned<TForm> dialog = NewForm("Dialog");
  dialog->Show();
  EXPECT_RAISES(dialog->ShowModal(), EInvalidOperation, "Cannot make a visible window modal");
  EXPECT_TRUE(dialog->GetVisible());
  EXPECT_FALSE(dialog->GetFormState().Contains(fsModal));
  dialog->Hide();
  dialog->SetEnabled(false);
  EXPECT_RAISES(dialog->ShowModal(), EInvalidOperation, "Cannot make a visible window modal");
  EXPECT_FALSE(dialog->GetVisible());
}

TEST_F(ModalTest, CloseActionsFreeHideOrKeepTheForm) {
  TOwned<TForm> form = NewForm("Form");
  TCloseAction chosen = caNone;
  form->OnClose = [&](TObject*, TCloseAction& Action) { Action = chosen; };
  form->Show();
  auto userCloses = [&](TCustomForm* f) {
    Windows().PostMessage(f->GetHandle(), WM_CLOSE, 0, 0);
    Application->ProcessMessages();
  };
  userCloses(form.get());
  EXPECT_TRUE(form->GetVisible()) << "caNone keeps the form";
  chosen = caHide;
  userCloses(form.get());
  EXPECT_FALSE(form->GetVisible()) << "caHide hides it";
  form->Show();
  chosen = static_cast<TCloseAction>(7);
  EXPECT_RAISES(form->Close(), EInvalidOperation, "Invalid property value for the close action of 'Form'");
  EXPECT_TRUE(form->GetVisible()) << "a close action out of range changes nothing";
  chosen = caFree;
  const int count = Screen->GetFormCount();
  const auto alive = form->AliveFlag();
  userCloses(form.release());
  EXPECT_TRUE(*alive) << "released, not freed at once";
  Application->ProcessMessages();
  EXPECT_FALSE(*alive) << "caFree frees the form through a posted message";
  EXPECT_EQ(Screen->GetFormCount(), count - 1);
}

TEST_F(ModalTest, ShowingAFormThatIsBeingDestroyedRaises) {
  TOwned<TForm> form = NewForm("Form");
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception* E) { reported.push_back(E->Message()); };
  form->OnDestroy = [&](TObject* Sender) { static_cast<TForm*>(Sender)->Show(); };
  form.reset();
  EXPECT_EQ(reported, (std::vector<std::string>{"Cannot show form 'Form' while it is being destroyed"}));
}

}  // namespace
}  // namespace host::formstest
