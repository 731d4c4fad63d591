// Behaviour of the forms unit's descriptors as a user meets it: closing a
// form through a click (an event-to-method connection; listeners answering
// OnCloseQuery and OnClose), the form's own Show and Hide, the write-only
// ClientHeight, MDIChildren, the hint text a listener gives, a short cut a
// listener handles, OnHelp's answer, CreateForm, ShowException within
// OnException, OnIdle's Done, and refused writes that leave the object as
// it was.
#include "descriptors/kelforms.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "connections/kele2m.h"
#include "host/forms/forms.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
namespace {

using host::TForm;
using host::Variant;

host::headless::THeadlessWindows& Windows() {
  return static_cast<host::headless::THeadlessWindows&>(host::WidgetSet().Windows());
}
host::headless::THeadlessRobot& Robot() {
  return static_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet()).Robot();
}

// A descriptor the test made for an object, unhooked and freed when it goes.
struct TUnhook {
  void operator()(TkelClassInfo* d) const {
    d->SetOwner(nullptr);
    d->Free();
  }
};
using TDescriptor = std::unique_ptr<TkelClassInfo, TUnhook>;
TDescriptor Described(host::TClass info, host::TObject* object) { return TDescriptor(MakeDescriptor(info, object)); }

// A form of 400 x 300 made without a layout.
host::TOwned<TForm> NewForm(const std::string& name) {
  host::TOwned<TForm> form(static_cast<TForm*>(host::TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  form->SetName(name);
  form->SetBounds(100, 100, 400, 300);
  return form;
}

template <class C>
C* Add(TForm* form, host::TRect bounds) {
  C* control = host::New<C>(form);
  control->SetBoundsRect(bounds);
  control->SetParent(form);
  return control;
}

host::TPoint Center(host::TControl* c) { return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2}); }

TEST(KelformsForm, ACanCloseListenerKeepsTheFormOpenWhateverItsOwnHandlerSaid) {
  host::TOwned<TForm> form = NewForm("Closing");
  auto* button = Add<host::TButton>(form.get(), {10, 10, 90, 35});
  button->OnClick = [&](host::TObject*) { form->Close(); };
  std::vector<std::string> log;
  form->OnCloseQuery = [&](host::TObject*, bool& canClose) {
    log.push_back("own");
    canClose = true;
  };
  form->Show();
  TDescriptor f = Described(&TFormClassInfo::StaticMetaClass, form.get());
  {
    TTestListeners listeners;
    listeners.On(f.get(), "OnCloseQuery", [&](TkelEventInfo& e) {
      log.push_back("listener saw " + e.GetArgs(1)->Value.AsString());
      e.GetArgs(1)->Value = Variant(false);
    });
    Robot().Click(Center(button));
    EXPECT_TRUE(form->GetVisible()) << "the listener's CanClose decides";
  }
  EXPECT_EQ(log, (std::vector<std::string>{"own", "listener saw True"}));
  Robot().Click(Center(button));
  EXPECT_FALSE(form->GetVisible()) << "no listener: the own handler lets it close (hidden)";
}

// The road of a click: the button's descriptor relays OnClick to an
// event-to-method connection, which calls the form's Close through the
// form's descriptor; Show through the descriptor is the form's own.
TEST(KelformsForm, AClickClosesTheFormThroughAnEventToMethodConnection) {
  host::TOwned<TForm> form = NewForm("Closer");
  auto* button = Add<host::TButton>(form.get(), {10, 10, 90, 35});
  auto* c = host::New<TkelE2MConnection>(form.get());
  c->SetSource(button);
  c->SetSourceEvent("OnClick");
  c->SetTarget(form.get());
  c->SetTargetMethod("Close");
  form->Show();
  ASSERT_TRUE(c->Connect());
  Robot().Click(Center(button));
  EXPECT_FALSE(form->GetVisible());
  host::TOwned<TForm> other = NewForm("Other");
  other->Show();
  Invoke(Describe(form.get()), "Show");
  EXPECT_TRUE(form->GetVisible());
  EXPECT_EQ(host::Screen->GetActiveCustomForm(), form.get()) << "the form's own Show activates it";
  Invoke(Describe(form.get()), "Hide");
  EXPECT_FALSE(form->GetVisible());
}

