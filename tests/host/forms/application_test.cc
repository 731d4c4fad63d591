// The application: CreateForm and the main form, Run until Terminate or
// until the main form closes, exceptions of handlers reported while the
// loop goes on, OnIdle's Done, the actions updated when idle, OnMessage,
// key preview and short cuts, help, hints, minimising.
#include "tests/host/forms/forms_test.h"

namespace host::formstest {
namespace {

using ApplicationTest = FormsTest;

TEST_F(ApplicationTest, CreateFormMakesTheFirstFormTheMainForm) {
  TForm* first = nullptr;
  TForm* second = nullptr;
  Application->CreateForm(first);
  Application->CreateForm(second);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(Application->GetMainForm(), first);
  EXPECT_EQ(first->GetOwner(), Application);
  TComponent* button = Application;
  EXPECT_RAISES(Application->CreateForm(&TButton::StaticMetaClass, &button), EInvalidOperation,
                "Cannot create 'TButton' with CreateForm: it is neither a form nor a data module class");
  EXPECT_EQ(button, Application) << "a refused class leaves the reference alone";
  first->Free();
  EXPECT_EQ(Application->GetMainForm(), nullptr);
}

TEST_F(ApplicationTest, RunReportsExceptionsOfHandlersAndEndsOnTerminate) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  main->SetBounds(100, 100, 400, 300);
  TButton* fail = AddButton(main, "Fail", mrNone, Bounds(10, 10, 80, 25));
  TButton* quit = AddButton(main, "Quit", mrNone, Bounds(100, 10, 80, 25));
  fail->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
  quit->OnClick = [](TObject*) { Application->Terminate(); };
  Application->OnException = [&](TObject* Sender, Exception* E) {
    log.push_back(static_cast<TComponent*>(Sender)->GetName() + ": " + E->Message());
  };
  Drive({[&] { Robot().Click(Center(fail)); }, [&] { Robot().Click(Center(quit)); }});
  Application->Run();
  EXPECT_TRUE(main->GetVisible()) << "Run shows the main form";
  EXPECT_TRUE(Application->GetTerminated());
  EXPECT_EQ(DriverCalls(), 2) << "the loop went on after the exception";
  EXPECT_EQ(log, (std::vector<std::string>{"Fail: 'x' is not a valid integer value"}));
  // Outside any message loop the exception goes on to whoever gave the input.
  EXPECT_RAISES(Robot().Click(Center(fail)), EConvertError, "'x' is not a valid integer value");
  // Without OnException the message shows in a message box.
  Application->OnException = nullptr;
  Application->SetTitle("Demo");
  Drive({[&] { Robot().Click(Center(fail)); }});
  // What is pending (paints) goes first; the driver acts once nothing is.
  for (int i = 0; i < 10 && DriverCalls() == 0; ++i) Application->HandleMessage();
  ASSERT_EQ(Windows().MessageBoxesShown().size(), 1u);
  EXPECT_EQ(Windows().MessageBoxesShown()[0].Text, "'x' is not a valid integer value.");
  EXPECT_EQ(Windows().MessageBoxesShown()[0].Caption, "Demo");
  EXPECT_EQ(Windows().MessageBoxesShown()[0].Flags, MB_OK | MB_ICONERROR);
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsRun) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  Drive({[&] { Windows().PostMessage(main->GetHandle(), WM_CLOSE, 0, 0); }});
  Application->Run();
  EXPECT_TRUE(Application->GetTerminated());
  EXPECT_EQ(DriverCalls(), 1);
}

TEST_F(ApplicationTest, OnIdleDoneDecidesWhetherTheLoopWaits) {
  int idle = 0;
  Application->OnIdle = [&](TObject*, bool& Done) { Done = ++idle >= 3; };
  Drive({});
  Application->Run();
  EXPECT_EQ(idle, 3) << "Done false asks for another idle pass at once";
  EXPECT_EQ(DriverCalls(), 1) << "only Done true lets the loop wait for input";
  EXPECT_TRUE(Application->GetTerminated()) << "nothing can come: the application ends";
}

