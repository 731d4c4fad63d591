#include "tests/host/menus/menus_test.h"

#include <cctype>

namespace host::menustest {

void MenusTest::SetUp() {
  THandlesTest::SetUp();
  FMenus = WidgetSet().Menus().MenuHandleCount();
}

void MenusTest::TearDown() {
  Robot().ClosePopup();
  THandlesTest::TearDown();
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

}  // namespace host::menustest