TEST(KelformsForm, OnClosesActionFromAListenerIsTheCloseActionTheHostUses) {
  TForm* form = NewForm("Freed").release();
  form->Show();
  TkelClassInfo* d = Describe(form);  // the registry's: dropped with the form
  int action = -1;
  std::vector<int> seen;
  TkelListener* listener = Listen(d, "OnClose", [&](host::TObject*, TkelEventInfo* e) {
    seen.push_back(e->GetArgs(1)->Value.AsInteger());
    e->GetArgs(1)->Value = Variant(action);
  });
  // An ordinal outside the close actions: refused, the form stays as it was.
  action = 7;
  EXPECT_EQ(MessageOf<host::ERangeError>([&] { Invoke(d, "Close"); }), "7 is not a valid value of Action (0..3)");
  EXPECT_TRUE(form->GetVisible());
  // caNone keeps it; caFree (2) releases it.
  action = 0;
  Invoke(d, "Close");
  EXPECT_TRUE(form->GetVisible());
  const int forms = host::Screen->GetFormCount();
  action = 2;
  Invoke(d, "Close");
  host::Application->ProcessMessages();
  EXPECT_EQ(host::Screen->GetFormCount(), forms - 1) << "freed";
  EXPECT_EQ(seen, (std::vector<int>{host::caHide, host::caHide, host::caHide})) << "the host's own action first";
  listener->Free();  // its descriptor went with the form
}

TEST(KelformsForm, ClientHeightIsWriteOnlyOnAFormAndReadWriteOnAScrollBox) {
  host::TOwned<TForm> form = NewForm("Sized");
  auto* box = Add<host::TScrollBox>(form.get(), {5, 5, 205, 105});
  TDescriptor f = Described(&TFormClassInfo::StaticMetaClass, form.get());
  TDescriptor c = Described(&TCustomFormClassInfo::StaticMetaClass, form.get());
  TDescriptor b = Described(&TScrollBoxClassInfo::StaticMetaClass, box);
  for (const char* name : {"ClientHeight", "ClientWidth", "Visible"}) {
    EXPECT_EQ(f->FindProperty(name)->Style, TkelPropertyStyle{psWritable}) << name;
    EXPECT_EQ(f->FindProperty(name)->Visibility, pvPublished) << name;
    EXPECT_EQ(c->FindProperty(name)->Visibility, pvProtected) << name;
  }
  EXPECT_EQ(b->FindProperty("ClientHeight")->Style, (TkelPropertyStyle{psReadable, psWritable}));
  Write(f.get(), "ClientHeight", Variant(150));
  EXPECT_EQ(form->GetClientHeight(), 150);
  EXPECT_EQ(Read(f.get(), "ClientHeight"), Variant(150)) << "a read by name still reaches the control's descriptor";
  Write(b.get(), "ClientHeight", Variant(60));
  EXPECT_EQ(Read(b.get(), "ClientHeight"), Variant(60));
  Write(f.get(), "Visible", Variant(true));
  EXPECT_TRUE(form->GetVisible());
}

TEST(KelformsForm, MDIChildrenGivesTheChildFormsByIndex) {
  host::TOwned<TForm> frame = NewForm("Frame");
  frame->SetFormStyle(host::fsMDIForm);
  host::TOwned<TForm> child = NewForm("Child");
  child->SetFormStyle(host::fsMDIChild);
  frame->Show();
  child->Show();
  TDescriptor f = Described(&TFormClassInfo::StaticMetaClass, frame.get());
  EXPECT_EQ(Read(f.get(), "MDIChildCount"), Variant(1));
  EXPECT_EQ(Read(f.get(), "MDIChildren", {Variant(0)}), Addr(child.get()));
  EXPECT_EQ(MessageOf<host::EListError>([&] { Read(f.get(), "MDIChildren", {Variant(1)}); }),
            "List index out of bounds (1)");
}

