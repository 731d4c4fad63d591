// Descriptors of the forms unit's forms and of the data module: the custom
// form maps the features, the active, plain and dock forms publish them
// (Override entries: no code, the custom form's descriptor serves them;
// the active form adds AxBorderStyle, the plain form its five MDI
// commands).
//
// Write-only entries: ClientHeight, ClientWidth and Visible are declared
// writable alone from the custom form on. The generic operations dispatch
// by name, so a read through a form's descriptor is still served by the
// control's descriptor; the declaration only tells connections and editors
// not to offer the read.
//
// Show and Hide are the form's own (they hide the control's non-virtual
// ones: a form shows itself, comes to the front and takes the focus).
// BorderIcons and FormState (sets), ClientHandle (a handle) travel by
// address; Designer and OleFormObject as the address of the object that
// implements the interface. IsShortCut's and WantChildKey's Message is the
// address of a key message or message record the library handed out,
// changed in place. GetFormImage's bitmap is the caller's to free.
//
// Events (the five steps of every hook): OnClose writes Action back as the
// close action's ordinal (outside caNone..caMinimize: ERangeError, the
// host's action unchanged); OnCloseQuery writes CanClose back; OnShortCut
// hands the listeners the address of the host's key message and copies the
// whole record (the TWMKey the host holds, not the classic 16 bytes) back
// from the address left there, then Handled. OnHelp stores Command, Data
// and CallHelp and writes CallHelp back; its Boolean answer to the host is
// the saved handler's (false without one): the listeners do not answer.
#pragma once

#include "descriptors/kelclasses.h"
#include "descriptors/kelforms_scrolling.h"
#include "host/classes/datamodule.h"
#include "host/forms/form.h"

