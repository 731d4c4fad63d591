// TApplicationEvents: every component hears the application's events after
// the application's own handler, the last activated first; CancelDispatch
// stops an event on its way; exceptions are shown only when nobody handles
// them; a freed component hears nothing more.
#include "host/forms/appevents.h"
#include "tests/host/forms/forms_test.h"
#include "tests/support/formtest.h"

namespace host::formstest {
namespace {

class AppEventsTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    RegisterAppEvntsClasses();
    form = NewForm("Form");
    first = Listen("First");
    second = Listen("Second");
  }
  void TearDown() override {
    form.reset();
    UnregisterAppEvntsClasses();
    FormsTest::TearDown();
  }
  // A component on the form logging its OnIdle, OnHint and OnMinimize.
  TApplicationEvents* Listen(const std::string& Name) {
    auto* events = New<TApplicationEvents>(form.get());
    events->SetName(Name);
    events->OnIdle = [this, Name](TObject* Sender, bool& Done) {
      log.push_back(Name + " idle" + (Sender == Application ? "" : " from elsewhere") + (Done ? "" : " not done"));
    };
    events->OnHint = [this, Name](TObject*) { log.push_back(Name + " hint " + Application->GetHint()); };
    events->OnMinimize = [this, Name](TObject*) { log.push_back(Name + " minimize"); };
    return events;
  }

  TOwned<TForm> form;
  TApplicationEvents* first = nullptr;
  TApplicationEvents* second = nullptr;
};

TEST_F(AppEventsTest, EveryComponentHearsIdleAndHintAfterTheApplicationNewestFirst) {
  Application->OnIdle = [this](TObject*, bool& Done) {
    log.push_back("application idle");
    Done = false;
  };
  EXPECT_FALSE(Application->Idle()) << "the components see and keep the application's Done";
  EXPECT_EQ(log, (std::vector<std::string>{"application idle", "Second idle not done", "First idle not done"}));

  // A hint reaches them through the mouse moving over a control.
  TButton* button = AddButton(form.get(), "Button", mrNone, Bounds(10, 10, 80, 25));
  button->SetHint("Save|Saves the document");
  form->Show();
  log.clear();
  first->Activate();
  Robot().MouseMove(Center(button));
  EXPECT_EQ(log, (std::vector<std::string>{"First hint Saves the document", "Second hint Saves the document"}))
      << "the one activated last hears first";
}

TEST_F(AppEventsTest, CancelDispatchStopsTheEventAndAFreedComponentHearsNothing) {
  second->OnMinimize = [this](TObject*) {
    log.push_back("Second minimize");
    second->CancelDispatch();
  };
  Application->Minimize();
  EXPECT_EQ(log, std::vector<std::string>{"Second minimize"});
  Application->Restore();
  // The next event goes to all again.
  log.clear();
  Application->Idle();
  EXPECT_EQ(log, (std::vector<std::string>{"Second idle", "First idle"}));

  // A handler freeing a component that has not heard the event yet.
  second->OnIdle = [this](TObject*, bool&) {
    log.push_back("Second frees First");
    first->Free();
  };
  log.clear();
  Application->Idle();
  EXPECT_EQ(log, std::vector<std::string>{"Second frees First"});
  log.clear();
  form.reset();
  Application->Idle();
  EXPECT_TRUE(log.empty()) << "components freed with their form hear nothing";
}

TEST_F(AppEventsTest, ExceptionsMessagesAndActionsReachTheComponents) {
  // An exception handled by a component shows no message box.
  first->OnException = [this](TObject*, Exception* E) { log.push_back("First: " + E->Message()); };
  try {
    throw EConvertError("bad number");
  } catch (...) {
    Application->HandleException(Application);
  }
  EXPECT_EQ(log, std::vector<std::string>{"First: bad number"});
  EXPECT_TRUE(Windows().MessageBoxesShown().empty());

  // A key message: a component's OnMessage may handle it before the control.
  TEdit* edit = Add<TEdit>(form.get(), "Edit", Bounds(10, 40, 100, 21));
  form->Show();
  edit->SetFocus();
  second->OnMessage = [](TMsg& Msg, bool& Handled) { Handled = Msg.message == WM_CHAR && Msg.wParam == 'x'; };
  Robot().Type("axb");
  EXPECT_EQ(edit->GetText(), "ab");

  // The actions updated when idle are offered to the components first.
  auto* list = New<TActionList>(form.get());
  auto* action = New<TAction>(form.get());
  action->SetActionList(list);
  int updated = 0;
  action->OnUpdate = [&](TObject*) { ++updated; };
  Application->Idle();
  EXPECT_EQ(updated, 1);
  first->OnActionUpdate = [&](TBasicAction* Offered, bool& Handled) { Handled = Offered == action; };
  Application->Idle();
  EXPECT_EQ(updated, 1) << "a component handled the update instead of the action's OnUpdate";
}

TEST_F(AppEventsTest, AFormFileKeepsTheHandlersOfAnApplicationEvents) {
  const std::string text =
      "object Events: TDataModule\n"
      "  OldCreateOrder = False\n"
      "  object ApplicationEvents1: TApplicationEvents\n"
      "    OnException = ApplicationEvents1Exception\n"
      "    OnIdle = ApplicationEvents1Idle\n"
      "    Left = 40\n"
      "    Top = 16\n"
      "  end\n"
      "end\n";
  TOwned<TDataModule> module = ReadNewRoot<TDataModule>(TextToBinary(text));
  auto* events = dynamic_cast<TApplicationEvents*>(module->FindComponent("ApplicationEvents1"));
  ASSERT_NE(events, nullptr);
  EXPECT_EQ(BinaryToText(FormBinary(module.get())), text);
  // A component read from a form file hears the application like any other.
  int idle = 0;
  events->OnIdle = [&](TObject*, bool&) { ++idle; };
  Application->Idle();
  EXPECT_EQ(idle, 1);
}

}  // namespace
}  // namespace host::formstest
