// The form descriptors (custom, active, plain and dock forms) and the data
// module's.
#include "descriptors/kelforms_forms.h"

#include "descriptors/kelforms_args.h"
#include "host/forms/screen.h"
#include "host/graphics/graphics.h"
#include "host/menus/menus.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TCustomFormClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomActiveFormClassInfo)
KEL_DESCRIPTOR_IMPL(TFormClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomDockFormClassInfo)
KEL_DESCRIPTOR_IMPL(TDataModuleClassInfo)

namespace {

using F = host::TCustomForm;

void MapFormProperties(TCustomFormClassInfo::Map& m) {
  m.Prop("ActiveMDIChild", &F::GetActiveMDIChild)
      .Prop("BorderIcons", &F::GetBorderIcons, &F::SetBorderIcons)  // a set, by address
      .Prop("ClientHandle", &F::GetClientHandle)                    // a handle, by address
      .Prop("DefaultMonitor", &F::GetDefaultMonitor,
            OrdinalSetter(&F::SetDefaultMonitor, host::dmActiveForm, "DefaultMonitor"))
      .Prop("FormStyle", &F::GetFormStyle, OrdinalSetter(&F::SetFormStyle, host::fsStayOnTop, "FormStyle"))
      .Prop("Icon", &F::GetIcon, &F::SetIcon)
      .Prop("MDIChildCount", &F::GetMDIChildCount)
      .Indexed("MDIChildren", &F::GetMDIChildren)
      .Prop("OldCreateOrder", &F::GetOldCreateOrder, &F::SetOldCreateOrder)
      .Prop("ObjectMenuItem", &F::GetObjectMenuItem, &F::SetObjectMenuItem)
      .Prop("PixelsPerInch", &F::GetPixelsPerInch, &F::SetPixelsPerInch)
      .Prop("Position", &F::GetPosition, OrdinalSetter(&F::SetPosition, host::poDesktopCenter, "Position"))
      .Prop("PrintScale", &F::GetPrintScale, OrdinalSetter(&F::SetPrintScale, host::poPrintToFit, "PrintScale"))
      .Prop("Scaled", &F::GetScaled, &F::SetScaled)
      .Prop("TileMode", &F::GetTileMode, OrdinalSetter(&F::SetTileMode, host::tbVertical, "TileMode"))
      .Prop("WindowMenu", &F::GetWindowMenu, &F::SetWindowMenu)
      .Prop("Active", &F::GetActive)
      .Prop("ActiveControl", &F::GetActiveControl, &F::SetActiveControl)
      .Prop("ActiveOleControl", &F::GetActiveOleControl, &F::SetActiveOleControl)
      .Prop("BorderStyle", &F::GetBorderStyle, OrdinalSetter(&F::SetBorderStyle, host::bsSizeToolWin, "BorderStyle"))
      .Prop("Canvas", &F::GetCanvas)
      .Prop("Designer", &F::GetDesigner, &F::SetDesigner)
      .Prop("DropTarget", &F::GetDropTarget, &F::SetDropTarget)
      .Prop("FormState", &F::GetFormState)  // a set, by address
      .Prop("HelpFile", &F::GetHelpFile, &F::SetHelpFile)
      .Prop("KeyPreview", &F::GetKeyPreview, &F::SetKeyPreview)
      .Prop("Menu", &F::GetMenu, &F::SetMenu)
      .Prop("ModalResult", &F::GetModalResult, &F::SetModalResult)
      .Prop("Monitor", &F::GetMonitor)
      .Prop("OleFormObject", &F::GetOleFormObject, &F::SetOleFormObject)
      .Prop("WindowState", &F::GetWindowState, OrdinalSetter(&F::SetWindowState, host::wsMaximized, "WindowState"));
}

}  // namespace

void TCustomFormClassInfo::MapFeatures(Map& m) {
  MapFormProperties(m);
  m.Method("Close", &F::Close)
      .Method("CloseQuery", &F::CloseQuery)
      .Method("DefocusControl", &F::DefocusControl)
      .Method("FocusControl", &F::FocusControl)
      .Method("GetFormImage", &F::GetFormImage)
      .Method("Hide", &F::Hide)  // the form's own, not the control's
      .MethodRaw("IsShortCut", InPlace(&F::IsShortCut))
      .Method("Print", &F::Print)
      .Method("Release", &F::Release)
      .Method("SendCancelMode", &F::SendCancelMode)
      .Method("SetFocusedControl", &F::SetFocusedControl)
      .Method("Show", &F::Show)  // the form's own, not the control's
      .Method("ShowModal", &F::ShowModal)
      .MethodRaw("WantChildKey", InPlaceAfter(&F::WantChildKey));
  m.Event("OnActivate", &F::OnActivate)
      .EventWith<TCloseArgs>("OnClose", &F::OnClose)
      .Event("OnCloseQuery", &F::OnCloseQuery)
      .Event("OnCreate", &F::OnCreate)
      .Event("OnDestroy", &F::OnDestroy)
      .Event("OnDeactivate", &F::OnDeactivate)
      .Event("OnHelp", &F::OnHelp)  // the answer (last parameter) is the saved handler's
      .Event("OnHide", &F::OnHide)
      .Event("OnPaint", &F::OnPaint)
      .EventWith<TShortCutArgs>("OnShortCut", &F::OnShortCut)
      .Event("OnShow", &F::OnShow);
}

void TCustomActiveFormClassInfo::MapFeatures(Map& m) {
  using A = host::TCustomActiveForm;
  m.Prop("AxBorderStyle", &A::GetAxBorderStyle, OrdinalSetter(&A::SetAxBorderStyle, host::afbRaised, "AxBorderStyle"));
}

void TFormClassInfo::MapFeatures(Map& m) {
  using T = host::TForm;
  m.Method("ArrangeIcons", &T::ArrangeIcons)
      .Method("Cascade", &T::Cascade)
      .Method("Next", &T::Next)
      .Method("Previous", &T::Previous)
      .Method("Tile", &T::Tile);
}

void TDataModuleClassInfo::MapFeatures(Map& m) {
  using D = host::TDataModule;
  m.Prop("DesignOffset", &D::GetDesignOffset, &D::SetDesignOffset)  // points, by address
      .Prop("DesignSize", &D::GetDesignSize, &D::SetDesignSize)
      .Prop("OldCreateOrder", &D::GetOldCreateOrder, &D::SetOldCreateOrder);
  m.Event("OnCreate", &D::OnCreate).Event("OnDestroy", &D::OnDestroy);
}

}  // namespace kel
