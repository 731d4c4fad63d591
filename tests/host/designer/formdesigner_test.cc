// The form designer: dropping components, names, the interfaces, the
// selection, deleting, saving and opening forms.
#include <filesystem>
#include <fstream>

#include "host/actnlist/actnlist.h"
#include "host/classes/datamodule.h"
#include "host/menus/menus.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

using FormDesignerTest = DesignerTest;

// A component class that cannot be created (abstract), registered for
// streaming, and one that is never registered.
class TAbstractPart : public TComponent {
  HOST_CLASS(TAbstractPart, TComponent)
  using TCreateArg = TComponent;
  explicit TAbstractPart(TComponent* AOwner) : TComponent(AOwner) {}
  virtual void Work() = 0;
};
class TUnlistedPart : public TComponent {
  HOST_CLASS(TUnlistedPart, TComponent)
  using TCreateArg = TComponent;
  explicit TUnlistedPart(TComponent* AOwner) : TComponent(AOwner) {}
};
HOST_IMPL(TAbstractPart, TComponent)
HOST_IMPL(TUnlistedPart, TComponent)

TEST_F(FormDesignerTest, DroppedComponentsAreNamedOwnedPlacedAndDesigning) {
  TButton* b1 = Drop<TButton>(nullptr, 10, 20, 90, 30);
  TButton* b2 = Drop<TButton>();
  TGroupBox* box = Drop<TGroupBox>(nullptr, 100, 10, 200, 150);
  TEdit* edit = Drop<TEdit>(box, 5, 6, 70, 0);
  TActionList* actions = Drop<TActionList>(nullptr, 300, 40);
  EXPECT_EQ(b1->GetName(), "Button1");
  EXPECT_EQ(b2->GetName(), "Button2");
  EXPECT_EQ(edit->GetName(), "Edit1");
  EXPECT_EQ(actions->GetName(), "ActionList1");
  for (TComponent* c : std::initializer_list<TComponent*>{b1, b2, box, edit, actions}) {
    EXPECT_EQ(c->GetOwner(), Form()) << c->GetName();
    EXPECT_TRUE(c->GetComponentState().Contains(csDesigning)) << c->GetName();
  }
  EXPECT_EQ(b1->GetCaption(), "Button1") << "a dropped control shows its name";
  EXPECT_EQ(b1->GetParent(), Form());
  EXPECT_EQ(b1->GetBoundsRect(), Bounds(10, 20, 90, 30));
  EXPECT_EQ(edit->GetParent(), box);
  EXPECT_EQ(edit->GetLeft(), 5);
  EXPECT_EQ(edit->GetWidth(), 70);
  EXPECT_GT(edit->GetHeight(), 0) << "a height of 0 keeps the control's own";
  EXPECT_EQ(actions->GetDesignInfo(), (40 << 16) | 300) << "a component's place is its design info";
  EXPECT_EQ(listener.Log, std::vector<std::string>(5, "modified"));
  EXPECT_TRUE(designer->IsModified());

  EXPECT_EQ(Names(nullptr),
            (std::vector<std::string>{"Form1", "Button1", "Button2", "GroupBox1", "Edit1", "ActionList1"}));
  EXPECT_EQ(Names(detail::TypeInfoOf<TButton*>()), (std::vector<std::string>{"Button1", "Button2"}));
  EXPECT_EQ(Names(detail::TypeInfoOf<TWinControl*>()),
            (std::vector<std::string>{"Form1", "Button1", "Button2", "GroupBox1", "Edit1"}));
  EXPECT_EQ(designer->GetComponent("button2"), b2);
  EXPECT_EQ(designer->GetComponent("form1"), Form());
  EXPECT_EQ(designer->GetComponent("Nothing"), nullptr);
  EXPECT_EQ(designer->GetComponentName(box), "GroupBox1");
  EXPECT_EQ(designer->GetComponentName(nullptr), "");
  TOwned<TButton> stranger(New<TButton>(nullptr));
  stranger->SetName("Stranger");
  EXPECT_EQ(designer->GetComponentName(stranger.get()), "") << "not a component of the designed form";

  EXPECT_EQ(designer->UniqueName("Button"), "Button3");
  b1->SetName("Ok");
  EXPECT_EQ(designer->UniqueName("Button"), "Button1") << "the first free number";
  EXPECT_EQ(designer->UniqueName("Form"), "Form2") << "the form's own name is taken";
}

