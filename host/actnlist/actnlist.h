// The actnlist unit of the host: action lists and the actions they hold.
//
// An action list (TCustomActionList) collects actions (TContainedAction and
// descendants) of its owner form. Before an action of the list runs its own
// handler, the list's OnExecute (OnUpdate) sees it and may handle it
// instead (Handled = true); the list also finds the action a short-cut key
// belongs to. Its Images are the pictures the actions' ImageIndex names.
//
// In form files the actions stream as children of their list (the list
// writes the actions its root owns; an action read under a list joins it),
// as the classic library streams them.
//
// Start-up order (each step counted, undone in reverse): the imglist unit's
// (see imglist.h), then RegisterActnListClasses().
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/classes/actions.h"
#include "host/imglist/imglist.h"
#include "host/widgetset/wsmessages.h"

namespace host {

class TCustomActionList;
class TReader;

// Seen by the list's OnExecute / OnUpdate: the action, and whether the
// handler dealt with it (then the action's own handler does not run).
using TActionEvent = TEvent<TBasicAction*, bool&>;

// asSuspended: the list's actions do not execute; asSuspendedEnabled: the
// same, and every action shows enabled until the list is normal again.
enum TActionListState : uint8_t { asNormal, asSuspended, asSuspendedEnabled };
HOST_ENUM_INFO(TActionListState, "asNormal", "asSuspended", "asSuspendedEnabled")

// ------------------------------------------------------------ TContainedAction

class TContainedAction : public TBasicAction {
  HOST_CLASS(TContainedAction, TBasicAction)

  explicit TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

  // The list's OnExecute (OnUpdate) first; when it does not handle the
  // action, the action's own handler.
  bool Execute() override;
  bool Update() override;

  TCustomActionList* GetActionList() const { return FActionList; }
  // Leaves the current list and joins Value (null: none).
  void SetActionList(TCustomActionList* Value);
  const std::string& GetCategory() const { return FCategory; }
  void SetCategory(const std::string& Value);
  // Position in the list; -1 without a list. Setting it moves the action
  // (the value is clamped to the list).
  int32_t GetIndex() const;
  void SetIndex(int32_t Value);

  // An action in a list has the list as its parent in form files.
  bool HasParent() override;
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;
  void ReadState(TReader* Reader) override;

 protected:
  ~TContainedAction() override = default;
  void Destroy() override;

 private:
  friend class TCustomActionList;
  TCustomActionList* FActionList = nullptr;
  std::string FCategory;
};

// ----------------------------------------------------------- TCustomActionList

class TCustomActionList : public TComponent {
  HOST_CLASS(TCustomActionList, TComponent)
  using TCreateArg = TComponent;

  explicit TCustomActionList(TComponent* AOwner);

  int32_t GetActionCount() const { return static_cast<int32_t>(FActions.size()); }
  // Raises EListError "List index out of bounds (<n>)" for a bad index.
  TContainedAction* GetActions(int32_t Index) const;
  // Assigns Value's properties to the action at Index.
  void SetActions(int32_t Index, TContainedAction* Value);

  // Fire OnExecute / OnUpdate and say whether the handler dealt with it.
  bool ExecuteAction(TBasicAction* Action) override;
  bool UpdateAction(TBasicAction* Action) override;
  // Finds the action (a TCustomAction) whose ShortCut or one of whose
  // SecondaryShortCuts is the key of Message and lets it handle the key;
  // false when no action has that short cut.
  bool IsShortCut(TWMKey& Message);

  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TActionListState GetState() const { return FState; }
  void SetState(TActionListState Value);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }

  TNotifyEvent OnChange;
  TActionEvent OnExecute;
  TActionEvent OnUpdate;
  TNotifyEvent OnStateChange;

 protected:
  ~TCustomActionList() override = default;
  // Frees the actions it holds, as the classic list does.
  void Destroy() override;
  virtual void AddAction(TContainedAction* Action);
  virtual void RemoveAction(TContainedAction* Action);
  // Fires OnChange (the categories or images changed).
  virtual void Change();

 private:
  friend class TContainedAction;
  void ImageListChange(TObject* Sender);
  void MoveAction(TContainedAction* Action, int32_t Index);

  std::vector<TContainedAction*> FActions;
  TCustomImageList* FImages = nullptr;
  TChangeLink* FImageChangeLink;
  TActionListState FState = asNormal;
};

// The action list of form files: publishes the properties.
class TActionList : public TCustomActionList {
  HOST_CLASS(TActionList, TCustomActionList)

  explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}

 protected:
  ~TActionList() override = default;
};

// Registers the published properties and the streamable classes of this
// unit (TActionList, TAction). Counted; each call must be matched by
// UnregisterActnListClasses.
void RegisterActnListClasses();
void UnregisterActnListClasses();
// Every class of the actnlist unit, parents before children.
std::span<const TClass> ActnListClasses();

}  // namespace host
