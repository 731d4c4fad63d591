#include "tests/host/menus/menus_test.h"

#include <cctype>

#include "host/classes/formtext.h"
#include "host/classes/hostclasses.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"
#include "host/graphics/graphics.h"

namespace host::menustest {

void MenusTest::SetUpTestSuite() {
  RegisterHostClasses();
  RegisterHeadlessWidgetSet();
  InitializeWidgetSet("headless");
  RegisterGraphicsClasses();
  RegisterImgListClasses();
  RegisterActnListClasses();
  RegisterMenusClasses();
}

void MenusTest::TearDownTestSuite() {
  UnregisterMenusClasses();
  UnregisterActnListClasses();
  UnregisterImgListClasses();
  UnregisterGraphicsClasses();
  FinalizeWidgetSet();
  UnregisterHostClasses();
}

void MenusTest::SetUp() {
  FHandles = WidgetSet().HandleCount();
  FMenus = WidgetSet().Menus().MenuHandleCount();
}

void MenusTest::TearDown() {
  Robot().ClosePopup();
  EXPECT_EQ(WidgetSet().HandleCount(), FHandles) << "widgetset handles were left behind";
  EXPECT_EQ(WidgetSet().Menus().MenuHandleCount(), FMenus) << "menu handles were left behind";
}

headless::THeadlessMenus& Robot() { return dynamic_cast<headless::THeadlessMenus&>(WidgetSet().Menus()); }

TMenuItem* NewItem(TComponent* Owner, TMenuItem* Parent, const std::string& Caption) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  std::string base;
  for (char c : Caption == "-" ? std::string("N") : StripHotkey(Caption))
    if (std::isalnum(static_cast<unsigned char>(c))) base += c;
  if (base.empty()) base = "Item";
  for (int n = 1; Owner; ++n)
    if (!Owner->FindComponent(base + std::to_string(n))) {
      item->SetName(base + std::to_string(n));
      break;
    }
  if (Parent) Parent->Add(item);
  return item;
}

std::string Captions(const TMenuItem* Item) {
  std::string text;
  for (int32_t i = 0; i < Item->GetCount(); ++i) text += (i ? "," : "") + Item->GetItems(i)->GetCaption();
  return text;
}

std::string Shown(HMENU Menu) {
  std::string text;
  for (const std::string& caption : Robot().VisibleCaptions(Menu)) text += (text.empty() ? "" : ",") + caption;
  return text;
}

TWMKey KeyOf(TShortCut ShortCut) {
  TWMKey key;
  key.Msg = WM_KEYDOWN;
  ShortCutToKey(ShortCut, key.CharCode, key.ShiftState);
  return key;
}

std::string FormBinary(TComponent* Root) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>();
  s->WriteComponent(Root);
  return s->GetDataString();
}

namespace {
std::string Convert(void (*Converter)(TStream*, TStream*), const std::string& Input) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(Input), out = MakeOwned<TStringStream>();
  Converter(in.get(), out.get());
  return out->GetDataString();
}
}  // namespace

std::string BinaryToText(const std::string& Binary) { return Convert(ObjectBinaryToText, Binary); }

std::string TextToBinary(const std::string& Text) { return Convert(ObjectTextToBinary, Text); }

void ReadForm(const std::string& Binary, TComponent* Root) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>(Binary);
  s->ReadComponent(Root);
}

}  // namespace host::menustest