TEST_F(FormDesignerTest, AComponentThatLivesInAnotherIsDroppedIntoIt) {
  TMainMenu* menu = Drop<TMainMenu>(nullptr, 10, 10);
  TMenuItem* item = Drop<TMenuItem>(menu, 0, 0);
  ASSERT_EQ(menu->GetItems()->GetCount(), 1);
  EXPECT_EQ(menu->GetItems()->GetItems(0), item);
  TMenuItem* sub = Drop<TMenuItem>(item, 0, 0);
  EXPECT_EQ(item->GetCount(), 1);
  EXPECT_EQ(sub->GetParent(), item);
  // Saved, each is written once, inside its parent, and read back there.
  TOwned<TMemoryStream> saved = MakeOwned<TMemoryStream>();
  designer->SaveToStream(saved.get());
  saved->SetPosition(0);
  TOwned<TComponent> reread = ReadAtRunTime(saved.get());
  auto* readMenu = dynamic_cast<TMainMenu*>(reread->FindComponent("MainMenu1"));
  ASSERT_NE(readMenu, nullptr);
  ASSERT_EQ(readMenu->GetItems()->GetCount(), 1);
  EXPECT_EQ(readMenu->GetItems()->GetItems(0)->GetCount(), 1);
  // Into something that is not on the designed form: refused, nothing made.
  TOwned<TMainMenu> stranger(New<TMainMenu>(nullptr));
  EXPECT_RAISES(designer->CreateComponent(&TMenuItem::StaticMetaClass, stranger.get(), 0, 0, 0, 0), EInvalidOperation,
                "TMainMenu is not a component of the form");
  EXPECT_EQ(Form()->GetComponentCount(), 3);
  EXPECT_EQ(stranger->GetItems()->GetCount(), 0);
}

TEST_F(FormDesignerTest, BadDropsAndNamesRaiseAndLeaveTheFormAlone) {
  TLabel* label = Drop<TLabel>();
  listener.Log.clear();
  RegisterClass(&TAbstractPart::StaticMetaClass);
  const int before = Form()->GetComponentCount();
  EXPECT_RAISES(designer->CreateComponent(&TUnlistedPart::StaticMetaClass, nullptr, 0, 0, 0, 0), EClassNotFound,
                "Class TUnlistedPart not found");
  EXPECT_RAISES(designer->CreateComponent(&TAbstractPart::StaticMetaClass, nullptr, 0, 0, 0, 0), EComponentError,
                "Cannot create an instance of the abstract class TAbstractPart");
  EXPECT_RAISES(Drop<TEdit>(label), EInvalidOperation,
                "Label1 cannot hold a control: it is not a windowed control of the form");
  TOwned<TGroupBox> elsewhere(New<TGroupBox>(nullptr));
  EXPECT_RAISES(Drop<TEdit>(elsewhere.get()), EInvalidOperation,
                "TGroupBox cannot hold a control: it is not a windowed control of the form");
  EXPECT_RAISES(designer->CreateComponent(&TFont::StaticMetaClass, nullptr, 0, 0, 0, 0), EInvalidOperation,
                "TFont is not a component class");
  EXPECT_RAISES(Drop<TForm>(), EInvalidOperation,
                "A TForm cannot be placed on a form: it is designed as a form of its own");
  EXPECT_RAISES(designer->UniqueName("9lives"), EComponentError, "'9lives' is not a valid component name");
  EXPECT_RAISES(designer->UniqueName(""), EComponentError, "'' is not a valid component name");
  EXPECT_EQ(Form()->GetComponentCount(), before);
  EXPECT_EQ(Form()->GetControlCount(), 1);
  EXPECT_TRUE(listener.Log.empty()) << "nothing changed, nothing told";
  UnRegisterClass(&TAbstractPart::StaticMetaClass);

  // A data module holds no controls; components are fine.
  TOwned<TFormDesigner> module = TFormDesigner::CreateNew(&TDataModule::StaticMetaClass, "Module1");
  EXPECT_RAISES(module->CreateComponent(&TButton::StaticMetaClass, nullptr, 0, 0, 0, 0), EInvalidOperation,
                "Controls cannot be added to Module1: it is not a windowed control");
  EXPECT_EQ(module->GetRoot()->GetComponentCount(), 0);
  EXPECT_EQ(module->CreateComponent(&TActionList::StaticMetaClass, nullptr, 0, 0, 0, 0)->GetName(), "ActionList1");
}

