// Menus in form files: items nested as children of their menu and of each
// other, through the binary and the text format and back.
#include "host/classes/datamodule.h"
#include "host/graphics/bitmap.h"
#include "tests/host/menus/menus_test.h"

namespace host::menustest {
namespace {

using MenuStreaming = MenusTest;

// Module1: ImageList1, MainMenu1 (&File (&Open... Ctrl+O image 1, -,
// &Recent (Doc1, Doc2: radio items of group 2, Doc2 checked)), &Edit) and
// PopupMenu1 (right-aligned, no auto pop-up, with Cut).
TOwned<TDataModule> SampleModule() {
  TOwned<TDataModule> module = NewModule("Module1");
  auto* images = new TImageList(module.get());
  images->SetName("ImageList1");
  auto* menu = new TMainMenu(module.get());
  menu->SetName("MainMenu1");
  menu->SetImages(images);
  TMenuItem* file = NewItem(module.get(), menu->GetItems(), "&File");
  TMenuItem* open = NewItem(module.get(), file, "&Open...");
  open->SetShortCut(TextToShortCut("Ctrl+O"));
  open->SetImageIndex(1);
  NewItem(module.get(), file, "-");
  TMenuItem* recent = NewItem(module.get(), file, "&Recent");
  for (const char* doc : {"Doc1", "Doc2"}) {
    TMenuItem* item = NewItem(module.get(), recent, doc);
    item->SetRadioItem(true);
    item->SetGroupIndex(2);
  }
  recent->GetItems(1)->SetChecked(true);
  NewItem(module.get(), menu->GetItems(), "&Edit")->SetGroupIndex(1);
  auto* popup = new TPopupMenu(module.get());
  popup->SetName("PopupMenu1");
  popup->SetAlignment(paRight);
  popup->SetAutoPopup(false);
  NewItem(module.get(), popup->GetItems(), "Cu&t");
  return module;
}

TEST_F(MenuStreaming, NestedItemsRoundTripThroughBinaryAndTextForms) {
  TOwned<TDataModule> module = SampleModule();
  const auto [binary, text] = RoundTrip(module.get());
  EXPECT_NE(text.find("  object MainMenu1: TMainMenu\n"
                      "    Images = ImageList1\n"
                      "    object File1: TMenuItem\n"
                      "      Caption = '&File'\n"
                      "      object Open1: TMenuItem\n"
                      "        Caption = '&Open...'\n"
                      "        ImageIndex = 1\n"
                      "        ShortCut = 16463\n"
                      "      end\n"
                      "      object N1: TMenuItem\n"
                      "        Caption = '-'\n"
                      "      end\n"
                      "      object Recent1: TMenuItem\n"
                      "        Caption = '&Recent'\n"
                      "        object Doc11: TMenuItem\n"
                      "          Caption = 'Doc1'\n"
                      "          GroupIndex = 2\n"
                      "          RadioItem = True\n"
                      "        end\n"
                      "        object Doc21: TMenuItem\n"
                      "          Caption = 'Doc2'\n"
                      "          Checked = True\n"
                      "          GroupIndex = 2\n"
                      "          RadioItem = True\n"
                      "        end\n"
                      "      end\n"
                      "    end\n"
                      "    object Edit1: TMenuItem\n"
                      "      Caption = '&Edit'\n"
                      "      GroupIndex = 1\n"
                      "    end\n"
                      "  end\n"
                      "  object PopupMenu1: TPopupMenu\n"
                      "    Alignment = paRight\n"
                      "    AutoPopup = False\n"),
            std::string::npos)
      << text;

  TOwned<TDataModule> copy = ReadNewRoot<TDataModule>(binary);
  auto* menu = As<TMainMenu>(copy->FindComponent("MainMenu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Captions(menu->GetItems()), "&File,&Edit");
  TMenuItem* file = menu->GetItems()->GetItems(0);
  EXPECT_EQ(Captions(file), "&Open...,-,&Recent");
  EXPECT_EQ(Captions(file->Find("Recent")), "Doc1,Doc2");
  EXPECT_TRUE(file->Find("Recent")->GetItems(1)->GetChecked());
  EXPECT_EQ(file->GetParentComponent(), menu);
  EXPECT_EQ(file->GetItems(0)->GetParentComponent(), file);
  EXPECT_EQ(menu->GetImages(), copy->FindComponent("ImageList1"));
  EXPECT_EQ(As<TPopupMenu>(copy->FindComponent("PopupMenu1"))->GetAlignment(), paRight);
  EXPECT_EQ(FormText(copy.get()), text);
  // What was read works: the short cut, and a handle showing the tree.
  int opens = 0;
  file->GetItems(0)->OnClick = [&](TObject*) { ++opens; };
  TWMKey key = KeyOf(TextToShortCut("Ctrl+O"));
  EXPECT_TRUE(menu->IsShortCut(key));
  EXPECT_EQ(opens, 1);
  menu->GetHandle();
  EXPECT_EQ(Shown(file->Find("Recent")->GetHandle()), "Doc1,Doc2");
}

TEST_F(MenuStreaming, ItemsLinkedToActionsLeaveTheLinkedPropertiesToTheAction) {
  TOwned<TDataModule> module = NewModule("Module1");
  auto* list = new TActionList(module.get());
  list->SetName("ActionList1");
  auto* action = new TAction(module.get());
  action->SetName("SaveAction");
  action->SetCaption("&Save");
  action->SetShortCut(TextToShortCut("Ctrl+S"));
  action->SetActionList(list);
  auto* menu = new TPopupMenu(module.get());
  menu->SetName("PopupMenu1");
  TMenuItem* item = NewItem(module.get(), menu->GetItems(), "");
  item->SetName("Save1");
  item->SetAction(action);
  const std::string text = FormText(module.get());
  EXPECT_NE(text.find("    object Save1: TMenuItem\n      Action = SaveAction\n    end\n"), std::string::npos) << text;
  TOwned<TDataModule> copy = ReadNewRoot<TDataModule>(TextToBinary(text));
  auto* read = As<TMenuItem>(copy->FindComponent("Save1"));
  EXPECT_EQ(read->GetAction(), copy->FindComponent("SaveAction"));
  EXPECT_EQ(read->GetCaption(), "&Save");
  EXPECT_EQ(read->GetShortCut(), TextToShortCut("Ctrl+S"));
}

TEST_F(MenuStreaming, RegistrationIsCounted) {
  RegisterMenusClasses();
  UnregisterMenusClasses();
  EXPECT_EQ(GetClass("TMenuItem"), &TMenuItem::StaticMetaClass);
  UnregisterMenusClasses();
  for (const char* name : {"TMenuItem", "TMainMenu", "TPopupMenu", "TMenu"}) EXPECT_EQ(GetClass(name), nullptr) << name;
  EXPECT_EQ(GetPropInfo(&TPopupMenu::StaticMetaClass, "Alignment"), nullptr);
  RegisterMenusClasses();
  EXPECT_EQ(GetClass("TPopupMenu"), &TPopupMenu::StaticMetaClass);
  EXPECT_NE(GetPropInfo(&TPopupMenu::StaticMetaClass, "Images"), nullptr);  // TMenu's, inherited
}

}  // namespace
}  // namespace host::menustest
