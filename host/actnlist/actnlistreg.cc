// Start-up and shutdown of the actnlist unit: the published properties of
// action lists and actions and their streamable classes.
#include "host/actnlist/action.h"
#include "host/actnlist/actnlist.h"

namespace host {

namespace {

int actnListClassesCount = 0;

// Registered with their ancestors; these are the unit's own.
constexpr TClass kOwnClasses[] = {&TAction::StaticMetaClass, &TCustomAction::StaticMetaClass,
                                  &TContainedAction::StaticMetaClass, &TActionList::StaticMetaClass,
                                  &TCustomActionList::StaticMetaClass};

void RegisterActionProperties() {
  using A = TCustomAction;
  RegisterProperties(&TContainedAction::StaticMetaClass,
                     {Prop<&TContainedAction::GetCategory, &TContainedAction::SetCategory>("Category")});
  RegisterProperties(
      &TAction::StaticMetaClass,
      {
          Prop<&A::GetAutoCheck, &A::SetAutoCheck>("AutoCheck").Default(false),
          Prop<&A::GetCaption, &A::SetCaption>("Caption"),
          Prop<&A::GetChecked, &A::SetChecked>("Checked").Default(false),
          Prop<&A::GetEnabled, &A::SetEnabled>("Enabled").Default(true),
          Prop<&A::GetGroupIndex, &A::SetGroupIndex>("GroupIndex").Default(0),
          Prop<&A::GetHelpContext, &A::SetHelpContext>("HelpContext").Default(0),
          Prop<&A::GetHelpKeyword, &A::SetHelpKeyword>("HelpKeyword"),
          Prop<&A::GetHelpType, &A::SetHelpType>("HelpType").Default(htKeyword),
          Prop<&A::GetHint, &A::SetHint>("Hint"),
          Prop<&A::GetImageIndex, &A::SetImageIndex>("ImageIndex").Default(-1),
          Prop<&A::GetShortCut, &A::SetShortCut>("ShortCut").Default(scNone),
          Prop<&A::GetSecondaryShortCuts>("SecondaryShortCuts").StoredBy<&A::IsSecondaryShortCutsStored>(),
          Prop<&A::GetVisible, &A::SetVisible>("Visible").Default(true),
      });
  RegisterProperties(&TActionList::StaticMetaClass,
                     {
                         Prop<&TCustomActionList::GetImages, &TCustomActionList::SetImages>("Images"),
                         Prop<&TCustomActionList::GetState, &TCustomActionList::SetState>("State").Default(asNormal),
                     });
}

}  // namespace

void RegisterActnListClasses() {
  if (actnListClassesCount++ > 0) return;
  RegisterActionProperties();
  RegisterClasses({&TActionList::StaticMetaClass, &TAction::StaticMetaClass});
}

void UnregisterActnListClasses() {
  if (actnListClassesCount == 0 || --actnListClassesCount > 0) return;
  for (TClass c : kOwnClasses) UnRegisterClass(c);
  for (TClass c : {&TActionList::StaticMetaClass, &TAction::StaticMetaClass, &TContainedAction::StaticMetaClass})
    UnregisterProperties(c);
}

std::span<const TClass> ActnListClasses() {
  static constexpr TClass kClasses[] = {
      &TContainedAction::StaticMetaClass, &TCustomActionList::StaticMetaClass, &TActionList::StaticMetaClass,
      &TShortCutList::StaticMetaClass,    &TCustomAction::StaticMetaClass,     &TAction::StaticMetaClass,
      &TActionLink::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
