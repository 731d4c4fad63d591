// The base control descriptors: the control action link, size constraints
// and TControl.
#include "descriptors/kelcontrols_control.h"

#include <cstdint>
#include <map>
#include <utility>

#include "host/controls/dragdock.h"
#include "host/controls/wincontrol.h"
#include "host/graphics/graphics.h"
#include "host/menus/menus.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TControlActionLinkClassInfo)
KEL_DESCRIPTOR_IMPL(TSizeConstraintsClassInfo)
KEL_DESCRIPTOR_IMPL(TControlClassInfo)

using host::TControl;
using host::TSizeConstraints;

// ---------------------------------------------------------------- WindowText

namespace {

// The texts WindowText reads handed out, by the address of their first
// character, with their length. Never destroyed: descriptors may outlive the
// program's static destructors. Main thread only, like every descriptor.
std::map<const char*, std::size_t>& HeldTexts() {
  static auto* const texts = new std::map<const char*, std::size_t>;
  return *texts;
}

}  // namespace

const char* TkelWindowText::Hold(std::string text) {
  Forget();
  FText = std::move(text);
  HeldTexts()[FText.c_str()] = FText.size();
  FHeld = true;
  return FText.c_str();
}

void TkelWindowText::Forget() noexcept {
  if (FHeld) HeldTexts().erase(FText.c_str());
  FHeld = false;
}

std::string TkelWindowText::TextAt(const void* address) {
  if (!address) return {};
  const auto it = HeldTexts().find(static_cast<const char*>(address));
  if (it == HeldTexts().end())
    throw host::EInvalidCast("Invalid typecast: %s is not the address of a text handed out by WindowText",
                             {host::IntToStr(static_cast<int64_t>(reinterpret_cast<uintptr_t>(address)))});
  return std::string(it->first, it->second);
}

// ---------------------------------------------------------------- checks

namespace {

// An enumeration argument checked against its last member before the host
// sees it (the host indexes tables by the side a control docks at).
host::TAlign SideOf(int32_t ordinal) { return CheckedOrdinal(ordinal, host::alCustom, "ControlSide"); }

// The class of the window a floating control is put in: a windowed control
// class, or none.
void SetFloatingClass(TControl& c, host::TClass cls) {
  if (cls && !cls->InheritsFrom(&host::TWinControl::StaticMetaClass))
    throw host::EInvalidCast("Invalid typecast: %s is not a windowed control class", {cls->Name});
  c.SetFloatingDockSiteClass(cls);
}

// The action link belongs to the control, which makes it when an action is
// assigned and frees it: only the link the control has is taken (nothing
// changes); the link follows Action.
void KeepActionLink(TControl& c, host::TControlActionLink* link) {
  if (link != c.GetActionLink())
    throw host::EInvalidOperation("The action link of '%s' follows its Action and cannot be set",
                                  {host::ControlDisplayName(&c)});
}

// Copies the control's text into `buffer`: at most BufSize - 1 characters,
// the count returned; the buffer travels as a string.
int32_t TextBuf(TControl& c, std::string& buffer, int32_t size) {
  if (size < 0) throw host::ERangeError("GetTextBuf: BufSize must not be negative (%d)", {size});
  std::string text(static_cast<std::size_t>(std::min(size, c.GetTextLen() + 1)), '\0');
  const int32_t copied = text.empty() ? 0 : c.GetTextBuf(text.data(), static_cast<int32_t>(text.size()));
  text.resize(static_cast<std::size_t>(copied));
  buffer = std::move(text);
  return copied;
}

}  // namespace

// ---------------------------------------------------------------- descriptors

void TSizeConstraintsClassInfo::MapFeatures(Map& m) {
  using S = TSizeConstraints;
  m.Prop("Control", &S::GetControl)
      .Prop("MaxHeight", &S::GetMaxHeight, &S::SetMaxHeight)
      .Prop("MaxWidth", &S::GetMaxWidth, &S::SetMaxWidth)
      .Prop("MinHeight", &S::GetMinHeight, &S::SetMinHeight)
      .Prop("MinWidth", &S::GetMinWidth, &S::SetMinWidth);
  m.Event("OnChange", &S::OnChange);
}

