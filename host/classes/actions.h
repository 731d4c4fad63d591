// TBasicAction and TBasicActionLink: the base of actions and of the links that
// tie a client (a control, a menu item) to an action.
//
// A link registered with an action (RegisterChanges) hears about the action's
// changes and its new OnExecute handler; invariant: link->GetAction() == A
// exactly when the link is in A's client list.
#pragma once

#include <vector>

#include "host/classes/component.h"
#include "host/rtl/events.h"

namespace host {

class TBasicAction;

class TBasicActionLink : public TObject {
  HOST_CLASS(TBasicActionLink, TObject)
  using TCreateArg = TObject;

  // The client is the object the link serves; derived links keep it.
  explicit TBasicActionLink(TObject* AClient);

  TBasicAction* GetAction() const { return FAction; }
  // Unregisters from the current action, then registers with Value (may be null).
  virtual void SetAction(TBasicAction* Value);
  // Executes the action with AComponent as its ActionComponent for the
  // duration of the call; false when there is no action or it did nothing.
  virtual bool Execute(TComponent* AComponent = nullptr);
  // Updates the action; false when there is no action or it did nothing.
  virtual bool Update();
  virtual bool IsOnExecuteLinked() { return true; }

  // Fired by Change with the action as Sender.
  TNotifyEvent OnChange;

 protected:
  ~TBasicActionLink() override = default;
  void Destroy() override;
  // Called when the action changed; fires OnChange.
  virtual void Change();
  // Called when the action gets a new OnExecute handler.
  virtual void SetOnExecute(TNotifyEvent Value);

 private:
  friend class TBasicAction;
  TBasicAction* FAction = nullptr;
};

class TBasicAction : public TComponent {
  HOST_CLASS(TBasicAction, TComponent)
  using TCreateArg = TComponent;

  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

  // Whether the action can work on Target; the base handles nothing.
  virtual bool HandlesTarget(TObject* Target);
  virtual void UpdateTarget(TObject* Target);
  virtual void ExecuteTarget(TObject* Target);
  // Fires OnExecute (OnUpdate) and returns whether it was assigned.
  virtual bool Execute();
  virtual bool Update();

  // Makes Value one of this action's links (taking it from any other action).
  // Raises EComponentError for a null link.
  void RegisterChanges(TBasicActionLink* Value);
  // Drops Value from the links and clears its action; nothing happens when
  // it is not registered here.
  void UnRegisterChanges(TBasicActionLink* Value);
  int GetClientCount() const { return static_cast<int>(FClients.size()); }

  // The component that started the current execution (a link sets it).
  TComponent* GetActionComponent() const { return FActionComponent; }
  void SetActionComponent(TComponent* Value);

  // Tells every registered link about the new handler, stores it and then
  // calls Change.
  virtual void SetOnExecute(TNotifyEvent Value);

  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }

  TNotifyEvent OnChange;
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 protected:
  ~TBasicAction() override = default;
  // Clears the action of every link still registered, then the component
  // teardown runs.
  void Destroy() override;
  // Fires OnChange, then tells every registered link (its Change).
  virtual void Change();
  // The registered links in registration order (the classic protected
  // FClients), for descendants that pass their changes on to them.
  const std::vector<TBasicActionLink*>& GetClients() const { return FClients; }

 private:
  template <class F>
  void ForEachClient(F&& f);

  std::vector<TBasicActionLink*> FClients;
  TComponent* FActionComponent = nullptr;
};

// Registers TBasicAction for form streaming; the host class library's
// start-up calls it.
void RegisterActionClasses();
void UnregisterActionClasses();

}  // namespace host
