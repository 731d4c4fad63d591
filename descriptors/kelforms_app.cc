// The desktop descriptors: monitor, screen, application.
#include "descriptors/kelforms_app.h"

#include <cstdint>
#include <string>

#include "descriptors/kelforms_args.h"
#include "host/classes/datamodule.h"
#include "host/forms/form.h"
#include "host/graphics/graphics.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TMonitorClassInfo)
KEL_DESCRIPTOR_IMPL(TScreenClassInfo)
KEL_DESCRIPTOR_IMPL(TApplicationClassInfo)

using host::TApplication;

namespace {

// CreateForm (see the header): the host writes the new object into a
// reference of its own; the Variant-sized scratch field `slot` receives it
// as an object reference, and Reference's Value a copy of that.
auto CreateFormEntry(std::size_t slot) {
  return [slot](TApplicationClassInfo& d, TkelMethodInfo& m) {
    CheckFeatureCount("Method", m.Name, "arguments", m.GetArgCount(), 2);
    TApplication& app = d.HostOwner();
    const host::TClass instanceClass = FromVariant<host::TClass>(m.GetArgs(0)->Value);
    host::TComponent* made = nullptr;
    TkelLiveFrame frame(d.LiveFrames());
    app.CreateForm(instanceClass, &made);
    if (frame.Destroyed) return;  // the new form freed the descriptor
    host::Variant& reference = d.Scratch().template Slot<host::Variant>(slot);
    reference = ToVariant(made);
    m.GetArgs(1)->Value = reference;
  };
}

// ShowException takes only an exception an OnException hook is reporting.
void ShowReported(TApplication& app, const host::Variant& e) {
  app.ShowException(&TkelLiveAddresses<host::Exception>::At(e.AsPointer(), "an exception"));
}

// MessageBox's Flags as the classic integer (not a system value by address).
int32_t MessageBoxOf(TApplication& app, const char* text, const char* caption, int32_t flags) {
  return app.MessageBox(text, caption, static_cast<uint32_t>(flags));
}

void MapApplicationProperties(TApplicationClassInfo::Map& m) {
  using A = TApplication;
  m.Prop("Active", &A::GetActive)
      .Prop("AllowTesting", &A::GetAllowTesting, &A::SetAllowTesting)
      .Prop("CurrentHelpFile", &A::GetCurrentHelpFile)
      .Prop("DialogHandle", &A::GetDialogHandle, &A::SetDialogHandle)  // handles, by address
      .Prop("ExeName", &A::GetExeName)
      .Prop("Handle", &A::GetHandle, &A::SetHandle)
      .Prop("HelpFile", &A::GetHelpFile, &A::SetHelpFile)
      .Prop("Hint", &A::GetHint, &A::SetHint)
      .Prop("HintColor", &A::GetHintColor, &A::SetHintColor)
      .Prop("HintHidePause", &A::GetHintHidePause, &A::SetHintHidePause)
      .Prop("HintPause", &A::GetHintPause, &A::SetHintPause)
      .Prop("HintShortCuts", &A::GetHintShortCuts, &A::SetHintShortCuts)
      .Prop("HintShortPause", &A::GetHintShortPause, &A::SetHintShortPause)
      .Prop("Icon", &A::GetIcon, &A::SetIcon)
      .Prop("MainForm", &A::GetMainForm)
      .Prop("BiDiMode", &A::GetBiDiMode, OrdinalSetter(&A::SetBiDiMode, host::bdRightToLeftReadingOnly, "BiDiMode"))
      .Prop("ShowHint", &A::GetShowHint, &A::SetShowHint)
      .Prop("ShowMainForm", &A::GetShowMainForm, &A::SetShowMainForm)
      .Prop("Terminated", &A::GetTerminated)
      .Prop("Title", &A::GetTitle, &A::SetTitle)
      .Prop("UpdateFormatSettings", &A::GetUpdateFormatSettings, &A::SetUpdateFormatSettings)
      .Prop("UpdateMetricSettings", &A::GetUpdateMetricSettings, &A::SetUpdateMetricSettings);
}

}  // namespace

void TMonitorClassInfo::MapFeatures(Map& m) {
  using M = host::TMonitor;
  m.Prop("Handle", &M::GetHandle)  // by address
      .Prop("MonitorNum", &M::GetMonitorNum)
      .Prop("Left", &M::GetLeft)
      .Prop("Height", &M::GetHeight)
      .Prop("Top", &M::GetTop)
      .Prop("Width", &M::GetWidth);
}