TEST_F(FormDesignerTest, TheFormCarriesTheDesignerWhoseFormDesignerComesByQuery) {
  IDesignerHook* hook = Form()->GetDesigner();
  ASSERT_NE(hook, nullptr);
  TInterfaceRef<IDesigner> intf = QueryRef<IDesigner>(hook);
  ASSERT_TRUE(intf);
  EXPECT_EQ(intf->GetRoot(), Form());
  EXPECT_EQ(IFormDesigner::IID.ToString(), "{ABBE7255-5495-11D1-9FB5-0020AF3D82DA}");
  IFormDesigner* form = AsFormDesigner(intf.get());
  ASSERT_EQ(form, static_cast<IFormDesigner*>(designer.get()));
  EXPECT_EQ(form->CreateComponent(&TButton::StaticMetaClass, nullptr, 0, 0, 0, 0)->GetName(), "Button1");
  EXPECT_EQ(QueryRef<IPersistent>(hook).get(), nullptr) << "a designer is no persistent wrapper";
  EXPECT_EQ(AsFormDesigner(nullptr), nullptr);
}

TEST_F(FormDesignerTest, TheSelectionFollowsChoicesAndFreedObjects) {
  TButton* button = Drop<TButton>();
  TEdit* edit = Drop<TEdit>();
  listener.Log.clear();
  designer->SelectComponent(button);
  designer->SelectComponent(button);
  EXPECT_EQ(designer->Selection(), (std::vector<TPersistent*>{button}));
  EXPECT_EQ(listener.Log, (std::vector<std::string>{"selection"})) << "choosing the same again tells nobody";

  // A non-component object is selected through its IPersistent.
  TOwned<TDesignerSelectionList> list = CreateSelectionList();
  list->Add(MakeIPersistent(edit).get());
  list->Add(MakeIPersistent(Form()->GetFont()).get());
  list->Add(MakeIPersistent(edit).get());
  EXPECT_EQ(list->GetCount(), 2) << "an object is listed once";
  designer->SetSelections(list.get());
  EXPECT_EQ(designer->Selection(), (std::vector<TPersistent*>{edit, Form()->GetFont()}));
  TOwned<TDesignerSelectionList> back = CreateSelectionList();
  designer->GetSelections(back.get());
  EXPECT_TRUE(back->Equals(list.get()));
  EXPECT_RAISES(list->GetItems(2), EListError, "List index out of bounds (2)");
  EXPECT_RAISES(list->Add(nullptr), EListError, "Cannot add a nil object to a selection");

  // A selected component freed by anyone leaves the selection, and the
  // listeners hear it.
  listener.Log.clear();
  edit->Free();
  EXPECT_EQ(designer->Selection(), (std::vector<TPersistent*>{Form()->GetFont()}));
  EXPECT_EQ(listener.Log, (std::vector<std::string>{"selection"}));
  designer->SelectComponent(nullptr);
  EXPECT_TRUE(designer->Selection().empty());
}

TEST_F(FormDesignerTest, DeletingTheSelectionFreesItAndTheReferencesHearIt) {
  TGroupBox* box = Drop<TGroupBox>(nullptr, 0, 0, 200, 100);
  TEdit* inner = Drop<TEdit>(box);
  TLabel* label = Drop<TLabel>();
  TButton* button = Drop<TButton>();
  label->SetFocusControl(inner);
  TOwned<TDesignerSelectionList> list = CreateSelectionList();
  list->Add(MakeIPersistent(box).get());
  list->Add(MakeIPersistent(inner).get());
  designer->SetSelections(list.get());
  listener.Log.clear();
  designer->DeleteSelection();
  EXPECT_EQ(Names(nullptr), (std::vector<std::string>{"Form1", "Label1", "Button1"}));
  EXPECT_EQ(label->GetFocusControl(), nullptr) << "the label heard that its focus control went";
  EXPECT_TRUE(designer->Selection().empty());
  EXPECT_EQ(listener.Log.back(), "modified");

  // The form itself cannot go; nothing selected with it goes either.
  list = CreateSelectionList();
  list->Add(MakeIPersistent(button).get());
  list->Add(MakeIPersistent(Form()).get());
  designer->SetSelections(list.get());
  EXPECT_RAISES(designer->DeleteSelection(), EInvalidOperation, "Form1 cannot be deleted: it is the designed form");
  EXPECT_EQ(designer->GetComponent("Button1"), button);
}

