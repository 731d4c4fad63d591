// Descriptors of the forms unit's desktop objects: the monitor, the screen
// and the application.
//
// Screen: the lists (CustomForms, Forms, DataModules, Monitors) take their
// index as an integer (outside the list: EListError); Cursors is read and
// written with the cursor handle by address; DefaultKbLayout is a handle by
// address.
//
// Application: DialogHandle and Handle are handles by address. CreateForm
// takes InstanceClass as a class reference (a class that is no form or data
// module class raises EInvalidOperation and nothing is made). Reference
// comes back as the created form (or data module) as an object reference —
// an integer, a well-formed Variant — through the descriptor's
// Variant-sized scratch field: the host writes the new object into a
// reference of its own, and the scratch field receives the object's
// integer before it is copied into Reference's Value. A failed CreateForm
// leaves Reference's Value as it was. HintMouseMessage's Message is the
// address of a message record the library handed out. MessageBox's Text
// and Caption are strings. ShowException's E is taken only while an
// OnException hook is reporting that exception (its E, handed to the
// listeners); any other value raises EInvalidCast.
//
// Events (the five steps of every hook): OnActionExecute / OnActionUpdate
// write Handled back, OnIdle Done; OnMessage and OnShortCut hand the
// listeners the address of the host's record (the 28-byte TMsg, the whole
// TWMKey the host holds) and copy it back from the address left there;
// OnShowHint stores HintStr, CanShow and the address of the host's hint
// record, and writes back HintStr, CanShow and the hint record at the
// address then held (the host's own, changed in place, or another record
// an OnShowHint is reporting now), whose string is HintStr as the
// listeners left it (the host hands the record's own string as HintStr);
// OnHelp writes CallHelp back and answers the host with the saved handler's
// Boolean (false without one); OnException stores Sender and E.
#pragma once

#include "descriptors/kelclasses.h"
#include "descriptors/kelsystem.h"
#include "host/forms/application.h"
#include "host/forms/screen.h"