TEST_F(ApplicationTest, IdleUpdatesTheActionsOfVisibleForms) {
  TOwned<TForm> shown = NewForm("Shown");
  TOwned<TForm> hidden = NewForm("Hidden");
  std::vector<TAction*> actions;
  for (TForm* f : {shown.get(), hidden.get()}) {
    TActionList* list = New<TActionList>(f);
    TAction* action = New<TAction>(f);
    action->SetName(f->GetName() + "Action");
    action->SetActionList(list);
    action->OnUpdate = [&, action](TObject*) { log.push_back(action->GetName()); };
    actions.push_back(action);
  }
  TButton* button = AddButton(shown.get(), "Button", mrNone, Bounds(10, 10, 80, 25));
  button->SetAction(actions[0]);
  shown->Show();
  Application->Idle();
  EXPECT_EQ(log, (std::vector<std::string>{"ShownAction"})) << "once each, hidden forms not at all";
  log.clear();
  Application->OnActionUpdate = [&](TBasicAction* Action, bool& Handled) {
    log.push_back("application " + Action->GetName());
    Handled = true;
  };
  Application->Idle();
  EXPECT_EQ(log, (std::vector<std::string>{"application ShownAction"}));
}

TEST_F(ApplicationTest, MessagesKeysAndShortCutsPassTheApplicationAndTheFormFirst) {
  TOwned<TForm> form = NewForm("Form");
  TEdit* edit = Add<TEdit>(form.get(), "Edit", Bounds(10, 10, 100, 22));
  TButton* button = AddButton(form.get(), "Button", mrNone, Bounds(10, 50, 80, 25));
  button->OnClick = [&](TObject*) { log.push_back("click"); };
  form->Show();
  // OnMessage handling the mouse swallows the click.
  Application->OnMessage = [&](TMsg& Msg, bool& Handled) {
    Handled = Msg.message == WM_LBUTTONDOWN || Msg.message == WM_LBUTTONUP;
  };
  Robot().Click(Center(button));
  EXPECT_TRUE(log.empty());
  Application->OnMessage = nullptr;
  // Key preview: the form sees the characters first.
  form->OnKeyPress = [](TObject*, char& Key) {
    if (Key == 'x') Key = 0;
  };
  edit->SetFocus();
  Robot().Type("axb");
  EXPECT_EQ(edit->GetText(), "axb") << "without KeyPreview the form sees nothing";
  form->SetKeyPreview(true);
  Robot().Type("axb");
  EXPECT_EQ(edit->GetText(), "axbab");
  // A short cut of the form, then one of the application.
  form->OnShortCut = [&](TWMKey& Key, bool& Handled) {
    Handled = Key.CharCode == 'S' && Key.ShiftState.Contains(ssCtrl);
    if (Handled) log.push_back("form ctrl+s");
  };
  Application->OnShortCut = [&](TWMKey& Key, bool& Handled) {
    Handled = Key.CharCode == VK_F2;
    if (Handled) log.push_back("application f2");
  };
  edit->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { log.push_back("edit " + std::to_string(Key)); };
  Robot().Press('S', {ssCtrl});
  Robot().Press(VK_F2);
  EXPECT_EQ(log, (std::vector<std::string>{"form ctrl+s", "application f2"}));

  // The pop-up menus of the focused control and of the controls it lies
  // in answer their short cuts before the form, innermost first.
  log.clear();
  auto* own = New<TPopupMenu>(form.get());
  auto* item = New<TMenuItem>(own);
  item->SetShortCut(ShortCut(VK_INSERT, {}));
  item->OnClick = [&](TObject*) { log.push_back("edit's menu"); };
  own->GetItems()->Add(item);
  edit->SetPopupMenu(own);
  auto* outer = New<TPopupMenu>(form.get());
  for (const char* what : {"ins", "del"}) {
    auto* entry = New<TMenuItem>(outer);
    entry->SetShortCut(ShortCut(what[0] == 'i' ? VK_INSERT : VK_DELETE, {}));
    entry->OnClick = [&, what](TObject*) { log.push_back(std::string("form's menu ") + what); };
    outer->GetItems()->Add(entry);
  }
  form->SetPopupMenu(outer);
  Robot().Press(VK_INSERT);
  Robot().Press(VK_DELETE);
  EXPECT_EQ(log, (std::vector<std::string>{"edit's menu", "form's menu del"}));
}

