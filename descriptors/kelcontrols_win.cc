// The windowed control descriptors: TWinControl and its action link, the
// graphic and custom controls, the hint window and the control canvas.
#include "descriptors/kelcontrols_win.h"

#include <cstdint>
#include <string>
#include <type_traits>

#include "descriptors/kelhostargs.h"
#include "descriptors/kelinplace.h"
#include "host/classes/lists.h"
#include "host/controls/dragdock.h"
#include "host/graphics/graphics.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TWinControlActionLinkClassInfo)
KEL_DESCRIPTOR_IMPL(TWinControlClassInfo)
KEL_DESCRIPTOR_IMPL(TGraphicControlClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomControlClassInfo)
KEL_DESCRIPTOR_IMPL(THintWindowClassInfo)
KEL_DESCRIPTOR_IMPL(TControlCanvasClassInfo)

using host::TControl;
using host::TMessage;
using host::TWinControl;

namespace {

// ------------------------------------------------------------ event arguments

// OnGetSiteInfo: InfluenceRect is the address of the host's rectangle (the
// saved handler's change to it is kept); after the listeners the rectangle
// at the address the record then holds is copied back.
using TSiteInfoArgs = TkelHostRefArgs<host::TRect>;

// OnKeyPress: an empty string left by a listener is the character 0 (the
// key press consumed) rather than an error in the middle of the host's key
// handling.
struct TKeyPressArgs : TkelHookArgs {
  template <class A>
  static void WriteBack(TkelEventInfo& event, int i, std::remove_reference_t<A>& arg) {
    if constexpr (std::is_same_v<A, char&>) {
      const std::string key = event.GetArgs(i)->Value.AsString();
      arg = key.empty() ? '\0' : key[0];
    } else {
      TkelHookArgs::WriteBack<A>(event, i, arg);
    }
  }
};

// ------------------------------------------------------------ messages

// The size of the record the host reads a message as, by its number.
std::size_t RecordSize(const TMessage& message) {
  const uint32_t msg = message.Msg;
  if (msg == host::WM_MOUSEWHEEL) return sizeof(host::TWMMouseWheel);
  if (msg >= host::WM_MOUSEMOVE && msg <= host::WM_MBUTTONDBLCLK) return sizeof(host::TWMMouse);
  if (msg >= host::WM_KEYDOWN && msg <= host::WM_SYSCHAR) return sizeof(host::TWMKey);
  return sizeof(TMessage);
}

// ------------------------------------------------------------ checks

// A control taken into this one must not be this one or one of its
// parents (the tree of controls would close into a ring).
void InsertChecked(TWinControl& w, TControl* control) {
  for (TWinControl* p = &w; p && control; p = p->GetParent())
    if (p == control)
      throw host::EInvalidOperation("Control '%s' cannot be its own parent or the parent of one of its parents",
                                    {host::ControlDisplayName(control)});
  w.InsertControl(control);
}

// The dock manager belongs to its dock site, which frees it when it gets
// another: only none or a dock tree made for this control is taken, never
// one another control holds.
void SetDockManagerChecked(TWinControl& w, host::TDockTree* tree) {
  if (tree && tree->GetDockSite() != &w)
    throw host::EInvalidOperation("The dock manager of '%s' must be a dock tree of that control",
                                  {host::ControlDisplayName(&w)});
  w.SetDockManager(tree);
}

}  // namespace

// ------------------------------------------------------------ descriptors

