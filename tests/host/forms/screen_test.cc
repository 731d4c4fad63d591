// The screen: its lists of forms and data modules, the active form and
// control following what the user shows and clicks, the desktop.
#include "tests/host/forms/forms_test.h"

#include "host/classes/datamodule.h"

namespace host::formstest {
namespace {

using ScreenTest = FormsTest;

TEST_F(ScreenTest, FormsJoinAndLeaveTheListsAndDataModulesComeWithCreateForm) {
  const int forms = Screen->GetFormCount(), custom = Screen->GetCustomFormCount();
  TOwned<TForm> a = NewForm("A");
  TOwned<TCustomForm> dock(TCustomForm::CreateNew(&TCustomDockForm::StaticMetaClass, nullptr));
  EXPECT_EQ(Screen->GetFormCount(), forms + 1) << "a dock form is no TForm";
  EXPECT_EQ(Screen->GetCustomFormCount(), custom + 2);
  EXPECT_EQ(Screen->GetForms(forms), a.get());
  EXPECT_EQ(Screen->GetCustomForms(custom + 1), dock.get());
  EXPECT_RAISES(Screen->GetForms(forms + 1), EListError, "List index out of bounds (" + std::to_string(forms + 1) + ")");
  dock.reset();
  EXPECT_EQ(Screen->GetCustomFormCount(), custom + 1);

  TDataModule* module = nullptr;
  Application->CreateForm(module);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(Screen->GetDataModuleCount(), 1);
  EXPECT_EQ(Screen->GetDataModules(0), module);
  EXPECT_EQ(Application->GetMainForm(), nullptr) << "a data module is no main form";
  module->Free();
  EXPECT_EQ(Screen->GetDataModuleCount(), 0);
}

TEST_F(ScreenTest, TheActiveFormAndControlFollowShowingAndClicking) {
  TOwned<TForm> a = NewForm("A");
  TEdit* first = Add<TEdit>(a.get(), "First", Bounds(10, 10, 100, 22));
  TEdit* second = Add<TEdit>(a.get(), "Second", Bounds(10, 50, 100, 22));
  TOwned<TForm> b = NewForm("B");
  b->SetLeft(600);
  for (TForm* f : {a.get(), b.get()}) {
    f->OnActivate = [&, f](TObject*) { log.push_back(f->GetName() + " activate"); };
    f->OnDeactivate = [&, f](TObject*) { log.push_back(f->GetName() + " deactivate"); };
  }
  Screen->OnActiveFormChange = [&](TObject*) { log.push_back("form " + Screen->GetActiveForm()->GetName()); };
  Screen->OnActiveControlChange = [&](TObject*) { log.push_back("control " + Screen->GetActiveControl()->GetName()); };
  a->Show();
  EXPECT_EQ(Screen->GetActiveForm(), a.get());
  EXPECT_EQ(Screen->GetActiveControl(), first) << "the first control in tab order takes the focus";
  EXPECT_TRUE(a->GetActive());
  b->Show();
  EXPECT_EQ(Screen->GetActiveCustomForm(), b.get());
  EXPECT_EQ(Screen->GetCustomForms(0), b.get()) << "the active form comes first";
  EXPECT_FALSE(a->GetActive());
  log.clear();
  Robot().Click(Center(second));
  EXPECT_EQ(Screen->GetActiveForm(), a.get());
  EXPECT_EQ(Screen->GetActiveControl(), second);
  EXPECT_EQ(a->GetActiveControl(), second);
  EXPECT_EQ(log, (std::vector<std::string>{"B deactivate", "A activate", "form A", "control Second"}));
  log.clear();
  a->Hide();
  EXPECT_EQ(Screen->GetActiveForm(), b.get()) << "hiding the active form activates the other one";
  EXPECT_EQ(log, (std::vector<std::string>{"A deactivate", "B activate", "form B", "control B"}));
  Screen->OnActiveFormChange = nullptr;
  Screen->OnActiveControlChange = nullptr;
}

TEST_F(ScreenTest, AnActiveControlMustBeAFocusableControlOfTheForm) {
  TOwned<TForm> a = NewForm("A");
  TOwned<TForm> b = NewForm("B");
  TEdit* edit = Add<TEdit>(a.get(), "Edit", Bounds(10, 10, 100, 22));
  TEdit* other = Add<TEdit>(b.get(), "Other", Bounds(10, 10, 100, 22));
  TEdit* hidden = Add<TEdit>(a.get(), "Hidden", Bounds(10, 40, 100, 22));
  hidden->SetVisible(false);
  a->SetActiveControl(edit);
  EXPECT_RAISES(a->SetActiveControl(other), EInvalidOperation,
                "Cannot focus a disabled or invisible window (control 'Other')");
  EXPECT_RAISES(a->SetActiveControl(hidden), EInvalidOperation,
                "Cannot focus a disabled or invisible window (control 'Hidden')");
  EXPECT_EQ(a->GetActiveControl(), edit);
  a->Show();
  EXPECT_TRUE(edit->Focused());
  edit->Free();
  EXPECT_EQ(a->GetActiveControl(), nullptr) << "a freed control is forgotten";
  EXPECT_EQ(Screen->GetActiveControl(), nullptr);
}

TEST_F(ScreenTest, FocusControlAndDefocusControlMoveTheActiveControl) {
  TOwned<TForm> form = NewForm("Form");
  TEdit* a = Add<TEdit>(form.get(), "A", Bounds(10, 10, 100, 22));
  TEdit* b = Add<TEdit>(form.get(), "B", Bounds(10, 40, 100, 22));
  form->Show();
  ASSERT_TRUE(a->Focused());
  form->FocusControl(b);
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(Screen->GetActiveControl(), b);
  form->DefocusControl(a, false);
  EXPECT_EQ(form->GetActiveControl(), b) << "A holds no focus: nothing changes";
  form->DefocusControl(b, false);
  EXPECT_EQ(form->GetActiveControl(), nullptr);
  EXPECT_TRUE(form->Focused()) << "the form itself takes the focus";
  form->FocusControl(a);
  form->DefocusControl(a, true);
  EXPECT_EQ(form->GetActiveControl(), nullptr);
  EXPECT_TRUE(a->Focused()) << "a control being removed leaves the focus alone";
}

TEST_F(ScreenTest, TheDesktopComesFromTheWidgetSet) {
  EXPECT_EQ(Screen->GetWidth(), 1024);
  EXPECT_EQ(Screen->GetHeight(), 768);
  EXPECT_EQ(Screen->GetDesktopRect(), Rect(0, 0, 1024, 768));
  EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
  ASSERT_EQ(Screen->GetMonitorCount(), 1);
  EXPECT_EQ(Screen->GetMonitors(0)->GetWidth(), 1024);
  EXPECT_RAISES(Screen->GetMonitors(1), EListError, "List index out of bounds (1)");
  TOwned<TForm> form = NewForm("Form");
  EXPECT_EQ(form->GetMonitor(), Screen->GetMonitors(0));
  form->SetPosition(poScreenCenter);
  form->Show();
  EXPECT_EQ(form->GetBoundsRect(), Bounds(312, 234, 400, 300)) << "centred when first shown";
  form->SetWindowState(wsMaximized);
  EXPECT_EQ(form->GetBoundsRect(), Rect(0, 0, 1024, 768));
  form->SetWindowState(wsNormal);
  EXPECT_EQ(form->GetBoundsRect(), Bounds(312, 234, 400, 300));
  EXPECT_NE(Screen->GetCursors(crHourGlass), Screen->GetCursors(crDefault));
  Screen->SetCursors(5, 77);
  EXPECT_EQ(Screen->GetCursors(5), 77u);
  EXPECT_RAISES(Screen->SetCursors(crDefault, 1), EInvalidOperation, "The default cursor cannot be replaced");
  EXPECT_GE(Screen->GetFonts()->GetCount(), 1);
}

}  // namespace
}  // namespace host::formstest
