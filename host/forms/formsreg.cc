// Start-up and shutdown of the forms unit: the published properties of
// scroll bars, scroll boxes and forms, their streamable classes, and the
// global Screen and Application with the application's message delivery.
#include <algorithm>
#include <vector>

#include "host/classes/datamodule.h"
#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/forms/forms.h"
#include "host/forms/frame.h"
#include "host/menus/menu.h"
#include "host/stdctrls/texts.h"

namespace host {

namespace {

int formsCount = 0;

constexpr TClass kStreamedClasses[] = {&TScrollBox::StaticMetaClass, &TForm::StaticMetaClass,
                                       &TCustomActiveForm::StaticMetaClass, &TCustomDockForm::StaticMetaClass,
                                       &TFrame::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TScrollingWinControl::StaticMetaClass, &TCustomForm::StaticMetaClass,
                                       &TCustomFrame::StaticMetaClass};
constexpr TClass kClassesWithProperties[] = {&TControlScrollBar::StaticMetaClass, &TScrollBox::StaticMetaClass,
                                             &TForm::StaticMetaClass, &TCustomActiveForm::StaticMetaClass,
                                             &TCustomDockForm::StaticMetaClass, &TFrame::StaticMetaClass};

using F = TCustomForm;
using S = TScrollingWinControl;

// A range set by the program (AutoScroll off) is stored; one AutoScroll
// found is not.
bool RangeStored(TObject* Instance) { return !static_cast<TControlScrollBar*>(Instance)->GetControl()->GetAutoScroll(); }
bool ScrollBarColorStored(TObject* Instance) { return !static_cast<TControlScrollBar*>(Instance)->GetParentColor(); }
// A designed form shows because the designer shows it: its Visible is the
// designer's business then, not the form file's, unless the file it was
// read from said it shows.
bool FormVisibleStored(TObject* Instance) {
  const auto* form = static_cast<TComponent*>(Instance);
  return !form->GetComponentState().Contains(csDesigning) || WasPropertyRead(form, "Visible").value_or(false);
}

// A form read from a form file stores its size as the file did (forms of
// the classic library's eras differ there); any other stores its outer size
// while it scrolls (AutoScroll, or a scroll range of its own), its client
// size otherwise, as the classic form does.
bool FormSizeStored(TObject* Instance) {
  const auto* form = static_cast<TScrollingWinControl*>(Instance);
  if (const std::optional<bool> client = WasPropertyRead(form, "ClientWidth")) {
    if (*client) return false;
    if (WasPropertyRead(form, "Width").value_or(false)) return true;
  }
  return form->GetAutoScroll() || form->GetHorzScrollBar()->GetRange() != 0 ||
         form->GetVertScrollBar()->GetRange() != 0;
}
bool ClientSizeStored(TObject* Instance) { return !FormSizeStored(Instance); }

// Stored unless the form was read from a file that left Name out.
bool StoredUnlessLeftOut(TObject* Instance, std::string_view Name) {
  return WasPropertyRead(static_cast<TPersistent*>(Instance), Name).value_or(true);
}
bool OldCreateOrderStored(TObject* Instance) { return StoredUnlessLeftOut(Instance, "OldCreateOrder"); }
bool PixelsPerInchStored(TObject* Instance) { return StoredUnlessLeftOut(Instance, "PixelsPerInch"); }

TPropInfo StoredWhen(TPropInfo Info, bool (*Stored)(TObject*)) {
  Info.StoredProc = Stored;
  return Info;
}

// Range comes before Position so that a position read is taken within the
// range read with it.
void RegisterScrollBarProperties() {
  using B = TControlScrollBar;
  RegisterProperties(&TControlScrollBar::StaticMetaClass,
                     {
                         Prop<&B::GetButtonSize, &B::SetButtonSize>("ButtonSize").Default(0),
                         StoredWhen(Prop<&B::GetColor, &B::SetColor>("Color"), ScrollBarColorStored),
                         Prop<&B::GetIncrement, &B::SetIncrement>("Increment").Default(8),
                         Prop<&B::GetMargin, &B::SetMargin>("Margin").Default(0),
                         Prop<&B::GetParentColor, &B::SetParentColor>("ParentColor").Default(true),
                         StoredWhen(Prop<&B::GetRange, &B::SetRange>("Range").Default(0), RangeStored),
                         Prop<&B::GetPosition, &B::SetPosition>("Position").Default(0),
                         Prop<&B::GetSmooth, &B::SetSmooth>("Smooth").Default(false),
                         Prop<&B::GetSize, &B::SetSize>("Size").Default(0),
                         Prop<&B::GetStyle, &B::SetStyle>("Style").Default(ssRegular),
                         Prop<&B::GetThumbSize, &B::SetThumbSize>("ThumbSize").Default(0),
                         Prop<&B::GetTracking, &B::SetTracking>("Tracking").Default(false),
                         Prop<&B::GetVisible, &B::SetVisible>("Visible").Default(true),
                     });
}

// The form properties published by the form classes, by name; names of
// the shared control properties come from PublishedControlProps.
const std::vector<TPropInfo>& FormPropTable() {
  static const std::vector<TPropInfo> props = {
      Prop<&TControl::GetAction, &TControl::SetAction>("Action"),
      Prop<&F::GetActiveControl, &F::SetActiveControl>("ActiveControl"),
      Prop<&S::GetAutoScroll, &S::SetAutoScroll>("AutoScroll").Default(true),
      Prop<&F::GetBorderIcons, &F::SetBorderIcons>("BorderIcons")
          .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}),
      Prop<&F::GetBorderStyle, &F::SetBorderStyle>("BorderStyle").Default(bsSizeable),
      StoredWhen(Prop<&TControl::GetClientHeight, &F::SetClientHeight>("ClientHeight"), ClientSizeStored),
      StoredWhen(Prop<&TControl::GetClientWidth, &F::SetClientWidth>("ClientWidth"), ClientSizeStored),
      StoredWhen(Prop<&TControl::GetWidth, &TControl::SetWidth>("Width"), FormSizeStored),
      StoredWhen(Prop<&TControl::GetHeight, &TControl::SetHeight>("Height"), FormSizeStored),
      Prop<&F::GetDefaultMonitor, &F::SetDefaultMonitor>("DefaultMonitor").Default(dmActiveForm),
      Prop<&F::GetFormStyle, &F::SetFormStyle>("FormStyle").Default(fsNormal),
      Prop<&F::GetHelpFile, &F::SetHelpFile>("HelpFile"),
      Prop<&S::GetHorzScrollBar, &S::SetHorzScrollBar>("HorzScrollBar"),
      Prop<&F::GetKeyPreview, &F::SetKeyPreview>("KeyPreview").Default(false),
      Prop<&F::GetMenu, &F::SetMenu>("Menu"),
      Prop<&F::GetObjectMenuItem, &F::SetObjectMenuItem>("ObjectMenuItem"),
      // Stored always, as the classic form stores it (it has no default),
      // unless the form's file left it out (the latest libraries do).
      StoredWhen(Prop<&F::GetOldCreateOrder, &F::SetOldCreateOrder>("OldCreateOrder"), OldCreateOrderStored),
      // A form does not take its parent's font unless told to.
      Prop<&TControl::GetParentFont, &TControl::SetParentFont>("ParentFont").Default(false),
      StoredWhen(Prop<&F::GetPixelsPerInch, &F::SetPixelsPerInch>("PixelsPerInch"), PixelsPerInchStored),
      Prop<&F::GetPosition, &F::SetPosition>("Position").Default(poDesigned),
      Prop<&F::GetPrintScale, &F::SetPrintScale>("PrintScale").Default(poProportional),
      Prop<&F::GetScaled, &F::SetScaled>("Scaled").Default(true),
      Prop<&TWinControl::GetUseDockManager, &TWinControl::SetUseDockManager>("UseDockManager").Default(false),
      Prop<&S::GetVertScrollBar, &S::SetVertScrollBar>("VertScrollBar"),
      StoredWhen(Prop<&TControl::GetVisible, &TControl::SetVisible>("Visible").Default(false), FormVisibleStored),
      Prop<&F::GetWindowMenu, &F::SetWindowMenu>("WindowMenu"),
      Prop<&F::GetWindowState, &F::SetWindowState>("WindowState").Default(wsNormal),
  };
  return props;
}