namespace kel {

// Describes TCustomForm (see the top of this file).
class TCustomFormClassInfo
    : public TkelDescriptor<TCustomFormClassInfo, TScrollingWinControlClassInfo, host::TCustomForm> {
  KEL_DESCRIPTOR(TCustomFormClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ActiveMDIChild::psReadable::pvProtected::0::Define::BorderIcons::psReadable..psWritable::"
          "pvProtected::0::Override::AutoScroll::::pvProtected::Define::ClientHandle::psReadable::pvProtected::0::"
          "Override::ClientHeight::psWritable::pvProtected::Override::ClientWidth::psWritable::pvProtected::"
          "Override::Ctl3D::::pvProtected::Define::DefaultMonitor::psReadable..psWritable::pvProtected::0::Define::"
          "FormStyle::psReadable..psWritable::pvProtected::0::Override::Height::::pvProtected::Override::"
          "HorzScrollBar::::pvProtected::Define::Icon::psReadable..psWritable::pvProtected::0::Define::"
          "MDIChildCount::psReadable::pvProtected::0::Define::MDIChildren::psReadable..psIndexed::pvProtected::1::"
          "I::Define::OldCreateOrder::psReadable..psWritable::pvProtected::0::Define::ObjectMenuItem::"
          "psReadable..psWritable::pvProtected::0::Define::PixelsPerInch::psReadable..psWritable::pvProtected::0::"
          "Override::ParentFont::::pvProtected::Override::PopupMenu::::pvProtected::Define::Position::"
          "psReadable..psWritable::pvProtected::0::Define::PrintScale::psReadable..psWritable::pvProtected::0::"
          "Define::Scaled::psReadable..psWritable::pvProtected::0::Define::TileMode::psReadable..psWritable::"
          "pvProtected::0::Override::VertScrollBar::::pvProtected::Override::Visible::psWritable::pvProtected::"
          "Override::Width::::pvProtected::Define::WindowMenu::psReadable..psWritable::pvProtected::0::Define::"
          "Active::psReadable::pvPublic::0::Define::ActiveControl::psReadable..psWritable::pvPublic::0::Override::"
          "Action::::pvPublic::Define::ActiveOleControl::psReadable..psWritable::pvPublic::0::Define::BorderStyle::"
          "psReadable..psWritable::pvPublic::0::Define::Canvas::psReadable::pvPublic::0::Override::Caption::::"
          "pvPublic::Override::Color::::pvPublic::Define::Designer::psReadable..psWritable::pvPublic::0::Define::"
          "DropTarget::psReadable..psWritable::pvPublic::0::Override::Font::::pvPublic::Define::FormState::"
          "psReadable::pvPublic::0::Define::HelpFile::psReadable..psWritable::pvPublic::0::Define::KeyPreview::"
          "psReadable..psWritable::pvPublic::0::Define::Menu::psReadable..psWritable::pvPublic::0::Define::"
          "ModalResult::psReadable..psWritable::pvPublic::0::Define::Monitor::psReadable::pvPublic::0::Define::"
          "OleFormObject::psReadable..psWritable::pvPublic::0::Define::WindowState::psReadable..psWritable::"
          "pvPublic::0",
      .Methods =
          "Close::msProcedure::0::CloseQuery::msFunction::0::DefocusControl::msProcedure::2::Control::Removing::"
          "FocusControl::msProcedure::1::Control::GetFormImage::msFunction::0::Hide::msProcedure::0::IsShortCut::"
          "msFunction::1::Message::Print::msProcedure::0::Release::msProcedure::0::SendCancelMode::msProcedure::1::"
          "Sender::SetFocusedControl::msFunction::1::Control::Show::msProcedure::0::ShowModal::msFunction::0::"
          "WantChildKey::msFunction::2::Child::Message",
      .Constructors = "CreateNew::2::AOwner::Dummy",
      .Events =
          "Define::OnActivate::pvProtected::1::Sender::Override::OnCanResize::pvProtected::Override::OnClick::"
          "pvProtected::Define::OnClose::pvProtected::2::Sender::Action::Define::OnCloseQuery::pvProtected::2::"
          "Sender::CanClose::Define::OnCreate::pvProtected::1::Sender::Override::OnDblClick::pvProtected::Define::"
          "OnDestroy::pvProtected::1::Sender::Define::OnDeactivate::pvProtected::1::Sender::Override::OnDragDrop::"
          "pvProtected::Override::OnDragOver::pvProtected::Define::OnHelp::pvProtected::3::Command::Data::"
          "CallHelp::Define::OnHide::pvProtected::1::Sender::Override::OnKeyDown::pvProtected::Override::"
          "OnKeyPress::pvProtected::Override::OnKeyUp::pvProtected::Override::OnMouseDown::pvProtected::Override::"
          "OnMouseMove::pvProtected::Override::OnMouseUp::pvProtected::Define::OnPaint::pvProtected::1::Sender::"
          "Override::OnResize::pvProtected::Define::OnShortCut::pvProtected::2::Msg::Handled::Define::OnShow::"
          "pvProtected::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomFormClassInfo() override = default;
};

// Describes TCustomActiveForm: its AxBorderStyle; inherited features published.
class TCustomActiveFormClassInfo
    : public TkelDescriptor<TCustomActiveFormClassInfo, TCustomFormClassInfo, host::TCustomActiveForm> {
  KEL_DESCRIPTOR(TCustomActiveFormClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Visible::::pvPublic::Override::ActiveControl::::pvPublished::Override::Anchors::::"
          "pvPublished::Override::AutoScroll::::pvPublished::Override::AutoSize::::pvPublished::Define::"
          "AxBorderStyle::psReadable..psWritable::pvPublished::0::Override::BorderWidth::::pvPublished::Override::"
          "Caption::::pvPublished::Override::Color::::pvPublished::Override::Constraints::::pvPublished::Override::"
          "Font::::pvPublished::Override::Height::::pvPublished::Override::HorzScrollBar::::pvPublished::Override::"
          "KeyPreview::::pvPublished::Override::OldCreateOrder::::pvPublished::Override::PixelsPerInch::::"
          "pvPublished::Override::PopupMenu::::pvPublished::Override::PrintScale::::pvPublished::Override::Scaled::"
          "::pvPublished::Override::ShowHint::::pvPublished::Override::VertScrollBar::::pvPublished::Override::"
          "Width::::pvPublished",
      .Events =
          "Override::OnActivate::pvPublished::Override::OnClick::pvPublished::Override::OnCreate::pvPublished::"
          "Override::OnDblClick::pvPublished::Override::OnDestroy::pvPublished::Override::OnDeactivate::"
          "pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::Override::OnKeyDown::"
          "pvPublished::Override::OnKeyPress::pvPublished::Override::OnKeyUp::pvPublished::Override::OnMouseDown::"
          "pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::Override::OnPaint::"
          "pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomActiveFormClassInfo() override = default;
};

// Describes TForm: the MDI commands; inherited features published.
class TFormClassInfo : public TkelDescriptor<TFormClassInfo, TCustomFormClassInfo, host::TForm> {
  KEL_DESCRIPTOR(TFormClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::ActiveMDIChild::::pvPublic::Override::ClientHandle::::pvPublic::Override::DockManager::::"
          "pvPublic::Override::MDIChildCount::::pvPublic::Override::MDIChildren::::pvPublic::Override::TileMode::::"
          "pvPublic::Override::Action::::pvPublished::Override::ActiveControl::::pvPublished::Override::Align::::"
          "pvPublished::Override::Anchors::::pvPublished::Override::AutoScroll::::pvPublished::Override::AutoSize::"
          "::pvPublished::Override::BiDiMode::::pvPublished::Override::BorderIcons::::pvPublished::Override::"
          "BorderStyle::::pvPublished::Override::BorderWidth::::pvPublished::Override::Caption::::pvPublished::"
          "Override::ClientHeight::::pvPublished::Override::ClientWidth::::pvPublished::Override::Color::::"
          "pvPublished::Override::Constraints::::pvPublished::Override::Ctl3D::::pvPublished::Override::"
          "UseDockManager::::pvPublished::Override::DefaultMonitor::::pvPublished::Override::DockSite::::"
          "pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::Font::::pvPublished::Override::FormStyle::::"
          "pvPublished::Override::Height::::pvPublished::Override::HelpFile::::pvPublished::Override::"
          "HorzScrollBar::::pvPublished::Override::Icon::::pvPublished::Override::KeyPreview::::pvPublished::"
          "Override::Menu::::pvPublished::Override::OldCreateOrder::::pvPublished::Override::ObjectMenuItem::::"
          "pvPublished::Override::ParentBiDiMode::::pvPublished::Override::PixelsPerInch::::pvPublished::Override::"
          "PopupMenu::::pvPublished::Override::Position::::pvPublished::Override::PrintScale::::pvPublished::"
          "Override::Scaled::::pvPublished::Override::ShowHint::::pvPublished::Override::VertScrollBar::::"
          "pvPublished::Override::Visible::::pvPublished::Override::Width::::pvPublished::Override::WindowState::::"
          "pvPublished::Override::WindowMenu::::pvPublished",
      .Methods =
          "ArrangeIcons::msProcedure::0::Cascade::msProcedure::0::Next::msProcedure::0::Previous::msProcedure::0::"
          "Tile::msProcedure::0",
      .Events =
          "Override::OnActivate::pvPublished::Override::OnCanResize::pvPublished::Override::OnClick::pvPublished::"
          "Override::OnClose::pvPublished::Override::OnCloseQuery::pvPublished::Override::OnConstrainedResize::"
          "pvPublished::Override::OnCreate::pvPublished::Override::OnDblClick::pvPublished::Override::OnDestroy::"
          "pvPublished::Override::OnDeactivate::pvPublished::Override::OnDockDrop::pvPublished::Override::"
          "OnDockOver::pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::"
          "Override::OnEndDock::pvPublished::Override::OnGetSiteInfo::pvPublished::Override::OnHide::pvPublished::"
          "Override::OnHelp::pvPublished::Override::OnKeyDown::pvPublished::Override::OnKeyPress::pvPublished::"
          "Override::OnKeyUp::pvPublished::Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::"
          "Override::OnMouseUp::pvPublished::Override::OnMouseWheel::pvPublished::Override::OnMouseWheelDown::"
          "pvPublished::Override::OnMouseWheelUp::pvPublished::Override::OnPaint::pvPublished::Override::OnResize::"
          "pvPublished::Override::OnShortCut::pvPublished::Override::OnShow::pvPublished::Override::OnStartDock::"
          "pvPublished::Override::OnUnDock::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TFormClassInfo() override = default;
};

// Describes TCustomDockForm: inherited features made public or published.
class TCustomDockFormClassInfo
    : public TkelDescriptor<TCustomDockFormClassInfo, TCustomFormClassInfo, host::TCustomDockForm> {
  KEL_DESCRIPTOR(TCustomDockFormClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::AutoScroll::::pvPublic::Override::BorderStyle::::pvPublic::Override::FormStyle::::pvPublic::"
          "Override::PixelsPerInch::::pvPublished",
  };

 protected:
  ~TCustomDockFormClassInfo() override = default;
};

// Describes TDataModule: the designer's offset and size (points, by
// address), OldCreateOrder, OnCreate and OnDestroy.
class TDataModuleClassInfo : public TkelDescriptor<TDataModuleClassInfo, TComponentClassInfo, host::TDataModule> {
  KEL_DESCRIPTOR(TDataModuleClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::DesignOffset::psReadable..psWritable::pvPublic::0::Define::DesignSize::psReadable..psWritable::"
          "pvPublic::0::Define::OldCreateOrder::psReadable..psWritable::pvPublished::0",
      .Constructors = "CreateNew::2::AOwner::Dummy",
      .Events = "Define::OnCreate::pvPublished::1::Sender::Define::OnDestroy::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TDataModuleClassInfo() override = default;
};

}  // namespace kel