void TScreenClassInfo::MapFeatures(Map& m) {
  using S = host::TScreen;
  m.Prop("ActiveControl", &S::GetActiveControl)
      .Prop("ActiveCustomForm", &S::GetActiveCustomForm)
      .Prop("ActiveForm", &S::GetActiveForm)
      .Prop("CustomFormCount", &S::GetCustomFormCount)
      .Indexed("CustomForms", &S::GetCustomForms)
      .Prop("Cursor", &S::GetCursor, &S::SetCursor)
      .Indexed("Cursors", &S::GetCursors, &S::SetCursors)  // the handle by address
      .Indexed("DataModules", &S::GetDataModules)
      .Prop("DataModuleCount", &S::GetDataModuleCount)
      .Prop("MonitorCount", &S::GetMonitorCount)
      .Indexed("Monitors", &S::GetMonitors)
      .Prop("DesktopHeight", &S::GetDesktopHeight)
      .Prop("DesktopLeft", &S::GetDesktopLeft)
      .Prop("DesktopTop", &S::GetDesktopTop)
      .Prop("DesktopWidth", &S::GetDesktopWidth)
      .Prop("IconFont", &S::GetIconFont, &S::SetIconFont)
      .Prop("Fonts", &S::GetFonts)
      .Prop("FormCount", &S::GetFormCount)
      .Indexed("Forms", &S::GetForms)
      .Prop("Imes", &S::GetImes)
      .Prop("DefaultIme", &S::GetDefaultIme)
      .Prop("DefaultKbLayout", &S::GetDefaultKbLayout)  // by address
      .Prop("Height", &S::GetHeight)
      .Prop("PixelsPerInch", &S::GetPixelsPerInch)
      .Prop("Width", &S::GetWidth);
  m.Method("DisableAlign", &S::DisableAlign).Method("EnableAlign", &S::EnableAlign).Method("Realign", &S::Realign);
  m.Event("OnActiveControlChange", &S::OnActiveControlChange).Event("OnActiveFormChange", &S::OnActiveFormChange);
}

void TApplicationClassInfo::MapFeatures(Map& m) {
  using A = TApplication;
  MapApplicationProperties(m);
  m.Method("BringToFront", &A::BringToFront)
      .Method("ControlDestroyed", &A::ControlDestroyed)
      .Method("CancelHint", &A::CancelHint)
      .MethodRaw("CreateForm", CreateFormEntry(m.NewSlot<host::Variant>()))
      .Method("CreateHandle", &A::CreateHandle)
      .Method("ExecuteAction", &A::ExecuteAction)
      .Method("HandleException", &A::HandleException)
      .Method("HandleMessage", &A::HandleMessage)
      .Method("HelpCommand", &A::HelpCommand)
      .Method("HelpContext", &A::HelpContext)
      .Method("HelpJump", &A::HelpJump)
      .Method("HideHint", &A::HideHint)
      .MethodRaw("HintMouseMessage", InPlaceAfter(&A::HintMouseMessage))
      .Method("Initialize", &A::Initialize)
      .Method("IsRightToLeft", &A::IsRightToLeft)
      .Method("MessageBox", MessageBoxOf)
      .Method("Minimize", &A::Minimize)
      .Method("NormalizeAllTopMosts", &A::NormalizeAllTopMosts)
      .Method("NormalizeTopMosts", &A::NormalizeTopMosts)
      .Method("ProcessMessages", &A::ProcessMessages)
      .Method("Restore", &A::Restore)
      .Method("RestoreTopMosts", &A::RestoreTopMosts)
      .Method("Run", &A::Run)
      .Method("ShowException", ShowReported)
      .Method("Terminate", &A::Terminate)
      .Method("UpdateAction", &A::UpdateAction)
      .Method("UseRightToLeftAlignment", &A::UseRightToLeftAlignment)
      .Method("UseRightToLeftReading", &A::UseRightToLeftReading)
      .Method("UseRightToLeftScrollBar", &A::UseRightToLeftScrollBar);
  m.Event("OnActionExecute", &A::OnActionExecute)
      .Event("OnActionUpdate", &A::OnActionUpdate)
      .Event("OnActivate", &A::OnActivate)
      .Event("OnDeactivate", &A::OnDeactivate)
      .EventWith<TExceptionArgs>("OnException", &A::OnException)
      .Event("OnIdle", &A::OnIdle)
      .Event("OnHelp", &A::OnHelp)  // the answer (last parameter) is the saved handler's
      .Event("OnHint", &A::OnHint)
      .EventWith<TMessageArgs>("OnMessage", &A::OnMessage)
      .Event("OnMinimize", &A::OnMinimize)
      .Event("OnRestore", &A::OnRestore)
      .EventWith<TShowHintArgs>("OnShowHint", &A::OnShowHint)
      .EventWith<TShortCutArgs>("OnShortCut", &A::OnShortCut);
}

}  // namespace kel
