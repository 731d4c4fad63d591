// Start-up and shutdown of the controls unit: the published properties of
// controls and size constraints, the cursor identifiers, the streamable
// classes and the mouse object.
#include "host/controls/controls.h"
#include "host/controls/cursors.h"

namespace host {

namespace {

int controlsClassesCount = 0;

constexpr TClass kStreamedClasses[] = {&TWinControl::StaticMetaClass, &TGraphicControl::StaticMetaClass,
                                       &TCustomControl::StaticMetaClass, &THintWindow::StaticMetaClass};
constexpr TClass kClassesWithProperties[] = {&TControl::StaticMetaClass, &TWinControl::StaticMetaClass,
                                             &TSizeConstraints::StaticMetaClass, &TMargins::StaticMetaClass,
                                             &TPadding::StaticMetaClass};

void RegisterControlProperties() {
  using C = TControl;
  RegisterProperties(&TControl::StaticMetaClass, {
                                                     Prop<&C::GetLeft, &C::SetLeft>("Left"),
                                                     Prop<&C::GetTop, &C::SetTop>("Top"),
                                                     Prop<&C::GetWidth, &C::SetWidth>("Width"),
                                                     Prop<&C::GetHeight, &C::SetHeight>("Height"),
                                                     CursorProp(Prop<&C::GetCursor, &C::SetCursor>("Cursor").Default(crDefault)),
                                                     Prop<&C::GetHint, &C::SetHint>("Hint"),
                                                     Prop<&C::GetAlignWithMargins, &C::SetAlignWithMargins>(
                                                         "AlignWithMargins")
                                                         .Default(false),
                                                     Prop<&C::GetMargins, &C::SetMargins>("Margins"),
                                                 });
  using W = TWinControl;
  RegisterProperties(&TWinControl::StaticMetaClass,
                     {Prop<&W::GetHelpContext, &W::SetHelpContext>("HelpContext").Default(0),
                      Prop<&W::GetPadding, &W::SetPadding>("Padding")});
}

// Margins default to 3 pixels a side, padding to none.
void RegisterMarginsProperties() {
  using M = TMargins;
  for (auto [Class, Side] : {std::pair{&TMargins::StaticMetaClass, 3}, std::pair{&TPadding::StaticMetaClass, 0}})
    RegisterProperties(Class, {
                                  Prop<&M::GetLeft, &M::SetLeft>("Left").Default(Side),
                                  Prop<&M::GetTop, &M::SetTop>("Top").Default(Side),
                                  Prop<&M::GetRight, &M::SetRight>("Right").Default(Side),
                                  Prop<&M::GetBottom, &M::SetBottom>("Bottom").Default(Side),
                              });
}

void RegisterConstraintsProperties() {
  using S = TSizeConstraints;
  RegisterProperties(&TSizeConstraints::StaticMetaClass,
                     {
                         Prop<&S::GetMaxHeight, &S::SetMaxHeight>("MaxHeight").Default(0),
                         Prop<&S::GetMaxWidth, &S::SetMaxWidth>("MaxWidth").Default(0),
                         Prop<&S::GetMinHeight, &S::SetMinHeight>("MinHeight").Default(0),
                         Prop<&S::GetMinWidth, &S::SetMinWidth>("MinWidth").Default(0),
                     });
}

}  // namespace

void RegisterControlsClasses() {
  if (controlsClassesCount++ > 0) return;
  RegisterControlProperties();
  RegisterConstraintsProperties();
  RegisterMarginsProperties();
  RegisterCursorIdents();
  for (TClass c : kStreamedClasses) RegisterClass(c);
  CreateMouseObject();
}

void UnregisterControlsClasses() {
  if (controlsClassesCount == 0 || --controlsClassesCount > 0) return;
  FreeMouseObject();
  for (TClass c : kStreamedClasses) UnRegisterClass(c);
  UnRegisterClass(&TControl::StaticMetaClass);  // registered as their ancestor
  for (TClass c : kClassesWithProperties) UnregisterProperties(c);
  UnregisterCursorIdents();
}

std::span<const TClass> ControlsClasses() {
  static constexpr TClass kClasses[] = {
      &TSizeConstraints::StaticMetaClass,   &TMargins::StaticMetaClass,
      &TPadding::StaticMetaClass,           &TControlActionLink::StaticMetaClass,
      &TControl::StaticMetaClass,           &TWinControlActionLink::StaticMetaClass,
      &TWinControl::StaticMetaClass,        &TControlCanvas::StaticMetaClass,
      &TGraphicControl::StaticMetaClass,    &TCustomControl::StaticMetaClass,
      &THintWindow::StaticMetaClass,        &TMouse::StaticMetaClass,
      &TDragObject::StaticMetaClass,        &TBaseDragControlObject::StaticMetaClass,
      &TDragControlObject::StaticMetaClass, &TDragDockObject::StaticMetaClass,
      &TDockZone::StaticMetaClass,          &TDockTree::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
