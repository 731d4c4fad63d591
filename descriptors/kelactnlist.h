// Descriptors of the host's action unit: TContainedAction, TCustomActionList,
// TActionList, TCustomAction, TAction and TActionLink.
//
// An action list's OnExecute and OnUpdate hand Handled to the listeners and
// take back what they leave in it; an action's OnHint does the same with
// HintStr and CanShow. IsShortCut takes the key message by its address and
// lets the host change it there.
#pragma once

#include "descriptors/kelclasses_components.h"
#include "descriptors/kelpattern.h"
#include "host/actnlist/action.h"
#include "host/actnlist/actnlist.h"

namespace kel {

// Describes TContainedAction: ActionList written makes the action leave its
// list and join the new one; Index moves it within its list.
class TContainedActionClassInfo
    : public TkelDescriptor<TContainedActionClassInfo, TBasicActionClassInfo, host::TContainedAction> {
  KEL_DESCRIPTOR(TContainedActionClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ActionList::psReadable..psWritable::pvPublic::0::Define::Index::psReadable..psWritable::"
          "pvPublic::0::Define::Category::psReadable..psWritable::pvPublished::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TContainedActionClassInfo() override = default;
};

// Describes TCustomActionList: Actions[Index] as references (a write assigns
// the given action's properties to the one at Index); OnChange, OnExecute
// and OnUpdate hooked in the list's handler fields.
class TCustomActionListClassInfo
    : public TkelDescriptor<TCustomActionListClassInfo, TComponentClassInfo, host::TCustomActionList> {
  KEL_DESCRIPTOR(TCustomActionListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Actions::psReadable..psWritable..psIndexed::pvPublic::1::Index::Define::ActionCount::"
          "psReadable::pvPublic::0::Define::Images::psReadable..psWritable::pvPublic::0",
      .Methods = "IsShortCut::msFunction::1::Message",
      .Events =
          "Define::OnChange::pvProtected::1::Sender::Define::OnExecute::pvProtected::2::Action::Handled::Define::"
          "OnUpdate::pvProtected::2::Action::Handled",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomActionListClassInfo() override = default;
};

// Describes TActionList: publishes Images and the three events.
class TActionListClassInfo
    : public TkelDescriptor<TActionListClassInfo, TCustomActionListClassInfo, host::TActionList> {
  KEL_DESCRIPTOR(TActionListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Override::Images::::pvPublished",
      .Events = "Override::OnChange::pvPublished::Override::OnExecute::pvPublished::Override::OnUpdate::pvPublished",
  };

 protected:
  ~TActionListClassInfo() override = default;
};

// Describes TCustomAction: the properties its clients show; DoHint with
// HintStr by reference through scratch; OnHint hooked in its handler field.
class TCustomActionClassInfo
    : public TkelDescriptor<TCustomActionClassInfo, TContainedActionClassInfo, host::TCustomAction> {
  KEL_DESCRIPTOR(TCustomActionClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Caption::psReadable..psWritable::pvPublic::0::Define::Checked::psReadable..psWritable::"
          "pvPublic::0::Define::DisableIfNoHandler::psReadable..psWritable::pvPublic::0::Define::Enabled::"
          "psReadable..psWritable::pvPublic::0::Define::HelpContext::psReadable..psWritable::pvPublic::0::"
          "Define::Hint::psReadable..psWritable::pvPublic::0::Define::ImageIndex::psReadable..psWritable::"
          "pvPublic::0::Define::ShortCut::psReadable..psWritable::pvPublic::0::Define::Visible::psReadable.."
          "psWritable::pvPublic::0",
      .Methods = "DoHint::msFunction::1::HintStr",
      .Events = "Define::OnHint::pvPublic::2::HintStr::CanShow",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomActionClassInfo() override = default;
};

// Describes TAction: publishes the properties and events.
class TActionClassInfo : public TkelDescriptor<TActionClassInfo, TCustomActionClassInfo, host::TAction> {
  KEL_DESCRIPTOR(TActionClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Caption::::pvPublished::Override::Checked::::pvPublished::Override::Enabled::::pvPublished::"
          "Override::HelpContext::::pvPublished::Override::Hint::::pvPublished::Override::ImageIndex::::"
          "pvPublished::Override::ShortCut::::pvPublished::Override::Visible::::pvPublished",
      .Events = "Override::OnExecute::pvPublished::Override::OnHint::pvPublished::Override::OnUpdate::pvPublished",
  };

 protected:
  ~TActionClassInfo() override = default;
};

// Describes TActionLink: nothing of its own.
class TActionLinkClassInfo : public TkelDescriptor<TActionLinkClassInfo, TBasicActionLinkClassInfo, host::TActionLink> {
  KEL_DESCRIPTOR(TActionLinkClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TActionLinkClassInfo() override = default;
};

// The unit's descriptors, in the library's order.
using TkelActnListDescriptors =
    TkelDescriptorList<TContainedActionClassInfo, TCustomActionListClassInfo, TActionListClassInfo,
                       TCustomActionClassInfo, TActionClassInfo, TActionLinkClassInfo>;

namespace kelactnlist {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kelactnlist
}  // namespace kel
