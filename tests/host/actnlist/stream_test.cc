// Action lists in form files: the actions stream as children of their
// list, with their properties, and join the list again when read.
#include "host/classes/datamodule.h"
#include "tests/host/actnlist/actnlist_test.h"

namespace host::actnlisttest {
namespace {

using ActionStreaming = ActnListTest;

// Module1 with ImageList1 and ActionList1 holding Open and Save.
TOwned<TDataModule> SampleModule() {
  TOwned<TDataModule> module = NewModule("Module1");
  auto* images = new TImageList(module.get());
  images->SetName("ImageList1");
  auto* list = new TActionList(module.get());
  list->SetName("ActionList1");
  list->SetImages(images);
  auto* open = new TAction(module.get());
  open->SetName("Open");
  open->SetCategory("File");
  open->SetCaption("&Open...");
  open->SetShortCut(scCtrl | 'O');
  open->SetImageIndex(2);
  open->SetActionList(list);
  auto* save = new TAction(module.get());
  save->SetName("Save");
  save->SetCaption("&Save");
  save->SetGroupIndex(3);
  save->SetChecked(true);
  save->SetHelpContext(42);
  save->GetSecondaryShortCuts()->Add("F2");
  save->SetActionList(list);
  return module;
}

TEST_F(ActionStreaming, ActionsRoundTripAsChildrenOfTheirList) {
  TOwned<TDataModule> module = SampleModule();
  const auto [binary, text] = RoundTrip(module.get());
  EXPECT_NE(text.find("  object ActionList1: TActionList\n"
                      "    Images = ImageList1\n"
                      "    object Open: TAction\n"
                      "      Category = 'File'\n"
                      "      Caption = '&Open...'\n"
                      "      ImageIndex = 2\n"
                      "      ShortCut = 16463\n"
                      "    end\n"
                      "    object Save: TAction\n"
                      "      Caption = '&Save'\n"
                      "      Checked = True\n"
                      "      GroupIndex = 3\n"
                      "      HelpContext = 42\n"
                      "      SecondaryShortCuts.Strings = (\n"
                      "        'F2')\n"
                      "    end\n"
                      "  end\n"),
            std::string::npos)
      << text;

  TOwned<TDataModule> copy = ReadNewRoot<TDataModule>(binary);
  auto* list = As<TActionList>(copy->FindComponent("ActionList1"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->GetActionCount(), 2);
  auto* open = As<TAction>(list->GetActions(0));
  auto* save = As<TAction>(list->GetActions(1));
  EXPECT_EQ(open->GetName(), "Open");
  EXPECT_EQ(open->GetCategory(), "File");
  EXPECT_EQ(open->GetShortCut(), scCtrl | 'O');
  EXPECT_EQ(save->GetSecondaryShortCuts()->GetShortCuts(0), VK_F2);
  EXPECT_TRUE(save->GetChecked());
  EXPECT_EQ(list->GetImages(), copy->FindComponent("ImageList1"));
  EXPECT_EQ(open->GetImages(), list->GetImages());
  // The actions have the list as parent; the module writes only the list.
  EXPECT_TRUE(open->HasParent());
  EXPECT_EQ(open->GetParentComponent(), list);
  EXPECT_EQ(FormText(copy.get()), text);
  // And read back they work: the key of Save's secondary short cut runs it.
  int saves = 0;
  save->SetOnExecute([&](TObject*) { ++saves; });
  TWMKey key = KeyOf(VK_F2);
  EXPECT_TRUE(list->IsShortCut(key));
  EXPECT_EQ(saves, 1);
}

TEST_F(ActionStreaming, TheOrderOfTheFormIsTheOrderOfTheList) {
  TOwned<TDataModule> module = SampleModule();
  std::string text = FormText(module.get());
  // Save first, then Open.
  const std::size_t open = text.find("    object Open: TAction\n");
  const std::size_t save = text.find("    object Save: TAction\n");
  const std::size_t end = text.find("\n  end\n", save) + 1;  // the list's end
  const std::string openBlock = text.substr(open, save - open), saveBlock = text.substr(save, end - save);
  text = text.substr(0, open) + saveBlock + openBlock + text.substr(end);
  TOwned<TDataModule> copy = ReadNewRoot<TDataModule>(TextToBinary(text));
  auto* list = As<TActionList>(copy->FindComponent("ActionList1"));
  ASSERT_EQ(list->GetActionCount(), 2);
  EXPECT_EQ(list->GetActions(0)->GetName(), "Save");
  EXPECT_EQ(list->GetActions(1)->GetName(), "Open");
  // An action of the list with another owner is not the root's to write.
  auto* foreign = new TAction(module.get());
  TOwned<TComponent> elsewhere(New<TComponent>(nullptr));
  elsewhere->InsertComponent(foreign);
  foreign->SetActionList(As<TActionList>(module->FindComponent("ActionList1")));
  EXPECT_EQ(FormText(module.get()), FormText(SampleModule().get()));
}

TEST_F(ActionStreaming, RegistrationIsCounted) {
  RegisterActnListClasses();
  UnregisterActnListClasses();
  EXPECT_EQ(GetClass("TAction"), &TAction::StaticMetaClass);
  UnregisterActnListClasses();
  EXPECT_EQ(GetClass("TAction"), nullptr);
  EXPECT_EQ(GetClass("TActionList"), nullptr);
  EXPECT_EQ(GetPropInfo(&TAction::StaticMetaClass, "Caption"), nullptr);
  EXPECT_EQ(GetClass("TBasicAction"), &TBasicAction::StaticMetaClass);  // the host's stays
  RegisterActnListClasses();
  EXPECT_EQ(GetClass("TActionList"), &TActionList::StaticMetaClass);
}

}  // namespace
}  // namespace host::actnlisttest