namespace kel {

// Describes TMonitor: its number and bounds, read only.
class TMonitorClassInfo : public TkelDescriptor<TMonitorClassInfo, TObjectClassInfo, host::TMonitor> {
  KEL_DESCRIPTOR(TMonitorClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Handle::psReadable::pvPublic::0::Define::MonitorNum::psReadable::pvPublic::0::Define::Left::"
          "psReadable::pvPublic::0::Define::Height::psReadable::pvPublic::0::Define::Top::psReadable::pvPublic::0::"
          "Define::Width::psReadable::pvPublic::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMonitorClassInfo() override = default;
};

// Describes TScreen (see the top of this file).
class TScreenClassInfo : public TkelDescriptor<TScreenClassInfo, TComponentClassInfo, host::TScreen> {
  KEL_DESCRIPTOR(TScreenClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ActiveControl::psReadable::pvPublic::0::Define::ActiveCustomForm::psReadable::pvPublic::0::"
          "Define::ActiveForm::psReadable::pvPublic::0::Define::CustomFormCount::psReadable::pvPublic::0::Define::"
          "CustomForms::psReadable..psIndexed::pvPublic::1::Index::Define::Cursor::psReadable..psWritable::"
          "pvPublic::0::Define::Cursors::psReadable..psWritable..psIndexed::pvPublic::1::Index::Define::"
          "DataModules::psReadable..psIndexed::pvPublic::1::Index::Define::DataModuleCount::psReadable::pvPublic::"
          "0::Define::MonitorCount::psReadable::pvPublic::0::Define::Monitors::psReadable..psIndexed::pvPublic::1::"
          "Index::Define::DesktopHeight::psReadable::pvPublic::0::Define::DesktopLeft::psReadable::pvPublic::0::"
          "Define::DesktopTop::psReadable::pvPublic::0::Define::DesktopWidth::psReadable::pvPublic::0::Define::"
          "IconFont::psReadable..psWritable::pvPublic::0::Define::Fonts::psReadable::pvPublic::0::Define::"
          "FormCount::psReadable::pvPublic::0::Define::Forms::psReadable..psIndexed::pvPublic::1::Index::Define::"
          "Imes::psReadable::pvPublic::0::Define::DefaultIme::psReadable::pvPublic::0::Define::DefaultKbLayout::"
          "psReadable::pvPublic::0::Define::Height::psReadable::pvPublic::0::Define::PixelsPerInch::psReadable::"
          "pvPublic::0::Define::Width::psReadable::pvPublic::0",
      .Methods = "DisableAlign::msProcedure::0::EnableAlign::msProcedure::0::Realign::msProcedure::0",
      .Events = "Define::OnActiveControlChange::pvPublic::1::Sender::Define::OnActiveFormChange::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TScreenClassInfo() override = default;
};

// Describes TApplication (see the top of this file).
class TApplicationClassInfo : public TkelDescriptor<TApplicationClassInfo, TComponentClassInfo, host::TApplication> {
  KEL_DESCRIPTOR(TApplicationClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Active::psReadable::pvPublic::0::Define::AllowTesting::psReadable..psWritable::pvPublic::0::"
          "Define::CurrentHelpFile::psReadable::pvPublic::0::Define::DialogHandle::psReadable..psWritable::"
          "pvPublic::0::Define::ExeName::psReadable::pvPublic::0::Define::Handle::psReadable..psWritable::"
          "pvPublic::0::Define::HelpFile::psReadable..psWritable::pvPublic::0::Define::Hint::"
          "psReadable..psWritable::pvPublic::0::Define::HintColor::psReadable..psWritable::pvPublic::0::Define::"
          "HintHidePause::psReadable..psWritable::pvPublic::0::Define::HintPause::psReadable..psWritable::"
          "pvPublic::0::Define::HintShortCuts::psReadable..psWritable::pvPublic::0::Define::HintShortPause::"
          "psReadable..psWritable::pvPublic::0::Define::Icon::psReadable..psWritable::pvPublic::0::Define::"
          "MainForm::psReadable::pvPublic::0::Define::BiDiMode::psReadable..psWritable::pvPublic::0::Define::"
          "ShowHint::psReadable..psWritable::pvPublic::0::Define::ShowMainForm::psReadable..psWritable::pvPublic::"
          "0::Define::Terminated::psReadable::pvPublic::0::Define::Title::psReadable..psWritable::pvPublic::0::"
          "Define::UpdateFormatSettings::psReadable..psWritable::pvPublic::0::Define::UpdateMetricSettings::"
          "psReadable..psWritable::pvPublic::0",
      .Methods =
          "BringToFront::msProcedure::0::ControlDestroyed::msProcedure::1::Control::CancelHint::msProcedure::0::"
          "CreateForm::msProcedure::2::InstanceClass::Reference::CreateHandle::msProcedure::0::ExecuteAction::"
          "msFunction::1::Action::HandleException::msProcedure::1::Sender::HandleMessage::msProcedure::0::"
          "HelpCommand::msFunction::2::Command::Data::HelpContext::msFunction::1::Context::HelpJump::msFunction::"
          "1::JumpID::HideHint::msProcedure::0::HintMouseMessage::msProcedure::2::Control::Message::Initialize::"
          "msProcedure::0::IsRightToLeft::msFunction::0::MessageBox::msFunction::3::Text::Caption::Flags::"
          "Minimize::msProcedure::0::NormalizeAllTopMosts::msProcedure::0::NormalizeTopMosts::msProcedure::0::"
          "ProcessMessages::msProcedure::0::Restore::msProcedure::0::RestoreTopMosts::msProcedure::0::Run::"
          "msProcedure::0::ShowException::msProcedure::1::E::Terminate::msProcedure::0::UpdateAction::msFunction::"
          "1::Action::UseRightToLeftAlignment::msFunction::0::UseRightToLeftReading::msFunction::0::"
          "UseRightToLeftScrollBar::msFunction::0",
      .Events =
          "Define::OnActionExecute::pvPublic::2::Action::Handled::Define::OnActionUpdate::pvPublic::2::Action::"
          "Handled::Define::OnActivate::pvPublic::1::Sender::Define::OnDeactivate::pvPublic::1::Sender::Define::"
          "OnException::pvPublic::2::Sender::E::Define::OnIdle::pvPublic::2::Sender::Done::Define::OnHelp::"
          "pvPublic::3::Command::Data::CallHelp::Define::OnHint::pvPublic::1::Sender::Define::OnMessage::pvPublic::"
          "2::Msg::Handled::Define::OnMinimize::pvPublic::1::Sender::Define::OnRestore::pvPublic::1::Sender::"
          "Define::OnShowHint::pvPublic::3::HintStr::CanShow::HintInfo::Define::OnShortCut::pvPublic::2::Msg::"
          "Handled",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TApplicationClassInfo() override = default;
};

}  // namespace kel
