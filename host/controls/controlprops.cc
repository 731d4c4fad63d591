#include "host/controls/controlprops.h"

#include <algorithm>

#include "host/controls/cursors.h"
#include "host/controls/wincontrol.h"
#include "host/graphics/graphicsobj.h"
#include "host/menus/menu.h"

namespace host {

namespace {

using C = TControl;
using W = TWinControl;

bool ColorStored(TObject* Instance) { return !static_cast<TControl*>(Instance)->GetParentColor(); }
bool FontStored(TObject* Instance) { return !static_cast<TControl*>(Instance)->GetParentFont(); }
bool ShowHintStored(TObject* Instance) { return !static_cast<TControl*>(Instance)->GetParentShowHint(); }
bool Ctl3DStored(TObject* Instance) { return !static_cast<TWinControl*>(Instance)->GetParentCtl3D(); }
bool BiDiModeStored(TObject* Instance) { return !static_cast<TControl*>(Instance)->GetParentBiDiMode(); }
// Anchors follow Align; only anchors of their own are written.
bool AnchorsStored(TObject* Instance) {
  const auto* control = static_cast<TControl*>(Instance);
  return control->GetAnchors() != AnchorAlign[control->GetAlign()];
}

TPropInfo StoredWhen(TPropInfo Info, bool (*Stored)(TObject*)) {
  Info.StoredProc = Stored;
  return Info;
}

const std::vector<TPropInfo>& Shared() {
  static const std::vector<TPropInfo> props = {
      Prop<&C::GetAlign, &C::SetAlign>("Align").Default(alNone),
      StoredWhen(Prop<&C::GetAnchors, &C::SetAnchors>("Anchors"), AnchorsStored),
      Prop<&C::GetAutoSize, &C::SetAutoSize>("AutoSize").Default(false),
      Prop<&W::GetBevelEdges, &W::SetBevelEdges>("BevelEdges").Default(TBevelEdges{beLeft, beTop, beRight, beBottom}),
      Prop<&W::GetBevelInner, &W::SetBevelInner>("BevelInner").Default(bvRaised),
      Prop<&W::GetBevelKind, &W::SetBevelKind>("BevelKind").Default(bkNone),
      Prop<&W::GetBevelOuter, &W::SetBevelOuter>("BevelOuter").Default(bvLowered),
      Prop<&W::GetBevelWidth, &W::SetBevelWidth>("BevelWidth").Default(1),
      StoredWhen(Prop<&C::GetBiDiMode, &C::SetBiDiMode>("BiDiMode"), BiDiModeStored),
      Prop<&W::GetBorderWidth, &W::SetBorderWidth>("BorderWidth").Default(0),
      Prop<&C::GetCaption, &C::SetCaption>("Caption"),
      StoredWhen(Prop<&C::GetColor, &C::SetColor>("Color"), ColorStored),
      Prop<&C::GetConstraints, &C::SetConstraints>("Constraints"),
      StoredWhen(Prop<&W::GetCtl3D, &W::SetCtl3D>("Ctl3D"), Ctl3DStored),
      CursorProp(Prop<&C::GetDragCursor, &C::SetDragCursor>("DragCursor").Default(crDrag)),
      Prop<&C::GetDragKind, &C::SetDragKind>("DragKind").Default(dkDrag),
      Prop<&C::GetDragMode, &C::SetDragMode>("DragMode").Default(dmManual),
      Prop<&W::GetDockSite, &W::SetDockSite>("DockSite").Default(false),
      Prop<&C::GetEnabled, &C::SetEnabled>("Enabled").Default(true),
      StoredWhen(Prop<&C::GetFont, &C::SetFont>("Font"), FontStored),
      Prop<&W::GetImeMode, &W::SetImeMode>("ImeMode").Default(imDontCare),
      Prop<&W::GetImeName, &W::SetImeName>("ImeName"),
      Prop<&C::GetParentBiDiMode, &C::SetParentBiDiMode>("ParentBiDiMode").Default(true),
      Prop<&C::GetParentColor, &C::SetParentColor>("ParentColor").Default(true),
      Prop<&W::GetParentCtl3D, &W::SetParentCtl3D>("ParentCtl3D").Default(true),
      Prop<&C::GetParentFont, &C::SetParentFont>("ParentFont").Default(true),
      Prop<&C::GetParentShowHint, &C::SetParentShowHint>("ParentShowHint").Default(true),
      Prop<&C::GetPopupMenu, &C::SetPopupMenu>("PopupMenu"),
      StoredWhen(Prop<&C::GetShowHint, &C::SetShowHint>("ShowHint"), ShowHintStored),
      Prop<&W::GetTabOrder, &W::SetTabOrder>("TabOrder"),
      Prop<&W::GetTabStop, &W::SetTabStop>("TabStop").Default(false),
      Prop<&C::GetVisible, &C::SetVisible>("Visible").Default(true),
  };
  return props;
}

}  // namespace

std::vector<TPropInfo> PublishedControlProps(std::initializer_list<std::string_view> Names) {
  const std::vector<TPropInfo>& shared = Shared();
  std::vector<TPropInfo> result;
  for (std::string_view name : Names) {
    auto it = std::find_if(shared.begin(), shared.end(), [&](const TPropInfo& p) { return p.Name == name; });
    if (it == shared.end())
      throw EInvalidOperation("No shared control property is called '%s'", {std::string(name)});
    result.push_back(*it);
  }
  return result;
}

TPropInfo TabStopByDefault() { return Prop<&W::GetTabStop, &W::SetTabStop>("TabStop").Default(true); }

std::vector<TPropInfo> WithControlProps(std::vector<TPropInfo> Props, std::initializer_list<std::string_view> Names) {
  for (const TPropInfo& p : PublishedControlProps(Names)) Props.push_back(p);
  return Props;
}

namespace {

// Where Name stands in List; List's size when it is not there.
std::size_t Place(std::initializer_list<std::string_view> List, std::string_view Name) {
  std::size_t i = 0;
  for (std::string_view n : List) {
    if (n == Name) return i;
    ++i;
  }
  return i;
}

}  // namespace

std::vector<TPropInfo> ClassicOrder(std::vector<TPropInfo> Props, std::initializer_list<std::string_view> Leading,
                                    std::initializer_list<std::string_view> Trailing) {
  // Leading names rank below every other, trailing ones above.
  auto rank = [&](const TPropInfo& p) {
    const std::size_t lead = Place(Leading, p.Name), trail = Place(Trailing, p.Name);
    return lead < Leading.size() ? 0 : trail < Trailing.size() ? 2 : 1;
  };
  auto before = [&](const TPropInfo& a, const TPropInfo& b) {
    const int ra = rank(a), rb = rank(b);
    if (ra != rb) return ra < rb;
    if (ra == 0) return Place(Leading, a.Name) < Place(Leading, b.Name);
    if (ra == 2) return Place(Trailing, a.Name) < Place(Trailing, b.Name);
    return CompareText(a.Name, b.Name) < 0;
  };
  std::stable_sort(Props.begin(), Props.end(), before);
  return Props;
}

}  // namespace host
