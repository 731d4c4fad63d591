// The action descriptors: contained actions, action lists, custom actions,
// actions and action links.
#include "descriptors/kelactnlist.h"

#include "descriptors/kelinplace.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TContainedActionClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomActionListClassInfo)
KEL_DESCRIPTOR_IMPL(TActionListClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomActionClassInfo)
KEL_DESCRIPTOR_IMPL(TActionClassInfo)
KEL_DESCRIPTOR_IMPL(TActionLinkClassInfo)

using host::TContainedAction;
using host::TCustomAction;
using host::TCustomActionList;

void TContainedActionClassInfo::MapFeatures(Map& m) {
  m.Prop("ActionList", &TContainedAction::GetActionList, &TContainedAction::SetActionList)
      .Prop("Index", &TContainedAction::GetIndex, &TContainedAction::SetIndex)
      .Prop("Category", &TContainedAction::GetCategory, &TContainedAction::SetCategory);
}

void TCustomActionListClassInfo::MapFeatures(Map& m) {
  using L = TCustomActionList;
  m.Indexed("Actions", &L::GetActions, &L::SetActions)
      .Prop("ActionCount", &L::GetActionCount)
      .Prop("Images", &L::GetImages, &L::SetImages);
  m.MethodRaw("IsShortCut", InPlace(&L::IsShortCut));  // the key message, changed at its address
  m.Event("OnChange", &L::OnChange)
      .Event("OnExecute", &L::OnExecute)  // Handled written back
      .Event("OnUpdate", &L::OnUpdate);
}

void TCustomActionClassInfo::MapFeatures(Map& m) {
  using A = TCustomAction;
  m.Prop("Caption", &A::GetCaption, &A::SetCaption)
      .Prop("Checked", &A::GetChecked, &A::SetChecked)
      .Prop("DisableIfNoHandler", &A::GetDisableIfNoHandler, &A::SetDisableIfNoHandler)
      .Prop("Enabled", &A::GetEnabled, &A::SetEnabled)
      .Prop("HelpContext", &A::GetHelpContext, &A::SetHelpContext)
      .Prop("Hint", &A::GetHint, &A::SetHint)
      .Prop("ImageIndex", &A::GetImageIndex, &A::SetImageIndex)
      .Prop("ShortCut", &A::GetShortCut, &A::SetShortCut)
      .Prop("Visible", &A::GetVisible, &A::SetVisible);
  m.Method("DoHint", &A::DoHint);  // HintStr kept in scratch for the call, then written back
  m.Event("OnHint", &A::OnHint);   // HintStr and CanShow written back
}

namespace kelactnlist {

void Initialize() { kelRegisterDescriptors<TkelActnListDescriptors>(); }

void Finalize() {}

}  // namespace kelactnlist
}  // namespace kel