TEST_F(ApplicationTest, HelpAnswersFalseWithoutAHelpSystem) {
  EXPECT_FALSE(Application->HelpContext(10));
  Application->OnHelp = [&](uint16_t Command, int32_t Data, bool& CallHelp, bool& Result) {
    log.push_back(std::to_string(Command) + " " + std::to_string(Data));
    CallHelp = Data != 11;
    Result = true;
  };
  EXPECT_FALSE(Application->HelpContext(10)) << "the help system is called: false";
  EXPECT_TRUE(Application->HelpContext(11)) << "the handler answered";
  EXPECT_EQ(log, (std::vector<std::string>{"1 10", "1 11"}));
}

TEST_F(ApplicationTest, AHintShowsAfterThePauseWithTheTextOnShowHintGives) {
  TOwned<TForm> form = NewForm("Form");
  TButton* button = AddButton(form.get(), "Button", mrNone, Bounds(10, 10, 80, 25));
  button->SetHint("Save|Saves the document");
  button->SetShowHint(true);
  form->Show();
  int hints = 0;
  Application->OnHint = [&](TObject*) { ++hints; };
  Application->OnShowHint = [&](std::string& HintStr, bool&, THintInfo& Info) {
    EXPECT_EQ(Info.HintControl, button);
    HintStr += " (Ctrl+S)";
  };
  Robot().MouseMove(Center(button));
  EXPECT_EQ(Application->GetHint(), "Saves the document");
  EXPECT_EQ(hints, 1);
  EXPECT_EQ(Application->GetHintWindow(), nullptr) << "nothing shows before the pause";
  Windows().Advance(Application->GetHintPause());
  ASSERT_NE(Application->GetHintWindow(), nullptr);
  EXPECT_TRUE(Application->GetHintWindow()->GetActive());
  EXPECT_EQ(Application->GetHintWindow()->GetCaption(), "Save (Ctrl+S)");
  Robot().Click(Center(button));
  EXPECT_FALSE(Application->GetHintWindow()->GetActive()) << "a click hides the hint";
  // A refusing OnShowHint shows nothing.
  Application->OnShowHint = [](std::string&, bool& CanShow, THintInfo&) { CanShow = false; };
  Robot().MouseMove(Center(form.get()));
  Robot().MouseMove(Center(button));
  Windows().Advance(Application->GetHintPause());
  EXPECT_FALSE(Application->GetHintWindow()->GetActive());
}

TEST_F(ApplicationTest, MinimizeHidesTheWindowsAndRestoreShowsThem) {
  TOwned<TForm> form = NewForm("Form");
  form->Show();
  Application->OnMinimize = [&](TObject*) { log.push_back("minimize"); };
  Application->OnRestore = [&](TObject*) { log.push_back("restore"); };
  Application->Minimize();
  Application->Minimize();
  EXPECT_FALSE(Windows().IsWindowVisible(form->GetHandle()));
  EXPECT_TRUE(form->GetVisible()) << "the form itself stays visible";
  Application->Restore();
  EXPECT_TRUE(Windows().IsWindowVisible(form->GetHandle()));
  EXPECT_EQ(log, (std::vector<std::string>{"minimize", "restore"}));
  Windows().QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(Application->MessageBox("Save?", "Demo", MB_YESNO), IDNO);
  EXPECT_EQ(Application->MessageBox("Save?", "Demo", MB_YESNO), IDYES) << "no answer queued: the first button";
}

}  // namespace
}  // namespace host::formstest