void TControlClassInfo::MapFeatures(Map& m) {
  using C = TControl;
  const std::size_t windowText = m.NewSlot<TkelWindowText>();
  m.Prop("ActionLink", &C::GetActionLink, KeepActionLink)
      .Prop("AutoSize", &C::GetAutoSize, &C::SetAutoSize)
      .Prop("Caption", &C::GetCaption, &C::SetCaption)
      .Prop("Color", &C::GetColor, &C::SetColor)
      .Prop("DesktopFont", &C::GetDesktopFont, &C::SetDesktopFont)
      .Prop("DragKind", &C::GetDragKind, OrdinalSetter(&C::SetDragKind, host::dkDock, "DragKind"))
      .Prop("DragCursor", &C::GetDragCursor, &C::SetDragCursor)
      .Prop("DragMode", &C::GetDragMode, OrdinalSetter(&C::SetDragMode, host::dmAutomatic, "DragMode"))
      .Prop("Font", &C::GetFont, &C::SetFont)
      .Prop("IsControl", &C::GetIsControl, &C::SetIsControl)
      .Prop("MouseCapture", &C::GetMouseCapture, &C::SetMouseCapture)
      .Prop("ParentBiDiMode", &C::GetParentBiDiMode, &C::SetParentBiDiMode)
      .Prop("ParentColor", &C::GetParentColor, &C::SetParentColor)
      .Prop("ParentFont", &C::GetParentFont, &C::SetParentFont)
      .Prop("ParentShowHint", &C::GetParentShowHint, &C::SetParentShowHint)
      .Prop("PopupMenu", &C::GetPopupMenu, &C::SetPopupMenu)
      .Prop("ScalingFlags", &C::GetScalingFlags, &C::SetScalingFlags)  // sets, rectangles, points: by address
      .Prop("Text", &C::GetText, &C::SetText)
      .PropRaw(
          "WindowText",
          [windowText](TControlClassInfo& d, TkelPropertyInfo& p) {
            CheckFeatureCount("Property", p.Name, "index values", p.GetIndexCount(), 0);
            const std::string text = d.HostOwner().GetText();
            return host::Variant::FromPointer(d.Scratch().Slot<TkelWindowText>(windowText).Hold(text));
          },
          [](TControlClassInfo& d, TkelPropertyInfo& p, const host::Variant& v) {
            CheckFeatureCount("Property", p.Name, "index values", p.GetIndexCount(), 0);
            TControl& c = d.HostOwner();
            c.SetText(TkelWindowText::TextAt(v.AsPointer()));
          })
      .Prop("Enabled", &C::GetEnabled, &C::SetEnabled)
      .Prop("Action", &C::GetAction, &C::SetAction)
      .Prop("Align", &C::GetAlign, OrdinalSetter(&C::SetAlign, host::alCustom, "Align"))
      .Prop("Anchors", &C::GetAnchors, &C::SetAnchors)
      .Prop("BiDiMode", &C::GetBiDiMode, OrdinalSetter(&C::SetBiDiMode, host::bdRightToLeftReadingOnly, "BiDiMode"))
      .Prop("BoundsRect", &C::GetBoundsRect, &C::SetBoundsRect)
      .Prop("ClientHeight", &C::GetClientHeight, &C::SetClientHeight)
      .Prop("ClientOrigin", &C::GetClientOrigin)
      .Prop("ClientRect", &C::GetClientRect)
      .Prop("ClientWidth", &C::GetClientWidth, &C::SetClientWidth)
      .Prop("Constraints", &C::GetConstraints, &C::SetConstraints)
      .Prop("ControlState", &C::GetControlState, &C::SetControlState)
      .Prop("ControlStyle", &C::GetControlStyle, &C::SetControlStyle)
      .Prop("DockOrientation", &C::GetDockOrientation,
            OrdinalSetter(&C::SetDockOrientation, host::doVertical, "DockOrientation"))
      .Prop("Floating", &C::GetFloating)
      .Prop("FloatingDockSiteClass", &C::GetFloatingDockSiteClass, SetFloatingClass)
      .Prop("HostDockSite", &C::GetHostDockSite, &C::SetHostDockSite)
      .Prop("LRDockWidth", &C::GetLRDockWidth, &C::SetLRDockWidth)
      .Prop("Parent", &C::GetParent, &C::SetParent)
      .Prop("ShowHint", &C::GetShowHint, &C::SetShowHint)
      .Prop("TBDockHeight", &C::GetTBDockHeight, &C::SetTBDockHeight)
      .Prop("UndockHeight", &C::GetUndockHeight, &C::SetUndockHeight)
      .Prop("UndockWidth", &C::GetUndockWidth, &C::SetUndockWidth)
      .Prop("Visible", &C::GetVisible, &C::SetVisible)
      .Prop("Left", &C::GetLeft, &C::SetLeft)
      .Prop("Top", &C::GetTop, &C::SetTop)
      .Prop("Width", &C::GetWidth, &C::SetWidth)
      .Prop("Height", &C::GetHeight, &C::SetHeight)
      .Prop("Cursor", &C::GetCursor, &C::SetCursor)
      .Prop("Hint", &C::GetHint, &C::SetHint);
  m.Method("BeginDrag", &C::BeginDrag)
      .Method("BringToFront", &C::BringToFront)
      .Method("ClientToScreen", &C::ClientToScreen)  // points by address
      .Method("Dock", &C::Dock)
      .Method("Dragging", &C::Dragging)
      .Method("DragDrop", &C::DragDrop)
      .Method("DrawTextBiDiModeFlags", &C::DrawTextBiDiModeFlags)
      .Method("DrawTextBiDiModeFlagsReadingOnly", &C::DrawTextBiDiModeFlagsReadingOnly)
      .Method("EndDrag", &C::EndDrag)
      .Method("GetControlsAlignment", &C::GetControlsAlignment)
      .Method("GetTextBuf", TextBuf)
      .Method("GetTextLen", &C::GetTextLen)
      .Method("Hide", &C::Hide)
      .Method("InitiateAction", &C::InitiateAction)
      .Method("Invalidate", &C::Invalidate)
      .Method("IsRightToLeft", &C::IsRightToLeft)
      .Method("ManualDock", [](C& c, host::TWinControl* site, C* drop,
                               int32_t side) { return c.ManualDock(site, drop, SideOf(side)); })
      .Method("ManualFloat", &C::ManualFloat)
      // Msg is a message number here, not a record.
      .Method("Perform",
              [](C& c, int32_t msg, int64_t w, int64_t l) { return c.Perform(static_cast<uint32_t>(msg), w, l); })
      .Method("Refresh", &C::Refresh)
      .Method("Repaint", &C::Repaint)
      .Method("ReplaceDockedControl",
              [](C& c, C* control, host::TWinControl* site, C* drop, int32_t side) {
                return c.ReplaceDockedControl(control, site, drop, SideOf(side));
              })
      .Method("ScreenToClient", &C::ScreenToClient)
      .Method("SendToBack", &C::SendToBack)
      .Method("SetBounds", &C::SetBounds)
      .Method("SetTextBuf", &C::SetTextBuf)
      .Method("Show", &C::Show)
      .Method("Update", &C::Update)
      .Method("UseRightToLeftAlignment", &C::UseRightToLeftAlignment)
      .Method("UseRightToLeftReading", &C::UseRightToLeftReading)
      .Method("UseRightToLeftScrollBar", &C::UseRightToLeftScrollBar);
  m.Event("OnCanResize", &C::OnCanResize)
      .Event("OnConstrainedResize", &C::OnConstrainedResize)
      .Event("OnClick", &C::OnClick)
      .Event("OnDblClick", &C::OnDblClick)
      .Event("OnDragDrop", &C::OnDragDrop)
      .Event("OnDragOver", &C::OnDragOver)
      .Event("OnEndDock", &C::OnEndDock)
      .Event("OnEndDrag", &C::OnEndDrag)
      .Event("OnMouseDown", &C::OnMouseDown)
      .Event("OnMouseMove", &C::OnMouseMove)
      .Event("OnMouseUp", &C::OnMouseUp)
      .Event("OnResize", &C::OnResize)
      .Event("OnStartDock", &C::OnStartDock)
      .Event("OnStartDrag", &C::OnStartDrag);
}

}  // namespace kel