TEST(KelformsForm, AShortCutListenerHandlingTheKeyKeepsItFromTheControl) {
  host::TOwned<TForm> form = NewForm("Keys");
  auto* edit = Add<host::TEdit>(form.get(), {10, 10, 110, 30});
  int keyDowns = 0;
  edit->OnKeyDown = [&](host::TObject*, uint16_t&, host::TShiftState) { ++keyDowns; };
  form->Show();
  edit->SetFocus();
  TDescriptor f = Described(&TFormClassInfo::StaticMetaClass, form.get());
  {
    TTestListeners listeners;
    listeners.On(f.get(), "OnShortCut", [&](TkelEventInfo& e) {
      const auto* key = static_cast<const host::TWMKey*>(e.GetArgs(0)->Value.AsPointer());
      if (key->CharCode == 'Q') e.GetArgs(1)->Value = Variant(true);
    });
    Robot().KeyDown('Q');
    Robot().KeyUp('Q');
    EXPECT_EQ(keyDowns, 0) << "handled as a short cut";
  }
  Robot().KeyDown('Q');
  Robot().KeyUp('Q');
  EXPECT_EQ(keyDowns, 1);
}

TEST(KelformsForm, RefusedWritesLeaveTheObjectsAsTheyWere) {
  host::TOwned<TForm> form = NewForm("Refusing");
  auto* box = Add<host::TScrollBox>(form.get(), {5, 5, 205, 105});
  TDescriptor f = Described(&TFormClassInfo::StaticMetaClass, form.get());
  TDescriptor bar = Described(&TControlScrollBarClassInfo::StaticMetaClass, box->GetVertScrollBar());
  EXPECT_NE(MessageOf<host::ERangeError>([&] { Write(f.get(), "FormStyle", Variant(9)); }), "");
  EXPECT_EQ(form->GetFormStyle(), host::fsNormal);
  EXPECT_NE(MessageOf([&] { Write(f.get(), "BorderIcons", Variant(0)); }), "") << "no address";
  EXPECT_EQ(form->GetBorderIcons(), (host::TBorderIcons{host::biSystemMenu, host::biMinimize, host::biMaximize}));
  EXPECT_NE(MessageOf<host::ERangeError>([&] { Write(bar.get(), "Increment", Variant(0)); }), "");
  EXPECT_EQ(box->GetVertScrollBar()->GetIncrement(), 8);
  // A set read from one form writes into another.
  host::TOwned<TForm> other = NewForm("Other");
  other->SetBorderIcons({host::biSystemMenu});
  TDescriptor o = Described(&TFormClassInfo::StaticMetaClass, other.get());
  Write(f.get(), "BorderIcons", Read(o.get(), "BorderIcons"));
  EXPECT_EQ(form->GetBorderIcons(), host::TBorderIcons{host::biSystemMenu});
}

TEST(KelformsApplication, OnShowHintsTextFromAListenerIsTheTextShown) {
  host::TOwned<TForm> form = NewForm("Hints");
  auto* button = Add<host::TButton>(form.get(), {10, 10, 90, 35});
  button->SetHint("Save");
  button->SetShowHint(true);
  form->Show();
  TDescriptor app = Described(&TApplicationClassInfo::StaticMetaClass, host::Application);
  TTestListeners listeners;
  const host::TControl* control = nullptr;
  listeners.On(app.get(), "OnShowHint", [&](TkelEventInfo& e) {
    auto* info = static_cast<host::THintInfo*>(e.GetArgs(2)->Value.AsPointer());
    control = info->HintControl;
    info->HintColor = host::clRed;  // changed in place
    e.GetArgs(0)->Value = Variant(e.GetArgs(0)->Value.AsString() + " everything");
  });
  Robot().MouseMove(Center(button));
  Windows().Advance(host::Application->GetHintPause());
  ASSERT_NE(host::Application->GetHintWindow(), nullptr);
  EXPECT_EQ(host::Application->GetHintWindow()->GetCaption(), "Save everything");
  EXPECT_EQ(control, button);
  EXPECT_EQ(host::Application->GetHintWindow()->GetColor(), host::clRed);
  host::Application->CancelHint();
}

