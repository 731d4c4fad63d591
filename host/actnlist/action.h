// Actions with the properties their clients show (TCustomAction, TAction)
// and the links that push those properties to the clients (TActionLink).
//
// Setting a property of an action first tells every registered link (its
// SetCaption, SetEnabled, ...), then stores the value and fires Change; a
// link descendant (a menu item's, a control's) hands the value to its
// client when its IsCaptionLinked, IsEnabledLinked, ... says the client
// still follows the action, the classic way.
//
// Checked actions with a GroupIndex above 0 form radio groups within their
// action list: checking one unchecks the others of the group.
#pragma once

#include <cstdint>
#include <string>

#include "host/actnlist/actnlist.h"
#include "host/classes/strings.h"
#include "host/widgetset/wskeys.h"

namespace host {

using THelpContext = int32_t;
enum THelpType : uint8_t { htKeyword, htContext };
HOST_ENUM_INFO(THelpType, "htKeyword", "htContext")

// Asked before an action's hint shows: the hint may be changed, CanShow
// cleared to show none.
using THintEvent = TEvent<std::string&, bool&>;

// Texts of short cuts ("Ctrl+A"); each string names one.
class TShortCutList : public TStringList {
  HOST_CLASS(TShortCutList, TStringList)

  TShortCutList() = default;

  // The short cut the string at Index names (scNone for an unknown text);
  // raises EStringListError for a bad index as Strings does.
  TShortCut GetShortCuts(int32_t Index) const;
  // The first string naming ShortCut; -1 when none does (and for scNone).
  int32_t IndexOfShortCut(TShortCut ShortCut) const;

 protected:
  ~TShortCutList() override = default;
};

class TActionLink;

class TCustomAction : public TContainedAction {
  HOST_CLASS(TCustomAction, TContainedAction)

  explicit TCustomAction(TComponent* AOwner);

  // Does nothing while the list is suspended. Otherwise updates the action,
  // toggles Checked of an AutoCheck action (a checked radio action stays
  // checked) and, when enabled, runs the list's and its own handler.
  bool Execute() override;
  // When nobody handles the update and DisableIfNoHandler is set, an
  // action without an OnExecute handler (of its own or its list's) is
  // disabled, and enabled again once it has one.
  bool Update() override;
  // What a short cut of the action does: Execute.
  virtual bool HandleShortCut();
  // Fires OnHint; false when the hint should not show.
  virtual bool DoHint(std::string& HintStr);
  // Copies the properties to another TCustomAction.
  void Assign(TPersistent* Source) override;

  // --------------------------------------------------------- properties
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value);
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value);
  bool GetDisableIfNoHandler() const { return FDisableIfNoHandler; }
  void SetDisableIfNoHandler(bool Value) { FDisableIfNoHandler = Value; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int32_t GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t Value);
  THelpContext GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(THelpContext Value);
  const std::string& GetHelpKeyword() const { return FHelpKeyword; }
  void SetHelpKeyword(const std::string& Value);
  THelpType GetHelpType() const { return FHelpType; }
  void SetHelpType(THelpType Value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value);
  TImageIndex GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(TImageIndex Value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // Further short cuts of the action, made when first asked for.
  TShortCutList* GetSecondaryShortCuts();
  void SetSecondaryShortCuts(TShortCutList* Value);
  bool IsSecondaryShortCutsStored() const { return FSecondaryShortCuts && FSecondaryShortCuts->GetCount() > 0; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // The images of the action's list (null without a list).
  TCustomImageList* GetImages() const;
  // While the list is suspended (see TActionListState).
  bool Suspended() const;

  THintEvent OnHint;

 protected:
  ~TCustomAction() override = default;
  void Destroy() override;

 private:
  friend class TCustomActionList;
  // Tells every TActionLink registered with this action.
  template <class F>
  void TellLinks(F&& Tell);
  // The common shape of a property write: tell the links, store, Change.
  template <class T, class F>
  void ChangeProperty(T& Field, const T& Value, F&& Tell);
  void UncheckGroup();
  // Enabled as the list's asSuspendedEnabled state shows it, and back.
  void SuspendEnabled(bool Suspend);

  bool FAutoCheck = false;
  std::string FCaption;
  bool FChecked = false;
  bool FChecking = false;
  bool FDisableIfNoHandler = true;
  bool FEnabled = true;
  bool FSavedEnabled = true;
  bool FDisabledForNoHandler = false;
  int32_t FGroupIndex = 0;
  THelpContext FHelpContext = 0;
  std::string FHelpKeyword;
  THelpType FHelpType = htKeyword;
  std::string FHint;
  TImageIndex FImageIndex = -1;
  TShortCut FShortCut = scNone;
  TShortCutList* FSecondaryShortCuts = nullptr;
  bool FVisible = true;
};

// The action of form files: publishes the properties.
class TAction : public TCustomAction {
  HOST_CLASS(TAction, TCustomAction)

  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}

 protected:
  ~TAction() override = default;
};

// The link of a client to a TCustomAction. The IsXxxLinked questions say
// whether the client follows the action's property (here: whenever the
// action is a TCustomAction); the SetXxx calls bring the client a new value
// (here: nothing; descendants hand it to their client).
class TActionLink : public TBasicActionLink {
  HOST_CLASS(TActionLink, TBasicActionLink)

  explicit TActionLink(TObject* AClient) : TBasicActionLink(AClient) {}

  virtual bool IsAutoCheckLinked();
  virtual bool IsCaptionLinked();
  virtual bool IsCheckedLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsGroupIndexLinked();
  virtual bool IsHelpContextLinked();
  virtual bool IsHelpLinked();
  virtual bool IsHintLinked();
  virtual bool IsImageIndexLinked();
  virtual bool IsShortCutLinked();
  virtual bool IsVisibleLinked();

  // The linked action as a TCustomAction; null for other actions.
  TCustomAction* GetCustomAction() const;

 protected:
  ~TActionLink() override = default;
  friend class TCustomAction;
  virtual void SetAutoCheck(bool /*Value*/) {}
  virtual void SetCaption(const std::string& /*Value*/) {}
  virtual void SetChecked(bool /*Value*/) {}
  virtual void SetEnabled(bool /*Value*/) {}
  virtual void SetGroupIndex(int32_t /*Value*/) {}
  virtual void SetHelpContext(THelpContext /*Value*/) {}
  virtual void SetHelpKeyword(const std::string& /*Value*/) {}
  virtual void SetHelpType(THelpType /*Value*/) {}
  virtual void SetHint(const std::string& /*Value*/) {}
  virtual void SetImageIndex(TImageIndex /*Value*/) {}
  virtual void SetShortCut(TShortCut /*Value*/) {}
  virtual void SetVisible(bool /*Value*/) {}
};

}  // namespace host
