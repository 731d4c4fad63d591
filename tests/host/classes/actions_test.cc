#include "host/classes/actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

// An action that works on one accepted target and records what it did.
class TTargetAction : public TBasicAction {
  HOST_CLASS(TTargetAction, TBasicAction)
  using TBasicAction::TBasicAction;
  bool HandlesTarget(TObject* Target) override { return Target == Accepted; }
  void ExecuteTarget(TObject* Target) override { Log.push_back("execute " + Target->ClassName()); }
  void UpdateTarget(TObject* Target) override { Log.push_back("update " + Target->ClassName()); }
  using TBasicAction::Change;

  TObject* Accepted = nullptr;
  std::vector<std::string> Log;
};
HOST_IMPL(TTargetAction, TBasicAction)

// A link that records the new execute handlers it is told about.
class TRecordingLink : public TBasicActionLink {
  HOST_CLASS(TRecordingLink, TBasicActionLink)
  using TBasicActionLink::TBasicActionLink;
  int HandlersSeen = 0;

 protected:
  void SetOnExecute(TNotifyEvent Value) override { HandlersSeen += Value ? 1 : 0; }
};
HOST_IMPL(TRecordingLink, TBasicActionLink)

TEST(Actions, ExecuteAndUpdateActionReachOnlyHandledTargets) {
  TOwned<TTargetAction> action(new TTargetAction(nullptr));
  TOwned<TComponent> accepted(new TComponent(nullptr));
  TOwned<TComponent> other(new TComponent(nullptr));
  action->Accepted = accepted.get();

  EXPECT_TRUE(accepted->ExecuteAction(action.get()));
  EXPECT_TRUE(accepted->UpdateAction(action.get()));
  EXPECT_EQ(action->Log, (std::vector<std::string>{"execute TComponent", "update TComponent"}));

  action->Log.clear();
  EXPECT_FALSE(other->ExecuteAction(action.get()));
  EXPECT_FALSE(other->UpdateAction(action.get()));
  EXPECT_FALSE(accepted->ExecuteAction(nullptr));
  EXPECT_TRUE(action->Log.empty());

  // The base action handles no target at all.
  TOwned<TBasicAction> plain(new TBasicAction(nullptr));
  EXPECT_FALSE(accepted->ExecuteAction(plain.get()));
}

TEST(Actions, LinksFollowRegistrationAndSurviveEitherSideGoing) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* first = new TBasicAction(owner.get());
  auto* second = As<TBasicAction>(TBasicAction::StaticMetaClass.Create(owner.get()));
  TOwned<TBasicActionLink> link(As<TBasicActionLink>(TBasicActionLink::StaticMetaClass.Create(nullptr)));
  EXPECT_EQ(link->GetAction(), nullptr);

  link->SetAction(first);
  EXPECT_EQ(link->GetAction(), first);
  first->RegisterChanges(link.get());  // already registered: still one client
  EXPECT_EQ(first->GetClientCount(), 1);
  second->RegisterChanges(link.get());  // taken over from the first action
  EXPECT_EQ(link->GetAction(), second);
  EXPECT_EQ(first->GetClientCount(), 0);
  EXPECT_EQ(second->GetClientCount(), 1);

  first->UnRegisterChanges(link.get());  // not registered there: nothing changes
  EXPECT_EQ(link->GetAction(), second);
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { first->RegisterChanges(nullptr); }),
            "Cannot register a nil action link with TBasicAction");
  EXPECT_EQ(first->GetClientCount(), 0);

  second->Free();  // the action clears its links
  EXPECT_EQ(link->GetAction(), nullptr);
  EXPECT_FALSE(link->Execute());
  EXPECT_FALSE(link->Update());

  auto* gone = new TBasicActionLink(nullptr);
  gone->SetAction(first);
  gone->Free();  // the link unregisters itself
  EXPECT_EQ(first->GetClientCount(), 0);
}

TEST(Actions, ExecuteUpdateAndActionComponent) {
  TOwned<TBasicAction> action(new TBasicAction(nullptr));
  TOwned<TBasicActionLink> link(new TBasicActionLink(nullptr));
  link->SetAction(action.get());
  TOwned<TComponent> button(new TComponent(nullptr));

  EXPECT_FALSE(link->Execute(button.get()));  // no handler: nothing executed
  EXPECT_FALSE(link->Update());
  EXPECT_EQ(action->GetActionComponent(), nullptr);

  std::vector<TObject*> senders;
  TComponent* seenComponent = nullptr;
  action->OnExecute = [&](TObject* s) {
    senders.push_back(s);
    seenComponent = action->GetActionComponent();
  };
  action->OnUpdate = [&](TObject* s) { senders.push_back(s); };
  EXPECT_TRUE(link->Execute(button.get()));
  EXPECT_TRUE(link->Update());
  EXPECT_EQ(senders, (std::vector<TObject*>{action.get(), action.get()}));
  EXPECT_EQ(seenComponent, button.get());
  EXPECT_EQ(action->GetActionComponent(), nullptr);  // only for the duration of the call

  // The action forgets an ActionComponent that is destroyed.
  auto* temporary = new TComponent(nullptr);
  action->SetActionComponent(temporary);
  temporary->Free();
  EXPECT_EQ(action->GetActionComponent(), nullptr);
}

TEST(Actions, OnExecuteSetterTellsLinksAndSignalsChange) {
  TOwned<TTargetAction> action(new TTargetAction(nullptr));
  TOwned<TRecordingLink> link(new TRecordingLink(nullptr));
  link->SetAction(action.get());
  std::vector<std::string> log;
  action->OnChange = [&](TObject* s) { log.push_back(s == action.get() ? "action changed" : "?"); };
  link->OnChange = [&](TObject* s) { log.push_back(s == action.get() ? "link told" : "?"); };

  int executed = 0;
  action->SetOnExecute([&](TObject*) { ++executed; });
  EXPECT_EQ(link->HandlersSeen, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"action changed", "link told"}));
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(executed, 1);

  // Writing the field directly bypasses the change handling.
  log.clear();
  action->OnExecute = nullptr;
  EXPECT_EQ(link->HandlersSeen, 1);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(action->Execute());

  // Once unlinked, the link hears nothing more.
  link->SetAction(nullptr);
  action->Change();
  EXPECT_EQ(log, (std::vector<std::string>{"action changed"}));
}

}  // namespace
}  // namespace host