void TWinControlClassInfo::MapFeatures(Map& m) {
  using W = TWinControl;
  m.Prop("BevelEdges", &W::GetBevelEdges, &W::SetBevelEdges)  // sets and handles: by address
      .Prop("BevelInner", &W::GetBevelInner, OrdinalSetter(&W::SetBevelInner, host::bvSpace, "BevelInner"))
      .Prop("BevelOuter", &W::GetBevelOuter, OrdinalSetter(&W::SetBevelOuter, host::bvSpace, "BevelOuter"))
      .Prop("BevelKind", &W::GetBevelKind, OrdinalSetter(&W::SetBevelKind, host::bkFlat, "BevelKind"))
      .Prop("BevelWidth", &W::GetBevelWidth, &W::SetBevelWidth)
      .Prop("BorderWidth", &W::GetBorderWidth, &W::SetBorderWidth)
      .Prop("Ctl3D", &W::GetCtl3D, &W::SetCtl3D)
      .Prop("DefWndProc", &W::GetDefWndProc, &W::SetDefWndProc)
      .Prop("DockSite", &W::GetDockSite, &W::SetDockSite)
      .Prop("DockManager", &W::GetDockManager, SetDockManagerChecked)
      .Prop("ImeMode", &W::GetImeMode, OrdinalSetter(&W::SetImeMode, host::imHanguel, "ImeMode"))
      .Prop("ImeName", &W::GetImeName, &W::SetImeName)
      .Prop("ParentCtl3D", &W::GetParentCtl3D, &W::SetParentCtl3D)
      .Prop("UseDockManager", &W::GetUseDockManager, &W::SetUseDockManager)
      .Prop("WheelAccumulator", &W::GetWheelAccumulator, &W::SetWheelAccumulator)
      .Prop("WindowHandle", &W::GetWindowHandle, &W::SetWindowHandle)
      .Prop("DockClientCount", &W::GetDockClientCount)
      .Indexed("DockClients", &W::GetDockClients)
      .Prop("DoubleBuffered", &W::GetDoubleBuffered, &W::SetDoubleBuffered)
      .Prop("Brush", &W::GetBrush)
      .Indexed("Controls", &W::GetControls)
      .Prop("ControlCount", &W::GetControlCount)
      .Prop("Handle", &W::GetHandle)
      .Prop("ParentWindow", &W::GetParentWindow, &W::SetParentWindow)
      .Prop("Showing", &W::GetShowing)
      .Prop("TabOrder", &W::GetTabOrder, &W::SetTabOrder)
      .Prop("TabStop", &W::GetTabStop, &W::SetTabStop)
      .Prop("HelpContext", &W::GetHelpContext, &W::SetHelpContext);
  m.Method("CreateParentedControl", &W::CreateParentedControl)
      // The record copied into scratch, its address back; the host reads
      // only the message number from it.
      .Method("Broadcast", static_cast<void (W::*)(host::TMessage&)>(&W::Broadcast))
      .Method("CanFocus", &W::CanFocus)
      .Method("ContainsControl", &W::ContainsControl)
      .Method("ControlAtPos",
              [](W& w, const host::TPoint& pos, bool allowDisabled) { return w.ControlAtPos(pos, allowDisabled); })
      .Method("DisableAlign", &W::DisableAlign)
      .Method("DockDrop", &W::DockDrop)
      .Method("EnableAlign", &W::EnableAlign)
      .Method("FindChildControl", &W::FindChildControl)
      .Method("FlipChildren", &W::FlipChildren)
      .Method("Focused", &W::Focused)
      .Method("GetTabOrderList", &W::GetTabOrderList)
      .Method("HandleAllocated", &W::HandleAllocated)
      .Method("HandleNeeded", &W::HandleNeeded)
      .Method("InsertControl", InsertChecked)
      .MethodRaw("MouseWheelHandler", InPlace(&W::MouseWheelHandler, RecordSize))
      .Method("PaintTo", &W::PaintTo)
      .Method("RemoveControl", &W::RemoveControl)
      .Method("Realign", &W::Realign)
      .Method("ScaleBy", &W::ScaleBy)
      .Method("ScrollBy", &W::ScrollBy)
      .Method("SetFocus", &W::SetFocus)
      .Method("UpdateControlState", &W::UpdateControlState);
  m.Event("OnDockDrop", &W::OnDockDrop)
      .Event("OnDockOver", &W::OnDockOver)
      .Event("OnEnter", &W::OnEnter)
      .Event("OnExit", &W::OnExit)
      .EventWith<TSiteInfoArgs>("OnGetSiteInfo", &W::OnGetSiteInfo)
      .Event("OnKeyDown", &W::OnKeyDown)
      .EventWith<TKeyPressArgs>("OnKeyPress", &W::OnKeyPress)
      .Event("OnKeyUp", &W::OnKeyUp)
      .Event("OnMouseWheel", &W::OnMouseWheel)
      .Event("OnMouseWheelDown", &W::OnMouseWheelDown)
      .Event("OnMouseWheelUp", &W::OnMouseWheelUp)
      .Event("OnUnDock", &W::OnUnDock);
}

void THintWindowClassInfo::MapFeatures(Map& m) {
  using H = host::THintWindow;
  m.Method("ActivateHint", &H::ActivateHint)
      .Method("ActivateHintData", &H::ActivateHintData)
      .Method("CalcHintRect", &H::CalcHintRect)  // the rectangle in a slot of its own
      .MethodRaw("IsHintMsg", InPlace(&H::IsHintMsg))  // the host reads the message number only
      .Method("ReleaseHandle", &H::ReleaseHandle);
}

void TControlCanvasClassInfo::MapFeatures(Map& m) {
  using C = host::TControlCanvas;
  m.Prop("Control", &C::GetControl, &C::SetControl);
  m.Method("FreeHandle", &C::FreeHandle).Method("UpdateTextFlags", &C::UpdateTextFlags);
}

}  // namespace kel