TEST(KelformsApplication, CreateFormGivesTheNewFormOrRefusesAClassThatIsNoForm) {
  TDescriptor app = Described(&TApplicationClassInfo::StaticMetaClass, host::Application);
  const int forms = host::Screen->GetFormCount();
  TkelMethodInfo* m = app->FindMethod("CreateForm");
  m->GetArgs(0)->Value = Addr(&host::TButton::StaticMetaClass);
  m->GetArgs(1)->Value = Variant("before");
  EXPECT_EQ(MessageOf<host::EInvalidOperation>([&] { app->InvokeMethod(m); }),
            "Cannot create 'TButton' with CreateForm: it is neither a form nor a data module class");
  EXPECT_EQ(host::Screen->GetFormCount(), forms) << "nothing created";
  EXPECT_EQ(m->GetArgs(1)->Value, Variant("before"));
  Invoke(app.get(), "CreateForm", {Addr(&TForm::StaticMetaClass), Variant()});
  host::TObject* made = host::LiveObjectAt(m->GetArgs(1)->Value.AsPointer());
  ASSERT_NE(host::As<TForm>(made), nullptr);
  EXPECT_EQ(host::Screen->GetFormCount(), forms + 1);
  EXPECT_EQ(static_cast<host::TComponent*>(made)->GetOwner(), host::Application);
  made->Free();
}

TEST(KelformsApplication, AnIdleListenersDoneIsWhatTheApplicationGets) {
  host::Application->OnIdle = [](host::TObject*, bool& done) { done = true; };
  {
    TDescriptor app = Described(&TApplicationClassInfo::StaticMetaClass, host::Application);
    TTestListeners listeners;
    listeners.On(app.get(), "OnIdle", [](TkelEventInfo& e) { e.GetArgs(1)->Value = Variant(false); });
    EXPECT_FALSE(host::Application->Idle());
  }
  EXPECT_TRUE(host::Application->Idle()) << "unhooked: the own handler answers";
  host::Application->OnIdle = {};
}

TEST(KelformsApplication, ShowExceptionTakesOnlyTheExceptionOnExceptionReports) {
  host::Application->OnException = [](host::TObject*, host::Exception*) {};  // its own handler stays silent
  Windows().ClearMessageBoxes();
  {
    TDescriptor app = Described(&TApplicationClassInfo::StaticMetaClass, host::Application);
    TTestListeners listeners;
    listeners.On(app.get(), "OnException",
                 [&](TkelEventInfo& e) { Invoke(app.get(), "ShowException", {e.GetArgs(1)->Value}); });
    try {
      throw host::EInvalidOperation("Broken on purpose");
    } catch (...) {
      host::Application->HandleException(nullptr);
    }
    ASSERT_EQ(Windows().MessageBoxesShown().size(), 1u);
    EXPECT_EQ(Windows().MessageBoxesShown()[0].Text, "Broken on purpose.");
    // Outside the event there is no exception to take.
    const host::Exception stray("stray");
    EXPECT_NE(MessageOf<host::EInvalidCast>([&] { Invoke(app.get(), "ShowException", {Addr(&stray)}); }), "");
    EXPECT_EQ(Windows().MessageBoxesShown().size(), 1u);
  }
  host::Application->OnException = {};
  Windows().ClearMessageBoxes();
}

TEST(KelformsForm, OnHelpAnswersWithTheOwnHandlersBooleanAndCallHelpFromTheListeners) {
  host::TOwned<TForm> form = NewForm("Helped");
  form->OnHelp = [](uint16_t, int32_t, bool&, bool& answer) { answer = true; };
  TDescriptor f = Described(&TFormClassInfo::StaticMetaClass, form.get());
  TTestListeners listeners;
  std::vector<int> seen;
  listeners.On(f.get(), "OnHelp", [&](TkelEventInfo& e) {
    seen = {e.GetArgs(0)->Value.AsInteger(), e.GetArgs(1)->Value.AsInteger()};
    e.GetArgs(2)->Value = Variant(false);
  });
  bool callHelp = true;
  EXPECT_TRUE(form->DoHelp(host::HELP_CONTEXT, 17, callHelp)) << "the own handler's answer";
  EXPECT_FALSE(callHelp) << "the listener's CallHelp";
  EXPECT_EQ(seen, (std::vector<int>{host::HELP_CONTEXT, 17}));
}

}  // namespace
}  // namespace kel::test
