// Start-up and shutdown of the buttons unit: the published properties of
// bit buttons and speed buttons with their classic defaults, and their
// streamable classes. A bit button of a kind stores neither the settings
// the kind gives (Default, Cancel, ModalResult, Glyph) nor the kind's
// caption.
#include <vector>

#include "host/buttons/buttons.h"
#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/stdctrls/modelprops.h"

namespace host {

namespace {

int buttonsCount = 0;

constexpr TClass kStreamedClasses[] = {&TBitBtn::StaticMetaClass, &TSpeedButton::StaticMetaClass};

// The glyph properties both buttons publish, in the classic order; a
// button with a kind stores its glyph and NumGlyphs only when custom (or,
// NumGlyphs, when read so).
template <class B>
void AddGlyphProps(std::vector<TPropInfo>& Props) {
  TPropInfo glyph = Prop<&B::GetGlyph, &B::SetGlyph>("Glyph");
  TPropInfo numGlyphs = Prop<&B::GetNumGlyphs, &B::SetNumGlyphs>("NumGlyphs").Default(1);
  if constexpr (requires(const B& b) { b.IsCustom(); }) {
    glyph = glyph.template StoredBy<&B::IsCustom>();
    numGlyphs = numGlyphs.template StoredBy<&B::IsNumGlyphsStored>();
  }
  Props.push_back(glyph);
  Props.push_back(Prop<&B::GetLayout, &B::SetLayout>("Layout").Default(blGlyphLeft));
  Props.push_back(Prop<&B::GetMargin, &B::SetMargin>("Margin").Default(-1));
  Props.push_back(numGlyphs);
}

void RegisterBitBtnProperties() {
  using B = TBitBtn;
  std::vector<TPropInfo> props = {
      Prop<&B::GetCancel, &B::SetCancel>("Cancel").Default(false).StoredBy<&B::IsCustom>(),
      Prop<&TControl::GetCaption, &TControl::SetCaption>("Caption").StoredBy<&B::IsCustomCaption>(),
      Prop<&B::GetDefault, &B::SetDefault>("Default").Default(false).StoredBy<&B::IsCustom>(),
      Prop<&B::GetModalResult, &B::SetModalResult>("ModalResult").Default(mrNone).StoredBy<&B::IsCustom>(),
  };
  props.push_back(PublishedControlProps({"Align"}).front());
  AddGlyphProps<B>(props);
  InsertPropBefore(props, "Layout", Prop<&B::GetKind, &B::SetKind>("Kind").Default(bkCustom));
  props.push_back(Prop<&B::GetStyle, &B::SetStyle>("Style").Default(bsAutoDetect));
  props.push_back(Prop<&B::GetSpacing, &B::SetSpacing>("Spacing").Default(4));
  RegisterProperties(&TBitBtn::StaticMetaClass, std::move(props));
}

void RegisterSpeedButtonProperties() {
  using S = TSpeedButton;
  std::vector<TPropInfo> props = {Prop<&TControl::GetAction, &TControl::SetAction>("Action")};
  props.push_back(PublishedControlProps({"Align"}).front());
  props.push_back(Prop<&S::GetAllowAllUp, &S::SetAllowAllUp>("AllowAllUp").Default(false));
  for (const TPropInfo& p : PublishedControlProps({"Anchors", "BiDiMode", "Constraints"})) props.push_back(p);
  props.push_back(Prop<&S::GetGroupIndex, &S::SetGroupIndex>("GroupIndex").Default(0));
  props.push_back(Prop<&S::GetDown, &S::SetDown>("Down").Default(false));
  for (const TPropInfo& p : PublishedControlProps({"Caption", "Enabled"})) props.push_back(p);
  props.push_back(Prop<&S::GetFlat, &S::SetFlat>("Flat").Default(false));
  props.push_back(PublishedControlProps({"Font"}).front());
  AddGlyphProps<S>(props);
  for (const TPropInfo& p :
       PublishedControlProps({"ParentFont", "ParentShowHint", "ParentBiDiMode", "PopupMenu", "ShowHint"}))
    props.push_back(p);
  props.push_back(Prop<&S::GetSpacing, &S::SetSpacing>("Spacing").Default(4));
  props.push_back(Prop<&S::GetTransparent, &S::SetTransparent>("Transparent").Default(true));
  props.push_back(PublishedControlProps({"Visible"}).front());
  RegisterProperties(&TSpeedButton::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterButtonsClasses() {
  if (buttonsCount++ > 0) return;
  RegisterBitBtnProperties();
  RegisterSpeedButtonProperties();
  RegisterRememberedProperties(&TBitBtn::StaticMetaClass, {"NumGlyphs"});
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterButtonsClasses() {
  if (buttonsCount == 0 || --buttonsCount > 0) return;
  UnregisterRememberedProperties(&TBitBtn::StaticMetaClass);
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
}

std::span<const TClass> ButtonsClasses() {
  static constexpr TClass kClasses[] = {&TBitBtn::StaticMetaClass, &TSpeedButton::StaticMetaClass};
  return kClasses;
}

}  // namespace host