TEST_F(FormDesignerTest, ASavedFormIsReadBackAtRunTimeAndInTheDesigner) {
  TButton* button = Drop<TButton>(nullptr, 16, 24, 100, 28);
  button->SetCaption("Go");
  TLabel* label = Drop<TLabel>();
  TEdit* edit = Drop<TEdit>();
  label->SetFocusControl(edit);
  Form()->SetCaption("Designed");
  const std::filesystem::path file = std::filesystem::path(testing::TempDir()) / "designed_form.dfm";
  designer->Save(file.string());
  EXPECT_FALSE(designer->IsModified());
  std::ifstream in(file);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(text.rfind("object Form1: TForm\n", 0), 0u) << text;
  EXPECT_NE(text.find("FocusControl = Edit1"), std::string::npos) << text;

  // At run time, as `corvane run` reads it: the root comes from the stream.
  TOwned<TFileStream> stream = MakeOwned<TFileStream>(file.string(), fmOpenRead);
  TOwned<TComponent> run = ReadAtRunTime(stream.get());
  auto* form = dynamic_cast<TForm*>(run.get());
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(form->GetComponentState().Contains(csDesigning));
  EXPECT_EQ(form->GetCaption(), "Designed");
  auto* runButton = dynamic_cast<TButton*>(form->FindComponent("Button1"));
  ASSERT_NE(runButton, nullptr);
  EXPECT_EQ(runButton->GetCaption(), "Go");
  EXPECT_EQ(runButton->GetBoundsRect(), Bounds(16, 24, 100, 28));
  EXPECT_EQ(static_cast<TLabel*>(form->FindComponent("Label1"))->GetFocusControl(), form->FindComponent("Edit1"));
  run.reset();

  // In the designer again: everything designing, nothing changed yet.
  TOwned<TFormDesigner> again = TFormDesigner::OpenFile(file.string());
  EXPECT_EQ(again->GetRoot()->GetName(), "Form1");
  EXPECT_TRUE(again->GetComponent("Button1")->GetComponentState().Contains(csDesigning));
  EXPECT_FALSE(again->IsModified());
  EXPECT_EQ(again->CreateComponent(&TButton::StaticMetaClass, nullptr, 0, 0, 0, 0)->GetName(), "Button2");

  // A form that cannot be read leaves nothing behind; an unwritable file
  // keeps the changed mark.
  // An application's own form class is designed as a TForm that writes the
  // class's name back; a component of a class nobody knows still fails.
  TOwned<TStringStream> own = MakeOwned<TStringStream>("object Form1: TfrmMain\nend\n");
  TOwned<TFormDesigner> generic = TFormDesigner::Open(own.get());
  EXPECT_EQ(generic->GetRoot()->ClassName(), "TForm");
  TOwned<TStringStream> written = MakeOwned<TStringStream>("");
  generic->SaveToStream(written.get());
  EXPECT_EQ(written->GetDataString().rfind("object Form1: TfrmMain\n", 0), 0u) << written->GetDataString();
  TOwned<TStringStream> bad = MakeOwned<TStringStream>("object Form1: TForm\n  object X: TNoSuchPart\n  end\nend\n");
  EXPECT_RAISES(TFormDesigner::Open(bad.get()), EClassNotFound, "Class TNoSuchPart not found");
  bad = MakeOwned<TStringStream>("object Form1: TForm\n  object B: TButton\n    Bogus = 1\n  end\nend\n");
  EXPECT_RAISES(TFormDesigner::Open(bad.get()), EReadError,
                "Error reading Form1.B.Bogus: Property Bogus does not exist");
  EXPECT_ANY_THROW(again->Save((file.parent_path() / "no-such-dir" / "x.dfm").string()));
  EXPECT_TRUE(again->IsModified());
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace host::designertest