// The named properties in order: form properties first, then the shared
// control properties.
std::vector<TPropInfo> PublishedFormProps(std::initializer_list<std::string_view> Names) {
  const std::vector<TPropInfo>& table = FormPropTable();
  std::vector<TPropInfo> result;
  for (std::string_view name : Names) {
    auto it = std::find_if(table.begin(), table.end(), [&](const TPropInfo& p) { return p.Name == name; });
    if (it != table.end())
      result.push_back(*it);
    else
      result.push_back(PublishedControlProps({name}).front());
  }
  return result;
}

// What scroll boxes and frames publish, a scroll box's border before Visible.
std::vector<TPropInfo> ScrollingProps(bool WithBorder) {
  std::vector<TPropInfo> props = PublishedFormProps(
      {"Align", "Anchors", "AutoScroll", "AutoSize", "BiDiMode", "Constraints", "DockSite", "DragCursor", "DragKind",
       "DragMode", "Enabled", "Color", "Ctl3D", "Font", "HorzScrollBar", "ParentBiDiMode", "ParentColor", "ParentCtl3D",
       "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "VertScrollBar"});
  // Unlike a form, they take their parent's font by default.
  for (TPropInfo& p : props)
    if (p.Name == "ParentFont") p = PublishedControlProps({"ParentFont"}).front();
  if (WithBorder)
    props.push_back(Prop<&TScrollBox::GetBorderStyle, &TScrollBox::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props.push_back(Prop<&TControl::GetVisible, &TControl::SetVisible>("Visible").Default(true));
  return props;
}

void RegisterScrollBoxProperties() {
  RegisterProperties(&TScrollBox::StaticMetaClass, ScrollingProps(true));
  RegisterProperties(&TFrame::StaticMetaClass, ScrollingProps(false));
}

// Width and Height stand where the control has them (inherited, first),
// redeclared with when a form stores them; ClientWidth and ClientHeight
// after them win when both are read. PixelsPerInch comes last, where the
// classic form writes it (after the events, with TextHeight).
void RegisterFormProperties() {
  RegisterProperties(
      &TForm::StaticMetaClass,
      PublishedFormProps({"Action",       "ActiveControl",  "Align",         "Anchors",        "AutoScroll",
                          "Width",        "Height",
                          "AutoSize",     "BiDiMode",       "BorderIcons",   "BorderStyle",    "BorderWidth",
                          "Caption",      "ClientHeight",   "ClientWidth",   "Color",          "Constraints",
                          "Ctl3D",        "UseDockManager", "DefaultMonitor", "DockSite",      "DragKind",
                          "DragMode",     "Enabled",        "ParentFont",    "Font",           "FormStyle",
                          "HelpFile",     "HorzScrollBar",  "KeyPreview",    "Menu",           "OldCreateOrder",
                          "ObjectMenuItem", "ParentBiDiMode", "PopupMenu",    "Position",
                          "PrintScale",   "Scaled",         "ShowHint",      "VertScrollBar",  "Visible",
                          "WindowState",  "WindowMenu",     "PixelsPerInch"}));
  std::vector<TPropInfo> active =
      PublishedFormProps({"ActiveControl", "Anchors", "AutoScroll", "AutoSize", "BorderWidth", "Caption", "Color",
                          "Constraints", "Font", "HorzScrollBar", "KeyPreview", "OldCreateOrder", "PixelsPerInch",
                          "PopupMenu", "PrintScale", "Scaled", "ShowHint", "VertScrollBar"});
  active.push_back(Prop<&TCustomActiveForm::GetAxBorderStyle, &TCustomActiveForm::SetAxBorderStyle>("AxBorderStyle")
                       .Default(afbNone));
  RegisterProperties(&TCustomActiveForm::StaticMetaClass, std::move(active));
  RegisterProperties(&TCustomDockForm::StaticMetaClass, PublishedFormProps({"PixelsPerInch"}));
}

// While an application exists it delivers the widgetset's messages.
void DeliverThroughApplication(TControl* Receiver, TMessage& Message) {
  if (Application)
    Application->DeliverMessage(Receiver, Message);
  else
    Receiver->WndProc(Message);
}

}  // namespace

// Whether Names holds Name (in any case).
static bool Holds(const std::vector<std::string>& Names, std::string_view Name) {
  return std::any_of(Names.begin(), Names.end(), [&](const std::string& n) { return SameText(n, Name); });
}

// A frame's form file gives its root a tab order, which a form's never has.
static bool FitsFrame(const std::vector<std::string>& Names) { return Holds(Names, "TabOrder") && !Holds(Names, "Caption"); }

// A data module's form file gives its root none of a window's properties,
// and its design size height first (a control's file has Width first).
static bool FitsDataModule(const std::vector<std::string>& Names) {
  for (std::string_view name : {"Caption", "ClientHeight", "ClientWidth", "Color", "PixelsPerInch", "TextHeight",
                                "Font.Name", "Font.Height", "BorderStyle", "Position", "Menu", "TabOrder"})
    if (Holds(Names, name)) return false;
  auto at = [&](std::string_view name) {
    return std::find_if(Names.begin(), Names.end(), [&](const std::string& n) { return SameText(n, name); });
  };
  return at("Height") != Names.end() && at("Width") != Names.end() && at("Height") < at("Width");
}

// Forms of the classic library's later versions carry properties the host
// has no use for; they are kept and written back (keptprops.h). A form of
// an application's own class is read into a TForm.
static void RegisterClassicExtras() {
  SetGenericRootClass(&TForm::StaticMetaClass);
  AddGenericRootCandidate(&TFrame::StaticMetaClass, FitsFrame);
  AddGenericRootCandidate(&TDataModule::StaticMetaClass, FitsDataModule);
  RegisterKeptProperties(&TControl::StaticMetaClass,
                         {"ExplicitLeft", "ExplicitTop", "ExplicitWidth", "ExplicitHeight", "DesignSize",
                          "StyleElements", "StyleName", "DoubleBuffered", "ParentDoubleBuffered", "ParentBackground",
                          "ParentCustomHint", "HelpType", "HelpKeyword", "CustomHint", "Touch.InteractiveGestures",
                          "Touch.InteractiveGestureOptions", "Touch.ParentTabletOptions", "Touch.TabletOptions"});
  RegisterKeptProperties(&TCustomEdit::StaticMetaClass, {"TextHint", "NumbersOnly", "AutoSize"});
  RegisterKeptProperties(&TCustomStaticText::StaticMetaClass, {"Transparent"});
  RegisterKeptProperties(&TCustomForm::StaticMetaClass, {"TextHeight"});
  // A data module's design size and scroll offsets in the designer.
  RegisterKeptProperties(&TDataModule::StaticMetaClass,
                         {"Height", "Width", "HorizontalOffset", "VerticalOffset", "PixelsPerInch"});
  RegisterRememberedProperties(&TCustomForm::StaticMetaClass,
                               {"Width", "ClientWidth", "Position", "OldCreateOrder", "PixelsPerInch", "Visible"});
}

void RegisterFormsClasses() {
  if (formsCount++ > 0) return;
  RegisterScrollBarProperties();
  RegisterScrollBoxProperties();
  RegisterFormProperties();
  for (TClass c : kStreamedClasses) RegisterClass(c);
  RegisterClassicExtras();
  Screen = New<TScreen>(nullptr);
  Application = New<TApplication>(nullptr);
  ApplicationHandleMessage = DeliverThroughApplication;
}

void UnregisterFormsClasses() {
  if (formsCount == 0 || --formsCount > 0) return;
  ApplicationHandleMessage = nullptr;
  FreeAndNil(Application);
  FreeAndNil(Screen);
  for (TClass c : kStreamedClasses) UnRegisterClass(c);
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
  for (TClass c : kClassesWithProperties) UnregisterProperties(c);
  SetGenericRootClass(nullptr);
  RemoveGenericRootCandidates();
  UnregisterKeptProperties(&TControl::StaticMetaClass);
  UnregisterKeptProperties(&TCustomEdit::StaticMetaClass);
  UnregisterKeptProperties(&TCustomStaticText::StaticMetaClass);
  UnregisterKeptProperties(&TCustomForm::StaticMetaClass);
  UnregisterKeptProperties(&TDataModule::StaticMetaClass);
  UnregisterRememberedProperties(&TCustomForm::StaticMetaClass);
}

std::span<const TClass> FormsClasses() {
  static constexpr TClass kClasses[] = {
      &TControlScrollBar::StaticMetaClass, &TScrollingWinControl::StaticMetaClass, &TScrollBox::StaticMetaClass,
      &TCustomForm::StaticMetaClass,       &TForm::StaticMetaClass,                &TCustomActiveForm::StaticMetaClass,
      &TCustomDockForm::StaticMetaClass,   &TMonitor::StaticMetaClass,             &TScreen::StaticMetaClass,
      &TApplication::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
