// Actions in action lists: executing and updating through the list,
// checking with radio groups, short cuts, hints, suspended lists, and the
// links that push an action's properties to its clients.
#include <string>
#include <vector>

#include "tests/host/actnlist/actnlist_test.h"

namespace host::actnlisttest {

// What a client of an action shows, as a menu item or a control would.
struct TClient {
  std::string Caption;
  bool Checked = false;
  bool Enabled = true;
  std::string Hint;
  int32_t ImageIndex = -1;
  TShortCut ShortCut = scNone;
  bool Visible = true;
  std::vector<std::string> Log;
};

// Hands every new value to the client; the caption only while the client
// still shows the action's caption (the classic IsCaptionLinked test).
class TClientLink : public TActionLink {
  HOST_CLASS(TClientLink, TActionLink)
  explicit TClientLink(TObject* AClient) : TActionLink(AClient) {}
  TClient* Client = nullptr;

  bool IsCaptionLinked() override {
    return inherited::IsCaptionLinked() && Client->Caption == GetCustomAction()->GetCaption();
  }

 protected:
  void SetCaption(const std::string& Value) override {
    Client->Log.push_back("Caption " + Value + " (action still " + GetCustomAction()->GetCaption() + ")");
    if (IsCaptionLinked()) Client->Caption = Value;
  }
  void SetChecked(bool Value) override { Client->Checked = Value; }
  void SetEnabled(bool Value) override { Client->Enabled = Value; }
  void SetHint(const std::string& Value) override { Client->Hint = Value; }
  void SetImageIndex(int32_t Value) override { Client->ImageIndex = Value; }
  void SetShortCut(TShortCut Value) override { Client->ShortCut = Value; }
  void SetVisible(bool Value) override { Client->Visible = Value; }
};
HOST_IMPL(TClientLink, TActionLink)

namespace {

using Actions = ActnListTest;

// A list owning three actions, each of which logs its execution.
struct TSetup {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TActionList* list = new TActionList(owner.get());
  std::vector<std::string> log;
  TAction* Add(const std::string& Name) {
    auto* action = new TAction(owner.get());
    action->SetName(Name);
    action->SetActionList(list);
    action->SetOnExecute([this, action](TObject*) { log.push_back(action->GetName()); });
    return action;
  }
};

TEST_F(Actions, TheListSeesEveryActionFirstAndHandledStopsTheActionsOwnHandler) {
  TSetup s;
  TAction* open = s.Add("Open");
  TAction* save = s.Add("Save");
  s.list->OnExecute = [&](TBasicAction* Action, bool& Handled) {
    s.log.push_back("list " + Action->GetName());
    Handled = Action == save;
  };
  int updates = 0;
  s.list->OnUpdate = [&](TBasicAction*, bool& Handled) {
    ++updates;
    Handled = true;
  };
  EXPECT_TRUE(open->Execute());
  EXPECT_TRUE(save->Execute());
  EXPECT_EQ(s.log, (std::vector<std::string>{"list Open", "Open", "list Save"}));
  EXPECT_EQ(updates, 2);  // Execute updates first
  EXPECT_TRUE(open->Update());
  EXPECT_EQ(updates, 3);
  // Without the list the action runs its own handler only.
  open->SetActionList(nullptr);
  s.log.clear();
  open->Execute();
  EXPECT_EQ(s.log, (std::vector<std::string>{"Open"}));
}

TEST_F(Actions, DisabledSuspendedAndHandlerlessActionsDoNotRun) {
  TSetup s;
  TAction* open = s.Add("Open");
  open->SetEnabled(false);
  open->SetDisableIfNoHandler(false);
  EXPECT_FALSE(open->Execute());
  EXPECT_TRUE(s.log.empty());
  // With nobody to update it and no handler, an action disables itself.
  auto* bare = new TAction(s.owner.get());
  bare->SetActionList(s.list);
  EXPECT_FALSE(bare->Update());
  EXPECT_FALSE(bare->GetEnabled());
  bare->SetOnExecute([&](TObject*) { s.log.push_back("bare"); });
  EXPECT_TRUE(bare->Execute());
  EXPECT_TRUE(bare->GetEnabled());
  // A suspended list runs nothing; asSuspendedEnabled also shows every
  // action enabled and gives back what was set meanwhile.
  open->SetEnabled(true);
  s.list->SetState(asSuspended);
  EXPECT_FALSE(open->Execute());
  open->SetEnabled(false);
  s.list->SetState(asSuspendedEnabled);
  EXPECT_TRUE(open->GetEnabled());
  open->SetEnabled(true);
  open->SetEnabled(false);
  EXPECT_TRUE(open->GetEnabled());
  s.list->SetState(asNormal);
  EXPECT_FALSE(open->GetEnabled());
  EXPECT_EQ(s.log, (std::vector<std::string>{"bare"}));
}

TEST_F(Actions, CheckingOneActionOfAGroupUnchecksTheOthersOfItsList) {
  TSetup s;
  TAction* left = s.Add("Left");
  TAction* right = s.Add("Right");
  TAction* bold = s.Add("Bold");
  TSetup other;
  TAction* elsewhere = other.Add("Elsewhere");
  for (TAction* a : {left, right, elsewhere}) a->SetGroupIndex(1);
  left->SetChecked(true);
  elsewhere->SetChecked(true);
  bold->SetChecked(true);
  right->SetChecked(true);
  EXPECT_FALSE(left->GetChecked());
  EXPECT_TRUE(right->GetChecked());
  EXPECT_TRUE(bold->GetChecked());       // group 0: no group
  EXPECT_TRUE(elsewhere->GetChecked());  // another list
  // Joining the group while checked unchecks the others.
  bold->SetGroupIndex(1);
  EXPECT_FALSE(right->GetChecked());
  // AutoCheck toggles a plain action; a checked radio action stays checked.
  bold->SetAutoCheck(true);
  bold->Execute();
  EXPECT_TRUE(bold->GetChecked());
  left->SetAutoCheck(true);
  left->Execute();
  EXPECT_TRUE(left->GetChecked());
  EXPECT_FALSE(bold->GetChecked());
  s.Add("Plain")->SetAutoCheck(true);
  TAction* plain = As<TAction>(s.list->GetActions(3));
  plain->Execute();
  plain->Execute();
  EXPECT_FALSE(plain->GetChecked());
  EXPECT_EQ(s.log, (std::vector<std::string>{"Bold", "Left", "Plain", "Plain"}));
}

TEST_F(Actions, ShortCutsAndSecondaryShortCutsRunTheirAction) {
  TSetup s;
  TAction* open = s.Add("Open");
  TAction* save = s.Add("Save");
  open->SetShortCut(TextToShortCut("Ctrl+O"));
  save->SetShortCut(TextToShortCut("Ctrl+S"));
  save->GetSecondaryShortCuts()->Add("F2");
  save->GetSecondaryShortCuts()->Add("Shift+Ctrl+S");
  TWMKey key = KeyOf(TextToShortCut("Ctrl+S"));
  EXPECT_TRUE(s.list->IsShortCut(key));
  key = KeyOf(VK_F2);
  EXPECT_TRUE(s.list->IsShortCut(key));
  key = KeyOf(TextToShortCut("ctrl+o"));
  EXPECT_TRUE(s.list->IsShortCut(key));
  key = KeyOf(TextToShortCut("Alt+X"));
  EXPECT_FALSE(s.list->IsShortCut(key));
  EXPECT_EQ(save->GetSecondaryShortCuts()->IndexOfShortCut(scShift | scCtrl | 'S'), 1);
  EXPECT_EQ(save->GetSecondaryShortCuts()->GetShortCuts(0), VK_F2);
  // A disabled action keeps its key but does nothing with it.
  open->SetEnabled(false);
  key = KeyOf(scCtrl | 'O');
  EXPECT_FALSE(s.list->IsShortCut(key));
  EXPECT_EQ(s.log, (std::vector<std::string>{"Save", "Save", "Open"}));
}

TEST_F(Actions, HintsCategoriesImagesAndTheListsOrder) {
  TSetup s;
  TAction* open = s.Add("Open");
  TAction* save = s.Add("Save");
  open->SetHint("Opens a file");
  open->OnHint = [](std::string& HintStr, bool& CanShow) {
    HintStr += " (Ctrl+O)";
    CanShow = HintStr.size() < 40;
  };
  std::string hint = open->GetHint();
  EXPECT_TRUE(open->DoHint(hint));
  EXPECT_EQ(hint, "Opens a file (Ctrl+O)");
  hint = std::string(40, 'x');
  EXPECT_FALSE(open->DoHint(hint));
  int changes = 0;
  s.list->OnChange = [&](TObject*) { ++changes; };
  open->SetCategory("File");
  open->SetCategory("File");
  auto* images = new TImageList(s.owner.get());
  s.list->SetImages(images);
  EXPECT_EQ(open->GetImages(), images);
  images->SetWidth(8);  // the list hears its images change
  EXPECT_EQ(changes, 3);
  images->Free();
  EXPECT_EQ(s.list->GetImages(), nullptr);
  // Order, indexes and leaving.
  save->SetIndex(0);
  EXPECT_EQ(s.list->GetActions(0), save);
  EXPECT_EQ(open->GetIndex(), 1);
  EXPECT_RAISES(s.list->GetActions(2), EListError, "List index out of bounds (2)");
  EXPECT_EQ(s.list->GetActionCount(), 2);
  save->Free();
  EXPECT_EQ(s.list->GetActionCount(), 1);
  EXPECT_EQ(open->GetIndex(), 0);
  // The list frees its actions with it.
  TComponent* owner = s.owner.get();
  s.list->Free();
  EXPECT_EQ(owner->GetComponentCount(), 0);
}

TEST_F(Actions, LinksHearEveryPropertyBeforeTheActionTakesIt) {
  TSetup s;
  TAction* open = s.Add("Open");
  TClient client;
  TOwned<TClientLink> link(New<TClientLink>(nullptr));
  link->Client = &client;
  link->SetAction(open);
  client.Caption = "Mine";
  open->SetCaption("Open");
  EXPECT_EQ(client.Caption, "Mine");  // the client did not show the action's caption
  client.Caption = "Open";
  open->SetCaption("&Open...");
  open->SetCaption("&Open...");  // no change: not told again
  EXPECT_EQ(client.Caption, "&Open...");
  EXPECT_EQ(client.Log,
            (std::vector<std::string>{"Caption Open (action still )", "Caption &Open... (action still Open)"}));
  open->SetChecked(true);
  open->SetEnabled(false);
  open->SetHint("Opens");
  open->SetImageIndex(3);
  open->SetShortCut(scCtrl | 'O');
  open->SetVisible(false);
  EXPECT_TRUE(client.Checked);
  EXPECT_FALSE(client.Enabled);
  EXPECT_EQ(client.Hint, "Opens");
  EXPECT_EQ(client.ImageIndex, 3);
  EXPECT_EQ(client.ShortCut, scCtrl | 'O');
  EXPECT_FALSE(client.Visible);
  // A link of another action, or of none, hears nothing more.
  link->SetAction(nullptr);
  open->SetVisible(true);
  EXPECT_FALSE(client.Visible);
  EXPECT_FALSE(link->IsCaptionLinked());
  // Assign copies every property; actions of another kind cannot be assigned.
  TAction* copy = s.Add("Copy");
  copy->Assign(open);
  EXPECT_EQ(copy->GetCaption(), "&Open...");
  EXPECT_EQ(copy->GetShortCut(), scCtrl | 'O');
  auto* plain = new TContainedAction(s.owner.get());
  EXPECT_RAISES(s.list->SetActions(0, plain), EConvertError, "Cannot assign a TContainedAction to a TAction");
}

}  // namespace
}  // namespace host::actnlisttest
